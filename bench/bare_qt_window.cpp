// The floor for the Linux window's start-up: a Qt Widgets window with a title
// and nothing else, built with the same toolkit and flags. With the argument
// "text" it also holds one text box, which is what any text costs at start.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare Qt window");
  if (QApplication::arguments().contains("text")) new QLineEdit(&window);
  window.show();
  return QApplication::exec();
}
