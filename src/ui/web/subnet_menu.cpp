#include "ui/web/subnet_menu.h"

#include <algorithm>
#include <cctype>

#include "ui/web/page_styles.h"

namespace morvana {
namespace {

// The text box's own items, as Morvana.exe's edit box names them.
constexpr std::string_view kCopyCaption = "&Copy";
constexpr std::string_view kSelectAllCaption = "Select &All";

// A caption split around its access key, which '&' marks: "Copy &Network"
// is "Copy ", "N", "etwork". "&&" stands for a plain '&'.
struct AccessKeyCaption {
  std::string before;
  std::string key;
  std::string after;
};

AccessKeyCaption SplitAccessKey(std::string_view caption) {
  AccessKeyCaption split;
  std::string* run = &split.before;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;  // the key, or a second '&'
      if (caption[i] != '&' && split.key.empty()) {
        split.key = caption.substr(i, 1);
        run = &split.after;
        continue;
      }
    }
    run->push_back(caption[i]);
  }
  return split;
}

// The length of a UTF-8 text as the browser counts a box's text: in UTF-16
// units.
int Utf16Length(std::string_view text) {
  int units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    units += (byte & 0xC0U) != 0x80U ? 1 : 0;  // a character's first byte
    units += byte >= 0xF0U ? 1 : 0;            // beyond the BMP: two units
  }
  return units;
}

char LowerCase(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The system's menu colours, which follow a dark scheme and forced colours:
// the current item is highlighted, a greyed one only outlined.
std::string ItemStyles(bool enabled, bool current) {
  std::string css = "padding: 0.25em 2em 0.25em 1.5em; white-space: nowrap; cursor: default; outline: none; ";
  if (!current) return css + (enabled ? "color: CanvasText" : "color: GrayText");
  return css + (enabled ? "background-color: Highlight; color: HighlightText"
                        : "color: GrayText; outline: 1px solid Highlight; outline-offset: -1px");
}

}  // namespace

SubnetMenu::SubnetMenu(MainWindowPresenter& presenter, const layout::Control& box, int first_route)
    : presenter_(presenter),
      box_{box.name},
      name_(box.accessible_name),
      first_route_(first_route),
      clipboard_(first_route + static_cast<int>(EventKind::Refused)) {}

void SubnetMenu::Create() {
  dom::Create("div", mnuSubnet.id, dom::Root());
  dom::SetAttribute(mnuSubnet, "role", "menu");
  dom::SetAttribute(mnuSubnet, "aria-label", name_);
  dom::SetAttribute(mnuSubnet, "tabindex", "-1");
  dom::SetAttribute(mnuSubnet, "hidden", "");
  // The focus stays where it is on a click; keys reach the menu from its items.
  Listen(mnuSubnet, "keydown", 0, EventKind::KeyDown);
  Listen(mnuSubnet, "focusout", 0, EventKind::FocusOut);
  Listen(mnuSubnet, "mousedown", 0, EventKind::MouseDown);
  Listen(mnuSubnet, "contextmenu", 0, EventKind::ContextMenu);
  for (std::size_t i = 0; i < kItemCount; ++i) {
    if (i == CopyNetwork) {
      const dom::Element separator = dom::Create("div", "mnuSeparator", mnuSubnet);
      dom::SetAttribute(separator, "role", "separator");
      dom::SetStyles(separator, "margin: 0.25em 0; border-top: 1px solid GrayText");
    }
    const dom::Element item = dom::Create("div", kItemIds.at(i), mnuSubnet);
    dom::SetAttribute(item, "role", "menuitem");
    dom::SetAttribute(item, "tabindex", "-1");
    Listen(item, "click", static_cast<int>(i) + 1, EventKind::Click);
    Listen(item, "mousemove", static_cast<int>(i) + 1, EventKind::MouseMove);
  }
}

void SubnetMenu::SetFont(std::string_view font) {
  font_ = font;
  StyleMenu();
}

void SubnetMenu::OpenAtEvent() {
  Open(true, dom::EventNumber("clientX"), dom::EventNumber("clientY"));
}

void SubnetMenu::OpenFromKeyboard() {
  Open(false, 0, 0);
}

// The items' captions and states as they stand now; from the keyboard the
// first item is current, as in a desktop menu.
void SubnetMenu::Open(bool at_pointer, int x, int y) {
  SetItems();
  open_ = true;
  current_.reset();
  if (!at_pointer) current_ = 0;
  StyleItems();
  Place(at_pointer, x, y);
  dom::Call(current_ ? dom::Element{kItemIds.at(*current_)} : mnuSubnet, "focus");
}

std::string SubnetMenu::Caption(std::size_t item) const {
  switch (item) {
    case Copy:
      return std::string(kCopyCaption);
    case SelectAll:
      return std::string(kSelectAllCaption);
    case CopyNetwork:
      return presenter_.CopyNetworkCaption();
    default:
      return presenter_.CopyBlocksCaption();
  }
}

// Copy and Select All as in any text box: Copy with a selection, Select All
// unless all of a text is selected.
void SubnetMenu::SetItems() {
  const int start = dom::NumberProperty(box_, "selectionStart");
  const int end = dom::NumberProperty(box_, "selectionEnd");
  const int length = Utf16Length(dom::Property(box_, "value"));
  enabled_ = {start != end, length > 0 && end - start != length, presenter_.CanCopyNetwork(),
              presenter_.CanCopyBlocks()};
  for (std::size_t i = 0; i < kItemCount; ++i) {
    const dom::Element item{kItemIds.at(i)};
    const AccessKeyCaption caption = SplitAccessKey(Caption(i));
    dom::SetUnderlinedText(item, caption.before, caption.key, caption.after);
    dom::SetAttribute(item, "aria-keyshortcuts", caption.key);
    access_keys_.at(i) = caption.key.empty() ? '\0' : LowerCase(caption.key[0]);
    if (enabled_.at(i)) {
      dom::RemoveAttribute(item, "aria-disabled");
    } else {
      dom::SetAttribute(item, "aria-disabled", "true");
    }
  }
}

// At the pointer, or under the box's left end; upwards where there is no
// room below, and always inside the page.
void SubnetMenu::Place(bool at_pointer, int x, int y) {
  place_ = "left: 0; top: 0";
  StyleMenu();
  dom::RemoveAttribute(mnuSubnet, "hidden");
  const int width = dom::NumberProperty(mnuSubnet, "offsetWidth");
  const int height = dom::NumberProperty(mnuSubnet, "offsetHeight");
  int above = y;
  if (!at_pointer) {
    x = dom::BoundingSide(box_, "left");
    y = dom::BoundingSide(box_, "bottom");
    above = dom::BoundingSide(box_, "top");
  }
  const int page_height = dom::NumberProperty(dom::Root(), "clientHeight");
  if (y + height > page_height) y = above - height;
  x = std::clamp(x, 0, std::max(0, dom::NumberProperty(dom::Root(), "clientWidth") - width));
  y = std::clamp(y, 0, std::max(0, page_height - height));
  place_ = "left: " + web::Px(x) + "; top: " + web::Px(y);
  StyleMenu();
}

void SubnetMenu::StyleMenu() {
  dom::SetStyles(mnuSubnet,
                 "position: fixed; z-index: 3; box-sizing: border-box; margin: 0; padding: 0.2em 0; "
                 "border: 1px solid GrayText; background-color: Canvas; color: CanvasText; "
                 "box-shadow: 2px 2px 4px rgba(0, 0, 0, 0.35); forced-color-adjust: none; outline: none; "
                 "user-select: none; -webkit-user-select: none; " +
                     font_ + "; " + place_);
}

void SubnetMenu::StyleItems() {
  for (std::size_t i = 0; i < kItemCount; ++i) {
    dom::SetStyles(dom::Element{kItemIds.at(i)}, ItemStyles(enabled_.at(i), current_ == i));
  }
}

bool SubnetMenu::HandleEvent(int route) {
  const auto row = static_cast<std::size_t>(route / static_cast<int>(EventKind::Count));
  const auto kind = static_cast<EventKind>(route % static_cast<int>(EventKind::Count));
  switch (kind) {
    case EventKind::Click:
      Choose(row - 1);
      return true;
    case EventKind::MouseMove:
      if (open_ && current_ != row - 1) MoveTo(row - 1);
      return false;
    case EventKind::KeyDown:
      return KeyDown();
    case EventKind::FocusOut: {
      // Gone elsewhere, by a click or a switch to another window; where
      // nothing took the focus, the box has it back.
      const std::string to = dom::EventElementId("relatedTarget");
      const bool inside =
          to == mnuSubnet.id || std::find(kItemIds.begin(), kItemIds.end(), to) != kItemIds.end();
      if (!inside) Close(to.empty());
      return false;
    }
    case EventKind::MouseDown:
    case EventKind::ContextMenu:
      return true;
    case EventKind::Refused:
      presenter_.ClipboardRefused();
      return false;
    case EventKind::Count:
      break;
  }
  return false;
}

bool SubnetMenu::KeyDown() {
  const std::string key = dom::EventString("key");
  if (dom::EventFlag("ctrlKey") || dom::EventFlag("metaKey")) return false;
  if (key == "ArrowDown" || key == "ArrowUp") {
    Move(key == "ArrowDown" ? 1 : -1);
  } else if (key == "Home" || key == "End") {
    MoveTo(key == "Home" ? 0 : kItemCount - 1);
  } else if (key == "Enter" || key == " ") {
    if (current_) Choose(*current_);
  } else if (key == "Escape" || key == "Tab") {
    Close(true);
  } else if (key.size() == 1) {
    const auto* found = std::find(access_keys_.begin(), access_keys_.end(), LowerCase(key[0]));
    if (found == access_keys_.end()) return true;
    const auto item = static_cast<std::size_t>(found - access_keys_.begin());
    MoveTo(item);
    Choose(item);
  } else {
    return false;
  }
  return true;
}

void SubnetMenu::MoveTo(std::size_t item) {
  current_ = item;
  StyleItems();
  dom::Call(dom::Element{kItemIds.at(item)}, "focus");
}

// Round the items, past the last to the first and back; none current yet
// starts from the first or the last.
void SubnetMenu::Move(int step) {
  const int count = static_cast<int>(kItemCount);
  const int from = current_ ? static_cast<int>(*current_) : (step > 0 ? -1 : count);
  MoveTo(static_cast<std::size_t>((from + step + count) % count));
}

// A greyed item does nothing, and the menu stays open. The menu closes
// before the item acts: the box has the focus back for Copy and Select
// All, and for a message.
void SubnetMenu::Choose(std::size_t item) {
  if (!open_ || !enabled_.at(item)) return;
  Close(true);
  switch (item) {
    case Copy:
      dom::ExecCommand("copy");
      break;
    case SelectAll:
      dom::Call(box_, "select");
      break;
    case CopyNetwork:
      presenter_.CopyNetwork(clipboard_);
      break;
    default:
      presenter_.CopyBlocks(clipboard_);
      break;
  }
}

void SubnetMenu::Close(bool focus_back) {
  if (!open_) return;
  open_ = false;  // before the focus moves: its events come here too
  current_.reset();
  if (focus_back) dom::Call(box_, "focus");
  dom::SetAttribute(mnuSubnet, "hidden", "");
}

void SubnetMenu::Listen(const dom::Element& element, std::string_view type, int row, EventKind kind) const {
  const int route = row * static_cast<int>(EventKind::Count) + static_cast<int>(kind);
  dom::Listen(element, type, first_route_ + route);
}

}  // namespace morvana
