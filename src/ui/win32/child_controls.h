#pragma once

// The table's controls as Win32 child windows: which window class and
// styles each kind of control is made of.

#include <array>

#include "ui/layout.h"
#include "ui/win32/base_window.h"

namespace morvana {

// Every control of a window by its row in the table.
using ControlWindows = std::array<HWND, layout::kControlCount>;
// The table as frmMain hands it to its parts. Each source file that names
// layout::kControls carries its own copy of the table's texts in the
// program, so only frm_main.cpp names it.
using ControlTable = std::array<layout::Control, layout::kControlCount>;

// Creates `control` as a child of `parent` with the id `child_id`, at no
// size yet (DpiLayout places it), holding its caption and its limit.
[[nodiscard]] HWND CreateControl(HWND parent, const layout::Control& control, int child_id);

}  // namespace morvana
