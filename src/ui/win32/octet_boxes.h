#pragma once

// The eight octet boxes of frmMain, as the edit control's subclass sees
// them. It decides nothing: a typed '.', a Backspace and every paste (Ctrl+V,
// Shift+Insert, the context menu) go to the shared entry rules first, and an
// answer that takes the message is applied here, to the texts of the boxes
// and the focus. Whatever the rules leave is the edit control's own.

#include <array>

#include "ui/layout.h"
#include "ui/octet_entry.h"
#include "ui/win32/base_window.h"

namespace morvana {

class OctetBoxes {
 public:
  // Subclasses `box` as the octet box `ref`. The boxes must not outlive this.
  void Add(HWND box, OctetBoxRef ref);

 private:
  static LRESULT CALLBACK Proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                               DWORD_PTR self);
  // True when the rules took the message from the box.
  [[nodiscard]] bool Route(HWND box, OctetBoxRef ref, UINT message, WPARAM wparam);
  [[nodiscard]] bool Apply(const EntryAction& action);
  [[nodiscard]] HWND& Box(OctetBoxRef ref);

  std::array<HWND, layout::kControlCount> boxes_{};  // by control; only the octet boxes are set
};

}  // namespace morvana
