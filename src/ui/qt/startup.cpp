#include "ui/qt/startup.h"

#include <QApplication>
#include <QIcon>

#include "ui/qt/frm_main.h"

namespace morvana {
namespace {

bool IsSet(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

bool CanOpenWindow(const char* qpa_platform, const char* display, const char* wayland_display) {
  return IsSet(qpa_platform) || IsSet(display) || IsSet(wayland_display);
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
