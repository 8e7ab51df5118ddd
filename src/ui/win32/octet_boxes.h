#pragma once

// The eight octet boxes of frmMain, as the edit control's subclass sees
// them. It decides nothing: typed text, a Backspace and every paste (Ctrl+V,
// Shift+Insert, the context menu) go to the presenter first, and Shift+F10
// opens the box's menu as the shared key rules say. What the presenter
// leaves alone is the edit control's own.

#include "ui/main_window_presenter.h"
#include "ui/win32/base_window.h"

namespace morvana {

class OctetBoxes {
 public:
  explicit OctetBoxes(MainWindowPresenter& presenter) : presenter_(presenter) {}

  // Subclasses `box` as the octet box `ref`. The boxes must not outlive this.
  void Add(HWND box, OctetBoxRef ref);

 private:
  static LRESULT CALLBACK Proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                               DWORD_PTR self);
  // True when the presenter took the message from the box.
  [[nodiscard]] bool Route(HWND box, OctetBoxRef ref, UINT message, WPARAM wparam);

  MainWindowPresenter& presenter_;
};

// Whether any text stands before the caret of an edit box, the moving end
// of its selection.
[[nodiscard]] bool TextBeforeCaret(HWND box);

}  // namespace morvana
