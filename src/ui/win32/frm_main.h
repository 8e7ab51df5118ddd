#pragma once

// frmMain, the Windows window. It realises the layout table with plain Win32
// controls, one named member each, turns their messages into calls on the
// presenter, and carries out what the presenter tells it (PresentedWindow).
// Each of its parts does one job: ControlLooks the colours and edges,
// DpiLayout the rectangles, fonts and labels' clipping at a DPI, FocusMemory
// the focus while the window is inactive; child_controls.h, window_class.h
// and default_button.h make the controls, register the classes and keep
// cmdCalculateSubnet the default button where Wine's dialog manager does not.
//
//   Create    -> WM_CREATE: ControlLooks' brushes, controls in reading order (which keeps the tab order),
//                DpiLayout at the window's DPI, OctetBoxes and SubnetBox take over their boxes,
//                AccessibleNames names the boxes and the button
//   loop      -> ProcessMessage: IsDialogMessage gives Tab, Shift+Tab and Enter
//   BN_CLICKED or Enter -> CalculatePressed -> ReadOctetBox, SetSubnetText, ShowMessage,
//                          DescribeSubnet -> SubnetBox's tooltip, AccessibleNames' description;
//                          Announce -> the Announcer (UI Automation's notification event)
//   EN_SETFOCUS, EN_KILLFOCUS of txtSubnet -> SubnetFocusChanged -> ShowSubnetDescription -> SubnetBox
//   '.', Backspace, a paste (Ctrl+V, Shift+Insert, menu) in an octet box -> OctetBoxes
//                          -> the presenter -> SetOctetBoxText, FocusOctetBox
//   EN_CHANGE of txtSubnet -> SubnetTextChanged
//   right-click, Shift+F10 or the Menu key on a box -> its context menu; txtSubnet's is SubnetBox's,
//                with "Copy &Network" and "Copy Range as 12 &Blocks"
//   WM_MOVE   -> WindowMoved: the description shown under txtSubnet goes with it
//   WM_SYSCOLORCHANGE, High Contrast switched -> colours and box edges decided again, everything repainted
//   WM_DPICHANGED -> fonts, rectangles and the labels' clipping again from twips at the new DPI
//   close     -> WM_DESTROY posts the quit message; fonts and brushes go at WM_NCDESTROY

#include <optional>
#include <string>
#include <string_view>

#include "ui/layout.h"
#include "ui/main_window_presenter.h"
#include "ui/presented_window.h"
#include "ui/win32/accessible_names.h"
#include "ui/win32/announcement.h"
#include "ui/win32/base_window.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/control_looks.h"
#include "ui/win32/dpi_layout.h"
#include "ui/win32/focus_memory.h"
#include "ui/win32/octet_boxes.h"
#include "ui/win32/subnet_box.h"

namespace morvana {

class frmMain final : public BaseWindow<frmMain>, public PresentedWindow {
 public:
  static constexpr const wchar_t* kClassName = L"frmMain";
  // A fixed frame with a minimise button: the layout does not follow a resize.
  static constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

  explicit frmMain(HighContrastQuery high_contrast = &SystemHighContrast,
                   Announcer announce = &AnnounceThroughUiAutomation)
      : announce_(announce), looks_(high_contrast) {}
  // Destroys the window while the members its last messages use still live.
  ~frmMain() override;
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;
  frmMain(frmMain&&) = delete;
  frmMain& operator=(frmMain&&) = delete;

  // Creates the window, not yet shown, where Windows places a new window.
  [[nodiscard]] bool Create(HINSTANCE instance);
  // Shows it with the focus in txtFromFirstOctet.
  void Show(int show_command);

  [[nodiscard]] HWND ControlWindow(layout::ControlId id) const;
  // The child window id of a control, as WM_COMMAND and GetDlgItem know it.
  [[nodiscard]] static int ChildId(layout::ControlId id) { return kFirstChildId + static_cast<int>(id); }
  [[nodiscard]] UINT Dpi() const { return dpi_layout_.Dpi(); }

  [[nodiscard]] std::string ReadOctetBox(AddressSide side, OctetPosition position) const override;
  void SetSubnetText(std::string_view text) override;
  void ShowMessage(std::string_view text) override;
  void SetOctetBoxText(OctetBoxRef box, std::string_view text) override;
  void FocusOctetBox(OctetBoxRef box, CaretPlacement caret) override;
  void DescribeSubnet(std::string_view description) override;
  void ShowSubnetDescription(std::string_view description) override;
  void Announce(std::string_view text) override;
  [[nodiscard]] std::optional<layout::ControlId> FocusedControl() const override;
  void FocusControl(layout::ControlId control) override;

 private:
  friend class BaseWindow<frmMain>;
  static constexpr int kFirstChildId = 100;  // Label4's; each row's is one more
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  bool OnCreate();
  void OnDestroy();
  LRESULT OnControlColour(UINT message, WPARAM wparam, LPARAM lparam);
  void OnSchemeChange();
  void HookControls();
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR kind,
                                      DWORD_PTR self);
  void NameControlsForAccessibility();

  // The control `child` is, or nothing for any other window.
  [[nodiscard]] std::optional<layout::ControlId> ControlOf(HWND child) const;
  [[nodiscard]] const HWND& Named(layout::ControlId id) const { return controls_.at(layout::RowOf(id)); }

  MainWindowPresenter presenter_{*this};  // declared first: the boxes' handlers use it
  Announcer announce_;
  ControlLooks looks_;
  DpiLayout dpi_layout_;
  FocusMemory focus_;
  bool hooked_ = false;  // ControlProc subclasses the boxes and the button

  AccessibleNames accessible_names_;  // and txtSubnet's description
  OctetBoxes octet_boxes_{presenter_};
  SubnetBox subnet_box_;

  // Every control by its row in the table, made in reading order at WM_CREATE.
  ControlWindows controls_{};
  // The same controls by name. frmMain is neither copied nor moved, so they
  // stay bound to the array.
  const HWND& Label4 = Named(layout::ControlId::Label4);
  const HWND& Label3 = Named(layout::ControlId::Label3);
  const HWND& Label1 = Named(layout::ControlId::Label1);
  const HWND& txtFromFirstOctet = Named(layout::ControlId::txtFromFirstOctet);
  const HWND& txtFromSecondOctet = Named(layout::ControlId::txtFromSecondOctet);
  const HWND& txtFromThirdOctet = Named(layout::ControlId::txtFromThirdOctet);
  const HWND& txtFromFourthOctet = Named(layout::ControlId::txtFromFourthOctet);
  const HWND& cmdCalculateSubnet = Named(layout::ControlId::cmdCalculateSubnet);
  const HWND& Label2 = Named(layout::ControlId::Label2);
  const HWND& txtToFirstOctet = Named(layout::ControlId::txtToFirstOctet);
  const HWND& txtToSecondOctet = Named(layout::ControlId::txtToSecondOctet);
  const HWND& txtToThirdOctet = Named(layout::ControlId::txtToThirdOctet);
  const HWND& txtToFourthOctet = Named(layout::ControlId::txtToFourthOctet);
  const HWND& txtSubnet = Named(layout::ControlId::txtSubnet);
};

// One message of the loop: Tab, Shift+Tab and Enter are handled as in a
// dialog box, everything else is dispatched.
void ProcessMessage(HWND window, MSG& message);
// The loop itself, until the window is closed; returns the exit code.
int RunMessageLoop(HWND window);

}  // namespace morvana
