#pragma once

// Has a screen reader say a text now, without moving the focus: UI
// Automation's notification event, raised for a control. Windows has it from
// Windows 10 1709 on; where it is missing (older Windows, Wine 8) nothing is
// said, and nothing else changes.

#include <string_view>

#include "ui/win32/base_window.h"

namespace morvana {

// How frmMain has a text said. A seam: tests stand in to hear what was said.
using Announcer = void (*)(HWND control, std::wstring_view text);

// Raises the notification for `control`; found in uiautomationcore.dll at
// the first call, and kept.
void AnnounceThroughUiAutomation(HWND control, std::wstring_view text);

}  // namespace morvana
