#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string_view>

#include "ui/layout.h"
#include "ui/qt/frm_main.h"
#include "ui/qt/qt_text.h"

#include <ostream>

// Readable failure output for the Qt types the tests compare.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QColor& colour, std::ostream* os) {
  *os << colour.name().toStdString();
}

namespace morvana {

inline QRect PixelRect(const layout::TwipsRect& r) {
  return {layout::TwipsToPixels(r.left, 96), layout::TwipsToPixels(r.top, 96),
          layout::TwipsToPixels(r.width, 96), layout::TwipsToPixels(r.height, 96)};
}

// A shown, active frmMain, found control by control through object names.
class WindowTest : public testing::Test {
 protected:
  WindowTest() {
    window_.show();
    window_.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window_)) << "frmMain never became active";
  }

  template <typename T = QWidget>
  T* Find(std::string_view name) const {
    T* found = window_.findChild<T*>(ToQString(name));
    EXPECT_NE(found, nullptr) << "no " << name << " of the expected kind";
    return found;
  }
  QLineEdit* Box(AddressSide side, OctetPosition position) const {
    return Find<QLineEdit>(layout::ControlFor(layout::OctetBoxControl(side, position)).name);
  }
  QString Focused() const { return window_.focusWidget() ? window_.focusWidget()->objectName() : QString(); }

  FrmMain window_;
};

}  // namespace morvana
