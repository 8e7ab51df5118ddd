#include <QAccessible>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPalette>
#include <QSet>

#include <algorithm>
#include <map>
#include <utility>

#include "ui/control_colours.h"
#include "ui/qt/fonts.h"
#include "ui/qt/wrapped_caption_button.h"
#include "window_fixture.h"

namespace morvana {
namespace {

using frm_main_layout = WindowTest;

// The colour that covers most of `area`: a control's back colour, not its text.
QColor DominantColour(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
  }
  const auto most = std::max_element(counts.begin(), counts.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
  return QColor::fromRgb(most->first);
}

QColor ToQColor(layout::Colour c) {
  return {c.red, c.green, c.blue};
}

// The colours of `area`'s outermost pixels, or of its rows `inset` pixels
// below its top and above its bottom, within its sides.
QSet<QRgb> EdgeColours(const QImage& image, const QRect& area, int inset = 0) {
  QSet<QRgb> colours;
  for (int x = area.left() + inset; x <= area.right() - inset; ++x) {
    colours << image.pixel(x, area.top() + inset) << image.pixel(x, area.bottom() - inset);
  }
  for (int y = area.top(); y <= area.bottom() && inset == 0; ++y) {
    colours << image.pixel(area.left(), y) << image.pixel(area.right(), y);
  }
  return colours;
}

layout::Colour FromQRgb(QRgb rgb) {
  return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
          static_cast<std::uint8_t>(qBlue(rgb))};
}

TEST_F(frm_main_layout, starts_titled_sized_empty_and_focused_on_from_first_octet) {
  EXPECT_EQ(window_.objectName(), "frmMain") << "window name";
  EXPECT_EQ(window_.windowTitle(), "Morvana") << "caption";
  EXPECT_EQ(window_.size(), QSize(272, 162)) << "client area of 4080 x 2430 twips";
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize()) << "the frame is fixed";
  EXPECT_EQ(Focused(), "txtFromFirstOctet") << "focus at start";
  const QList<QSize> sizes = window_.windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32))) << "icon from morvana.ico";
}

TEST_F(frm_main_layout, every_control_realises_its_row_of_the_table) {
  for (const layout::Control& row : layout::kControls) {
    QWidget* widget = Find(row.name);
    ASSERT_NE(widget, nullptr) << row.name;
    EXPECT_EQ(widget->geometry(), PixelRect(row.rect)) << row.name;
    EXPECT_EQ(widget->font().family(), ToQString(row.font->face)) << row.name << ": face asked for";
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), row.font->points) << row.name;
    EXPECT_EQ(widget->font().weight(), row.font->weight) << row.name;
    EXPECT_FALSE(widget->font().italic() || widget->font().underline() || widget->font().strikeOut())
        << row.name;
    EXPECT_TRUE(widget->isVisible() && widget->isEnabled()) << row.name;
    const Qt::Alignment align = row.align == layout::TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      EXPECT_EQ(label->text(), ToQString(row.caption)) << row.name;
      EXPECT_TRUE(label->wordWrap()) << row.name;
      EXPECT_EQ(label->alignment(), align | Qt::AlignTop) << row.name;
      EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << row.name << ": labels never take the focus";
      continue;
    }
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(accessible, nullptr) << row.name;
    EXPECT_EQ(accessible->text(QAccessible::Name), ToQString(row.accessible_name)) << row.name;
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      EXPECT_EQ(box->maxLength(), row.max_length) << row.name;
      EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, align) << row.name;
      EXPECT_TRUE(box->text().isEmpty() && !box->isReadOnly()) << row.name;
      EXPECT_FALSE(box->hasFrame()) << row.name
                                    << ": 15 pixels leave room for a line of text only without a frame";
    } else {
      EXPECT_EQ(qobject_cast<QPushButton*>(widget)->text(), ToQString(row.caption)) << row.name;
    }
  }
}

TEST_F(frm_main_layout, every_caption_shows_whole_in_the_face_actually_used) {
  for (const layout::Control& row : layout::kControls) {
    if (row.kind == layout::ControlKind::TextBox) {
      EXPECT_LE(QFontMetrics(Find(row.name)->font()).height(), PixelRect(row.rect).height() - 2)
          << row.name << " shows a whole line in "
          << QFontInfo(Find(row.name)->font()).family().toStdString();
      continue;
    }
    QWidget* widget = Find(row.name);
    const auto* button = qobject_cast<WrappedCaptionButton*>(widget);
    const QRect area = button ? button->CaptionRect() : widget->contentsRect();
    const QFontMetrics metrics(widget->font());
    const int flags =
        Qt::TextWordWrap | (row.align == layout::TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
    const QRect used = metrics.boundingRect(area, flags, ToQString(row.caption));
    EXPECT_TRUE(area.contains(used)) << row.name << " clipped in "
                                     << QFontInfo(widget->font()).family().toStdString();
    if (button || row.id == layout::ControlId::Label4) {
      EXPECT_GT(used.height(), metrics.height()) << row.name << " wraps onto more than one line";
    }
  }
}

TEST_F(frm_main_layout, button_draws_its_caption_on_two_lines) {
  auto* button = Find<WrappedCaptionButton>("cmdCalculateSubnet");
  const QImage face = button->grab().toImage();
  int first_ink_row = -1;
  int last_ink_row = -1;
  for (int y = 0; y < face.height(); ++y) {
    for (int x = 0; x < face.width(); ++x) {
      if (qGray(face.pixel(x, y)) >= 80) continue;  // the face and its edge are light; the caption is black
      if (first_ink_row < 0) first_ink_row = y;
      last_ink_row = y;
    }
  }
  EXPECT_GT(last_ink_row - first_ink_row + 1, QFontMetrics(button->font()).height())
      << "caption ink spans more than one line";
}

TEST_F(frm_main_layout, back_colours_hold_under_any_scheme_while_the_window_follows_it) {
  const QPalette standard = QApplication::palette();
  QPalette dark = standard;
  dark.setColor(QPalette::Base, QColor(0x20, 0x30, 0x40));
  dark.setColor(QPalette::Text, Qt::white);
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::ButtonText, Qt::white);
  const QColor navy_text(0, 0, 128);  // reads on white and on light grey: kept
  QPalette navy = standard;
  for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    navy.setColor(role, navy_text);
  const std::pair<QPalette, QColor> schemes[] = {{standard, Qt::black}, {navy, navy_text}, {dark, Qt::black}};
  for (const auto& [scheme, text] : schemes) {
    QApplication::setPalette(scheme);
    QApplication::processEvents();  // Qt hands a new palette on to the widgets in posted events
    const QImage shot = window_.grab().toImage();
    const QString scheme_name = scheme.color(QPalette::Base).name();
    EXPECT_EQ(DominantColour(shot, QRect(0, 0, 6, 160)), scheme.color(QPalette::Base))
        << "window under " << scheme_name.toStdString();
    for (const layout::Control& row : layout::kControls) {
      if (row.kind == layout::ControlKind::Button) continue;  // its face is the style's to paint
      QWidget* widget = Find(row.name);
      EXPECT_EQ(DominantColour(shot, widget->geometry()), ToQColor(row.back))
          << row.name << " under " << scheme_name.toStdString();
      EXPECT_EQ(widget->palette().color(widget->foregroundRole()), text)
          << row.name << ": text readable on its fixed back colour under " << scheme_name.toStdString();
    }
  }
  QApplication::setPalette(standard);
}

// txtFromFirstOctet has the focus; txtToFirstOctet shows a whole octet, which
// must stay clear of the rows that a focus mark covers.
TEST_F(frm_main_layout, every_box_has_an_edge_and_the_focused_one_a_mark_that_stand_out) {
  Find<QLineEdit>("txtToFirstOctet")->setText("0255");
  QApplication::processEvents();
  const QImage shot = window_.grab().toImage();
  const layout::Colour window = FromQRgb(window_.palette().color(QPalette::Base).rgb());
  for (const layout::Control& row : layout::kControls) {
    if (row.kind != layout::ControlKind::TextBox) continue;
    const QRect area = PixelRect(row.rect);
    const QSet<QRgb> edge = EdgeColours(shot, area);
    ASSERT_EQ(edge.size(), 1) << row.name << ": one colour all round";
    const layout::Colour colour = FromQRgb(*edge.begin());
    EXPECT_GE(ContrastRatio(colour, window), kMinimumEdgeContrast) << row.name;
    const QSet<QRgb> second_rows = EdgeColours(shot, area, 1);
    if (row.id == layout::ControlId::txtFromFirstOctet) {
      EXPECT_EQ(second_rows, edge) << row.name << ": the focus mark is two pixels high";
      EXPECT_GE(ContrastRatio(colour, row.back), kMinimumEdgeContrast) << row.name << ": mark on the box";
    } else {
      EXPECT_EQ(second_rows, QSet<QRgb>{ToQColor(row.back).rgb()}) << row.name;
    }
  }
}

TEST_F(frm_main_layout, controls_stack_in_reading_order_boxes_on_labels_and_nothing_moves_on_resize) {
  QStringList expected, stacked;  // bottom first, as screen readers walk them; then the notice and the tip
  for (const layout::ControlId id : layout::kReadingOrder) expected << ToQString(layout::ControlFor(id).name);
  for (const QObject* child : window_.children()) stacked << child->objectName();
  EXPECT_EQ(stacked.first(layout::kControlCount), expected);
  EXPECT_EQ(window_.childAt(48, 95), Find("txtFromFirstOctet")) << "Label1 reaches into the box at x=48";
  window_.setMinimumSize(0, 0);
  window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  for (const QSize size : {QSize(500, 400), QSize(100, 80)}) {
    window_.resize(size);
    for (const layout::Control& row : layout::kControls) {
      EXPECT_EQ(Find(row.name)->geometry(), PixelRect(row.rect)) << row.name << " at " << size.width();
    }
  }
}

TEST(fonts, pick_the_first_installed_face_that_fits) {
  struct Case {
    const char* name;
    QStringList candidates;
    QString misfit;  // the one installed face in which captions do not fit
    QString expected;
  };
  const Case cases[] = {
      {"missing_face_skipped", {"No Such Face", "DejaVu Sans", "Liberation Sans"}, "", "DejaVu Sans"},
      {"misfit_skipped",
       {"No Such Face", "DejaVu Sans", "Liberation Sans"},
       "DejaVu Sans",
       "Liberation Sans"},
      {"nothing_fits_keeps_the_nearest", {"DejaVu Sans"}, "DejaVu Sans", "DejaVu Sans"},
      {"nothing_installed", {"No Such Face"}, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PickFace(c.candidates, [&](const QString& face) { return face != c.misfit; }), c.expected)
        << c.name;
  }
}

TEST(desktop_icons, are_the_256_colour_images_of_the_ico) {
  QImageReader ico(QStringLiteral(":/morvana.ico"));
  for (const auto& [size, image_index] : {std::pair{16, 1}, std::pair{32, 3}}) {
    const QString path = QStringLiteral(MORVANA_ICON_DIR "/%1x%1/example.kestiva.Morvana.png").arg(size);
    ASSERT_TRUE(ico.jumpToImage(image_index)) << "morvana.ico holds four images";
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_ARGB32),
              ico.read().convertToFormat(QImage::Format_ARGB32))
        << path.toStdString();
  }
}

}  // namespace
}  // namespace morvana
