// morvana: opens frmMain and ends when it is closed. It reads no options of
// its own; Qt's, such as -platform, still work.

#include <QApplication>

#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/startup.h"

int main(int argc, char* argv[]) {
  // Checked before Qt starts: without a display Qt aborts with a page of
  // plugin errors instead of saying what is missing.
  if (!morvana::CanOpenWindow(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                              std::getenv("WAYLAND_DISPLAY"), {argv, static_cast<std::size_t>(argc)})) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(morvana::kNoDisplayMessage.size()),
                 morvana::kNoDisplayMessage.data());
    return EXIT_FAILURE;
  }
  QApplication app(argc, argv);
  return morvana::RunMainWindow();
}
