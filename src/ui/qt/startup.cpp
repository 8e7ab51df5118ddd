#include "ui/qt/startup.h"

#include <QApplication>
#include <QIcon>

#include <cstddef>

#include "ui/qt/frm_main.h"

namespace morvana {
namespace {

bool IsSet(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

bool CanOpenWindow(const char* qpa_platform, const char* display, const char* wayland_display,
                   std::span<const char* const> arguments) {
  if (IsSet(qpa_platform) || IsSet(display) || IsSet(wayland_display)) return true;
  // As Qt reads it: the option, then its value as the next argument.
  for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
    const std::string_view option = arguments[i] != nullptr ? arguments[i] : "";
    if ((option == "-platform" || option == "--platform") && IsSet(arguments[i + 1])) return true;
  }
  return false;
}

int RunMainWindow() {
  QApplication::setApplicationName(QStringLiteral("Morvana"));
  // The application id: lets the desktop match the window to
  // example.kestiva.Morvana.desktop and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.kestiva.Morvana"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/morvana.ico")));
  FrmMain window;
  window.show();
  return QApplication::exec();
}

}  // namespace morvana
