#include "ui/web/frm_main.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "ui/keys.h"

namespace morvana {
namespace {

// The window grows as at a higher DPI on a phone's small screen, and where
// the user's text size or spacing would cut a caption.
constexpr int kMaxDpi = 4 * web::kLayoutDpi;
// Phones' screens are narrower than this on their short side; desktops' and
// tablets' are not.
constexpr int kSmallScreenPixels = 480;

// Some screen readers miss a live region's change made in the same task as
// the press, so its text comes a moment after it was emptied.
constexpr int kAnnounceDelayMs = 100;

// Routes beyond the table's rows: the message box, the page itself, and
// then txtSubnet's menu, which numbers its own.
constexpr int kMessageBoxRow = layout::kControlCount;
constexpr int kPageRow = kMessageBoxRow + 1;
constexpr int kMenuRow = kPageRow + 1;

std::string_view TagFor(layout::ControlKind kind) {
  switch (kind) {
    case layout::ControlKind::Label:
      return "label";
    case layout::ControlKind::TextBox:
      return "input";
    case layout::ControlKind::Button:
      return "button";
  }
  return "div";
}

// Whether any text stands before the caret of a text box: the moving end of
// its selection.
bool TextBeforeCaret(const dom::Element& box) {
  const bool backward = dom::Property(box, "selectionDirection") == "backward";
  return dom::NumberProperty(box, backward ? "selectionStart" : "selectionEnd") > 0;
}

layout::Colour Unpacked(int rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16 & 0xFF), static_cast<std::uint8_t>(rgb >> 8 & 0xFF),
          static_cast<std::uint8_t>(rgb & 0xFF)};
}

}  // namespace

FrmMain::FrmMain()
    : menu_(presenter_, layout::ControlFor(layout::ControlId::txtSubnet), Route(kMenuRow, EventKind{})) {
  dom::SetDocumentTitle(layout::kApplicationTitle);
  // The page takes the system's window colour, light or dark, as a window's
  // client area does; the controls keep their own colours on it.
  dom::SetStyles(dom::Root(), "color-scheme: light dark; background-color: Canvas");

  // In reading order, which screen readers follow: the order of the elements
  // on the page. Tab and Shift+Tab follow it too, and the focusable controls
  // keep their tab order in it. The four boxes of an address sit in a group
  // named by its label; the group itself takes no room.
  dom::Create("main", frmMain.id, dom::Root());
  for (const layout::ControlId id : layout::kReadingOrder) {
    const std::optional<OctetBoxRef> box = layout::OctetBoxOf(id);
    if (!box) {
      CreateControl(layout::ControlFor(id), frmMain);
      continue;
    }
    const dom::Element& group = box->side == AddressSide::From ? fraFromAddress : fraToAddress;
    if (box->position == OctetPosition::First) {
      dom::Create("div", group.id, frmMain);
      dom::SetAttribute(group, "role", "group");
      dom::SetAttribute(group, "aria-labelledby", layout::ControlFor(layout::AddressLabel(box->side)).name);
    }
    CreateControl(layout::ControlFor(id), group);
  }
  CreateAidsAround();
  CreateMessageBox();
  menu_.Create();

  FitToScreen();
  // Then again for a turned phone, a resized window, text that the user
  // makes larger or wider later, or another colour scheme.
  dom::ObserveSize(dom::Root(), Route(kPageRow, EventKind::Resize));
  dom::ObserveSize(lblTextProbe, Route(kPageRow, EventKind::Resize));
  dom::ObserveColourScheme(Route(kPageRow, EventKind::Resize));

  dom::Call(txtFromFirstOctet, "focus");
  dom::Mark("ready");
}

dom::Element FrmMain::ElementFor(layout::ControlId id) {
  return dom::Element(layout::ControlFor(id).name);
}

dom::Element FrmMain::ElementFor(OctetBoxRef box) {
  return ElementFor(layout::OctetBoxControl(box));
}

std::string FrmMain::ReadOctetBox(AddressSide side, OctetPosition position) const {
  return dom::Property(ElementFor(OctetBoxRef{side, position}), "value");
}

void FrmMain::SetSubnetText(std::string_view text) {
  dom::SetProperty(txtSubnet, "value", text);
}

void FrmMain::ShowMessage(std::string_view text) {
  if (!has_modal_dialog_) {
    dom::Alert(text);  // modal too, and it waits
    presenter_.MessageDismissed();
    return;
  }
  // A page cannot wait for the user, so this returns while the box is still
  // open; the presenter makes the message the last thing a press does.
  // Meanwhile the rest of the page is inert under the modal dialog and takes
  // no input. Its close event reports the dismissal (HandleEvent).
  dom::SetProperty(lblMessageText, "textContent", text);
  dom::Call(dlgMessage, "showModal");
}

void FrmMain::SetOctetBoxText(OctetBoxRef box, std::string_view text) {
  dom::SetProperty(ElementFor(box), "value", text);
}

void FrmMain::FocusOctetBox(OctetBoxRef box, CaretPlacement caret) {
  const dom::Element element = ElementFor(box);
  dom::Call(element, "focus");
  if (caret == CaretPlacement::SelectAll) {
    dom::Call(element, "select");
  } else {
    dom::PutCaretAtEnd(element);
  }
}

void FrmMain::DescribeSubnet(std::string_view description) {
  if (description.empty()) {
    dom::RemoveAttribute(txtSubnet, "title");
    dom::RemoveAttribute(txtSubnet, "aria-description");
    return;
  }
  dom::SetAttribute(txtSubnet, "title", description);
  dom::SetAttribute(txtSubnet, "aria-description", description);
}

void FrmMain::ShowSubnetDescription(std::string_view description) {
  dom::SetProperty(lblSubnetDescription, "textContent", description);
  if (description.empty()) {
    dom::SetAttribute(lblSubnetDescription, "hidden", "");
  } else {
    dom::RemoveAttribute(lblSubnetDescription, "hidden");
  }
}

// The status region says each text it is given, a moment after it was
// emptied. The presenter makes consecutive texts differ: screen readers skip
// a text equal to the last one they said, emptied in between or not.
void FrmMain::Announce(std::string_view text) {
  dom::SetProperty(lblStatus, "textContent", "");
  dom::SetPropertyLater(lblStatus, "textContent", text, kAnnounceDelayMs);
}

std::optional<layout::ControlId> FrmMain::FocusedControl() const {
  const std::string focused = dom::ActiveElementId();
  for (const layout::Control& control : layout::kControls) {
    if (control.name == focused) return control.id;
  }
  return std::nullopt;
}

void FrmMain::FocusControl(layout::ControlId control) {
  dom::Call(ElementFor(control), "focus");
}

void FrmMain::CreateControl(const layout::Control& control, const dom::Element& parent) {
  const dom::Element element = dom::Create(TagFor(control.kind), control.name, parent);
  const auto row = static_cast<int>(layout::RowOf(control.id));
  switch (control.kind) {
    case layout::ControlKind::Label:
      dom::SetProperty(element, "textContent", control.caption);
      return;
    case layout::ControlKind::Button:
      dom::SetAttribute(element, "type", "button");
      dom::SetProperty(element, "textContent", control.caption);
      if (control.accessible_name != control.caption) {
        dom::SetAttribute(element, "aria-label", control.accessible_name);
      }
      Listen(element, "click", row, EventKind::Click);
      return;
    case layout::ControlKind::TextBox:
      break;
  }
  dom::SetAttribute(element, "type", "text");
  dom::SetAttribute(element, "maxlength", std::to_string(control.max_length));
  dom::SetAttribute(element, "spellcheck", "false");
  dom::SetAttribute(element, "autocomplete", "off");
  dom::SetAttribute(element, "aria-label", control.accessible_name);
  // On-screen keyboards: digits with the '.' that moves on, and Enter
  // reading as "go", which presses the button.
  dom::SetAttribute(element, "inputmode", "decimal");
  dom::SetAttribute(element, "enterkeyhint", "go");
  Listen(element, "keydown", row, EventKind::KeyDown);
  if (layout::OctetBoxOf(control.id)) {
    Listen(element, "beforeinput", row, EventKind::BeforeInput);
    Listen(element, "paste", row, EventKind::Paste);
    Listen(element, "drop", row, EventKind::Drop);
  } else {
    Listen(element, "input", row, EventKind::Input);
    Listen(element, "focus", row, EventKind::Focus);  // a tap focuses it too
    Listen(element, "blur", row, EventKind::Blur);
    Listen(element, "contextmenu", row, EventKind::ContextMenu);
  }
}

// After the window on the page: the status region, which must be there
// before its first text for screen readers to follow it; txtSubnet's
// description as shown, which screen readers have from txtSubnet already;
// and the probe.
void FrmMain::CreateAidsAround() {
  dom::Create("div", lblStatus.id, dom::Root());
  dom::SetAttribute(lblStatus, "role", "status");
  dom::SetAttribute(lblStatus, "aria-live", "polite");
  dom::SetAttribute(lblStatus, "aria-atomic", "true");
  dom::SetStyles(lblStatus, web::kStatusRegionStyles);
  dom::Create("div", lblSubnetDescription.id, dom::Root());
  dom::SetAttribute(lblSubnetDescription, "aria-hidden", "true");
  dom::SetAttribute(lblSubnetDescription, "hidden", "");
  dom::Create("div", lblTextProbe.id, dom::Root());
  dom::SetAttribute(lblTextProbe, "aria-hidden", "true");
  dom::SetProperty(lblTextProbe, "textContent", layout::ControlFor(layout::ControlId::Label3).caption);
}

// The window at its size on this screen, grown as at a higher DPI until
// every caption fits the user's text size and spacing. The text keeps its
// size, which is the user's already; only the rectangles grow: a line
// height the user set in proportion to the text would never fit otherwise.
void FrmMain::FitToScreen() {
  ReadColourScheme();
  const int text_dpi = ScreenDpi();
  const auto fits = [this, text_dpi](int dpi) {
    LayOut({text_dpi, dpi});
    return CaptionsFit();
  };
  if (fits(text_dpi)) return;
  // The smallest DPI at which every caption fits, the largest at most.
  int cut = text_dpi;
  int fitting = kMaxDpi;
  while (fitting - cut > 1) {
    const int middle = cut + (fitting - cut) / 2;
    (fits(middle) ? fitting : cut) = middle;
  }
  LayOut({text_dpi, fitting});
}

// On a phone's small screen the window grows to fill the page's width, or
// its height when the phone is turned, as the phone's own DPI would have
// it. Elsewhere it keeps its size at 96 DPI, however narrow the page.
int FrmMain::ScreenDpi() {
  if (std::min(dom::ScreenProperty("width"), dom::ScreenProperty("height")) >= kSmallScreenPixels) {
    return web::kLayoutDpi;
  }
  const int width = dom::NumberProperty(dom::Root(), "clientWidth");
  const int height = dom::NumberProperty(dom::Root(), "clientHeight");
  int dpi = web::kLayoutDpi;
  while (dpi < kMaxDpi && layout::TwipsToPixels(layout::kClientWidthTwips, dpi + 1) <= width &&
         layout::TwipsToPixels(layout::kClientHeightTwips, dpi + 1) <= height) {
    ++dpi;
  }
  return dpi;
}

void FrmMain::LayOut(web::Resolution resolution) {
  dom::SetStyles(frmMain, web::WindowStyles(resolution.layout_dpi));
  for (const layout::Control& control : layout::kControls) {
    dom::SetStyles(ElementFor(control.id), web::ControlStyles(control, resolution, LookOf(control, scheme_)));
  }
  dom::SetStyles(lblSubnetDescription,
                 web::ShownDescriptionStyles(resolution, dom::NumberProperty(dom::Root(), "clientWidth")));
  menu_.SetFont(web::CssFont(layout::kBoxFont, resolution.text_dpi));
  dom::SetStyles(lblTextProbe, web::TextProbeStyles(resolution));
}

// The page's own colours, light or dark; the window draws every box's edge.
// Under forced colours the browser puts the system's on every control, so
// that is no High Contrast of the window's.
void FrmMain::ReadColourScheme() {
  const auto resolved = [this](std::string_view colour) {
    return Unpacked(dom::ResolvedColour(lblTextProbe, colour));
  };
  scheme_ = {resolved("Canvas"),    resolved("CanvasText"), resolved("ButtonText"),
             resolved("Highlight"), std::nullopt,           false};
}

// Whether every caption shows whole in its control: its glyphs, not its
// line boxes, which may be a pixel taller than a label in some browsers'
// fonts with no glyph cut.
bool FrmMain::CaptionsFit() const {
  return std::all_of(layout::kControls.begin(), layout::kControls.end(), [](const layout::Control& control) {
    if (control.kind == layout::ControlKind::TextBox) return true;
    const dom::Element element = ElementFor(control.id);
    const dom::TextBox glyphs = dom::GlyphBox(element);
    return glyphs.left >= 0 && glyphs.top >= 0 &&
           glyphs.right <= dom::NumberProperty(element, "clientWidth") &&
           glyphs.bottom <= dom::NumberProperty(element, "clientHeight");
  });
}

void FrmMain::CreateMessageBox() {
  dom::Create("dialog", dlgMessage.id, dom::Root());
  dom::SetAttribute(dlgMessage, "role", "alertdialog");
  dom::SetAttribute(dlgMessage, "aria-labelledby", lblMessageTitle.id);
  dom::SetAttribute(dlgMessage, "aria-describedby", lblMessageText.id);
  dom::SetStyles(dlgMessage, "font: message-box");
  dom::Create("div", lblMessageTitle.id, dlgMessage);
  dom::SetStyles(lblMessageTitle, "font-weight: bold");
  dom::SetProperty(lblMessageTitle, "textContent", layout::kApplicationTitle);
  dom::Create("p", lblMessageText.id, dlgMessage);
  const dom::Element buttons = dom::Create("div", "divMessageButtons", dlgMessage);
  dom::SetStyles(buttons, "text-align: center");
  dom::Create("button", cmdMessageOK.id, buttons);
  dom::SetAttribute(cmdMessageOK, "type", "button");
  dom::SetAttribute(cmdMessageOK, "autofocus", "");
  dom::SetStyles(cmdMessageOK, "min-width: 75px");
  dom::SetProperty(cmdMessageOK, "textContent", "OK");
  // Escape closes the dialog by itself; OK closes it here. Either way the
  // close event follows. A click on the box or on the page around it leaves
  // the focus on OK, so that Enter still answers the box.
  Listen(cmdMessageOK, "click", kMessageBoxRow, EventKind::Click);
  Listen(dlgMessage, "close", kMessageBoxRow, EventKind::Close);
  Listen(dlgMessage, "mousedown", kMessageBoxRow, EventKind::MouseDown);
  // A browser that does not know <dialog> would show it on the page.
  has_modal_dialog_ = dom::HasMethod(dlgMessage, "showModal");
  if (!has_modal_dialog_) dom::SetAttribute(dlgMessage, "hidden", "");
}

// A route numbers a row of the layout table, or the message box or the page
// after them, and one kind of event on it.
int FrmMain::Route(int row, EventKind kind) {
  return row * static_cast<int>(EventKind::Count) + static_cast<int>(kind);
}

void FrmMain::Listen(const dom::Element& element, std::string_view type, int row, EventKind kind) {
  dom::Listen(element, type, Route(row, kind));
}

bool FrmMain::HandleEvent(int route) {
  if (route >= Route(kMenuRow, EventKind{})) return menu_.HandleEvent(route - Route(kMenuRow, EventKind{}));
  const int row = route / static_cast<int>(EventKind::Count);
  const auto kind = static_cast<EventKind>(route % static_cast<int>(EventKind::Count));
  if (row == kMessageBoxRow) {
    if (kind == EventKind::Click) dom::Call(dlgMessage, "close");
    if (kind == EventKind::Close) presenter_.MessageDismissed();
    return kind == EventKind::MouseDown;
  }
  if (row == kPageRow) {
    FitToScreen();
    return false;
  }
  const layout::Control& control = layout::kControls.at(static_cast<std::size_t>(row));
  switch (kind) {
    case EventKind::Click:
      presenter_.CalculatePressed();
      return false;
    case EventKind::KeyDown:
      return HandleKeyDown(control);
    case EventKind::BeforeInput:
      return HandleBeforeInput(control);
    case EventKind::Paste:
    case EventKind::Drop:
      // A drop onto an octet box is a paste of the dropped text. What the
      // rules leave alone, the browser drops where the pointer is.
      return presenter_.TextPasted(layout::OctetBoxOf(control.id).value(), dom::EventPlainText());
    case EventKind::Input:
      presenter_.SubnetTextChanged();
      return false;
    case EventKind::Focus:
    case EventKind::Blur:
      presenter_.SubnetFocusChanged(kind == EventKind::Focus);
      return false;
    case EventKind::ContextMenu:
      menu_.OpenAtEvent();
      return true;
    case EventKind::Close:
    case EventKind::MouseDown:
    case EventKind::Resize:
    case EventKind::Count:
      break;
  }
  return false;
}

bool FrmMain::HandleKeyDown(const layout::Control& control) {
  const std::string key = dom::EventString("key");
  // The button is the window's default: Enter in any box presses it, unless
  // it ends an input method's composition.
  if (key == "Enter" && !dom::EventFlag("isComposing")) {
    presenter_.CalculatePressed();
    return true;
  }
  const KeyModifiers held{dom::EventFlag("shiftKey"), dom::EventFlag("ctrlKey"), dom::EventFlag("altKey"),
                          dom::EventFlag("metaKey")};
  // The browser's own keys for a context menu open txtSubnet's menu of the
  // page's; the boxes' own menus are the browser's.
  if (control.id == layout::ControlId::txtSubnet) {
    const Key pressed = key == "F10" ? Key::F10 : key == "ContextMenu" ? Key::Menu : Key::Other;
    if (!OpensContextMenu(pressed, held)) return false;
    menu_.OpenFromKeyboard();
    return true;
  }
  const std::optional<OctetBoxRef> box = layout::OctetBoxOf(control.id);
  if (box && key == "Backspace") return presenter_.BackspacePressed(*box, held);
  return false;
}

bool FrmMain::HandleBeforeInput(const layout::Control& control) {
  // Typed text arrives so from every keyboard, on-screen ones too, whatever
  // keys made it; pasted or dropped text does not come this way.
  if (dom::EventString("inputType") != "insertText") return false;
  return presenter_.TextTyped(layout::OctetBoxOf(control.id).value(), dom::EventString("data"),
                              TextBeforeCaret(ElementFor(control.id)));
}

}  // namespace morvana
