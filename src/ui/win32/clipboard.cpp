#include "ui/win32/clipboard.h"

#include <cstring>
#include <cwchar>

#include "ui/win32/wide_text.h"

namespace morvana {
namespace {

bool OpenClipboardPatiently(HWND owner) {
  const ULONGLONG give_up = GetTickCount64() + kClipboardPatienceMs;
  while (!OpenClipboard(owner)) {
    if (GetTickCount64() >= give_up) return false;
    Sleep(10);
  }
  return true;
}

}  // namespace

std::optional<std::wstring> ClipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboardPatiently(owner)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Bounded by the block: the terminating zero is the other program's to write.
      text.emplace(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool PutTextOnClipboard(HWND owner, std::wstring_view text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
  if (chars == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(chars, text.data(), text.size() * sizeof(wchar_t));
  chars[text.size()] = L'\0';
  GlobalUnlock(memory);
  if (!OpenClipboardPatiently(owner)) {
    GlobalFree(memory);
    return false;
  }
  const bool emptied = EmptyClipboard() != FALSE;
  // Once set, the memory is the clipboard's.
  const bool placed = emptied && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);
  return placed;
}

bool WindowsClipboard::PutText(std::string_view text) {
  return PutTextOnClipboard(owner_, WideFromUtf8(text));
}

}  // namespace morvana
