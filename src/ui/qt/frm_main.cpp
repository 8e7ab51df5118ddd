#include "ui/qt/frm_main.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMoveEvent>
#include <QPalette>

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "ui/control_colours.h"
#include "ui/qt/fonts.h"
#include "ui/qt/keyboard.h"
#include "ui/qt/qt_text.h"

namespace morvana {
namespace {

// The layout is drawn at 96 DPI; Qt's high-DPI scaling enlarges it on top.
constexpr int kLayoutDpi = 96;

QColor ToQColor(layout::Colour colour) {
  return {colour.red, colour.green, colour.blue};
}

layout::Colour FromQColor(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

QRect PixelRect(const layout::TwipsRect& rect) {
  return {layout::TwipsToPixels(rect.left, kLayoutDpi), layout::TwipsToPixels(rect.top, kLayoutDpi),
          layout::TwipsToPixels(rect.width, kLayoutDpi), layout::TwipsToPixels(rect.height, kLayoutDpi)};
}

Qt::Alignment HorizontalAlignment(layout::TextAlign align) {
  return align == layout::TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

// The roles a control of each kind paints its back and text with.
struct Roles {
  QPalette::ColorRole back;
  QPalette::ColorRole text;
};
Roles RolesOf(layout::ControlKind kind) {
  switch (kind) {
    case layout::ControlKind::Label:
      return {QPalette::Window, QPalette::WindowText};
    case layout::ControlKind::TextBox:
      return {QPalette::Base, QPalette::Text};
    case layout::ControlKind::Button:
      return {QPalette::Button, QPalette::ButtonText};
  }
  return {QPalette::Window, QPalette::WindowText};
}

// Qt's clipboard takes a text or says nothing: on X11 and Wayland it holds
// the text itself until another program asks for it.
class QtClipboard final : public TextClipboard {
 public:
  bool PutText(std::string_view text) override {
    QGuiApplication::clipboard()->setText(ToQString(text));
    return true;
  }
};

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

  // "From:" and "To:" each name the four boxes of their address.
  for (const AddressSide side : {AddressSide::From, AddressSide::To}) {
    QList<QWidget*> boxes;
    for (int position = 1; position <= 4; ++position) {
      boxes.append(ControlWidget(layout::OctetBoxControl(side, static_cast<OctetPosition>(position))));
    }
    static_cast<GroupLabel*>(ControlWidget(layout::AddressLabel(side)))->SetGroup(boxes);
  }
  ApplyFonts();
  SetTabOrder();
  ApplyColours();

  for (QLineEdit* box : std::initializer_list<QLineEdit*>{
           txtFromFirstOctet, txtFromSecondOctet, txtFromThirdOctet, txtFromFourthOctet, txtToFirstOctet,
           txtToSecondOctet, txtToThirdOctet, txtToFourthOctet, txtSubnet}) {
    // The button is the window's default: Enter in any box presses it.
    connect(box, &QLineEdit::returnPressed, cmdCalculateSubnet, &QPushButton::click);
    box->installEventFilter(this);  // Shift+F10, and txtSubnet's menu and focus
  }
  connect(cmdCalculateSubnet, &QPushButton::clicked, this, [this] { presenter_.CalculatePressed(); });
  connect(txtSubnet, &QLineEdit::textChanged, this, [this] { presenter_.SubnetTextChanged(); });

  txtFromFirstOctet->setFocus(Qt::OtherFocusReason);
}

// QWidget would delete the children only after every member here, the
// presenter among them: a focus, change or key event on a control's way out
// would then reach a destroyed presenter. They go first, in the order they
// were made, while the presenter and the window it tells are whole.
FrmMain::~FrmMain() {
  while (!children().isEmpty()) delete children().constFirst();
}

std::string FrmMain::ReadOctetBox(AddressSide side, OctetPosition position) const {
  const auto* box = static_cast<const QLineEdit*>(ControlWidget(layout::OctetBoxControl(side, position)));
  return box->text().toStdString();
}

void FrmMain::SetSubnetText(std::string_view text) {
  txtSubnet->setText(ToQString(text));
}

void FrmMain::ShowMessage(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, ToQString(layout::kApplicationTitle), ToQString(text), QMessageBox::Ok,
                  this);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  presenter_.MessageDismissed();
}

void FrmMain::SetOctetBoxText(OctetBoxRef box, std::string_view text) {
  OctetBoxWidget(box)->setText(ToQString(text));
}

void FrmMain::FocusOctetBox(OctetBoxRef box, CaretPlacement caret) {
  OctetLineEdit* widget = OctetBoxWidget(box);
  widget->setFocus(Qt::OtherFocusReason);
  if (caret == CaretPlacement::SelectAll) {
    widget->selectAll();
  } else {
    widget->end(false);
  }
}

void FrmMain::DescribeSubnet(std::string_view description) {
  txtSubnet->setToolTip(ToQString(description));
  txtSubnet->setAccessibleDescription(ToQString(description));
}

void FrmMain::ShowSubnetDescription(std::string_view description) {
  if (description.empty()) {
    description_tip_->hide();
  } else {
    description_tip_->ShowBelow(ToQString(description), txtSubnet);
  }
}

void FrmMain::Announce(std::string_view text) {
  notice_->Say(ToQString(text));
}

std::optional<layout::ControlId> FrmMain::FocusedControl() const {
  const auto found = std::find(controls_.begin(), controls_.end(), focusWidget());
  if (found == controls_.end()) return std::nullopt;
  return static_cast<layout::ControlId>(found - controls_.begin());
}

void FrmMain::FocusControl(layout::ControlId control) {
  ControlWidget(control)->setFocus(Qt::OtherFocusReason);
}

void FrmMain::changeEvent(QEvent* event) {
  // The scheme changed: the text colours are decided again from it.
  if (event->type() == QEvent::PaletteChange) ApplyColours();
  QWidget::changeEvent(event);
}

void FrmMain::moveEvent(QMoveEvent* event) {
  presenter_.WindowMoved();
  QWidget::moveEvent(event);
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box == nullptr) return QWidget::eventFilter(watched, event);
  if (box == txtSubnet && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    presenter_.SubnetFocusChanged(event->type() == QEvent::FocusIn);
    return false;
  }
  // Shift+F10 opens a box's context menu as the Menu key does; Qt's line
  // edits leave it unanswered. (The platform makes the Menu key a context
  // menu event itself.)
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() != Qt::Key_F10 || !OpensContextMenu(Key::F10, HeldModifiers(*key))) return false;
    const QPoint at = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();  // at the caret
    QContextMenuEvent open(QContextMenuEvent::Keyboard, at, box->mapToGlobal(at));
    QCoreApplication::sendEvent(box, &open);
    return true;
  }
  if (event->type() == QEvent::ContextMenu && box == txtSubnet) {
    ShowSubnetMenu(static_cast<const QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return false;
}

// QLineEdit's own menu, then the network of the last press and the blocks
// that hold exactly its range.
void FrmMain::ShowSubnetMenu(const QPoint& global_position) {
  QMenu* menu = txtSubnet->createStandardContextMenu();
  menu->addSeparator();
  using Copy = void (MainWindowPresenter::*)(TextClipboard&);
  const auto add = [&](const std::string& caption, bool enabled, const char* name, Copy copy) {
    QAction* item = menu->addAction(ToQString(caption));
    item->setObjectName(QLatin1String(name));
    item->setEnabled(enabled);
    connect(item, &QAction::triggered, this, [this, copy] {
      QtClipboard clipboard;
      (presenter_.*copy)(clipboard);
    });
  };
  add(presenter_.CopyNetworkCaption(), presenter_.CanCopyNetwork(), "copy-network",
      &MainWindowPresenter::CopyNetwork);
  add(presenter_.CopyBlocksCaption(), presenter_.CanCopyBlocks(), "copy-blocks",
      &MainWindowPresenter::CopyBlocks);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(global_position);
}

// The window's own back is the scheme's text-entry back; the boxes draw
// every edge themselves. Qt knows no High Contrast of its own.
void FrmMain::ApplyColours() {
  const QPalette& scheme = palette();
  const ColourScheme colours{FromQColor(scheme.color(QPalette::Base)),
                             FromQColor(scheme.color(QPalette::Text)),
                             FromQColor(scheme.color(QPalette::ButtonText)),
                             FromQColor(scheme.color(QPalette::Highlight)),
                             std::nullopt,
                             false};
  for (const layout::Control& control : layout::kControls) {
    const ControlLook look = LookOf(control, colours);
    QWidget* widget = ControlWidget(control.id);
    const Roles roles = RolesOf(control.kind);
    QPalette own;  // only these two roles are the control's own; the rest follow the window
    own.setColor(roles.back, ToQColor(look.colours.back));
    own.setColor(roles.text, ToQColor(look.colours.text));
    widget->setPalette(own);
    if (auto* box = qobject_cast<EdgedLineEdit*>(widget)) {
      box->SetEdgeColours(ToQColor(look.edge.value_or(look.colours.back)),
                          ToQColor(look.focus_mark.value_or(look.colours.text)));
    }
  }
}

std::array<QWidget*, layout::kControlCount> FrmMain::CreateControls() {
  std::array<QWidget*, layout::kControlCount> controls{};
  for (const layout::ControlId id : layout::kReadingOrder) {
    const layout::Control& control = layout::ControlFor(id);
    QWidget* widget = CreateControl(control);
    widget->setObjectName(ToQString(control.name));
    widget->setGeometry(PixelRect(control.rect));
    controls.at(layout::RowOf(id)) = widget;
  }
  return controls;
}

QWidget* FrmMain::CreateControl(const layout::Control& control) {
  if (control.kind == layout::ControlKind::Label) return CreateLabel(control);
  if (control.kind == layout::ControlKind::Button) return CreateButton(control);
  return CreateTextBox(control);
}

GroupLabel* FrmMain::CreateLabel(const layout::Control& control) {
  auto* label = new GroupLabel(ToQString(control.caption), this);
  label->setWordWrap(true);
  label->setAlignment(HorizontalAlignment(control.align) | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  // Without a role of its own a child paints with its parent's, Base here.
  label->setBackgroundRole(QPalette::Window);
  label->setAutoFillBackground(true);
  return label;
}

// The octet boxes hand their keys and pastes to the presenter; txtSubnet is
// a plain box.
EdgedLineEdit* FrmMain::CreateTextBox(const layout::Control& control) {
  const std::optional<OctetBoxRef> octet = layout::OctetBoxOf(control.id);
  EdgedLineEdit* box = octet ? new OctetLineEdit(*octet, presenter_, this) : new EdgedLineEdit(this);
  box->setMaxLength(control.max_length);
  box->setAlignment(HorizontalAlignment(control.align) | Qt::AlignVCenter);
  // A 15-pixel box has room for one line of its font and no more: no frame
  // of the style's; the edge lies over the box's own margins.
  box->setFrame(false);
  box->setAccessibleName(ToQString(control.accessible_name));
  return box;
}

WrappedCaptionButton* FrmMain::CreateButton(const layout::Control& control) {
  auto* button = new WrappedCaptionButton(ToQString(control.caption), this);
  button->setAccessibleName(ToQString(control.accessible_name));
  return button;
}

QWidget* FrmMain::ControlWidget(layout::ControlId id) const {
  return controls_.at(layout::RowOf(id));
}

OctetLineEdit* FrmMain::OctetBoxWidget(OctetBoxRef box) const {
  return static_cast<OctetLineEdit*>(ControlWidget(layout::OctetBoxControl(box)));
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
  // A box shows one line between QLineEdit's fixed one-pixel margins, and
  // its digits clear the focus mark above and below them.
  const QFontMetrics metrics = widget->fontMetrics();
  return metrics.height() <= widget->height() - 2 &&
         metrics.tightBoundingRect(QStringLiteral("0123456789")).height() <=
             widget->height() - 2 * EdgedLineEdit::kFocusMarkHeight;
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
