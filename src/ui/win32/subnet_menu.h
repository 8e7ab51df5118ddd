#pragma once

// txtSubnet's context menu. The edit control's own menu takes no extra item,
// so the window shows this one instead: the plain edit box's items, laid out,
// enabled and carried out as the edit box does, then the presenter's
// "Copy &Network" and "Copy Range as 12 &Blocks" for the last press.

#include "ui/main_window_presenter.h"
#include "ui/win32/base_window.h"

namespace morvana {

// Opens the menu over `box` and carries out the item chosen. `at` is
// WM_CONTEXTMENU's point in screen coordinates; (-1, -1), as the keyboard
// gives it, opens the menu over the middle of the box.
void ShowSubnetMenu(HWND box, LPARAM at, MainWindowPresenter& presenter);

}  // namespace morvana
