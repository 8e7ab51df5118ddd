// The window tests need a QApplication. They draw offscreen unless told
// otherwise, so they run without a display and always at 96 DPI.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
