#pragma once

// txtSubnet's menu on the page, which the page draws itself in place of the
// browser's: Copy and Select All for the box's text, then Copy Network and
// Copy Range as Blocks with the presenter's captions and states. To a
// screen reader it is a role="menu" of menu items. It works as a desktop
// menu does: it opens at the pointer, or under the box from the keyboard
// (Shift+F10, the Menu key); the arrows, Home and End move, Enter, Space or
// an item's access key chooses, and Escape, Tab or a click elsewhere closes
// it, the focus going back to the box. The browser's clipboard writes
// later; its refusal comes back as one of the menu's events.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "ui/layout.h"
#include "ui/main_window_presenter.h"
#include "ui/presented_window.h"
#include "ui/web/dom.h"

namespace morvana {

// The browser's asynchronous clipboard, as the presenter writes it.
class PageClipboard final : public TextClipboard {
 public:
  explicit PageClipboard(int refused_route) : refused_route_(refused_route) {}
  [[nodiscard]] bool PutText(std::string_view text) override {
    return dom::WriteClipboard(text, refused_route_);
  }

 private:
  int refused_route_;
};

class SubnetMenu {
 public:
  // The menu's events are routed as `first_route` and the kRouteCount
  // routes after it.
  SubnetMenu(MainWindowPresenter& presenter, const layout::Control& box, int first_route);

  // Builds the menu, hidden, at the end of the page.
  void Create();
  // The box's font at the page's text size, as CSS declarations.
  void SetFont(std::string_view font);
  // The box's contextmenu event, from a right-click or a long press: opens
  // at its point.
  void OpenAtEvent();
  // The keys for a context menu in the box (Shift+F10, the Menu key), taken
  // before the browser's contextmenu: not every browser opens a menu for
  // them, nor in one place. Opens under the box.
  void OpenFromKeyboard();
  // One of the menu's routes, less `first_route`; true when the browser's
  // own handling must not follow.
  bool HandleEvent(int route);

  enum class EventKind { Click, MouseMove, KeyDown, FocusOut, MouseDown, ContextMenu, Refused, Count };
  // The menu itself, then each item.
  static constexpr std::size_t kItemCount = 4;
  static constexpr int kRouteCount = (1 + static_cast<int>(kItemCount)) * static_cast<int>(EventKind::Count);

 private:
  enum Item : std::size_t { Copy, SelectAll, CopyNetwork, CopyBlocks };
  static constexpr std::array<std::string_view, kItemCount> kItemIds{"mnuCopy", "mnuSelectAll",
                                                                     "mnuCopyNetwork", "mnuCopyBlocks"};

  void Open(bool at_pointer, int x, int y);
  void Place(bool at_pointer, int x, int y);
  [[nodiscard]] std::string Caption(std::size_t item) const;
  void SetItems();
  void StyleMenu();
  void StyleItems();
  bool KeyDown();
  void MoveTo(std::size_t item);
  void Move(int step);
  void Choose(std::size_t item);
  void Close(bool focus_back);
  void Listen(const dom::Element& element, std::string_view type, int row, EventKind kind) const;

  MainWindowPresenter& presenter_;
  const dom::Element box_;
  const std::string_view name_;
  const int first_route_;
  PageClipboard clipboard_;
  const dom::Element mnuSubnet{"mnuSubnet"};

  bool open_ = false;
  std::optional<std::size_t> current_;  // the highlighted item, with the focus
  std::array<bool, kItemCount> enabled_{};
  std::array<char, kItemCount> access_keys_{};  // lower case; '\0' for none
  std::string font_;
  std::string place_;  // left and top
};

}  // namespace morvana
