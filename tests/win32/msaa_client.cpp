// A screen reader's view of a window, from another process: for each child
// window in the order MSAA walks them (z-order), one line
// "role<TAB>name<TAB>description" read from its client object.
//   win32_msaa_client.exe <window handle, decimal>

#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

VARIANT Self() {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), IAccessible& object) {
  BSTR text = nullptr;
  std::wstring result = (object.*get)(Self(), &text) == S_OK && text != nullptr ? text : L"";
  SysFreeString(text);
  return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const auto window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoull(argv[1], nullptr, 10)));
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(child, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
      return 3;
    }
    VARIANT role{};
    object->get_accRole(Self(), &role);
    std::printf("%ld\t%ls\t%ls\n", role.vt == VT_I4 ? role.lVal : -1L,
                Text(&IAccessible::get_accName, *object).c_str(),
                Text(&IAccessible::get_accDescription, *object).c_str());
    object->Release();
  }
  CoUninitialize();
  return 0;
}
