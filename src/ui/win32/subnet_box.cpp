#include "ui/win32/subnet_box.h"

#include <commctrl.h>

#include "ui/win32/keyboard.h"
#include "ui/win32/subnet_menu.h"
#include "ui/win32/wide_text.h"

namespace morvana {
namespace {

// The one tool of the tooltip: the whole box, found by its window.
TOOLINFOW BoxTool(HWND window, HWND box) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(box);
  return tool;
}

// The tool shown while the box has the focus: placed by us, not the mouse.
TOOLINFOW ShownTool(HWND window) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = window;
  tool.uId = 1;
  return tool;
}

}  // namespace

// The tooltip is created once with the window and destroyed with it; it
// starts switched off with an empty text, and Describe gives it its text.
void SubnetBox::Create(HWND window, HWND box, MainWindowPresenter& presenter) {
  window_ = window;
  box_ = box;
  presenter_ = &presenter;
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                             instance, nullptr);
  for (TOOLINFOW tool : {BoxTool(window, box), ShownTool(window)}) {
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);
  SetWindowSubclass(box, &Proc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void SubnetBox::Destroy() {
  DestroyWindow(tooltip_);
  tooltip_ = nullptr;
}

void SubnetBox::Describe(std::string_view description) {
  const std::wstring text = WideFromUtf8(description);
  // The tooltip keeps the text itself, so TTM_GETTEXT reads it from outside
  // too. Removed, it holds an empty text and is switched off.
  TOOLINFOW tool = BoxTool(window_, box_);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  if (text.empty()) SendMessageW(tooltip_, TTM_POP, 0, 0);
  SendMessageW(tooltip_, TTM_ACTIVATE, text.empty() ? FALSE : TRUE, 0);
}

// Just below the box, at its left edge, as the hover tooltip stands below
// the pointer; where the box is now, also when told again after a move.
void SubnetBox::ShowDescription(std::string_view description) {
  const std::wstring text = WideFromUtf8(description);
  TOOLINFOW tool = ShownTool(window_);
  if (!text.empty()) {
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    RECT box{};
    GetWindowRect(box_, &box);
    SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(box.left, box.bottom + 1));
  }
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, text.empty() ? FALSE : TRUE, reinterpret_cast<LPARAM>(&tool));
}

void SubnetBox::OnSchemeChange() const {
  SendMessageW(tooltip_, WM_SYSCOLORCHANGE, 0, 0);
}

// The box's context menu, however it is asked for, is this one.
LRESULT CALLBACK SubnetBox::Proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                 DWORD_PTR self) {
  if (OpenMenuOnKey(box, message, wparam)) return 0;
  switch (message) {
    case WM_CONTEXTMENU:
      ShowSubnetMenu(box, lparam, *reinterpret_cast<const SubnetBox*>(self)->presenter_);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, &Proc, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(box, message, wparam, lparam);
}

}  // namespace morvana
