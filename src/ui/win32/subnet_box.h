#pragma once

// What txtSubnet carries beyond an edit control: a tooltip that tells the
// network its mask stands for, on hover and, for the keyboard, under the box
// while it has the focus; and a context menu of its own that can copy that
// network. frmMain creates it with the box and hands it each description; the
// menu asks the presenter about the network.

#include <string_view>

#include "ui/main_window_presenter.h"
#include "ui/win32/base_window.h"

namespace morvana {

class SubnetBox {
 public:
  // Gives `box`, a child of `window`, its tooltip and its subclass.
  void Create(HWND window, HWND box, MainWindowPresenter& presenter);
  // Ends what Create began, before the window's controls go.
  void Destroy();

  // The tooltip's text on hover; empty switches it off.
  void Describe(std::string_view description);
  // Shows `description` under the box, as the tooltip shows on hover, until
  // an empty one hides it.
  void ShowDescription(std::string_view description);

  // The tooltip keeps system colours of its own.
  void OnSchemeChange() const;

 private:
  static LRESULT CALLBACK Proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                               DWORD_PTR self);

  HWND window_ = nullptr;
  HWND box_ = nullptr;
  HWND tooltip_ = nullptr;  // owned by the window; two tools: the box, and the description shown
  MainWindowPresenter* presenter_ = nullptr;
};

}  // namespace morvana
