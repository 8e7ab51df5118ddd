#pragma once

// The view speaks UTF-8; Win32's wide functions speak UTF-16.

#include <string>
#include <string_view>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace morvana {

[[nodiscard]] std::wstring WideFromUtf8(std::string_view text);
[[nodiscard]] std::string Utf8FromWide(std::wstring_view text);

// The whole text of a window or control.
[[nodiscard]] std::wstring WindowText(HWND hwnd);

}  // namespace morvana
