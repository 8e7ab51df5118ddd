// The floor for the Linux window's start-up: a Qt Widgets window with a title
// and nothing else, built with the same toolkit and flags.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare Qt window");
  window.show();
  return QApplication::exec();
}
