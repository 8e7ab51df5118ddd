#pragma once

// The keyboard as the shared key rules (ui/keys.h) read it: the modifiers
// held now, and the key of a WM_KEYDOWN.

#include "ui/keys.h"
#include "ui/win32/base_window.h"

namespace morvana {

[[nodiscard]] inline KeyModifiers HeldModifiers() {
  const auto down = [](int key) { return GetKeyState(key) < 0; };
  return {down(VK_SHIFT), down(VK_CONTROL), down(VK_MENU), down(VK_LWIN) || down(VK_RWIN)};
}

[[nodiscard]] inline Key KeyOf(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_F10:
      return Key::F10;
    case VK_APPS:
      return Key::Menu;
    default:
      return Key::Other;
  }
}

// Shift+F10 or the Menu key, down or up (WM_KEYDOWN, WM_SYSKEYDOWN and their
// releases): the edit control leaves them unanswered, so the box's context
// menu opens on the key going down, as from the keyboard, and the release is
// taken too, so that nothing opens it a second time. True when taken.
[[nodiscard]] inline bool OpenMenuOnKey(HWND box, UINT message, WPARAM virtual_key) {
  const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
  const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
  if ((!down && !up) || !OpensContextMenu(KeyOf(virtual_key), HeldModifiers())) return false;
  if (down) SendMessageW(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), -1);
  return true;
}

}  // namespace morvana
