#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
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

struct SeenMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  bool modal;
};

// Runs press(); answers the message box it opens with OK and returns what the
// box showed while it was up. The timer dies here, so it never answers a box
// of a later test. A modal window of another kind fails the test after a
// while and is closed, instead of holding the press for ever.
inline std::optional<SeenMessage> CatchMessage(
    const std::function<void()>& press, std::chrono::milliseconds every = std::chrono::milliseconds(5)) {
  constexpr std::chrono::seconds kDeadline(10);
  std::optional<SeenMessage> seen;
  QTimer answer;
  const auto started = std::chrono::steady_clock::now();
  QObject::connect(&answer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (modal != nullptr && box == nullptr && std::chrono::steady_clock::now() - started > kDeadline) {
      ADD_FAILURE() << "no message box within " << kDeadline.count() << " s: a "
                    << modal->metaObject()->className() << " held the press";
      modal->close();
      return;
    }
    if (box == nullptr || seen) return;
    seen = SeenMessage{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                       box->isModal() && QApplication::activeModalWidget() == box};
    box->button(QMessageBox::Ok)->click();
  });
  answer.start(every);
  press();
  return seen;
}

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
