// Each route by which a key or a paste reaches the shared entry rules, driven
// as a user drives the window. The rules themselves are tested in tests/ui.

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>

#include <functional>

#include "ui/calculate_command.h"
#include "window_fixture.h"

namespace morvana {
namespace {

// Pastes the clipboard through the box's context menu, as a right click does.
void PasteByMenu(QLineEdit* box) {
  QContextMenuEvent open(QContextMenuEvent::Mouse, box->rect().center(),
                         box->mapToGlobal(box->rect().center()));
  QApplication::sendEvent(box, &open);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr) << "no context menu";
  QAction* paste = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->objectName() == "edit-paste") paste = action;
  }
  ASSERT_NE(paste, nullptr) << "no Paste in the context menu";
  ASSERT_TRUE(paste->isEnabled()) << "Paste disabled with text on the clipboard";
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the menu stays open after Paste";
}

class frm_main_entry : public WindowTest {
 protected:
  // "From|To" with the eight texts, e.g. "10.0.0.1|10.0.3.5".
  QString Boxes() const {
    QString text;
    for (const OctetBox& box : kOctetBoxes) {
      if (box.position != OctetPosition::First) text += '.';
      if (box.side == AddressSide::To && box.position == OctetPosition::First) text += '|';
      text += Box(box.side, box.position)->text();
    }
    return text;
  }
  void SetBoxes(const QString& from_and_to) {
    const QStringList texts = from_and_to.split(QRegularExpression("[.|]"));
    int at = 0;
    for (const OctetBox& box : kOctetBoxes) Box(box.side, box.position)->setText(texts.value(at++));
  }
  // The focused box, with its selection or caret: "txtToFourthOctet end".
  QString FocusAndCaret() const {
    const auto* box = qobject_cast<const QLineEdit*>(window_.focusWidget());
    if (box == nullptr) return Focused();
    if (box->hasSelectedText()) return Focused() + " selected " + box->selectedText();
    return Focused() + (box->cursorPosition() == box->text().size() ? " end" : " caret inside");
  }
};

struct RouteCase {
  const char* name;
  const char* boxes;      // before: "From|To"
  const char* clipboard;  // nullptr leaves it alone
  const char* box;        // where the route starts
  std::function<void(QLineEdit*)> route;
  const char* expected_boxes;
  const char* expected_focus;
};

TEST_F(frm_main_entry, keys_and_pastes_reach_the_rules_by_every_route) {
  const auto keys = [](const char* typed) {
    return [typed](QLineEdit* box) { QTest::keyClicks(box, typed); };
  };
  const auto key = [](Qt::Key k, Qt::KeyboardModifiers m) {
    return [=](QLineEdit* box) { QTest::keyClick(box, k, m); };
  };
  const auto ctrl_v = [](QLineEdit* box) { QTest::keySequence(box, QKeySequence::Paste); };
  const auto drop = [](const char* text) {
    return [text](QLineEdit* box) {
      QMimeData dragged;
      dragged.setText(QString::fromUtf8(text));
      QDragEnterEvent enter(box->rect().center(), Qt::CopyAction, &dragged, Qt::LeftButton, {});
      QDropEvent dropped(box->rect().center(), Qt::CopyAction, &dragged, Qt::LeftButton, {});
      QApplication::sendEvent(box, &enter);  // a drop goes where the drag entered
      QApplication::sendEvent(box, &dropped);
    };
  };
  const RouteCase cases[] = {
      {"dot_moves_on_and_selects", "1.7.3.4|...", nullptr, "txtFromFirstOctet", keys("10."), "110.7.3.4|...",
       "txtFromSecondOctet selected 7"},
      {"dot_in_a_fourth_box_is_dropped", "...|...", nullptr, "txtToFourthOctet", keys("5."), "...|...5",
       "txtToFourthOctet end"},
      {"number_pad_comma_moves_on_as_a_dot", "...|...", nullptr, "txtFromFirstOctet",
       [](QLineEdit* box) {
         QTest::keyClicks(box, "10"), QTest::keyClick(box, Qt::Key_Comma, Qt::KeypadModifier);
       },
       "10...|...", "txtFromSecondOctet end"},
      {"dot_after_selecting_back_to_the_start_is_dropped", "10...|...", nullptr, "txtFromFirstOctet",
       [](QLineEdit* box) {
         QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier), QTest::keyClicks(box, ".");
       },
       "10...|...", "txtFromFirstOctet selected 10"},
      {"backspace_in_an_empty_box_goes_back", "...|192...", nullptr, "txtToSecondOctet",
       key(Qt::Key_Backspace, Qt::NoModifier), "...|192...", "txtToFirstOctet end"},
      {"backspace_with_text_deletes", ".12..|...", nullptr, "txtFromSecondOctet",
       key(Qt::Key_Backspace, Qt::NoModifier), ".1..|...", "txtFromSecondOctet end"},
      {"ctrl_v_range_fills_from_and_to", "...|...", "10.0.0.1-10.0.3.5", "txtToThirdOctet", ctrl_v,
       "10.0.0.1|10.0.3.5", "txtToFourthOctet end"},
      {"shift_insert_cidr_block", "...|...", "10.1.2.3/22", "txtFromFirstOctet",
       key(Qt::Key_Insert, Qt::ShiftModifier), "10.1.0.0|10.1.3.255", "txtToFourthOctet end"},
      {"ctrl_v_other_text_pastes_plainly", "...|...", "1.2.3.4/33", "txtFromFirstOctet", ctrl_v,
       "1.2....|...", "txtFromFirstOctet end"},
      {"menu_range_with_en_dash", "...|...", "192.168.10.7 \xE2\x80\x93 192.168.11.200", "txtFromFirstOctet",
       PasteByMenu, "192.168.10.7|192.168.11.200", "txtToFourthOctet end"},
      {"menu_other_text_pastes_plainly", "...|...", "234567", "txtFromThirdOctet", PasteByMenu, "..2345.|...",
       "txtFromThirdOctet end"},
      {"dropped_range_fills_from_and_to", "...|...", nullptr, "txtToFirstOctet", drop("10.0.0.1 10.0.3.5"),
       "10.0.0.1|10.0.3.5", "txtToFourthOctet end"},
      {"dropped_other_text_drops_plainly", "...|...", nullptr, "txtFromFirstOctet", drop("123456"),
       "1234...|...", "txtFromFirstOctet end"},
  };
  for (const RouteCase& c : cases) {
    SetBoxes(c.boxes);
    if (c.clipboard != nullptr) QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    auto* box = Find<QLineEdit>(c.box);
    box->setFocus();
    box->end(false);
    c.route(box);
    EXPECT_EQ(Boxes(), QString(c.expected_boxes)) << c.name;
    EXPECT_EQ(FocusAndCaret(), QString(c.expected_focus)) << c.name;
  }
}

TEST_F(frm_main_entry, txt_subnet_menu_copies_the_network_and_its_blocks_until_a_hand_edit) {
  // The last two items, "network|blocks", of the menu that a right click or
  // Shift+F10 opens; "-" for a greyed item. (The Menu key reaches the box
  // as a right click does, from the platform.)
  const auto open_menu = [](QLineEdit* box, Qt::Key key) -> QString {
    QContextMenuEvent click(QContextMenuEvent::Mouse, box->rect().center(),
                            box->mapToGlobal(box->rect().center()));
    key == Qt::Key_unknown ? void(QApplication::sendEvent(box, &click))
                           : QTest::keyClick(box, key, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return "no menu";
    const QList<QAction*> items = menu->actions();
    const auto shown = [](const QAction* item) { return (item->isEnabled() ? "" : "-") + item->text(); };
    return shown(items.at(items.size() - 2)) + "|" + shown(items.back());
  };
  auto* subnet = Find<QLineEdit>("txtSubnet");
  SetBoxes("10.0.0.1|10.0.3.5");
  QTest::keyClick(Find("txtToFourthOctet"), Qt::Key_Return);
  const QString blocks =
      "10.0.0.1/32\n10.0.0.2/31\n10.0.0.4/30\n10.0.0.8/29\n10.0.0.16/28\n10.0.0.32/27\n10.0.0.64/26\n"
      "10.0.0.128/25\n10.0.1.0/24\n10.0.2.0/24\n10.0.3.0/30\n10.0.3.4/31";
  const struct {
    Qt::Key opens;  // Qt::Key_unknown: a right click
    Qt::Key chooses;
    QString copied;
  } routes[] = {{Qt::Key_unknown, Qt::Key_N, "10.0.0.0/22"}, {Qt::Key_F10, Qt::Key_B, blocks}};
  for (const auto& route : routes) {
    QApplication::clipboard()->setText("something else");
    EXPECT_EQ(open_menu(subnet, route.opens), "Copy &Network 10.0.0.0/22|Copy Range as 12 &Blocks")
        << "after QLineEdit's own items; opened by key " << route.opens;
    QTest::keyClick(QApplication::activePopupWidget(), route.chooses);
    EXPECT_EQ(QApplication::clipboard()->text(), route.copied) << "chosen by key " << route.chooses;
  }
  QTest::keyClicks(subnet, "1");
  EXPECT_EQ(open_menu(subnet, Qt::Key_unknown), "-Copy &Network|-Copy Range as &Blocks")
      << "greyed, with no network, after a hand edit";
  QApplication::activePopupWidget()->close();
  EXPECT_NE(open_menu(Find<QLineEdit>("txtFromSecondOctet"), Qt::Key_F10), "no menu")
      << "Shift+F10 in an octet box";
  QApplication::activePopupWidget()->close();
}

TEST_F(frm_main_entry, txt_subnet_describes_its_network_until_edited_or_a_message) {
  auto* subnet = Find<QLineEdit>("txtSubnet");
  const auto description = [subnet] {
    const QString tip = subnet->toolTip();
    EXPECT_EQ(subnet->accessibleDescription(), tip) << "accessible description and tooltip differ";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(subnet)->text(QAccessible::Description), tip)
        << "what a screen reader reads";
    return tip;
  };
  const QString expected =
      "192.168.10.0/23: 192.168.10.0 to 192.168.11.255, 512 addresses, 62 of them outside the range (10 "
      "blocks "
      "cover it exactly)";
  const auto press = [this] { QTest::keyClick(Find("txtToFourthOctet"), Qt::Key_Return); };

  SetBoxes("192.168.10.7|192.168.11.200");
  press();
  EXPECT_EQ(description(), expected) << "after a press";
  QTest::keyClicks(subnet, "x");
  EXPECT_EQ(description(), "") << "after a hand edit of txtSubnet";

  SetBoxes("10.0.0.1|10.0.0.1");
  press();
  EXPECT_EQ(description(), "10.0.0.1/32: 1 address, exactly the range") << "equal addresses";
  SetBoxes("192.168.10.7|192.168..200");
  EXPECT_TRUE(CatchMessage(press).has_value()) << "a blank box gives a message";
  EXPECT_EQ(description(), "") << "after a message";
  EXPECT_EQ(subnet->text(), "255.255.255.255") << "a message leaves txtSubnet as it was";
}

// The description by txtSubnet, as a keyboard user sees it: "" while none shows.
TEST_F(frm_main_entry, txt_subnet_shows_its_description_while_it_has_the_focus) {
  const auto shown = [this] {
    const auto* tip = window_.findChild<QLabel*>("qtooltip_label");
    return tip != nullptr && tip->isVisible() ? tip->text() : QString();
  };
  const QString expected =
      "10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses, 251 of them outside the range (12 blocks cover "
      "it "
      "exactly)";
  auto* subnet = Find<QLineEdit>("txtSubnet");
  SetBoxes("10.0.0.1|10.0.3.5");
  QTest::keyClick(Find("txtToFourthOctet"), Qt::Key_Return);
  EXPECT_EQ(shown(), "") << "after a press in another box";
  Find("cmdCalculateSubnet")->setFocus();
  QTest::keyClick(Find("cmdCalculateSubnet"), Qt::Key_Tab);  // whose release takes a QToolTip away
  ASSERT_EQ(Focused(), "txtSubnet");
  EXPECT_EQ(shown(), expected) << "Tab into txtSubnet";
  const QRect box(subnet->mapToGlobal(QPoint(0, 0)), subnet->size());
  const QPoint tip = window_.findChild<QLabel*>("qtooltip_label")->pos();  // its frame's corner
  EXPECT_TRUE(tip.y() > box.bottom() && tip.x() == box.left()) << "just below the box";
  QTest::keyClick(subnet, Qt::Key_End);
  QTest::keyClick(subnet, Qt::Key_Return);
  EXPECT_EQ(shown(), expected) << "after keys and a press in txtSubnet";
  QTest::keyClick(subnet, Qt::Key_Tab);
  EXPECT_EQ(shown(), "") << "the focus left";
}

}  // namespace
}  // namespace morvana
