#pragma once

// What typed text, a Backspace or a paste does to the eight octet boxes.
// The presenter asks here and has the window carry out the answer. Texts
// are UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/keys.h"
#include "ui/main_window_view.h"
#include "ui/presented_window.h"

namespace morvana {

struct FocusChange {
  OctetBoxRef box;
  CaretPlacement caret;
  friend bool operator==(const FocusChange&, const FocusChange&) = default;
};

struct BoxFill {
  OctetBoxRef box;
  std::string text;  // replaces the box's whole text
  friend bool operator==(const BoxFill&, const BoxFill&) = default;
};

struct EntryAction {
  // The box must not handle the key or the paste itself. When false the
  // window lets the box do what a plain edit box does.
  bool swallow = false;
  std::vector<BoxFill> fills;  // From boxes first, each address first to fourth
  std::optional<FocusChange> focus;
  friend bool operator==(const EntryAction&, const EntryAction&) = default;
};

// A '.' is never content of an octet box: it moves on to the next box of the
// same address when any text stands before the caret, the moving end of the
// box's selection, and is dropped otherwise.
[[nodiscard]] EntryAction FullStopTyped(OctetBoxRef box, bool text_before_caret);

// Typed text, one key's or an input method's: a ',' is a '.', for users whose
// number pad or phone types ',' for the decimal point. Any other text is the
// box's own.
[[nodiscard]] EntryAction TextTyped(OctetBoxRef box, std::string_view typed, bool text_before_caret);

// Backspace in an empty box goes back to the previous box of the same
// address; anywhere else it is an ordinary Backspace. Held with Ctrl, Alt or
// Meta it keeps the box's own meaning (Ctrl+Backspace deletes a word).
[[nodiscard]] EntryAction BackspacePressed(OctetBoxRef box, std::string_view text, KeyModifiers held = {});

// An address, a range or a CIDR block fills whole boxes; any other text is
// left to the box's own paste.
[[nodiscard]] EntryAction TextPasted(OctetBoxRef box, std::string_view pasted);

}  // namespace morvana
