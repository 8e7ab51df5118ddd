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

// A route numbers a row of the layout table, or the message box after them,
// and one kind of event on it.
constexpr int kKinds = 8;
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

// The browser counts a caret in UTF-16 code units, the entry rules in
// characters of UTF-8 text.
std::size_t CharactersBefore(std::string_view utf8, int units) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < utf8.size() && units > 0; ++characters) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    units -= bytes == 4 ? 2 : 1;  // beyond the first 65,536 code points a character takes two units
    at += bytes;
  }
  return characters;
}

// Where the caret of a text box stands: the moving end of its selection.
std::size_t Caret(dom::Element box, std::string_view text) {
  const bool backward = dom::Property(box, "selectionDirection") == "backward";
  return CharactersBefore(text, dom::NumberProperty(box, backward ? "selectionStart" : "selectionEnd"));
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
  return ElementFor(layout::OctetBoxControl(box.side, box.position));
}

std::string FrmMain::ReadOctetBox(AddressSide side, OctetPosition position) const {
  return dom::Property(ElementFor(OctetBoxRef{side, position}), "value");
}

void FrmMain::SetSubnetText(std::string_view text) {
  dom::SetProperty(txtSubnet, "value", text);
}

void FrmMain::ShowMessage(std::string_view text) {
  // A page cannot wait for the user, so this returns while the box is still
  // open. For the Calculate command that is the same: a message is always
  // the last thing a press does (calculate_command.cpp, and DescribingView
  // takes the description away before it). Meanwhile the rest of the page is
  // inert under the modal dialog and takes no input. Closing the box gives
  // the focus back (HandleEvent).
  focus_before_message_ = dom::ActiveElementId();
  dom::SetProperty(lblMessageText, "textContent", text);
  dom::Call(dlgMessage, "showModal");
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

  const auto row = static_cast<int>(layout::RowOf(control));
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
  if (OctetBoxOf(control.id)) {
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

void FrmMain::Listen(dom::Element element, std::string_view type, int row, EventKind kind) {
  dom::Listen(element, type, row * kKinds + static_cast<int>(kind));
}

bool FrmMain::HandleEvent(int route) {
  const int row = route / kKinds;
  const auto kind = static_cast<EventKind>(route % kKinds);
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
      command_.Run();
      return false;
    case EventKind::KeyDown:
      return HandleKeyDown(control);
    case EventKind::BeforeInput:
      return HandleBeforeInput(control);
    case EventKind::Paste:
    case EventKind::Drop:
      // A drop onto an octet box is a paste of the dropped text. What the
      // rules leave alone, the browser drops where the pointer is.
      return Took(TextPasted(OctetBoxOf(control.id).value(), dom::EventPlainText()));
    case EventKind::Input:
      // A hand edit makes txtSubnet's text the user's own: the network no longer fits it.
      DescribeSubnet({});
      return false;
    case EventKind::Close:
    case EventKind::MouseDown:
      break;
  }
  return false;
}

bool FrmMain::HandleKeyDown(const layout::Control& control) {
  const std::string key = dom::EventString("key");
  // The button is the window's default: Enter in any box presses it, unless
  // it ends an input method's composition.
  if (key == "Enter" && !dom::EventFlag("isComposing")) {
    command_.Run();
    return true;
  }
  const std::optional<OctetBoxRef> box = OctetBoxOf(control.id);
  if (box && key == "Backspace" && !ShortcutModifiers()) {
    return Took(BackspacePressed(*box, dom::Property(ElementFor(control.id), "value")));
  }
  return false;
}

bool FrmMain::HandleBeforeInput(const layout::Control& control) {
  // A '.' arrives as typed text from every keyboard, on-screen ones too,
  // whatever keys made it; a pasted or dropped one does not come this way.
  if (dom::EventString("inputType") != "insertText" || dom::EventString("data") != ".") return false;
  const dom::Element element = ElementFor(control.id);
  const std::string text = dom::Property(element, "value");
  return Took(FullStopTyped(OctetBoxOf(control.id).value(), text, Caret(element, text)));
}

bool FrmMain::Took(const EntryAction& action) {
  if (!action.swallow) return false;
  ApplyEntryAction(action);
  return true;
}

void FrmMain::ApplyEntryAction(const EntryAction& action) {
  for (const BoxFill& fill : action.fills) dom::SetProperty(ElementFor(fill.box), "value", fill.text);
  if (!action.focus) return;
  const dom::Element box = ElementFor(action.focus->box);
  dom::Call(box, "focus");
  if (action.focus->caret == CaretPlacement::SelectAll) {
    dom::Call(box, "select");
  } else {
    dom::PutCaretAtEnd(box);
  }
}

}  // namespace morvana
