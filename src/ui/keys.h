#pragma once

// Which keys mean what in every window, so that no window decides it: the
// chords that open a box's context menu, and the modifiers that make a key a
// shortcut rather than typing. Each window reads its toolkit's key event
// into these plain values and asks here.

namespace morvana {

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool meta = false;  // the Windows or Command key

  // Ctrl, Alt or Meta: the key is a shortcut, with the box's own meaning.
  [[nodiscard]] constexpr bool Shortcut() const { return ctrl || alt || meta; }
};

enum class Key { F10, Menu, Other };

// Shift+F10 and the Menu key, with nothing else held, open the context menu
// of the box with the focus, every box's, as a right click does.
[[nodiscard]] constexpr bool OpensContextMenu(Key key, KeyModifiers held) {
  if (held.Shortcut()) return false;
  return key == Key::Menu || (key == Key::F10 && held.shift);
}

}  // namespace morvana
