#pragma once

// Drives a real frmMain in the test's own process: creates and shows it,
// feeds it keys through the program's own message handling, and catches the
// modal message box that a press may raise.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/layout.h"
#include "ui/win32/frm_main.h"

namespace morvana::testing_win32 {

// What a message box showed before the catcher dismissed it.
struct SeenMessageBox {
  std::wstring caption;
  std::wstring text;
  std::vector<int> button_ids;  // visible buttons
  bool has_icon = false;
  bool owner_was_disabled = false;
  HWND owner = nullptr;
};

// Runs `press` on this thread while a second thread records and dismisses
// (with OK) every message box owned by `window` until the press returns.
std::vector<SeenMessageBox> PressCatchingMessageBoxes(HWND window, const std::function<void()>& press);

// Runs `open` while a second thread waits for the menu it opens and types
// `key` into it (an accelerator, or VK_ESCAPE). Returns the items as they
// stood, "|" between them: "-" for a separator, "~" before a greyed item.
std::wstring OpenCatchingMenu(const std::function<void()>& open, wchar_t key);

// The session's window colour and the text on it, as a colour scheme sets
// them; setting them sends WM_SYSCOLORCHANGE.
[[nodiscard]] std::array<COLORREF, 2> ColourScheme();
void SetColourScheme(std::array<COLORREF, 2> window_and_text);

// What frmMain's High Contrast seam answers in these tests.
inline bool high_contrast_on = false;
// While set, what frmMain has said, and of which control. The system's own
// route is taken too: where it is missing (Wine) it must do nothing.
inline std::vector<std::pair<HWND, std::wstring>>* announced = nullptr;

// Runs `program`, which stands beside the test's own, with `arguments` while
// this thread keeps handling messages, as a screen reader in another process
// needs; returns its standard output, line ends as "\n".
std::string RunBesideWithMessages(HWND window, const std::wstring& program, const std::wstring& arguments);

// Dispatches everything queued for this thread through ProcessMessage.
void PumpMessages(HWND window);

// A key pressed on the focused control, as the message loop sees it.
void PressKey(HWND window, WPARAM key, bool shift = false, bool ctrl = false);

// Puts `text` on the clipboard as CF_UNICODETEXT, as a copy elsewhere would.
void SetClipboardText(HWND owner, const std::wstring& text);

// The tooltip controls that `window` owns.
std::vector<HWND> OwnedTooltips(HWND window);
// The text a tooltip holds for the tool that is `tool_window`, as TTM_GETTEXT gives it.
std::wstring TooltipText(HWND tooltip, HWND owner, HWND tool_window);

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  [[nodiscard]] HWND Control(layout::ControlId id) const { return frm_->ControlWindow(id); }
  [[nodiscard]] HWND Window() const { return frm_->Window(); }
  [[nodiscard]] std::wstring Text(layout::ControlId id) const;
  void SetText(layout::ControlId id, const std::wstring& text) const;
  // A click on cmdCalculateSubnet, as the mouse gives it.
  [[nodiscard]] std::vector<SeenMessageBox> ClickCalculate() const;

  std::unique_ptr<frmMain> frm_;
};

}  // namespace morvana::testing_win32
