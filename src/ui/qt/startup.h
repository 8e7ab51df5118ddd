#pragma once

#include <span>
#include <string_view>

namespace morvana {

inline constexpr std::string_view kNoDisplayMessage =
    "morvana: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)";

// Whether Qt has somewhere to open the window: an X11 or Wayland display, or
// a platform named in QT_QPA_PLATFORM or by Qt's own option -platform (also
// written --platform). The first three are the variables' values, null when
// unset; `arguments` is the command line, program name first.
[[nodiscard]] bool CanOpenWindow(const char* qpa_platform, const char* display, const char* wayland_display,
                                 std::span<const char* const> arguments = {});

// Shows frmMain and runs the event loop until the window is closed. Needs a
// QApplication; returns the loop's exit code, 0 after closing.
int RunMainWindow();

}  // namespace morvana
