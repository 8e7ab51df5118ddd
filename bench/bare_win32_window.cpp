// The floor for Morvana.exe's start-up: a plain Win32 window with a title and
// nothing else, built with the same compiler and flags. With the argument
// "text" it also holds one edit box, which is what any control costs at start.
//
// Built a second time as bare_win32_controls, with Morvana.exe's manifest and
// BARE_COMMON_CONTROLS, and run with "controls", it is what Wine does for a
// window like Morvana's whatever the program does: comctl32 6 loads and
// registers its classes, and the window holds as many controls of each kind
// as frmMain (four labels, nine text boxes, a button), with the system font in
// a plain grid, with the caret in the first text box as in frmMain, and
// nothing of Morvana's own: no faces, colours, subclassing, menu or accessible
// names.
#include <windows.h>
#ifdef BARE_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include <cwchar>

namespace {

constexpr int kFirstTextBoxId = 101;  // the controls' ids: 100 times the row, plus one up

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  HWND box = GetDlgItem(window, kFirstTextBoxId);
  if (message == WM_ACTIVATE && LOWORD(wparam) != WA_INACTIVE && box != nullptr) {
    SetFocus(box);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void AddControls(HWND window, HINSTANCE instance, const wchar_t* kind, DWORD style, int count, int row) {
  for (int i = 0; i < count; ++i) {
    CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE | style, 8 + 30 * i, 8 + 30 * row, 28, 20, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 * row + i + 1)), instance, nullptr);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR command_line, int show) {
#ifdef BARE_COMMON_CONTROLS
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
#endif
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  window_class.lpszClassName = L"BareWin32Window";
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(0, window_class.lpszClassName, L"Bare Win32 window", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 300, 200, nullptr, nullptr, instance, nullptr);
  if (std::wcscmp(command_line, L"text") == 0) {
    CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 100, 20,
                    window, nullptr, instance, nullptr);
  } else if (std::wcscmp(command_line, L"controls") == 0) {
    AddControls(window, instance, L"EDIT", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 9, 1);
    AddControls(window, instance, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 1, 2);
    AddControls(window, instance, L"STATIC", SS_LEFT, 4, 3);
  }
  ShowWindow(window, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
