#include "ui/win32/frm_main.h"

#include <commctrl.h>
#include <oleacc.h>

#include <cstddef>

#include "ui/win32/default_button.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_class.h"

namespace morvana {

using layout::ControlId;
using layout::ControlKind;

bool frmMain::Create(HINSTANCE instance) {
  RegisterWindowClasses(instance, kClassName, &frmMain::WindowProc);
  const SIZE size = FrameSize(kStyle, GetDpiForSystem());
  const std::wstring title = WideFromUtf8(layout::kApplicationTitle);
  return CreateWindowExW(0, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy,
                         nullptr, nullptr, instance, this) != nullptr;
}

frmMain::~frmMain() {
  if (Window() != nullptr) DestroyWindow(Window());
}

void frmMain::Show(int show_command) {
  ShowWindow(Window(), show_command);
  UpdateWindow(Window());
  focus_.Restore();
}

HWND frmMain::ControlWindow(ControlId id) const {
  return Named(id);
}

// A window of another parent, or one frmMain did not make, may carry the id
// of one of its controls: only the control itself counts.
std::optional<ControlId> frmMain::ControlOf(HWND child) const {
  if (child == nullptr) return std::nullopt;
  const int row = GetDlgCtrlID(child) - kFirstChildId;
  if (row < 0 || row >= layout::kControlCount || controls_.at(static_cast<std::size_t>(row)) != child) {
    return std::nullopt;
  }
  return static_cast<ControlId>(row);
}

std::string frmMain::ReadOctetBox(AddressSide side, OctetPosition position) const {
  return Utf8FromWide(WindowText(ControlWindow(layout::OctetBoxControl(side, position))));
}

void frmMain::SetSubnetText(std::string_view text) {
  SetWindowTextW(txtSubnet, WideFromUtf8(text).c_str());
}

// MessageBox hands the activation back to the window, but not the focus
// inside it: the presenter says where that goes.
void frmMain::ShowMessage(std::string_view text) {
  const std::wstring title = WideFromUtf8(layout::kApplicationTitle);
  MessageBoxW(Window(), WideFromUtf8(text).c_str(), title.c_str(), MB_OK);
  presenter_.MessageDismissed();
}

void frmMain::SetOctetBoxText(OctetBoxRef box, std::string_view text) {
  SetWindowTextW(ControlWindow(layout::OctetBoxControl(box)), WideFromUtf8(text).c_str());
}

void frmMain::FocusOctetBox(OctetBoxRef box, CaretPlacement caret) {
  HWND target = ControlWindow(layout::OctetBoxControl(box));
  SetFocus(target);
  if (caret == CaretPlacement::SelectAll) {
    SendMessageW(target, EM_SETSEL, 0, -1);
  } else {
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(target));
    SendMessageW(target, EM_SETSEL, end, static_cast<LPARAM>(end));
  }
}

void frmMain::DescribeSubnet(std::string_view description) {
  subnet_box_.Describe(description);
  accessible_names_.Describe(txtSubnet, description);
  HookControls();
}

void frmMain::ShowSubnetDescription(std::string_view description) {
  subnet_box_.ShowDescription(description);
}

// Said of txtSubnet, where the result stands.
void frmMain::Announce(std::string_view text) {
  announce_(txtSubnet, WideFromUtf8(text));
}

std::optional<layout::ControlId> frmMain::FocusedControl() const {
  return ControlOf(GetFocus());
}

void frmMain::FocusControl(layout::ControlId control) {
  SetFocus(ControlWindow(control));
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_COMMAND:
      if (LOWORD(wparam) == ChildId(ControlId::cmdCalculateSubnet) && HIWORD(wparam) == BN_CLICKED) {
        presenter_.CalculatePressed();
        return 0;
      }
      if (LOWORD(wparam) == ChildId(ControlId::txtSubnet)) {
        if (HIWORD(wparam) == EN_CHANGE) presenter_.SubnetTextChanged();
        if (HIWORD(wparam) == EN_SETFOCUS || HIWORD(wparam) == EN_KILLFOCUS) {
          presenter_.SubnetFocusChanged(HIWORD(wparam) == EN_SETFOCUS);
        }
      }
      if (HIWORD(wparam) == EN_SETFOCUS) KeepDefaultButtonLater(Window());
      break;
    case kKeepDefaultButton:
      KeepDefaultButton(cmdCalculateSubnet);
      return 0;
    case DM_GETDEFID:  // IsDialogMessage asks this when Enter is pressed in a box
      return MAKELRESULT(ChildId(ControlId::cmdCalculateSubnet), DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return OnControlColour(message, wparam, lparam);
    case WM_SYSCOLORCHANGE:
      OnSchemeChange();
      return 0;
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETHIGHCONTRAST) OnSchemeChange();
      break;
    case WM_ACTIVATE:
      focus_.OnActivate(Window(), wparam);
      return 0;
    case WM_SETFOCUS:
      focus_.Restore();
      return 0;
    case WM_MOVE:
      presenter_.WindowMoved();
      break;
    case WM_GETDPISCALEDSIZE: {  // the exact client area at the new DPI, not a scaled frame
      *reinterpret_cast<SIZE*>(lparam) = FrameSize(kStyle, static_cast<UINT>(wparam));
      return TRUE;
    }
    case WM_DPICHANGED: {
      dpi_layout_.ScaleTo(layout::kControls, controls_, HIWORD(wparam));
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(Window(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      OnDestroy();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:  // the controls are gone: nothing uses the fonts and brushes any more
      dpi_layout_.Release();
      looks_.Release();
      break;
    default:
      break;
  }
  return DefWindowProcW(Window(), message, wparam, lparam);
}

bool frmMain::OnCreate() {
  looks_.Decide(layout::kControls);
  for (const ControlId id : layout::kReadingOrder) {
    HWND& control = controls_.at(layout::RowOf(id));
    control = CreateControl(Window(), layout::ControlFor(id), ChildId(id));
    if (control == nullptr) return false;
    if (const auto box = layout::OctetBoxOf(id)) octet_boxes_.Add(control, *box);
  }
  focus_.Start(txtFromFirstOctet);
  subnet_box_.Create(Window(), txtSubnet, presenter_);

  const UINT dpi = GetDpiForWindow(Window());
  dpi_layout_.ScaleTo(layout::kControls, controls_, dpi);
  const SIZE size = FrameSize(kStyle, dpi);
  SetWindowPos(Window(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  NameControlsForAccessibility();
  HookControls();
  return true;
}

void frmMain::OnDestroy() {
  subnet_box_.Destroy();
  accessible_names_.Release();
}

LRESULT frmMain::OnControlColour(UINT message, WPARAM wparam, LPARAM lparam) {
  // The default handling sets the text colour of the control's kind.
  const LRESULT standard = DefWindowProcW(Window(), message, wparam, lparam);
  const auto control = ControlOf(reinterpret_cast<HWND>(lparam));
  if (!control) return standard;
  return reinterpret_cast<LRESULT>(looks_.Paint(layout::ControlFor(*control), reinterpret_cast<HDC>(wparam)));
}

// Subclasses the boxes and the button while there is anything to add to
// them (below), and only then: under Wine a subclass costs each message of
// the control a few server calls.
void frmMain::HookControls() {
  const bool wanted = looks_.DrawsEdges() || accessible_names_.Answering();
  if (wanted == hooked_) return;
  hooked_ = wanted;
  for (const layout::Control& control : layout::kControls) {
    if (control.kind == ControlKind::Label) continue;
    const auto kind = static_cast<UINT_PTR>(control.kind);
    if (wanted) {
      SetWindowSubclass(ControlWindow(control.id), &ControlProc, kind, reinterpret_cast<DWORD_PTR>(this));
    } else {
      RemoveWindowSubclass(ControlWindow(control.id), &ControlProc, kind);
    }
  }
}

// What frmMain adds to each box and the button: the accessible object, where
// the annotation service failed, and an edge that stands out, drawn over each
// box after its own paint.
LRESULT CALLBACK frmMain::ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR kind,
                                      DWORD_PTR self) {
  auto& window = *reinterpret_cast<frmMain*>(self);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(control, &ControlProc, kind);
  if (message == WM_GETOBJECT) {
    if (const auto answer = window.accessible_names_.AnswerGetObject(control, wparam, lparam)) return *answer;
  }
  const LRESULT result = DefSubclassProc(control, message, wparam, lparam);
  const bool painted = message == WM_PAINT || message == WM_NCPAINT;
  if (painted && kind == static_cast<UINT_PTR>(ControlKind::TextBox)) window.looks_.DrawEdge(control);
  return result;
}

// A new scheme, or High Contrast switched: the controls cache nothing of our
// colours, so deciding again and repainting is enough. The common controls
// keep system colours of their own and hear of the change from us.
void frmMain::OnSchemeChange() {
  looks_.Decide(layout::kControls);
  HookControls();
  for (HWND control : controls_) SendMessageW(control, WM_SYSCOLORCHANGE, 0, 0);
  subnet_box_.OnSchemeChange();
  RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// Win32 has no way to make "From:" and "To:" label a group of four boxes
// short of a group box, which would change the window's looks; so each box
// carries its own name, and the labels read just before their boxes.
void frmMain::NameControlsForAccessibility() {
  for (const ControlId id : layout::kReadingOrder) {
    const layout::Control& control = layout::ControlFor(id);
    if (control.accessible_name.empty()) continue;
    const LONG role = control.kind == ControlKind::Button ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_TEXT;
    accessible_names_.Name(ControlWindow(id), control.accessible_name, role);
  }
}

void ProcessMessage(HWND window, MSG& message) {
  if (IsWindow(window) && IsDialogMessageW(window, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int RunMessageLoop(HWND window) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) ProcessMessage(window, message);
  return static_cast<int>(message.wParam);
}

}  // namespace morvana
