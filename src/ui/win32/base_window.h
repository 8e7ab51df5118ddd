#pragma once

// One C++ object per top-level window: the static window procedure stores the
// object's `this` at WM_NCCREATE and hands every later message to it, until
// the window or the object goes, whichever is first.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace morvana {

template <class Derived>
class BaseWindow {
 public:
  BaseWindow() = default;
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;
  BaseWindow(BaseWindow&&) = delete;
  BaseWindow& operator=(BaseWindow&&) = delete;

  [[nodiscard]] HWND Window() const { return hwnd_; }

  // The window class's procedure; the object's HandleMessage does the work.
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    Derived* self = nullptr;
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      self = static_cast<Derived*>(create->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);

    const LRESULT result = self->HandleMessage(message, wparam, lparam);
    if (message == WM_NCDESTROY) {
      // The window is gone; the object may outlive it.
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return result;
  }

 protected:
  // By now the derived object is gone, so the window is cut loose from it
  // first: its last messages (WM_DESTROY, WM_NCDESTROY) get the default
  // handling. A window that needs its own handlers for them destroys itself
  // in its own destructor, as frmMain does.
  ~BaseWindow() {
    if (hwnd_ == nullptr) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace morvana
