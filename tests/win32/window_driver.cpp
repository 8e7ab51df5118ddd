#include "window_driver.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cwchar>
#include <thread>

#include "ui/win32/clipboard.h"
#include "ui/win32/wide_text.h"

namespace morvana::testing_win32 {
namespace {

// The window names its boxes through COM's accessibility service.
class ComEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }
};
[[maybe_unused]] ::testing::Environment* const kCom = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

std::wstring ClassName(HWND hwnd) {
  std::array<wchar_t, 64> name{};
  GetClassNameW(hwnd, name.data(), static_cast<int>(name.size()));
  return name.data();
}

struct BoxSearch {
  HWND owner;
  const std::vector<HWND>* skip;
  HWND found = nullptr;
};

HWND FindMessageBox(DWORD thread, HWND owner, const std::vector<HWND>& dismissed) {
  BoxSearch search{owner, &dismissed};
  EnumThreadWindows(
      thread,
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<BoxSearch*>(param);
        const bool ours = ClassName(hwnd) == L"#32770" && GetWindow(hwnd, GW_OWNER) == s.owner &&
                          IsWindowVisible(hwnd) &&
                          std::find(s.skip->begin(), s.skip->end(), hwnd) == s.skip->end();
        if (!ours) return TRUE;
        s.found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

SeenMessageBox Read(HWND box, HWND owner) {
  SeenMessageBox seen;
  seen.caption = WindowText(box);
  seen.text = WindowText(GetDlgItem(box, 0xFFFF));
  seen.owner = GetWindow(box, GW_OWNER);
  seen.owner_was_disabled = !IsWindowEnabled(owner);
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    if (ClassName(child) == L"Button" && IsWindowVisible(child))
      seen.button_ids.push_back(GetDlgCtrlID(child));
    // A box without an icon may still hold an empty icon control.
    if (ClassName(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON &&
        SendMessageW(child, STM_GETICON, 0, 0) != 0) {
      seen.has_icon = true;
    }
  }
  return seen;
}

// Every wait of the catchers ends by this: a box or menu that never comes
// fails the test instead of hanging it.
constexpr ULONGLONG kCatchDeadlineMs = 10000;

// Ends whatever modal loop holds the UI thread, so that a test that missed
// its box or menu can fail and go on.
void DismissEverything(DWORD thread) {
  EnumThreadWindows(
      thread,
      [](HWND hwnd, LPARAM) -> BOOL {
        if (!IsWindowVisible(hwnd)) return TRUE;
        if (ClassName(hwnd) == L"#32768") PostMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
        if (ClassName(hwnd) == L"#32770") PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return TRUE;
      },
      0);
}

}  // namespace

std::vector<SeenMessageBox> PressCatchingMessageBoxes(HWND window, const std::function<void()>& press) {
  const DWORD ui_thread = GetCurrentThreadId();
  std::atomic<bool> pressed{false};
  std::atomic<bool> late{false};
  std::vector<SeenMessageBox> seen;
  std::thread catcher([&] {
    std::vector<HWND> dismissed;
    const ULONGLONG deadline = GetTickCount64() + kCatchDeadlineMs;
    while (!pressed) {
      if (GetTickCount64() > deadline) {
        late = true;
        DismissEverything(ui_thread);
        Sleep(100);
        continue;
      }
      HWND box = FindMessageBox(ui_thread, window, dismissed);
      if (box == nullptr) {
        Sleep(2);
        continue;
      }
      seen.push_back(Read(box, window));
      dismissed.push_back(box);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  });
  press();
  pressed = true;
  catcher.join();
  EXPECT_FALSE(late) << "the press did not return within " << kCatchDeadlineMs
                     << " ms: a modal window other than a message box (#32770) owned by frmMain held it";
  return seen;
}

std::wstring OpenCatchingMenu(const std::function<void()>& open, wchar_t key) {
  const DWORD ui_thread = GetCurrentThreadId();
  std::atomic<bool> opened{false};
  std::atomic<bool> late{false};
  std::wstring seen;
  std::thread catcher([&] {
    const ULONGLONG deadline = GetTickCount64() + kCatchDeadlineMs;
    HWND popup = nullptr;
    for (; !opened && (popup == nullptr || !IsWindowVisible(popup)); Sleep(2)) {
      if (GetTickCount64() > deadline) {
        late = true;
        DismissEverything(ui_thread);
        return;
      }
      popup = FindWindowW(L"#32768", nullptr);
    }
    if (popup == nullptr || GetWindowThreadProcessId(popup, nullptr) != ui_thread) return;
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    for (UINT i = 0; i < static_cast<UINT>(GetMenuItemCount(menu)); ++i) {
      std::array<wchar_t, 128> caption{};
      GetMenuStringW(menu, i, caption.data(), static_cast<int>(caption.size()), MF_BYPOSITION);
      const bool greyed = (GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED) != 0;
      seen += (i > 0 ? L"|" : L"") +
              (caption[0] == 0 ? L"-" : (greyed ? L"~" : L"") + std::wstring(caption.data()));
    }
    PostMessageW(popup, key == VK_ESCAPE ? WM_KEYDOWN : WM_CHAR, key, 1);
  });
  open();
  opened = true;
  catcher.join();
  EXPECT_FALSE(late) << "no menu (#32768) of this thread appeared within " << kCatchDeadlineMs << " ms";
  EXPECT_FALSE(seen.empty()) << "the menu was asked for, but none opened";
  return seen;
}

constexpr std::array<int, 2> kSchemeElements{COLOR_WINDOW, COLOR_WINDOWTEXT};

std::array<COLORREF, 2> ColourScheme() {
  return {GetSysColor(kSchemeElements[0]), GetSysColor(kSchemeElements[1])};
}

void SetColourScheme(std::array<COLORREF, 2> window_and_text) {
  SetSysColors(kSchemeElements.size(), kSchemeElements.data(), window_and_text.data());
}

void PumpMessages(HWND window) {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ProcessMessage(window, message);
}

void PressKey(HWND window, WPARAM key, bool shift, bool ctrl) {
  std::array<BYTE, 256> saved{};
  GetKeyboardState(saved.data());
  std::array<BYTE, 256> state = saved;
  state[VK_SHIFT] = shift ? 0x80 : 0;
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  SetKeyboardState(state.data());
  HWND target = GetFocus();
  const bool system_key = key == VK_F10;  // the keyboard sends F10 as a system key
  PostMessageW(target, system_key ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1);
  PostMessageW(target, system_key ? WM_SYSKEYUP : WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
  PumpMessages(window);
  SetKeyboardState(saved.data());
}

void SetClipboardText(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(PutTextOnClipboard(owner, text)) << "clipboard";
}

std::vector<HWND> OwnedTooltips(HWND window) {
  std::vector<HWND> found;
  for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr;) {
    if (GetWindow(tip, GW_OWNER) == window) found.push_back(tip);
  }
  return found;
}

std::wstring TooltipText(HWND tooltip, HWND owner, HWND tool_window) {
  std::array<wchar_t, 1024> text{};  // a tooltip gives at most 1024 characters
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(tool_window);
  tool.lpszText = text.data();
  SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
  return text.data();
}

std::string RunBesideWithMessages(HWND window, const std::wstring& program, const std::wstring& arguments) {
  std::array<wchar_t, MAX_PATH> own{};
  GetModuleFileNameW(nullptr, own.data(), static_cast<DWORD>(own.size()));
  const std::wstring folder(own.data(), std::wcsrchr(own.data(), L'\\') + 1);
  std::wstring line = L"\"" + folder + program + L"\" " + arguments;
  // Read once the program has ended: the pipe holds all it writes meanwhile.
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  CreatePipe(&read, &write, &inherited, 1 << 16);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    const ULONGLONG deadline = GetTickCount64() + kCatchDeadlineMs;
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 50, QS_ALLINPUT) != WAIT_OBJECT_0) {
      PumpMessages(window);
      if (GetTickCount64() > deadline) TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  CloseHandle(write);
  std::string output(1 << 16, '\0');
  DWORD got = 0;
  if (!ReadFile(read, output.data(), static_cast<DWORD>(output.size()), &got, nullptr)) got = 0;
  CloseHandle(read);
  output.resize(got);
  output.erase(std::remove(output.begin(), output.end(), '\r'), output.end());
  return output;
}

void WindowTest::SetUp() {
  frm_ = std::make_unique<frmMain>(
      +[] { return high_contrast_on; },
      +[](HWND control, std::wstring_view text) {
        if (announced != nullptr) announced->emplace_back(control, text);
        AnnounceThroughUiAutomation(control, text);
      });
  ASSERT_TRUE(frm_->Create(GetModuleHandleW(nullptr))) << "frmMain could not be created";
  frm_->Show(SW_SHOWNORMAL);
  SetForegroundWindow(Window());
  PumpMessages(Window());
}

void WindowTest::TearDown() {
  frm_.reset();
  // Closing posts the quit message that ends the program; here it would end
  // the next test's message boxes instead.
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

std::wstring WindowTest::Text(layout::ControlId id) const {
  return WindowText(Control(id));
}

void WindowTest::SetText(layout::ControlId id, const std::wstring& text) const {
  SetWindowTextW(Control(id), text.c_str());
}

std::vector<SeenMessageBox> WindowTest::ClickCalculate() const {
  HWND button = Control(layout::ControlId::cmdCalculateSubnet);
  return PressCatchingMessageBoxes(Window(), [button] { SendMessageW(button, BM_CLICK, 0, 0); });
}

}  // namespace morvana::testing_win32
