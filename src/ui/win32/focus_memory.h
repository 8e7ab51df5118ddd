#pragma once

// Which of frmMain's controls has the focus while the window is not active.
// Windows hands a plain window the activation back, but not the focus inside
// it: frmMain gives it back to the control that had it.

#include "ui/win32/base_window.h"

namespace morvana {

class FocusMemory {
 public:
  // The control that takes the focus first.
  void Start(HWND control) { focus_ = control; }

  // WM_ACTIVATE of `window`: remembers the focused control when the window
  // goes inactive, and gives it the focus back on its return (not while
  // minimised).
  void OnActivate(HWND window, WPARAM wparam) {
    if (LOWORD(wparam) == WA_INACTIVE) {
      HWND const focus = GetFocus();
      if (focus != nullptr && IsChild(window, focus)) focus_ = focus;
    } else if (HIWORD(wparam) == 0) {
      Restore();
    }
  }

  // Gives the focus back: the window is shown, or took the focus itself.
  void Restore() const {
    if (focus_ != nullptr) SetFocus(focus_);
  }

 private:
  HWND focus_ = nullptr;
};

}  // namespace morvana
