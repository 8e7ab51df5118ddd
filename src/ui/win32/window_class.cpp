#include "ui/win32/window_class.h"

#include <commctrl.h>

#include "ui/win32/resource_ids.h"

namespace morvana {

void RegisterWindowClasses(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return;

  const auto load_icon = [instance](int size_metric) {
    const int size = GetSystemMetrics(size_metric);
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(resources::kIconGroupId), IMAGE_ICON, size, size, LR_SHARED));
  };
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = load_icon(SM_CXICON);
  window_class.hIconSm = load_icon(SM_CXSMICON);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // The colour scheme's window colour, looked up whenever the window is painted.
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

}  // namespace morvana
