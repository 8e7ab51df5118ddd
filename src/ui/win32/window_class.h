#pragma once

// The window classes frmMain is made of: the common controls' classes its
// children use, and its own, registered once a process under `name`.

#include "ui/win32/base_window.h"

namespace morvana {

void RegisterWindowClasses(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

}  // namespace morvana
