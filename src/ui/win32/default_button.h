#pragma once

// Keeps cmdCalculateSubnet looking the default button. Some dialog managers
// (Wine's) take the default look off the button when Tab moves on to a box;
// frmMain posts itself a message as a box takes the focus, and puts the look
// back when the message arrives, once the dialog manager is done.

#include "ui/win32/base_window.h"

namespace morvana {

inline constexpr UINT kKeepDefaultButton = WM_APP + 1;

// On a box's EN_SETFOCUS.
inline void KeepDefaultButtonLater(HWND window) {
  PostMessageW(window, kKeepDefaultButton, 0, 0);
}

// On kKeepDefaultButton.
inline void KeepDefaultButton(HWND button) {
  if ((GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) != BS_DEFPUSHBUTTON) {
    SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  }
}

}  // namespace morvana
