#include "ui/web/frm_main.h"

#include <cmath>
#include <cstddef>
#include <optional>

#include "ui/look_alike_faces.h"

namespace morvana {
namespace {

// The layout is drawn at 96 DPI, where a CSS pixel is 15 twips; the browser's
// zoom enlarges it on top.
constexpr int kLayoutDpi = 96;

constexpr int kMessageBoxRow = layout::kControlCount;

std::string Pixels(int twips) {
  return std::to_string(layout::TwipsToPixels(twips, kLayoutDpi)) + "px";
}

// 8.25 -> "8.25pt"
std::string Points(double points) {
  const long hundredths = std::lround(points * 100);
  const long cents = hundredths % 100;
  return std::to_string(hundredths / 100) + "." + (cents < 10 ? "0" : "") + std::to_string(cents) + "pt";
}

std::string CssColour(layout::Colour colour) {
  return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
         std::to_string(colour.blue) + ")";
}

// The table's face, then the same look-alikes as the other windows, and the
// browser's own sans-serif where none of them is installed. No web fonts:
// the page loads nothing.
std::string CssFontFamily(const layout::Font& font) {
  std::string family = "\"" + std::string(font.face) + "\"";
  for (const std::string_view face : layout::LookAlikeFaces(font)) {
    family += ", \"" + std::string(face) + "\"";
  }
  return family + ", sans-serif";
}

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
bool TextBeforeCaret(dom::Element box) {
  const bool backward = dom::Property(box, "selectionDirection") == "backward";
  return dom::NumberProperty(box, backward ? "selectionStart" : "selectionEnd") > 0;
}

// Modifiers that make a key a shortcut rather than typing.
bool ShortcutModifiers() {
  return dom::EventFlag("ctrlKey") || dom::EventFlag("altKey") || dom::EventFlag("metaKey");
}

}  // namespace

FrmMain::FrmMain() {
  dom::SetDocumentTitle(layout::kApplicationTitle);
  // The page takes the system's window colour, light or dark, as a window's
  // client area does; the controls keep their own colours on it.
  dom::SetStyles(dom::kRoot, "color-scheme: light dark; background-color: Canvas");

  dom::Create("main", frmMain.id, dom::kRoot);
  dom::SetStyles(frmMain, "position: absolute; left: 0; top: 0; overflow: hidden; width: " +
                              Pixels(layout::kClientWidthTwips) +
                              "; height: " + Pixels(layout::kClientHeightTwips));

  // In tab order, which the browser's Tab and Shift+Tab follow: the order of
  // the elements on the page.
  for (const layout::Control* control : layout::TabOrder()) CreateControl(*control);
  CreateMessageBox();

  dom::Call(txtFromFirstOctet, "focus");
  dom::Mark("ready");
}

dom::Element FrmMain::ElementFor(layout::ControlId id) {
  return {layout::ControlFor(id).name};
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
  // A page cannot wait for the user, so this returns while the box is still
  // open; the presenter makes the message the last thing a press does.
  // Meanwhile the rest of the page is inert under the modal dialog and takes
  // no input. Closing the box gives the focus back (HandleEvent).
  focus_before_message_ = dom::ActiveElementId();
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

void FrmMain::ShowSubnetDescription(std::string_view /*description*/) {}

void FrmMain::Announce(std::string_view /*text*/) {}

void FrmMain::CreateControl(const layout::Control& control) {
  const dom::Element element = dom::Create(TagFor(control.kind), control.name, frmMain);
  // The back colours are fixed whatever the colour scheme, so the text is
  // too: light text from a dark scheme would vanish on them. Under forced
  // colours the browser puts the system's colours on both.
  std::string css =
      "position: absolute; box-sizing: border-box; margin: 0; left: " + Pixels(control.rect.left) +
      "; top: " + Pixels(control.rect.top) + "; width: " + Pixels(control.rect.width) +
      "; height: " + Pixels(control.rect.height) + "; font-family: " + CssFontFamily(*control.font) +
      "; font-size: " + Points(control.font->points) +
      "; font-weight: " + std::to_string(control.font->weight) +
      "; text-align: " + (control.align == layout::TextAlign::Centre ? "center" : "left") +
      "; background-color: " + CssColour(control.back) + "; color: black; ";

  const auto row = static_cast<int>(layout::RowOf(control.id));
  switch (control.kind) {
    case layout::ControlKind::Label:
      // Labels lie beneath the boxes: Label1 reaches one pixel into
      // txtFromFirstOctet, and the box is on top there.
      dom::SetStyles(element, css + "z-index: 0; padding: 0; overflow: hidden");
      dom::SetProperty(element, "textContent", control.caption);
      return;
    case layout::ControlKind::Button:
      dom::SetStyles(element, css + "z-index: 1; padding: 0");
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
  // A 15-pixel box has room for one line of its font. Its edge takes the
  // back colour, so it shows only where forced colours repaint edges.
  dom::SetStyles(element, css + "z-index: 1; padding: 0 1px; border: 1px solid " + CssColour(control.back));
  dom::SetAttribute(element, "type", "text");
  dom::SetAttribute(element, "maxlength", std::to_string(control.max_length));
  dom::SetAttribute(element, "spellcheck", "false");
  dom::SetAttribute(element, "autocomplete", "off");
  dom::SetAttribute(element, "aria-label", control.accessible_name);
  Listen(element, "keydown", row, EventKind::KeyDown);
  if (layout::OctetBoxOf(control.id)) {
    Listen(element, "beforeinput", row, EventKind::BeforeInput);
    Listen(element, "paste", row, EventKind::Paste);
    Listen(element, "drop", row, EventKind::Drop);
  } else {
    Listen(element, "input", row, EventKind::Input);
  }
}

void FrmMain::CreateMessageBox() {
  dom::Create("dialog", dlgMessage.id, dom::kRoot);
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
}

// A route numbers a row of the layout table, or the message box after them,
// and one kind of event on it.
void FrmMain::Listen(dom::Element element, std::string_view type, int row, EventKind kind) {
  dom::Listen(element, type, row * static_cast<int>(EventKind::Count) + static_cast<int>(kind));
}

bool FrmMain::HandleEvent(int route) {
  const int row = route / static_cast<int>(EventKind::Count);
  const auto kind = static_cast<EventKind>(route % static_cast<int>(EventKind::Count));
  if (row == kMessageBoxRow) {
    if (kind == EventKind::Click) dom::Call(dlgMessage, "close");
    if (kind == EventKind::Close && !focus_before_message_.empty()) {
      dom::Call(dom::Element{focus_before_message_}, "focus");
    }
    return kind == EventKind::MouseDown;
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
    case EventKind::Close:
    case EventKind::MouseDown:
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
  const std::optional<OctetBoxRef> box = layout::OctetBoxOf(control.id);
  if (box && key == "Backspace" && !ShortcutModifiers()) return presenter_.BackspacePressed(*box);
  return false;
}

bool FrmMain::HandleBeforeInput(const layout::Control& control) {
  // A '.' arrives as typed text from every keyboard, on-screen ones too,
  // whatever keys made it; a pasted or dropped one does not come this way.
  if (dom::EventString("inputType") != "insertText" || dom::EventString("data") != ".") return false;
  return presenter_.FullStopTyped(layout::OctetBoxOf(control.id).value(),
                                  TextBeforeCaret(ElementFor(control.id)));
}

}  // namespace morvana
