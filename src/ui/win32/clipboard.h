#pragma once

// The clipboard's Unicode text, both ways.

#include <optional>
#include <string>
#include <string_view>

#include "ui/win32/base_window.h"

namespace morvana {

// The clipboard's text, or nothing when it holds none or another program
// keeps it open.
[[nodiscard]] std::optional<std::wstring> ClipboardText(HWND owner);

// Puts `text` on the clipboard as Unicode text, with nothing after it.
// False when another program holds the clipboard open.
bool PutTextOnClipboard(HWND owner, std::wstring_view text);

}  // namespace morvana
