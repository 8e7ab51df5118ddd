// frmMain as a screen reader reads it: over the AT-SPI bus, through
// atspi_listen.py in another process. scripts/atspi_session.sh starts the
// buses and a display, since Qt's offscreen platform has no AT-SPI bridge.

#include <QProcess>
#include <QRegularExpression>

#include "window_fixture.h"

namespace morvana {
namespace {

class frm_main_atspi : public WindowTest {
 protected:
  void SetUp() override {
    QObject::connect(&listener_, &QProcess::readyReadStandardOutput, [this] {
      while (listener_.canReadLine()) heard_.append(QString::fromUtf8(listener_.readLine()).chopped(1));
    });
    listener_.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(MORVANA_ATSPI_LISTEN), QString::number(QCoreApplication::applicationPid())});
    const bool ended = QTest::qWaitFor(
        [this] { return heard_.contains("ready") || listener_.state() == QProcess::NotRunning; }, 20000);
    ASSERT_TRUE(ended && heard_.contains("ready"))
        << "the listener never found frmMain: " << listener_.readAllStandardError().toStdString();
  }
  void TearDown() override {
    listener_.closeWriteChannel();  // it ends when its input closes
    if (!listener_.waitForFinished(5000)) listener_.kill();
  }
  [[nodiscard]] QStringList Heard(const QString& kind) const {
    return heard_.filter(QRegularExpression('^' + kind));
  }

  QProcess listener_;
  QStringList heard_;
};

TEST_F(frm_main_atspi, children_read_in_order_labels_name_their_boxes_and_every_press_is_shown) {
  QStringList expected;
  for (const layout::ControlId id : layout::kReadingOrder) {
    const layout::Control& row = layout::ControlFor(id);
    if (row.kind != layout::ControlKind::Label) {
      expected << QStringLiteral("child %1|%2|")
                      .arg(row.kind == layout::ControlKind::Button ? "push button" : "text",
                           ToQString(row.accessible_name));
      continue;
    }
    QStringList boxes;
    for (const AddressSide side : {AddressSide::From, AddressSide::To}) {
      if (id != layout::AddressLabel(side)) continue;
      for (int position = 1; position <= 4; ++position) {
        boxes << ToQString(
            layout::ControlFor(layout::OctetBoxControl(side, static_cast<OctetPosition>(position)))
                .accessible_name);
      }
    }
    expected << QStringLiteral("child label|%1|%2").arg(ToQString(row.caption), boxes.join(','));
  }
  expected << QStringLiteral("child notification||");  // hidden until a press
  EXPECT_EQ(Heard("child "), expected);

  // Every press shows the notification, and the focus stays.
  const char* const octets[] = {"10", "0", "0", "1", "10", "0", "3", "5"};  // From, then To
  for (int at = 0; at < 8; ++at) {
    Box(at < 4 ? AddressSide::From : AddressSide::To, static_cast<OctetPosition>(at % 4 + 1))
        ->setText(octets[at]);
  }
  QLineEdit* box = Box(AddressSide::To, OctetPosition::Fourth);
  box->setFocus();
  const QString said = QStringLiteral(
      "showing notification|Subnet mask 255.255.252.0. 10.0.0.0/22: 10.0.0.0 to 10.0.3.255, "
      "1,024 addresses, 251 of them outside the range (12 blocks cover it exactly)");
  // The second text differs, or Orca would not say it again.
  const QStringList heard[] = {{said}, {said, said + QChar(0x00A0)}};
  for (const QStringList& after : heard) {
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Heard("showing ").size() >= after.size(); }, 5000))
        << "nothing showed after press " << after.size();
    EXPECT_EQ(Heard("showing "), after) << "after press " << after.size();
    EXPECT_EQ(Focused(), "txtToFourthOctet") << "press " << after.size();
    EXPECT_FALSE(box->hasSelectedText() || Find<QLineEdit>("txtSubnet")->hasSelectedText())
        << "press " << after.size();
  }
}

}  // namespace
}  // namespace morvana
