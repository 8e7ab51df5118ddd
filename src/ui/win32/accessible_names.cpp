#include "ui/win32/accessible_names.h"

#include <oleacc.h>

#include <array>
#include <utility>

#include "ui/win32/wide_text.h"

namespace morvana {

// A control's standard accessible object with its name and description
// given by us. Made without exceptions or run-time types, as the program is.
class AccessibleControl final : public IAccessible {
 public:
  AccessibleControl(IAccessible* standard, std::wstring name, std::wstring description, LONG role)
      : standard_(standard), name_(std::move(name)), description_(std::move(description)), role_(role) {}
  ~AccessibleControl() { standard_->Release(); }
  AccessibleControl(const AccessibleControl&) = delete;
  AccessibleControl& operator=(const AccessibleControl&) = delete;
  AccessibleControl(AccessibleControl&&) = delete;
  AccessibleControl& operator=(AccessibleControl&&) = delete;

  void SetDescription(std::wstring description) { description_ = std::move(description); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IAccessible) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch: the standard object's type information, invoked on this
  // object, so that a client through IDispatch reads our texts too.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID /*iid*/, LCID locale, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT* wrong_argument) override {
    ITypeInfo* info = nullptr;
    const HRESULT got = standard_->GetTypeInfo(0, locale, &info);
    if (FAILED(got)) return got;
    const HRESULT invoked = info->Invoke(static_cast<IAccessible*>(this), id, flags, parameters, result,
                                         exception, wrong_argument);
    info->Release();
    return invoked;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    return Give(name_, name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (!IsSelf(child)) return standard_->get_accDescription(child, description);
    return Give(description_, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) return standard_->get_accRole(child, role);
    if (role == nullptr) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = role_;
    return S_OK;
  }

  // Everything else is the standard object's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
    return standard_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
  // S_FALSE with no text for an empty one, as the standard object answers.
  static HRESULT Give(const std::wstring& text, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    *out = text.empty() ? nullptr : SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (text.empty()) return S_FALSE;
    return *out == nullptr ? E_OUTOFMEMORY : S_OK;
  }

  IAccessible* standard_;
  std::wstring name_;
  std::wstring description_;
  LONG role_;
  ULONG references_ = 1;
};

void AccessibleNames::Name(HWND control, std::string_view name, LONG role) {
  if (!started_) {
    started_ = true;
    void* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                   &services))) {
      annotations_ = static_cast<IAccPropServices*>(services);
    } else {  // COM not started, or a system without the service
      answering_ = true;
    }
  }
  named_.push_back({control, WideFromUtf8(name), {}, role, nullptr});
  if (!answering_ && !Annotate(named_.back())) AnswerEveryObject();
}

void AccessibleNames::Describe(HWND control, std::string_view description) {
  for (Named& named : named_) {
    if (named.control != control) continue;
    named.description = WideFromUtf8(description);
    if (named.object != nullptr) named.object->SetDescription(named.description);
    if (annotations_ != nullptr && !Annotate(named)) AnswerEveryObject();
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
  }
}

void AccessibleNames::Release() {
  if (annotations_ != nullptr) {
    std::array<MSAAPROPID, 2> properties{PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (const Named& named : named_) {
      annotations_->ClearHwndProps(named.control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   properties.data(), properties.size());
    }
    annotations_->Release();
    annotations_ = nullptr;
  }
  for (Named& named : named_) {
    if (named.object != nullptr) named.object->Release();
    named.object = nullptr;
  }
  answering_ = false;
}

// False when the service refused either text.
bool AccessibleNames::Annotate(const Named& named) {
  const auto client = static_cast<DWORD>(OBJID_CLIENT);
  if (FAILED(annotations_->SetHwndPropStr(named.control, client, CHILDID_SELF, PROPID_ACC_NAME,
                                          named.name.c_str()))) {
    return false;
  }
  if (!named.description.empty()) {
    return SUCCEEDED(annotations_->SetHwndPropStr(named.control, client, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                                  named.description.c_str()));
  }
  MSAAPROPID description = PROPID_ACC_DESCRIPTION;
  return SUCCEEDED(annotations_->ClearHwndProps(named.control, client, CHILDID_SELF, &description, 1));
}

// The service failed: nothing of it stays, and every control answers itself.
void AccessibleNames::AnswerEveryObject() {
  Release();
  answering_ = true;
}

std::optional<LRESULT> AccessibleNames::AnswerGetObject(HWND control, WPARAM wparam, LPARAM lparam) {
  // The object id comes as a DWORD in the low half of lparam.
  if (!answering_ || static_cast<DWORD>(lparam) != static_cast<DWORD>(OBJID_CLIENT)) return std::nullopt;
  for (Named& named : named_) {
    if (named.control != control) continue;
    if (named.object == nullptr) {
      void* standard = nullptr;
      if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible, &standard))) break;
      named.object = new AccessibleControl(static_cast<IAccessible*>(standard), named.name, named.description,
                                           named.role);
    }
    return LresultFromObject(IID_IAccessible, wparam, static_cast<IAccessible*>(named.object));
  }
  return std::nullopt;
}

}  // namespace morvana
