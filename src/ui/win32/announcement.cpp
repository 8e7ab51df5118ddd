#include "ui/win32/announcement.h"

#include <oleauto.h>
#include <unknwn.h>

namespace morvana {
namespace {

// Declared here: MinGW's headers lack the notification event. The provider
// is an IRawElementProviderSimple, used only as an IUnknown.
constexpr int kActionCompleted = 2;      // NotificationKind_ActionCompleted
constexpr int kImportantMostRecent = 1;  // NotificationProcessing_ImportantMostRecent
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown* provider, int kind, int processing, BSTR text,
                                                BSTR activity);
using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND control, IUnknown** provider);

struct UiAutomation {
  RaiseNotificationEvent raise = nullptr;
  HostProviderFromHwnd host_provider = nullptr;
};

UiAutomation LoadUiAutomation() {
  UiAutomation found;
  HMODULE core = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (core == nullptr) return found;
  found.raise = reinterpret_cast<RaiseNotificationEvent>(
      reinterpret_cast<void*>(GetProcAddress(core, "UiaRaiseNotificationEvent")));
  found.host_provider = reinterpret_cast<HostProviderFromHwnd>(
      reinterpret_cast<void*>(GetProcAddress(core, "UiaHostProviderFromHwnd")));
  if (found.raise == nullptr || found.host_provider == nullptr) {
    FreeLibrary(core);
    return {};
  }
  return found;
}

}  // namespace

void AnnounceThroughUiAutomation(HWND control, std::wstring_view text) {
  static const UiAutomation automation = LoadUiAutomation();  // the program has one UI thread
  if (automation.raise == nullptr) return;
  IUnknown* provider = nullptr;
  if (FAILED(automation.host_provider(control, &provider)) || provider == nullptr) return;
  BSTR said = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  // One activity: a newer result replaces one not yet said.
  BSTR activity = SysAllocString(L"Morvana.Result");
  if (said != nullptr && activity != nullptr) {
    automation.raise(provider, kActionCompleted, kImportantMostRecent, said, activity);
  }
  SysFreeString(activity);
  SysFreeString(said);
  provider->Release();
}

}  // namespace morvana
