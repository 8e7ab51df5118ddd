#include "ui/main_window_presenter.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/layout.h"

namespace morvana {
namespace {

// A window that holds eight box texts and records, in order, what it is
// told. Like Morvana.exe's edit box, txtSubnet reports every change of its
// text, the presenter's own writes too. Its clipboard works or is held by
// another program, and ends its lines as Linux's or Windows' does.
class FakeWindow final : public PresentedWindow, public TextClipboard {
 public:
  std::array<std::string, 8> boxes;  // From first to fourth, then To
  std::vector<std::string> told;
  MainWindowPresenter* presenter = nullptr;
  bool clipboard_free = true;
  std::string_view line_end = "\n";
  std::optional<layout::ControlId> focused = layout::ControlId::txtToFourthOctet;  // as after Enter there

  static std::size_t Index(OctetBoxRef box) {
    return (box.side == AddressSide::From ? 0 : 4) + static_cast<std::size_t>(box.position) - 1;
  }
  static std::string Name(OctetBoxRef box) {
    return (box.side == AddressSide::From ? "From" : "To") + std::to_string(static_cast<int>(box.position));
  }
  std::string ReadOctetBox(AddressSide side, OctetPosition position) const override {
    return boxes.at(Index({side, position}));
  }
  void SetSubnetText(std::string_view text) override {
    told.push_back("subnet " + std::string(text));
    presenter->SubnetTextChanged();
  }
  void ShowMessage(std::string_view text) override { told.push_back("message " + std::string(text)); }
  void SetOctetBoxText(OctetBoxRef box, std::string_view text) override {
    boxes.at(Index(box)) = text;
    told.push_back(Name(box) + "=" + std::string(text));
  }
  void FocusOctetBox(OctetBoxRef box, CaretPlacement caret) override {
    told.push_back("focus " + Name(box) + (caret == CaretPlacement::End ? " end" : " select"));
  }
  void DescribeSubnet(std::string_view text) override { told.push_back("describe " + std::string(text)); }
  void ShowSubnetDescription(std::string_view text) override { told.push_back("show " + std::string(text)); }
  void Announce(std::string_view text) override { told.push_back("announce " + std::string(text)); }
  bool PutText(std::string_view text) override {
    if (clipboard_free) told.push_back("clipboard " + std::string(text));
    return clipboard_free;
  }
  std::string_view LineEnd() const override { return line_end; }
  std::optional<layout::ControlId> FocusedControl() const override { return focused; }
  void FocusControl(layout::ControlId control) override {
    told.push_back("focus back " + std::string(layout::ControlFor(control).name));
  }
};

constexpr OctetBoxRef From1{AddressSide::From, OctetPosition::First};
constexpr OctetBoxRef From2{AddressSide::From, OctetPosition::Second};
constexpr OctetBoxRef From4{AddressSide::From, OctetPosition::Fourth};
constexpr OctetBoxRef To3{AddressSide::To, OctetPosition::Third};
constexpr OctetBoxRef To4{AddressSide::To, OctetPosition::Fourth};

constexpr std::string_view kCopy = "Copy &Network 10.0.0.0/22";
constexpr std::string_view kNoCopy = "Copy &Network";
constexpr std::string_view kBlocks = "Copy Range as 12 &Blocks";
constexpr std::string_view kNoBlocks = "Copy Range as &Blocks";
// 10.0.0.1 to 10.0.3.5 exactly, a line each, the lines ending in `end`.
std::string BlockLines(std::string_view end) {
  std::string text =
      "10.0.0.1/32 10.0.0.2/31 10.0.0.4/30 10.0.0.8/29 10.0.0.16/28 10.0.0.32/27 10.0.0.64/26 "
      "10.0.0.128/25 10.0.1.0/24 10.0.2.0/24 10.0.3.0/30 10.0.3.4/31";
  for (auto at = text.find(' '); at != std::string::npos; at = text.find(' ', at + end.size())) {
    text.replace(at, 1, end);
  }
  return text;
}

// One thing the user does; `box` and `text` serve the kinds that need them.
// Type changes a box by hand, which is the box's own business.
struct Step {
  enum Kind {
    Press,
    Type,
    FullStop,
    FullStopAtStart,
    Paste,
    HandEdit,
    Copy,
    CopyBusy,
    CopyBlocks,
    CopyBlocksBusy,
    CopyBlocksCrLf,
    Refused,  // later, by a clipboard that took the text
    Focus,
    Blur,
    Dismiss,
    Move
  } kind;
  OctetBoxRef box = From1;
  const char* text = "";
};

struct SequenceCase {
  const char* name;
  std::vector<Step> steps;
  std::vector<std::string> told;              // with "took" or "left" after each key or paste
  std::string_view caption;                   // Copy Network's menu item afterwards
  std::string_view blocks_caption = kBlocks;  // and Copy Range as Blocks'
};

const std::string kMask = "subnet 255.255.252.0";
const std::string kDescription =
    "10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses, 251 of them outside the range (12 blocks cover it "
    "exactly)";
const std::string kDescribed = "describe " + kDescription;
const std::string kAnnounced = "announce Subnet mask 255.255.252.0. " + kDescription;
const std::string kAnnouncedAgain = kAnnounced + "\u00A0";  // differs from the one before

TEST(main_window_presenter, sequences_tell_the_window_what_to_do) {
  using enum Step::Kind;
  // clang-format off
  const SequenceCase cases[] = {
      {"each_press_writes_the_mask_describes_it_and_is_said_again_differently", {{Copy}, {CopyBlocks}, {Press}, {Press}},
       {kMask, kDescribed, kAnnounced, kMask, kDescribed, kAnnouncedAgain}, kCopy},
      {"a_message_removes_the_description_is_all_that_is_said_and_gives_the_focus_back",
       {{Press}, {Type, To3, " "}, {Press}, {Dismiss}, {Dismiss}},
       {kMask, kDescribed, kAnnounced, "describe ", "message Please enter 'To' third octet.",
        "focus back txtToFourthOctet"}, kNoCopy, kNoBlocks},
      {"the_focus_shows_the_description_until_it_leaves_and_a_move_takes_it_along",
       {{Move}, {Focus}, {Press}, {Move}, {Blur}, {Move}, {Focus}},
       {kMask, kDescribed, "show " + kDescription, kAnnounced, "show " + kDescription, "show ",
        "show " + kDescription}, kCopy},
      {"a_hand_edit_takes_the_description_away", {{Press}, {Focus}, {HandEdit}, {HandEdit}, {Blur}},
       {kMask, kDescribed, kAnnounced, "show " + kDescription, "describe ", "show "}, kNoCopy, kNoBlocks},
      {"the_menu_copies_the_network_or_the_blocks_or_says_the_clipboard_is_busy_or_refused",
       {{Press}, {Copy}, {CopyBusy}, {CopyBlocks}, {Refused}, {CopyBlocksCrLf}, {CopyBlocksBusy}},
       {kMask, kDescribed, kAnnounced, "clipboard 10.0.0.0/22", "message " + std::string(kClipboardBusyMessage),
        "clipboard " + BlockLines("\n"), "message " + std::string(kClipboardBusyMessage),
        "clipboard " + BlockLines("\r\n"), "message " + std::string(kClipboardBusyMessage)}, kCopy},
      {"a_range_that_is_its_network_is_one_block",
       {{Type, From4, "0"}, {Type, To4, "255"}, {Type, To3, "255"}, {Press}, {CopyBlocks}},
       {"subnet 255.255.0.0", "describe 10.0.0.0/16: 10.0.0.0 to 10.0.255.255, 65,536 addresses, exactly the range",
        "announce Subnet mask 255.255.0.0. 10.0.0.0/16: 10.0.0.0 to 10.0.255.255, 65,536 addresses, exactly the "
        "range", "clipboard 10.0.0.0/16"}, "Copy &Network 10.0.0.0/16", "Copy Range as 1 &Block"},
      {"a_full_stop_or_comma_moves_on_only_with_text_before_the_caret",
       {{FullStop, From1}, {FullStopAtStart, From1, ","}, {FullStop, From2, ","}, {FullStop, From2, "7"}},
       {"focus From2 select", "took", "took", "focus From3 select", "took", "left"}, kNoCopy, kNoBlocks},
      {"a_pasted_block_fills_both_addresses_keeping_the_network", {{Press}, {Paste, From2, "10.1.2.3/31"}},
       {kMask, kDescribed, kAnnounced, "From1=10", "From2=1", "From3=2", "From4=2", "To1=10", "To2=1",
        "To3=2", "To4=3", "focus To4 end", "took"}, kCopy},
  };
  // clang-format on
  for (const SequenceCase& c : cases) {
    FakeWindow window;
    MainWindowPresenter presenter(window);
    window.presenter = &presenter;
    window.boxes = {"10", "0", "0", "1", "10", "0", "3", "5"};
    const auto taken = [&window](bool took) { window.told.emplace_back(took ? "took" : "left"); };
    for (const Step& step : c.steps) {
      switch (step.kind) {
        case Press:
          presenter.CalculatePressed();
          break;
        case Type:
          window.boxes.at(FakeWindow::Index(step.box)) = step.text;
          break;
        case FullStop:
        case FullStopAtStart:
          taken(presenter.TextTyped(step.box, *step.text != '\0' ? step.text : ".", step.kind == FullStop));
          break;
        case Paste:
          taken(presenter.TextPasted(step.box, step.text));
          break;
        case HandEdit:
          presenter.SubnetTextChanged();
          break;
        case Focus:
        case Blur:
          presenter.SubnetFocusChanged(step.kind == Focus);
          break;
        case Dismiss:
          presenter.MessageDismissed();
          break;
        case Move:
          presenter.WindowMoved();
          break;
        case Copy:
        case CopyBusy:
          window.clipboard_free = step.kind == Copy;
          presenter.CopyNetwork(window);
          break;
        case CopyBlocks:
        case CopyBlocksBusy:
        case CopyBlocksCrLf:
          window.clipboard_free = step.kind != CopyBlocksBusy;
          window.line_end = step.kind == CopyBlocksCrLf ? "\r\n" : "\n";
          presenter.CopyBlocks(window);
          break;
        case Refused:
          presenter.ClipboardRefused();
          break;
      }
    }
    EXPECT_EQ(window.told, c.told) << c.name;
    EXPECT_EQ(presenter.CopyNetworkCaption(), c.caption) << c.name;
    EXPECT_EQ(presenter.CanCopyNetwork(), c.caption != kNoCopy) << c.name;
    EXPECT_EQ(presenter.CopyBlocksCaption(), c.blocks_caption) << c.name;
    EXPECT_EQ(presenter.CanCopyBlocks(), c.blocks_caption != kNoBlocks) << c.name;
  }
}

}  // namespace
}  // namespace morvana
