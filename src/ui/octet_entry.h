#pragma once

// What a typed '.', a Backspace or a paste does to the eight octet boxes.
// Every window asks here and applies the answer; none decides for itself.
// Texts are UTF-8, carets count characters from the start of the box.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"
#include "ui/main_window_view.h"

namespace morvana {

struct OctetBoxRef {
  AddressSide side;
  OctetPosition position;
  friend constexpr bool operator==(const OctetBoxRef&, const OctetBoxRef&) = default;
};

// The octet box a control is, or nothing for the other controls.
[[nodiscard]] std::optional<OctetBoxRef> OctetBoxOf(layout::ControlId id);

enum class CaretPlacement { SelectAll, End };

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
// same address when there is something before the caret, and is dropped
// otherwise.
[[nodiscard]] EntryAction FullStopTyped(OctetBoxRef box, std::string_view text, std::size_t caret);

// Backspace in an empty box goes back to the previous box of the same
// address; anywhere else it is an ordinary Backspace.
[[nodiscard]] EntryAction BackspacePressed(OctetBoxRef box, std::string_view text);

// An address, a range or a CIDR block fills whole boxes; any other text is
// left to the box's own paste.
[[nodiscard]] EntryAction TextPasted(OctetBoxRef box, std::string_view pasted);

}  // namespace morvana
