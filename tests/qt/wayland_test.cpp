// frmMain as a Wayland client. wayland_test.sh runs this on a headless Weston
// of its own with QT_QPA_PLATFORM=wayland; the window must be a real Wayland
// surface that the compositor shows, and a press must run end to end.

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

#include "ui/layout.h"
#include "ui/qt/frm_main.h"
#include "ui/qt/qt_text.h"

namespace morvana {
namespace {

struct TypedAddress {
  AddressSide side;
  std::array<const char*, 4> octets;
};

TEST(wayland_session, frm_main_opens_as_a_wayland_window_and_a_press_shows_the_mask) {
  ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland") << "Qt fell back to another platform";

  FrmMain window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 10000)) << "Weston never showed frmMain";
  EXPECT_EQ(window.width(), layout::TwipsToPixels(layout::kClientWidthTwips, 96)) << "client width";
  EXPECT_EQ(window.height(), layout::TwipsToPixels(layout::kClientHeightTwips, 96)) << "client height";

  const TypedAddress typed[] = {{AddressSide::From, {"10", "0", "0", "1"}},
                                {AddressSide::To, {"10", "0", "3", "5"}}};
  for (const TypedAddress& address : typed) {
    for (int i = 0; i < 4; ++i) {
      const auto position = static_cast<OctetPosition>(i + 1);
      const layout::Control& box = layout::ControlFor(layout::OctetBoxControl(address.side, position));
      auto* edit = window.findChild<QLineEdit*>(ToQString(box.name));
      ASSERT_NE(edit, nullptr) << box.name;
      QTest::keyClicks(edit, address.octets.at(i));
      EXPECT_EQ(edit->text().toStdString(), address.octets.at(i)) << box.name << " took what was typed";
    }
  }
  auto* button = window.findChild<QPushButton*>(QStringLiteral("cmdCalculateSubnet"));
  ASSERT_NE(button, nullptr) << "cmdCalculateSubnet";
  QTest::mouseClick(button, Qt::LeftButton);

  auto* subnet = window.findChild<QLineEdit*>(QStringLiteral("txtSubnet"));
  ASSERT_NE(subnet, nullptr) << "txtSubnet";
  EXPECT_EQ(subnet->text().toStdString(), "255.255.252.0") << "10.0.0.1 to 10.0.3.5";
}

}  // namespace
}  // namespace morvana
