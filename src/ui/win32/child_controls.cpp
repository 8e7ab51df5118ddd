#include "ui/win32/child_controls.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/wide_text.h"

namespace morvana {
namespace {

using layout::ControlKind;

const wchar_t* ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return WC_STATICW;
    case ControlKind::TextBox:
      return WC_EDITW;
    case ControlKind::Button:
      return WC_BUTTONW;
  }
  return WC_STATICW;
}

// Controls are created in reading order, the order screen readers walk them
// in, and the first created lies on top. Clipping to siblings keeps each from
// painting over those above it.
DWORD StyleFor(const layout::Control& control) {
  const DWORD common = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  const bool centred = control.align == layout::TextAlign::Centre;
  switch (control.kind) {
    case ControlKind::Label:  // wraps at word boundaries; "&" is no access key
      return common | SS_NOPREFIX | (centred ? SS_CENTER : SS_LEFT);
    case ControlKind::TextBox:  // a thin frame leaves room for one line in 15 pixels
      return common | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | (centred ? ES_CENTER : ES_LEFT);
    case ControlKind::Button:  // the bold caption wraps at the blank onto two lines
      return common | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
  }
  return common;
}

}  // namespace

HWND CreateControl(HWND parent, const layout::Control& control, int child_id) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  const std::wstring caption = WideFromUtf8(control.caption);
  HWND child =
      CreateWindowExW(0, ClassFor(control.kind), caption.c_str(), StyleFor(control), 0, 0, 0, 0, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(child_id)), instance, nullptr);
  if (child != nullptr && control.max_length > 0) SendMessageW(child, EM_SETLIMITTEXT, control.max_length, 0);
  return child;
}

}  // namespace morvana
