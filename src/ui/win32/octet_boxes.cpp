#include "ui/win32/octet_boxes.h"

#include <commctrl.h>
#include <windowsx.h>

#include <optional>
#include <string>

#include "ui/layout.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/keyboard.h"
#include "ui/win32/wide_text.h"

namespace morvana {

// The subclass id names the box's control.
void OctetBoxes::Add(HWND box, OctetBoxRef ref) {
  SetWindowSubclass(box, &Proc, static_cast<UINT_PTR>(layout::OctetBoxControl(ref)),
                    reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK OctetBoxes::Proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                  DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(box, &Proc, id);
  } else if (const auto ref = layout::OctetBoxOf(static_cast<layout::ControlId>(id));
             ref && reinterpret_cast<OctetBoxes*>(self)->Route(box, *ref, message, wparam)) {
    return 0;
  }
  return DefSubclassProc(box, message, wparam, lparam);
}

bool OctetBoxes::Route(HWND box, OctetBoxRef ref, UINT message, WPARAM wparam) {
  if (OpenMenuOnKey(box, message, wparam)) return true;
  switch (message) {
    case WM_CHAR:
      if (wparam == VK_BACK) return presenter_.BackspacePressed(ref, HeldModifiers());
      if (wparam < L' ') return false;  // Ctrl+V and the other control characters
      return presenter_.TextTyped(ref, Utf8FromWide(std::wstring(1, static_cast<wchar_t>(wparam))),
                                  TextBeforeCaret(box));
    case WM_KEYDOWN:
      // Ctrl+V and the context menu paste through WM_PASTE, but an edit
      // control may paste Shift+Insert directly (Wine's does): send it the
      // same way.
      if (wparam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0) {
        SendMessageW(box, WM_PASTE, 0, 0);
        return true;
      }
      return false;
    case WM_PASTE: {
      const std::optional<std::wstring> pasted = ClipboardText(box);
      return pasted && presenter_.TextPasted(ref, Utf8FromWide(*pasted));
    }
    default:
      return false;
  }
}

// EM_GETSEL gives the two ends of the selection in order, not which one the
// caret is at. Only a selection from the very start leaves that open; the
// caret then stands where EM_POSFROMCHAR puts the first character, or
// further right.
bool TextBeforeCaret(HWND box) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (end == 0) return false;
  if (start > 0) return true;
  POINT caret{};
  if (GetFocus() != box || !GetCaretPos(&caret)) return true;
  const auto first = static_cast<LPARAM>(SendMessageW(box, EM_POSFROMCHAR, 0, 0));
  return caret.x > GET_X_LPARAM(first);
}

}  // namespace morvana
