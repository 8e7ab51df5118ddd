#include "ui/win32/octet_boxes.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "ui/win32/clipboard.h"
#include "ui/win32/wide_text.h"

namespace morvana {
namespace {

layout::ControlId ControlOf(OctetBoxRef ref) {
  return layout::OctetBoxControl(ref.side, ref.position);
}

}  // namespace

// The subclass id names the box's control.
void OctetBoxes::Add(HWND box, OctetBoxRef ref) {
  Box(ref) = box;
  SetWindowSubclass(box, &Proc, static_cast<UINT_PTR>(ControlOf(ref)), reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK OctetBoxes::Proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                  DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(box, &Proc, id);
  } else if (const auto ref = OctetBoxOf(static_cast<layout::ControlId>(id));
             ref && reinterpret_cast<OctetBoxes*>(self)->Route(box, *ref, message, wparam)) {
    return 0;
  }
  return DefSubclassProc(box, message, wparam, lparam);
}

bool OctetBoxes::Route(HWND box, OctetBoxRef ref, UINT message, WPARAM wparam) {
  switch (message) {
    case WM_CHAR:
      if (wparam == L'.') {
        DWORD selection_end = 0;  // the caret, or the end of the selection
        SendMessageW(box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selection_end));
        return Apply(FullStopTyped(ref, Utf8FromWide(WindowText(box)), selection_end));
      }
      if (wparam == VK_BACK) return Apply(BackspacePressed(ref, Utf8FromWide(WindowText(box))));
      return false;
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
      return pasted && Apply(TextPasted(ref, Utf8FromWide(*pasted)));
    }
    default:
      return false;
  }
}

bool OctetBoxes::Apply(const EntryAction& action) {
  if (!action.swallow) return false;
  for (const BoxFill& fill : action.fills) SetWindowTextW(Box(fill.box), WideFromUtf8(fill.text).c_str());
  if (action.focus) {
    HWND target = Box(action.focus->box);
    SetFocus(target);
    if (action.focus->caret == CaretPlacement::SelectAll) {
      SendMessageW(target, EM_SETSEL, 0, -1);
    } else {
      const auto end = static_cast<WPARAM>(GetWindowTextLengthW(target));
      SendMessageW(target, EM_SETSEL, end, static_cast<LPARAM>(end));
    }
  }
  return true;
}

HWND& OctetBoxes::Box(OctetBoxRef ref) {
  return boxes_.at(static_cast<std::size_t>(ControlOf(ref)));
}

}  // namespace morvana
