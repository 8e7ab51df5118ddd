// What screen readers and keyboard users get from frmMain beyond the
// controls themselves: names, roles and the description read from another
// process in reading order, the result said after a press, and txtSubnet's
// description shown while it has the focus.

#include <oleacc.h>

#include <array>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "ui/win32/wide_text.h"
#include "window_driver.h"

namespace morvana::testing_win32 {
namespace {

using layout::ControlId;
using layout::ControlKind;

constexpr const wchar_t* kDescription =
    L"10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses, 251 of them outside the range (12 blocks cover "
    L"it "
    L"exactly)";

class accessibility : public WindowTest {
 protected:
  // 10.0.0.1 to 10.0.3.5 in the boxes, pressed with Enter in txtToFourthOctet.
  void PressEnter() const {
    const std::array<const wchar_t*, 8> octets{L"10", L"0", L"0", L"1", L"10", L"0", L"3", L"5"};
    // In reading order the From boxes follow Label1, the To boxes Label2.
    for (std::size_t i = 0; i < octets.size(); ++i)
      SetText(layout::kReadingOrder.at(i + 3 + i / 4), octets.at(i));
    SetFocus(Control(ControlId::txtToFourthOctet));
    EXPECT_TRUE(PressCatchingMessageBoxes(Window(), [this] { PressKey(Window(), VK_RETURN); }).empty());
  }
};

// The press is said of txtSubnet, through the system's route too (where it
// is missing, as under Wine, that does nothing), and the focus stays.
TEST_F(accessibility, a_press_is_said_and_a_reader_in_another_process_reads_every_control_in_order) {
  std::vector<std::pair<HWND, std::wstring>> heard;
  announced = &heard;
  PressEnter();
  announced = nullptr;
  const std::vector<std::pair<HWND, std::wstring>> said{
      {Control(ControlId::txtSubnet), L"Subnet mask 255.255.252.0. " + std::wstring(kDescription)}};
  EXPECT_EQ(heard, said);
  EXPECT_EQ(GetFocus(), Control(ControlId::txtToFourthOctet)) << "the focus stays where Enter was pressed";

  const std::wstring handle = std::to_wstring(reinterpret_cast<UINT_PTR>(Window()));
  std::istringstream lines(RunBesideWithMessages(Window(), L"win32_msaa_client.exe", handle));
  for (const ControlId id : layout::kReadingOrder) {
    const layout::Control& control = layout::ControlFor(id);
    std::string role, name, description;
    std::getline(lines, role, '\t');
    std::getline(lines, name, '\t');
    std::getline(lines, description);
    EXPECT_EQ(name, control.kind == ControlKind::Label ? control.caption : control.accessible_name)
        << "the next child in order is " << control.name;
    if (control.kind != ControlKind::Label) {  // Wine's labels are plain clients, Windows' static text
      EXPECT_EQ(role, std::to_string(control.kind == ControlKind::Button ? ROLE_SYSTEM_PUSHBUTTON
                                                                         : ROLE_SYSTEM_TEXT))
          << control.name;
    }
    EXPECT_EQ(WideFromUtf8(description), id == ControlId::txtSubnet ? kDescription : L"") << control.name;
  }
  EXPECT_TRUE(lines.peek() == EOF) << "no child beyond the table's";
}

TEST_F(accessibility, txtSubnet_shows_its_description_below_it_while_it_has_the_focus) {
  PressEnter();
  HWND tooltip = OwnedTooltips(Window()).at(0);
  HWND subnet = Control(ControlId::txtSubnet);
  EXPECT_FALSE(IsWindowVisible(tooltip)) << "not while the focus is elsewhere";

  PressKey(Window(), VK_TAB);  // the button
  PressKey(Window(), VK_TAB);
  ASSERT_EQ(GetFocus(), subnet);
  EXPECT_TRUE(IsWindowVisible(tooltip)) << "shown with the focus";
  EXPECT_EQ(WindowText(tooltip), kDescription);
  RECT box{}, tip{};
  GetWindowRect(subnet, &box);
  GetWindowRect(tooltip, &tip);
  EXPECT_TRUE(std::abs(tip.left - box.left) <= 2 && tip.top >= box.bottom && tip.top <= box.bottom + 4)
      << "just below the box, at its left edge";

  PressKey(Window(), VK_TAB);
  EXPECT_FALSE(IsWindowVisible(tooltip)) << "gone when the focus leaves";
}

}  // namespace
}  // namespace morvana::testing_win32
