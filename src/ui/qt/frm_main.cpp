#include "ui/qt/frm_main.h"

#include <QFontMetrics>
#include <QIcon>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "ui/qt/fonts.h"
#include "ui/qt/qt_text.h"

namespace morvana {
namespace {

// The layout is drawn at 96 DPI; Qt's high-DPI scaling enlarges it on top.
constexpr int kLayoutDpi = 96;

QColor ToQColor(layout::Colour colour) {
  return {colour.red, colour.green, colour.blue};
}

std::size_t RowOf(layout::ControlId id) {
  return static_cast<std::size_t>(&layout::ControlFor(id) - layout::kControls.data());
}

QRect PixelRect(const layout::TwipsRect& rect) {
  return {layout::TwipsToPixels(rect.left, kLayoutDpi), layout::TwipsToPixels(rect.top, kLayoutDpi),
          layout::TwipsToPixels(rect.width, kLayoutDpi), layout::TwipsToPixels(rect.height, kLayoutDpi)};
}

Qt::Alignment HorizontalAlignment(layout::TextAlign align) {
  return align == layout::TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

// The back colour is fixed whatever the colour scheme, so the text colour is
// fixed with it: light text from a dark scheme would vanish on white.
QPalette FixedColours(QPalette::ColorRole back_role, QPalette::ColorRole text_role, layout::Colour back) {
  QPalette colours;
  colours.setColor(back_role, ToQColor(back));
  colours.setColor(text_role, Qt::black);
  return colours;
}

bool FitsWrapped(const QFontMetrics& metrics, const QRect& area, Qt::Alignment align, const QString& text) {
  return area.contains(metrics.boundingRect(area, static_cast<int>(align | Qt::TextWordWrap), text));
}

}  // namespace

FrmMain::FrmMain(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(ToQString(layout::kWindowName));
  setWindowTitle(ToQString(layout::kApplicationTitle));
  setWindowIcon(QIcon(QStringLiteral(":/morvana.ico")));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(layout::TwipsToPixels(layout::kClientWidthTwips, kLayoutDpi),
               layout::TwipsToPixels(layout::kClientHeightTwips, kLayoutDpi));
  // The window takes the scheme's colour for text-entry backgrounds.
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);

  // Labels are painted on the window itself, beneath every box and button:
  // where Label1 reaches into txtFromFirstOctet, the box lies on top.
  for (QLabel* label : {Label4, Label3, Label1, Label2}) label->lower();

  ApplyFonts();
  SetTabOrder();

  for (QLineEdit* box : std::initializer_list<QLineEdit*>{
           txtFromFirstOctet, txtFromSecondOctet, txtFromThirdOctet, txtFromFourthOctet, txtToFirstOctet,
           txtToSecondOctet, txtToThirdOctet, txtToFourthOctet, txtSubnet}) {
    // The button is the window's default: Enter in any box presses it.
    connect(box, &QLineEdit::returnPressed, cmdCalculateSubnet, &QPushButton::click);
  }
  connect(cmdCalculateSubnet, &QPushButton::clicked, this, [this] { command_.Run(); });
  // A hand edit makes txtSubnet's text the user's own: the network no longer fits it.
  connect(txtSubnet, &QLineEdit::textEdited, this, [this] { DescribeSubnet({}); });

  txtFromFirstOctet->setFocus(Qt::OtherFocusReason);
}

std::string FrmMain::ReadOctetBox(AddressSide side, OctetPosition position) const {
  const auto* box = static_cast<const QLineEdit*>(ControlWidget(layout::OctetBoxControl(side, position)));
  return box->text().toStdString();
}

void FrmMain::SetSubnetText(std::string_view text) {
  txtSubnet->setText(ToQString(text));
}

void FrmMain::ShowMessage(std::string_view text) {
  const QPointer<QWidget> had_focus = focusWidget();
  QMessageBox box(QMessageBox::NoIcon, ToQString(layout::kApplicationTitle), ToQString(text), QMessageBox::Ok,
                  this);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  if (had_focus) had_focus->setFocus(Qt::OtherFocusReason);
}

void FrmMain::DescribeSubnet(std::string_view description) {
  txtSubnet->setToolTip(ToQString(description));
  txtSubnet->setAccessibleDescription(ToQString(description));
}

QLabel* FrmMain::CreateLabel(layout::ControlId id) {
  const layout::Control& control = layout::ControlFor(id);
  auto* label = new QLabel(ToQString(control.caption), this);
  PlaceControl(label, id);
  label->setWordWrap(true);
  label->setAlignment(HorizontalAlignment(control.align) | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  // Without a role of its own a child paints with its parent's, Base here.
  label->setBackgroundRole(QPalette::Window);
  label->setAutoFillBackground(true);
  label->setPalette(FixedColours(QPalette::Window, QPalette::WindowText, control.back));
  return label;
}

QLineEdit* FrmMain::CreateTextBox(layout::ControlId id) {
  auto* box = new QLineEdit(this);
  SetUpTextBox(box, id);
  return box;
}

OctetLineEdit* FrmMain::CreateOctetBox(layout::ControlId id) {
  auto* box = new OctetLineEdit(
      OctetBoxOf(id).value(), [this](const EntryAction& action) { ApplyEntryAction(action); }, this);
  SetUpTextBox(box, id);
  return box;
}

void FrmMain::SetUpTextBox(QLineEdit* box, layout::ControlId id) {
  const layout::Control& control = layout::ControlFor(id);
  PlaceControl(box, id);
  box->setMaxLength(control.max_length);
  box->setAlignment(HorizontalAlignment(control.align) | Qt::AlignVCenter);
  // A 15-pixel box has room for one line of its font and no more: no frame.
  box->setFrame(false);
  box->setAccessibleName(ToQString(control.accessible_name));
  box->setPalette(FixedColours(QPalette::Base, QPalette::Text, control.back));
}

WrappedCaptionButton* FrmMain::CreateButton(layout::ControlId id) {
  const layout::Control& control = layout::ControlFor(id);
  auto* button = new WrappedCaptionButton(ToQString(control.caption), this);
  PlaceControl(button, id);
  button->setAccessibleName(ToQString(control.accessible_name));
  button->setPalette(FixedColours(QPalette::Button, QPalette::ButtonText, control.back));
  return button;
}

void FrmMain::PlaceControl(QWidget* widget, layout::ControlId id) {
  const layout::Control& control = layout::ControlFor(id);
  widget->setObjectName(ToQString(control.name));
  widget->setGeometry(PixelRect(control.rect));
  controls_.at(RowOf(id)) = widget;
}

QWidget* FrmMain::ControlWidget(layout::ControlId id) const {
  return controls_.at(RowOf(id));
}

OctetLineEdit* FrmMain::OctetBoxWidget(OctetBoxRef box) const {
  return static_cast<OctetLineEdit*>(ControlWidget(layout::OctetBoxControl(box.side, box.position)));
}

void FrmMain::ApplyEntryAction(const EntryAction& action) {
  for (const BoxFill& fill : action.fills) OctetBoxWidget(fill.box)->setText(ToQString(fill.text));
  if (!action.focus) return;
  OctetLineEdit* box = OctetBoxWidget(action.focus->box);
  box->setFocus(Qt::OtherFocusReason);
  if (action.focus->caret == CaretPlacement::SelectAll) {
    box->selectAll();
  } else {
    box->end(false);
  }
}

void FrmMain::ApplyFonts() {
  QString label_face;
  for (const layout::Font* font : {&layout::kLabelFont, &layout::kBoxFont}) {
    std::vector<QWidget*> users;
    for (const layout::Control& control : layout::kControls) {
      if (control.font == font) users.push_back(ControlWidget(control.id));
    }
    const QString face = PickFace(FaceCandidates(*font), [&](const QString& candidate) {
      for (QWidget* widget : users) {
        widget->setFont(MakeFont(*font, candidate));
        if (!CaptionFits(widget)) return false;
      }
      return true;
    });
    for (QWidget* widget : users) widget->setFont(MakeFont(*font, face));
    if (font == &layout::kLabelFont) label_face = face;
  }
  // The window's own font shows nowhere: every control has one of its own.
  setFont(MakeFont(layout::kFormFont, label_face));
}

bool FrmMain::CaptionFits(const QWidget* widget) const {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    return FitsWrapped(label->fontMetrics(), label->contentsRect(), label->alignment(), label->text());
  }
  if (widget == cmdCalculateSubnet) {
    return FitsWrapped(cmdCalculateSubnet->fontMetrics(), cmdCalculateSubnet->CaptionRect(), Qt::AlignCenter,
                       cmdCalculateSubnet->text());
  }
  // A box shows one line between QLineEdit's fixed one-pixel margins.
  return widget->fontMetrics().height() <= widget->height() - 2;
}

void FrmMain::SetTabOrder() {
  QWidget* previous = nullptr;
  for (const layout::Control* control : layout::TabOrder()) {
    if (control->kind == layout::ControlKind::Label) continue;  // labels never take the focus
    QWidget* widget = ControlWidget(control->id);
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace morvana
