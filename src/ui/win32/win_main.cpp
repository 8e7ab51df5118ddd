// Morvana.exe: shows frmMain and runs its message loop until it is closed.

#include <objbase.h>

#include "ui/win32/frm_main.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/, int show_command) {
  // COM carries the controls' accessible names; the window works without it.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int exit_code = 1;
  {
    morvana::frmMain window;
    if (window.Create(instance)) {
      window.Show(show_command);
      exit_code = morvana::RunMessageLoop(window.Window());
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return exit_code;
}
