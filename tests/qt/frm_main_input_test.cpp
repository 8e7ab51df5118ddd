#include <QClipboard>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "ui/qt/startup.h"
#include "window_fixture.h"

namespace morvana {
namespace {

using Address = std::array<const char*, 4>;

class frm_main_input : public WindowTest {
 protected:
  void TypeAddresses(const Address& from, const Address& to) {
    for (int i = 0; i < 4; ++i) {
      const auto position = static_cast<OctetPosition>(i + 1);
      Box(AddressSide::From, position)->clear();
      QTest::keyClicks(Box(AddressSide::From, position), from.at(i));
      Box(AddressSide::To, position)->clear();
      QTest::keyClicks(Box(AddressSide::To, position), to.at(i));
    }
  }
  std::optional<SeenMessage> Click() {
    return CatchMessage([this] { QTest::mouseClick(Find("cmdCalculateSubnet"), Qt::LeftButton); });
  }
};

struct LimitCase {
  const char* name;
  const char* box;
  const char* typed;
  const char* pasted;
  const char* expected;
};

TEST_F(frm_main_input, boxes_refuse_typing_and_pasting_beyond_their_limit) {
  const LimitCase cases[] = {
      {"four_digits_fit", "txtFromFirstOctet", "0255", "", "0255"},
      {"fifth_typed_is_refused", "txtToFourthOctet", "02551", "", "0255"},
      {"paste_cut_at_the_limit", "txtFromThirdOctet", "1", "234567", "1234"},
      {"paste_into_a_full_box_changes_nothing", "txtToFirstOctet", "9999", "1", "9999"},
      {"twenty_in_the_subnet_box", "txtSubnet", "255.255.255.255.9876", "", "255.255.255.255.9876"},
      {"twenty_first_typed_is_refused", "txtSubnet", "255.255.255.255.98765", "", "255.255.255.255.9876"},
      {"subnet_paste_cut_at_twenty", "txtSubnet", "255.255.", "255.255.255.255", "255.255.255.255.255."},
  };
  for (const LimitCase& c : cases) {
    auto* box = Find<QLineEdit>(c.box);
    box->clear();
    QTest::keyClicks(box, c.typed);
    QApplication::clipboard()->setText(c.pasted);
    if (*c.pasted != '\0') QTest::keySequence(box, QKeySequence::Paste);
    EXPECT_EQ(box->text(), c.expected) << c.name;
  }
}

TEST_F(frm_main_input, tab_cycles_through_boxes_button_and_result_both_ways) {
  const QStringList forward = {"txtFromSecondOctet", "txtFromThirdOctet",  "txtFromFourthOctet",
                               "txtToFirstOctet",    "txtToSecondOctet",   "txtToThirdOctet",
                               "txtToFourthOctet",   "cmdCalculateSubnet", "txtSubnet",
                               "txtFromFirstOctet"};
  QStringList backward(forward.rbegin() + 1, forward.rend());
  backward << "txtFromFirstOctet";
  for (const auto& [key, expected] :
       {std::pair{Qt::Key_Tab, forward}, std::pair{Qt::Key_Backtab, backward}}) {
    Find("txtFromFirstOctet")->setFocus();
    QStringList visited;
    for (int i = 0; i < forward.size(); ++i) {
      QTest::keyClick(window_.focusWidget(), key);
      visited << Focused();
    }
    EXPECT_EQ(visited, expected) << (key == Qt::Key_Tab ? "Tab" : "Shift+Tab");
  }
}

struct PressCase {
  const char* name;
  Address from;
  Address to;
  const char* result;   // what txtSubnet holds afterwards
  const char* message;  // nullptr when none
};

TEST_F(frm_main_input, presses_show_the_mask_or_one_modal_message) {
  const PressCase cases[] = {
      {"class_c", {"192", "168", "1", "0"}, {"192", "168", "1", "255"}, "255.255.255.0", nullptr},
      {"range", {"10", "0", "0", "1"}, {"10", "0", "3", "5"}, "255.255.252.0", nullptr},
      {"same_range_swapped", {"10", "0", "3", "5"}, {"10", "0", "0", "1"}, "255.255.252.0", nullptr},
      {"blanks_around_a_number", {" 7 ", "0", "0", "1"}, {"7", "0", "0", "1"}, "255.255.255.255", nullptr},
      {"all_blank", {"", "", "", ""}, {"", "", "", ""}, "typed by hand", "Please enter 'From' first octet."},
      {"first_blank_in_order",
       {"1", "2", "3", "4"},
       {"1", "  ", "3", ""},
       "typed by hand",
       "Please enter 'To' second octet."},
      {"letters",
       {"ab", "0", "0", "1"},
       {"10", "0", "0", "1"},
       "typed by hand",
       "Please enter a number from 0 to 255 for 'From' first octet."},
  };
  for (const PressCase& c : cases) {
    TypeAddresses(c.from, c.to);
    Find<QLineEdit>("txtSubnet")->setText("typed by hand");
    const std::optional<SeenMessage> seen = Click();
    EXPECT_EQ(Find<QLineEdit>("txtSubnet")->text(), c.result) << c.name;
    if (c.message == nullptr) {
      EXPECT_FALSE(seen.has_value()) << c.name << ": unexpected message " << seen->text.toStdString();
      continue;
    }
    ASSERT_TRUE(seen.has_value()) << c.name << ": no message";
    EXPECT_EQ(seen->text, c.message) << c.name;
    EXPECT_EQ(seen->title, "Morvana") << c.name;
    EXPECT_EQ(seen->icon, QMessageBox::NoIcon) << c.name;
    EXPECT_EQ(seen->buttons, QMessageBox::Ok) << c.name << ": OK only";
    EXPECT_TRUE(seen->modal) << c.name << ": the window takes no input meanwhile";
  }
}

TEST_F(frm_main_input, enter_presses_the_button_and_focus_returns_after_a_message) {
  TypeAddresses({"192", "168", "1", "0"}, {"192", "168", "1", "255"});
  for (const char* box : {"txtToFourthOctet", "txtSubnet"}) {
    Find<QLineEdit>("txtSubnet")->clear();
    QTest::keyClick(Find(box), Qt::Key_Return);
    EXPECT_EQ(Find<QLineEdit>("txtSubnet")->text(), "255.255.255.0") << "Enter in " << box;
  }
  Find<QLineEdit>("txtSubnet")->clear();
  QTest::keyClick(Find("cmdCalculateSubnet"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Find<QLineEdit>("txtSubnet")->text(), "255.255.255.0") << "Enter on the focused button";

  Box(AddressSide::To, OctetPosition::Second)->clear();
  Find("txtToThirdOctet")->setFocus();
  EXPECT_TRUE(CatchMessage([&] { QTest::keyClick(Find("txtToThirdOctet"), Qt::Key_Return); }).has_value());
  EXPECT_EQ(Focused(), "txtToThirdOctet") << "not moved to the box the message names";
  EXPECT_TRUE(Click().has_value());
  EXPECT_EQ(Focused(), "cmdCalculateSubnet") << "a click leaves the focus on the button";
}

// QWidget deletes the children only after frmMain's members, the presenter
// among them. Every box still standing when the window says it is destroyed
// gets a key, which would reach a dead presenter: a sanitizer build tells.
TEST(frm_main_teardown, no_box_outlives_the_presenter_whatever_holds_the_focus) {
  for (const char* focused : {"txtToThirdOctet", "txtSubnet"}) {
    auto* window = new FrmMain;
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << focused;
    QList<QPointer<QLineEdit>> boxes;
    for (auto* box : window->findChildren<QLineEdit*>()) boxes << box;
    for (auto& box : boxes) box->setText("10");
    window->findChild<QPushButton*>("cmdCalculateSubnet")->click();  // txtSubnet describes its network
    window->findChild<QLineEdit*>(focused)->setFocus();
    QObject::connect(window, &QObject::destroyed, [&] {
      EXPECT_EQ(boxes.count(nullptr), boxes.size()) << focused;
      for (auto& standing : boxes) {
        if (standing) QTest::keyClick(standing, Qt::Key_1);
      }
    });
    delete window;
  }
}

TEST(startup, closing_the_window_ends_the_loop_with_0) {
  QTimer::singleShot(0, [] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == "frmMain") window->close();
    }
  });
  EXPECT_EQ(RunMainWindow(), 0) << "exit code after closing frmMain";
}

TEST(startup, opens_a_window_only_where_there_is_a_display) {
  struct Case {
    const char* name;
    const char* platform;
    const char* display;
    const char* wayland;
    std::vector<const char*> arguments;
    bool can_open;
  };
  const Case cases[] = {
      {"nothing_set", nullptr, nullptr, nullptr, {"morvana"}, false},
      {"all_empty", "", "", "", {}, false},
      {"x11", nullptr, ":0", nullptr, {}, true},
      {"wayland", nullptr, "", "wayland-0", {}, true},
      {"platform_named", "offscreen", nullptr, nullptr, {}, true},
      {"platform_option", nullptr, nullptr, nullptr, {"morvana", "-platform", "offscreen"}, true},
      {"platform_option_two_dashes", nullptr, nullptr, nullptr, {"morvana", "--platform", "offscreen"}, true},
      {"platform_option_without_a_value", nullptr, nullptr, nullptr, {"morvana", "-platform"}, false},
      {"platform_as_the_program_name", nullptr, nullptr, nullptr, {"-platform", "offscreen"}, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CanOpenWindow(c.platform, c.display, c.wayland, c.arguments), c.can_open) << c.name;
}

}  // namespace
}  // namespace morvana
