// Morvana.html's program: builds frmMain on the page and returns. From then
// on the page's events drive it through morvana_route, and the window lives
// as long as the page.

#include "ui/web/dom.h"
#include "ui/web/frm_main.h"

namespace {

morvana::FrmMain* the_window = nullptr;

}  // namespace

extern "C" int morvana_route(int route) {
  return the_window != nullptr && the_window->HandleEvent(route) ? 1 : 0;
}

int main() {
  static morvana::FrmMain window;
  the_window = &window;
  return 0;
}
