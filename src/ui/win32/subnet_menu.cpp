#include "ui/win32/subnet_menu.h"

#include <windowsx.h>

#include <array>
#include <string>

#include "ui/win32/clipboard.h"
#include "ui/win32/wide_text.h"

namespace morvana {
namespace {

// One of the plain edit box's items, and the message that carries it out.
struct EditItem {
  const wchar_t* caption;  // nullptr for a separator
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};
// As the edit box lays them out. An item's command is its place + 1.
constexpr std::array<EditItem, 8> kEditItems{{
    {L"&Undo", EM_UNDO, 0, 0},
    {nullptr, 0, 0, 0},
    {L"Cu&t", WM_CUT, 0, 0},
    {L"&Copy", WM_COPY, 0, 0},
    {L"&Paste", WM_PASTE, 0, 0},
    {L"&Delete", WM_CLEAR, 0, 0},
    {nullptr, 0, 0, 0},
    {L"Select &All", EM_SETSEL, 0, -1},
}};
constexpr UINT kCopyNetwork = kEditItems.size() + 1;
constexpr UINT kCopyBlocks = kCopyNetwork + 1;

// Whether the edit box would offer an item, as it stands now.
bool Enabled(HWND box, UINT message) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool selection = start != end;
  const bool editable = (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) == 0;
  switch (message) {
    case EM_UNDO:
      return SendMessageW(box, EM_CANUNDO, 0, 0) != 0;
    case WM_CUT:
    case WM_CLEAR:
      return selection && editable;
    case WM_COPY:
      return selection;
    case WM_PASTE:
      return editable && IsClipboardFormatAvailable(CF_UNICODETEXT);
    default:  // select all, unless all is selected
      return start != 0 || end != static_cast<DWORD>(GetWindowTextLengthW(box));
  }
}

void AddItem(HMENU menu, UINT command, const wchar_t* caption, bool enabled) {
  if (caption == nullptr) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  } else {
    AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, caption);
  }
}

POINT MenuPoint(HWND box, LPARAM at) {
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (point.x == -1 && point.y == -1) {
    RECT client{};
    GetClientRect(box, &client);
    point = {client.right / 2, client.bottom / 2};
    ClientToScreen(box, &point);
  }
  return point;
}

}  // namespace

void ShowSubnetMenu(HWND box, LPARAM at, MainWindowPresenter& presenter) {
  // As with the edit box's own menu, the items act on the box: it takes the focus.
  if (GetFocus() != box) SetFocus(box);
  HMENU menu = CreatePopupMenu();
  for (UINT command = 1; const EditItem& item : kEditItems) {
    AddItem(menu, command++, item.caption, item.caption != nullptr && Enabled(box, item.message));
  }
  AddItem(menu, 0, nullptr, false);
  const std::wstring network = WideFromUtf8(presenter.CopyNetworkCaption());
  AddItem(menu, kCopyNetwork, network.c_str(), presenter.CanCopyNetwork());
  const std::wstring blocks = WideFromUtf8(presenter.CopyBlocksCaption());
  AddItem(menu, kCopyBlocks, blocks.c_str(), presenter.CanCopyBlocks());

  const POINT point = MenuPoint(box, at);
  const auto command =
      static_cast<UINT>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                       point.x, point.y, 0, box, nullptr));
  DestroyMenu(menu);

  if (command == kCopyNetwork || command == kCopyBlocks) {
    WindowsClipboard clipboard(GetAncestor(box, GA_ROOT));
    command == kCopyNetwork ? presenter.CopyNetwork(clipboard) : presenter.CopyBlocks(clipboard);
  } else if (command >= 1 && command <= kEditItems.size()) {  // 0: dismissed
    const EditItem& item = kEditItems.at(command - 1);
    SendMessageW(box, item.message, item.wparam, item.lparam);
  }
}

}  // namespace morvana
