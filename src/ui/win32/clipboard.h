#pragma once

// The clipboard's Unicode text, both ways. Clipboard managers and remote
// desktops open the clipboard for a moment after every change, so opening
// it is tried again for a short while before giving up.

#include <optional>
#include <string>
#include <string_view>

#include "ui/presented_window.h"
#include "ui/win32/base_window.h"

namespace morvana {

// How long opening the clipboard is retried.
inline constexpr DWORD kClipboardPatienceMs = 500;

// The clipboard's text, or nothing when it holds none or another program
// keeps it open.
[[nodiscard]] std::optional<std::wstring> ClipboardText(HWND owner);

// Puts `text` on the clipboard as Unicode text, with nothing after it.
// False when another program holds the clipboard open throughout.
[[nodiscard]] bool PutTextOnClipboard(HWND owner, std::wstring_view text);

// The clipboard as txtSubnet's menu writes it, for the window `owner`.
// Windows' text ends its lines in CR LF.
class WindowsClipboard final : public TextClipboard {
 public:
  explicit WindowsClipboard(HWND owner) : owner_(owner) {}
  [[nodiscard]] bool PutText(std::string_view text) override;
  [[nodiscard]] std::string_view LineEnd() const override { return "\r\n"; }

 private:
  HWND owner_;
};

}  // namespace morvana
