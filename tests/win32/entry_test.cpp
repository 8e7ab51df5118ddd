// Keys and pastes in the octet boxes and txtSubnet's tooltip, end to end: keys
// go through the window's own message loop, pastes come from the clipboard.

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "ui/main_window_presenter.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/wide_text.h"
#include "window_driver.h"

namespace morvana::testing_win32 {
namespace {

using layout::ControlId;

constexpr std::array<ControlId, 8> kBoxes{ControlId::txtFromFirstOctet, ControlId::txtFromSecondOctet,
                                          ControlId::txtFromThirdOctet, ControlId::txtFromFourthOctet,
                                          ControlId::txtToFirstOctet,   ControlId::txtToSecondOctet,
                                          ControlId::txtToThirdOctet,   ControlId::txtToFourthOctet};

class entry : public WindowTest {
 protected:
  // The eight boxes as "From.From.From.From To.To.To.To".
  [[nodiscard]] std::wstring Boxes() const {
    std::wstring text;
    for (std::size_t i = 0; i < kBoxes.size(); ++i) text += Text(kBoxes.at(i)) + (i == 3 ? L" " : L".");
    text.pop_back();
    return text;
  }
  void SetBoxes(std::wstring_view texts) const {
    for (const ControlId box : kBoxes) {
      const std::size_t end = std::min(texts.find_first_of(L". "), texts.size());
      SetText(box, std::wstring(texts.substr(0, end)));
      texts.remove_prefix(std::min(end + 1, texts.size()));
    }
  }
};

enum class Route { FullStopKey, CommaKey, ShiftHomeFullStop, BackspaceKey, CtrlV, ShiftInsert, MenuPaste };

TEST_F(entry, every_route_reaches_the_shared_decision_and_the_window_applies_it) {
  struct Case {
    const char* name;
    Route route;
    ControlId box;  // has the focus, caret at the end
    const wchar_t* clipboard;
    const wchar_t* before;
    const wchar_t* after;
    ControlId focus;
    DWORD selection_start;
    DWORD selection_end;
  };
  const Case cases[] = {
      {"full_stop_moves_on_and_selects", Route::FullStopKey, ControlId::txtFromFirstOctet, L"", L"10.0.. ...",
       L"10.0.. ...", ControlId::txtFromSecondOctet, 0, 1},
      {"comma_moves_on_as_a_full_stop", Route::CommaKey, ControlId::txtFromFirstOctet, L"", L"10... ...",
       L"10... ...", ControlId::txtFromSecondOctet, 0, 0},
      {"full_stop_after_selecting_back_to_the_start_is_dropped", Route::ShiftHomeFullStop,
       ControlId::txtFromFirstOctet, L"", L"10... ...", L"10... ...", ControlId::txtFromFirstOctet, 0, 2},
      {"backspace_in_an_empty_box_goes_back", Route::BackspaceKey, ControlId::txtToThirdOctet, L"",
       L"... 10.25..", L"... 10.25..", ControlId::txtToSecondOctet, 2, 2},
      {"ctrl_v_of_a_range", Route::CtrlV, ControlId::txtFromFirstOctet, L"192.168.10.7 \u2013 192.168.11.200",
       L"1... ...", L"192.168.10.7 192.168.11.200", ControlId::txtToFourthOctet, 3, 3},
      {"shift_insert_of_a_block", Route::ShiftInsert, ControlId::txtToSecondOctet, L"10.1.2.3/22",
       L"... 9.9.9.9", L"10.1.0.0 10.1.3.255", ControlId::txtToFourthOctet, 3, 3},
      {"menu_paste_of_one_address", Route::MenuPaste, ControlId::txtToFirstOctet, L" 10.0.0.1\r\n",
       L"1.2.3.4 5.6.7.8", L"1.2.3.4 10.0.0.1", ControlId::txtToFourthOctet, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetBoxes(c.before);
    SetClipboardText(Window(), c.clipboard);
    HWND box = Control(c.box);
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 4, 4);
    switch (c.route) {
      case Route::FullStopKey:
        PressKey(Window(), VK_OEM_PERIOD);
        break;
      case Route::CommaKey:
        PressKey(Window(), VK_OEM_COMMA);
        break;
      case Route::ShiftHomeFullStop:
        PressKey(Window(), VK_HOME, /*shift=*/true);
        PressKey(Window(), VK_OEM_PERIOD);
        break;
      case Route::BackspaceKey:
        PressKey(Window(), VK_BACK);
        break;
      case Route::CtrlV:
        PressKey(Window(), 'V', /*shift=*/false, /*ctrl=*/true);
        break;
      case Route::ShiftInsert:
        PressKey(Window(), VK_INSERT, /*shift=*/true);
        break;
      case Route::MenuPaste:  // what the box's context menu sends
        SendMessageW(box, WM_PASTE, 0, 0);
        break;
    }
    EXPECT_EQ(Boxes(), c.after) << "the eight boxes";
    EXPECT_EQ(GetFocus(), Control(c.focus)) << "focus on " << layout::ControlFor(c.focus).name;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(GetFocus(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, c.selection_start) << "selection start";
    EXPECT_EQ(end, c.selection_end) << "selection end";
    EXPECT_EQ(Text(ControlId::txtSubnet), L"") << "nothing is calculated";
    EXPECT_EQ(GetWindowLongPtrW(Control(ControlId::cmdCalculateSubnet), GWL_STYLE) & BS_TYPEMASK,
              BS_DEFPUSHBUTTON)
        << "Enter still presses the button";
  }
}

TEST_F(entry, txtSubnet_tooltip_tells_the_network_until_a_hand_edit_or_a_message) {
  const std::vector<HWND> tooltips = OwnedTooltips(Window());
  ASSERT_EQ(tooltips.size(), 1u) << "one tooltip, owned by frmMain";
  HWND subnet = Control(ControlId::txtSubnet);
  const auto tooltip = [&] { return TooltipText(tooltips.front(), Window(), subnet); };
  EXPECT_EQ(tooltip(), L"") << "before any press";

  SetBoxes(L"10.0.0.1 10.0.3.5");
  EXPECT_TRUE(ClickCalculate().empty());
  EXPECT_EQ(tooltip(),
            L"10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses, 251 of them outside the range (12 blocks "
            L"cover it exactly)")
      << "after a press";
  SetFocus(subnet);
  PressKey(Window(), '1');
  EXPECT_EQ(tooltip(), L"") << "after a key typed into txtSubnet";
  SetBoxes(L"10.0.0.1 10.0.0.1");
  EXPECT_TRUE(ClickCalculate().empty());
  EXPECT_EQ(tooltip(), L"10.0.0.1/32: 1 address, exactly the range") << "after equal addresses";
  SetBoxes(L"10..0.1 10.0.0.1");
  EXPECT_EQ(ClickCalculate().size(), 1u);
  EXPECT_EQ(tooltip(), L"") << "after a press that ends in a message";

  DestroyWindow(Window());
  EXPECT_FALSE(IsWindow(tooltips.front())) << "the tooltip goes with the window";
}

TEST_F(entry, txtSubnet_menu_copies_the_network_and_its_blocks_by_every_route_until_a_hand_edit) {
  HWND subnet = Control(ControlId::txtSubnet);
  const std::wstring blocks =
      L"10.0.0.1/32\r\n10.0.0.2/31\r\n10.0.0.4/30\r\n10.0.0.8/29\r\n10.0.0.16/28\r\n10.0.0.32/27\r\n"
      L"10.0.0.64/26\r\n10.0.0.128/25\r\n10.0.1.0/24\r\n10.0.2.0/24\r\n10.0.3.0/30\r\n10.0.3.4/31";
  struct MenuRoute {
    const char* name;
    std::function<void()> open;
    wchar_t key;  // the item's access key
    std::wstring copied;
  };
  const MenuRoute routes[] = {
      {"right-click",
       [&] { PostMessageW(subnet, WM_RBUTTONUP, 0, MAKELPARAM(10, 5)), PumpMessages(Window()); }, L'n',
       L"10.0.0.0/22"},
      {"Shift+F10", [&] { PressKey(Window(), VK_F10, /*shift=*/true); }, L'b', blocks},
      {"Menu key", [&] { PressKey(Window(), VK_APPS); }, L'b', blocks}};
  SetBoxes(L"10.0.0.1 10.0.3.5");
  ASSERT_TRUE(ClickCalculate().empty());
  SetFocus(subnet);
  for (const MenuRoute& route : routes) {
    SetClipboardText(Window(), L"something else");
    EXPECT_EQ(OpenCatchingMenu(route.open, route.key),
              L"~&Undo|-|~Cu&t|~&Copy|&Paste|~&Delete|-|Select &All|-|Copy &Network 10.0.0.0/22|"
              L"Copy Range as 12 &Blocks")
        << route.name << ": the edit box's items, then the network and the blocks";
    EXPECT_EQ(ClipboardText(Window()), route.copied) << route.name << ": chosen by its access key";
  }
  PressKey(Window(), '1');
  const std::wstring edited = Text(ControlId::txtSubnet);
  EXPECT_TRUE(
      OpenCatchingMenu(routes[0].open, VK_ESCAPE).ends_with(L"|-|~Copy &Network|~Copy Range as &Blocks"))
      << "greyed, with no network, after a hand edit";
  EXPECT_EQ(Text(ControlId::txtSubnet), edited) << "Escape closed the menu and changed nothing";
  SetFocus(Control(ControlId::txtFromSecondOctet));
  EXPECT_NE(
      OpenCatchingMenu([&] { PressKey(Window(), VK_F10, /*shift=*/true); }, VK_ESCAPE).find(L"Select &All"),
      std::wstring::npos)
      << "Shift+F10 opens an octet box's own menu too";
}

// Another program holds the clipboard open, on a thread of its own, for `hold_ms`.
std::thread HoldClipboard(DWORD hold_ms) {
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([opened, hold_ms] {
    if (!OpenClipboard(nullptr)) return;
    SetEvent(opened);
    Sleep(hold_ms);
    CloseClipboard();
  });
  EXPECT_EQ(WaitForSingleObject(opened, 5000), WAIT_OBJECT_0)
      << "the other program could not open the clipboard";
  CloseHandle(opened);
  return holder;
}

TEST_F(entry, copy_network_waits_out_a_brief_hold_of_the_clipboard_and_says_so_after_a_long_one) {
  SetBoxes(L"10.0.0.1 10.0.3.5");
  ASSERT_TRUE(ClickCalculate().empty());
  SetFocus(Control(ControlId::txtSubnet));
  for (const DWORD hold : {kClipboardPatienceMs / 4, kClipboardPatienceMs * 3}) {
    const bool brief = hold < kClipboardPatienceMs;
    SetClipboardText(Window(), L"something else");
    std::thread holder = HoldClipboard(hold);
    const std::vector<SeenMessageBox> seen = PressCatchingMessageBoxes(
        Window(), [&] { OpenCatchingMenu([&] { PressKey(Window(), VK_APPS); }, L'n'); });
    holder.join();
    EXPECT_EQ(ClipboardText(Window()), brief ? L"10.0.0.0/22" : L"something else") << "held for " << hold;
    const std::vector<std::wstring> told =
        brief ? std::vector<std::wstring>{} : std::vector<std::wstring>{WideFromUtf8(kClipboardBusyMessage)};
    std::vector<std::wstring> texts;
    for (const SeenMessageBox& box : seen) texts.push_back(box.text);
    EXPECT_EQ(texts, told) << "held for " << hold << ": a message only when nothing was copied";
  }
}

}  // namespace
}  // namespace morvana::testing_win32
