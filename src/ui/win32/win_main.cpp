// Morvana.exe: shows frmMain and runs its message loop until it is closed.

#include <objbase.h>

#include <cstdlib>

#include "ui/win32/frm_main.h"

// A GUI program has no console for libstdc++'s verbose terminate message, and
// that handler pulls in its whole name demangler (about 45 KB). Abort quietly.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

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
