// Presses of "Calculate Subnet" end to end: the boxes' texts go in, the
// button is clicked, and txtSubnet or a modal message box comes out.

#include <array>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <string>

#include "ui/win32/wide_text.h"
#include "window_driver.h"

#include <psapi.h>  // after windows.h

namespace morvana::testing_win32 {
namespace {

using layout::ControlId;

constexpr std::array<ControlId, 4> kFromBoxes{ControlId::txtFromFirstOctet, ControlId::txtFromSecondOctet,
                                              ControlId::txtFromThirdOctet, ControlId::txtFromFourthOctet};
constexpr std::array<ControlId, 4> kToBoxes{ControlId::txtToFirstOctet, ControlId::txtToSecondOctet,
                                            ControlId::txtToThirdOctet, ControlId::txtToFourthOctet};
constexpr const wchar_t* kUserText = L"typed by the user";

using Octets = std::array<const wchar_t*, 4>;

struct PressCase {
  const char* name;
  Octets from;
  Octets to;
  const wchar_t* message;  // nullptr when the press writes a result
  const wchar_t* subnet;   // txtSubnet afterwards
};

class presses : public WindowTest {
 protected:
  void Fill(const Octets& from, const Octets& to) const {
    for (std::size_t i = 0; i < 4; ++i) {
      SetText(kFromBoxes.at(i), from.at(i));
      SetText(kToBoxes.at(i), to.at(i));
    }
  }
};

const PressCase kPressCases[] = {
    {"class_c", {L"192", L"168", L"1", L"0"}, {L"192", L"168", L"1", L"255"}, nullptr, L"255.255.255.0"},
    {"to_below_from", {L"10", L"0", L"3", L"5"}, {L"10", L"0", L"0", L"1"}, nullptr, L"255.255.252.0"},
    {"equal_addresses", {L"1", L"2", L"3", L"4"}, {L"1", L"2", L"3", L"4"}, nullptr, L"255.255.255.255"},
    {"whole_range", {L"0", L"0", L"0", L"0"}, {L"255", L"255", L"255", L"255"}, nullptr, L"0.0.0.0"},
    {"blanks_around_numbers_pass",
     {L" 10", L"0 ", L" 0 ", L"1"},
     {L"10", L"0", L"3", L"5"},
     nullptr,
     L"255.255.252.0"},
    {"all_blank", {L"", L"", L"", L""}, {L"", L"", L"", L""}, L"Please enter 'From' first octet.", kUserText},
    {"to_second_and_fourth_blank",
     {L"1", L"2", L"3", L"4"},
     {L"1", L"", L"3", L""},
     L"Please enter 'To' second octet.",
     kUserText},
    {"spaces_only_count_as_blank",
     {L"1", L"2", L"   ", L"4"},
     {L"1", L"2", L"3", L"4"},
     L"Please enter 'From' third octet.",
     kUserText},
    {"letters",
     {L"ab", L"2", L"3", L"4"},
     {L"1", L"2", L"3", L"4"},
     L"Please enter a number from 0 to 255 for 'From' first octet.",
     kUserText},
    {"above_255",
     {L"1", L"2", L"3", L"4"},
     {L"1", L"2", L"3", L"256"},
     L"Please enter a number from 0 to 255 for 'To' fourth octet.",
     kUserText},
    {"negative",
     {L"1", L"-1", L"3", L"4"},
     {L"1", L"2", L"3", L"4"},
     L"Please enter a number from 0 to 255 for 'From' second octet.",
     kUserText},
};

TEST_F(presses, a_click_writes_the_mask_or_shows_one_message_and_keeps_txtSubnet) {
  HWND button = Control(ControlId::cmdCalculateSubnet);
  for (const PressCase& c : kPressCases) {
    SCOPED_TRACE(c.name);
    Fill(c.from, c.to);
    SetText(ControlId::txtSubnet, kUserText);

    const auto boxes = ClickCalculate();

    EXPECT_EQ(Text(ControlId::txtSubnet), c.subnet) << "txtSubnet";
    EXPECT_EQ(GetFocus(), button) << "the focus is back on the clicked button";
    if (c.message == nullptr) {
      EXPECT_TRUE(boxes.empty()) << "no message expected, got: " << Utf8FromWide(boxes.front().text);
      continue;
    }
    ASSERT_EQ(boxes.size(), 1u) << "exactly one message per press";
    const SeenMessageBox& box = boxes.front();
    EXPECT_EQ(box.text, c.message) << "message";
    EXPECT_EQ(box.caption, L"Morvana") << "title";
    EXPECT_EQ(box.button_ids, std::vector<int>{IDOK}) << "OK only";
    EXPECT_FALSE(box.has_icon) << "no icon";
    EXPECT_EQ(box.owner, Window()) << "over the window";
    EXPECT_TRUE(box.owner_was_disabled) << "modal: the window takes no input meanwhile";
  }
}

TEST_F(presses, enter_in_a_box_presses_the_default_button) {
  Fill({L"10", L"0", L"0", L"1"}, {L"10", L"0", L"3", L"5"});
  HWND box = Control(ControlId::txtToFourthOctet);
  SetFocus(box);
  const auto boxes = PressCatchingMessageBoxes(Window(), [this] { PressKey(Window(), VK_RETURN); });
  EXPECT_TRUE(boxes.empty()) << "no message";
  EXPECT_EQ(Text(ControlId::txtSubnet), L"255.255.252.0") << "Enter ran the command";
  EXPECT_EQ(GetFocus(), box) << "the focus stays in the box";
}

TEST_F(presses, after_a_message_the_focus_returns_where_it_was_not_to_the_named_box) {
  Fill({L"", L"0", L"0", L"1"}, {L"10", L"0", L"3", L"5"});
  HWND subnet = Control(ControlId::txtSubnet);
  SetFocus(subnet);
  const auto boxes = PressCatchingMessageBoxes(Window(), [this] { PressKey(Window(), VK_RETURN); });
  ASSERT_EQ(boxes.size(), 1u) << "the blank box's message";
  EXPECT_EQ(boxes.front().text, L"Please enter 'From' first octet.");
  EXPECT_EQ(GetFocus(), subnet) << "focus back in txtSubnet";
  EXPECT_TRUE(IsWindowEnabled(Window())) << "usable again";
}

TEST_F(presses, gui_objects_do_not_grow_over_1000_presses) {
  HWND button = Control(ControlId::cmdCalculateSubnet);
  const auto fonts = [this] {
    return std::array{SendMessageW(Control(ControlId::Label3), WM_GETFONT, 0, 0),
                      SendMessageW(Control(ControlId::txtSubnet), WM_GETFONT, 0, 0)};
  };
  // Every hundredth press stops at a blank box, the rest write a result.
  const auto press_many = [&](int count) {
    return PressCatchingMessageBoxes(Window(), [&] {
      for (int i = 1; i <= count; ++i) {
        const std::wstring last = std::to_wstring(i % 256);
        Fill({L"10", L"0", i % 100 == 0 ? L"" : L"0", L"1"}, {L"10", L"0", L"3", last.c_str()});
        SendMessageW(button, BM_CLICK, 0, 0);
      }
    });
  };
  const HANDLE self = GetCurrentProcess();
  const auto fonts_before = fonts();
  ASSERT_EQ(press_many(100).size(), 1u) << "warm-up: first-time objects are made here";
  const DWORD gdi_before = GetGuiResources(self, GR_GDIOBJECTS);
  const DWORD user_before = GetGuiResources(self, GR_USEROBJECTS);

  std::size_t messages = 0;  // the catcher's deadline holds for each hundred presses
  for (int hundred = 0; hundred < 10; ++hundred) messages += press_many(100).size();
  EXPECT_EQ(messages, 10u) << "ten presses stop at a message";

  const DWORD gdi_after = GetGuiResources(self, GR_GDIOBJECTS);
  const DWORD user_after = GetGuiResources(self, GR_USEROBJECTS);
  std::cout << "[ objects  ] GDI " << gdi_before << " -> " << gdi_after << ", USER " << user_before << " -> "
            << user_after << " over 1000 presses\n";
  EXPECT_EQ(Text(ControlId::txtSubnet), L"255.255.252.0") << "the last press wrote its result";
  EXPECT_EQ(fonts(), fonts_before) << "presses make no new fonts";
  if (gdi_before == 0 && user_before == 0) {
    GTEST_SKIP() << "GetGuiResources counts nothing on this system (a stub under Wine)";
  }
  EXPECT_LE(gdi_after, gdi_before + 2) << "GDI objects";
  EXPECT_LE(user_after, user_before + 2) << "USER objects";
}

// The process's commit charge: PrivateUsage, or PagefileUsage where the system
// leaves that empty (Wine does; Windows gives the same figure in both).
std::int64_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return static_cast<std::int64_t>(counters.PrivateUsage != 0 ? counters.PrivateUsage
                                                              : counters.PagefileUsage);
}

TEST_F(presses, memory_and_gui_objects_hold_over_10000_masks_1000_messages_and_1000_schemes) {
  HWND button = Control(ControlId::cmdCalculateSubnet);
  Fill({L"10", L"0", L"0", L"1"}, {L"10", L"0", L"0", L"0"});
  // Press i stops at a blank box when i % 11 is 10; the others write masks
  // from /22 to /32, and tooltips of varying length. Only changing boxes are set.
  const auto press_range = [&](int first, int count) {
    const auto presses = [&] {
      for (int i = first; i < first + count; ++i) {
        SetText(ControlId::txtFromThirdOctet, i % 11 == 10 ? L"" : L"0");
        SetText(ControlId::txtToThirdOctet, std::to_wstring(i / 256 % 4));
        SetText(ControlId::txtToFourthOctet, std::to_wstring(i % 256));
        SendMessageW(button, BM_CLICK, 0, 0);
      }
    };
    return PressCatchingMessageBoxes(Window(), presses).size();
  };
  const HANDLE self = GetCurrentProcess();
  ASSERT_EQ(press_range(0, 100), 9u) << "warm-up";
  const std::int64_t memory_before = PrivateBytes();
  const DWORD gdi_before = GetGuiResources(self, GR_GDIOBJECTS);
  const DWORD user_before = GetGuiResources(self, GR_USEROBJECTS);
  const auto start = std::chrono::steady_clock::now();
  std::size_t messages = 0;
  for (int first = 100; first < 11100; first += 110) messages += press_range(first, 110);
  const auto saved = ColourScheme();  // 1,000 scheme changes, and a repaint after each
  for (int i = 0; i < 1000; ++i) {
    SetColourScheme(i % 2 == 0 ? std::array{RGB(0, 0, 0), RGB(255, 255, 255)} : saved);
    PumpMessages(Window());
  }
  SetColourScheme(saved);

  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  const std::int64_t growth = PrivateBytes() - memory_before;
  const DWORD gdi_after = GetGuiResources(self, GR_GDIOBJECTS);
  const DWORD user_after = GetGuiResources(self, GR_USEROBJECTS);
  std::cout << "[ soak     ] 11000 presses, 1000 schemes in " << seconds.count() << " s; private bytes "
            << memory_before / 1024 << " KB -> " << (memory_before + growth) / 1024 << " KB; GDI "
            << gdi_before << " -> " << gdi_after << ", USER " << user_before << " -> " << user_after << "\n";
  EXPECT_EQ(messages, 1000u) << "one press in eleven stops at a message";
  EXPECT_LT(growth, 1 << 20) << "private bytes grow by less than 1 MB";
  EXPECT_EQ(OwnedTooltips(Window()).size(), 1u) << "still the one tooltip";
  if (gdi_before != 0 || user_before != 0) {  // Wine's GetGuiResources counts nothing
    EXPECT_EQ(gdi_after, gdi_before) << "GDI objects";
    EXPECT_EQ(user_after, user_before) << "USER objects";
  }
}

}  // namespace
}  // namespace morvana::testing_win32
