#pragma once

// The accessible names of frmMain's boxes and button, and txtSubnet's
// description, as every Windows screen reader reads them. The annotation
// service carries them where it works. Where it is missing or refuses (Wine's
// returns E_NOTIMPL), each control answers WM_GETOBJECT with its standard
// accessible object, wrapped so that it gives the name, the description and
// the role; everything else is the standard object's.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/base_window.h"

struct IAccPropServices;

namespace morvana {

class AccessibleControl;

class AccessibleNames {
 public:
  AccessibleNames() = default;
  ~AccessibleNames() { Release(); }
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;
  AccessibleNames(AccessibleNames&&) = delete;
  AccessibleNames& operator=(AccessibleNames&&) = delete;

  // Gives `control` its name. `role` (ROLE_SYSTEM_...) is what Windows'
  // standard object says of it, and Wine's may not.
  void Name(HWND control, std::string_view name, LONG role);
  // The description of a named control; empty removes it.
  void Describe(HWND control, std::string_view description);
  // What a named control answers WM_GETOBJECT with, where the service
  // failed; nothing where the control's own answer stands.
  [[nodiscard]] std::optional<LRESULT> AnswerGetObject(HWND control, WPARAM wparam, LPARAM lparam);
  [[nodiscard]] bool Answering() const { return answering_; }
  // Drops the service and every object, before the controls go (WM_DESTROY).
  // A client may hold an object longer: it then keeps its texts.
  void Release();

 private:
  struct Named {
    HWND control;
    std::wstring name;
    std::wstring description;
    LONG role;
    AccessibleControl* object;  // made at the first WM_GETOBJECT, one reference ours
  };

  bool Annotate(const Named& named);
  void AnswerEveryObject();

  std::vector<Named> named_;
  IAccPropServices* annotations_ = nullptr;
  bool started_ = false;
  bool answering_ = false;  // through AnswerGetObject
};

}  // namespace morvana
