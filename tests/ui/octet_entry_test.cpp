#include "ui/octet_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/layout.h"

namespace morvana {
namespace {

constexpr OctetBoxRef From1{AddressSide::From, OctetPosition::First};
constexpr OctetBoxRef From2{AddressSide::From, OctetPosition::Second};
constexpr OctetBoxRef From3{AddressSide::From, OctetPosition::Third};
constexpr OctetBoxRef To2{AddressSide::To, OctetPosition::Second};
constexpr OctetBoxRef To3{AddressSide::To, OctetPosition::Third};
constexpr OctetBoxRef To4{AddressSide::To, OctetPosition::Fourth};

std::string BoxName(OctetBoxRef box) {
  return (box.side == AddressSide::From ? "From" : "To") + std::to_string(static_cast<int>(box.position));
}

// "plain" for an ordinary edit; otherwise the filled addresses and the focus,
// e.g. "From=10.0.0.1 To=10.0.3.5 focus To4 end".
std::string Summary(const EntryAction& action) {
  if (!action.swallow) return action.fills.empty() && !action.focus ? "plain" : "plain with changes?";
  std::string text = "swallow";
  for (std::size_t i = 0; i < action.fills.size(); ++i) {
    const BoxFill& fill = action.fills[i];
    text += fill.box.position == OctetPosition::First
                ? std::string(" ") + (fill.box.side == AddressSide::From ? "From=" : "To=")
                : ".";
    text += fill.text;
  }
  if (action.focus) {
    text += " focus " + BoxName(action.focus->box) +
            (action.focus->caret == CaretPlacement::End ? " end" : " select");
  }
  return text;
}

enum class Event { Type, Backspace, Paste };

struct EntryCase {
  const char* name;
  Event event;
  OctetBoxRef box;
  std::string text;  // the box's text, or the pasted text
  std::size_t caret;
  const char* expected;
  const char* typed = ".";  // or the modifiers held with Backspace
};

TEST(octet_entry, keys_and_pastes_change_the_boxes_as_the_table_says) {
  const EntryCase cases[] = {
      {"dot_moves_on_and_selects", Event::Type, From1, "10", 2, "swallow focus From2 select"},
      {"dot_inside_the_text", Event::Type, To2, "10", 1, "swallow focus To3 select"},
      {"dot_at_caret_0_is_dropped", Event::Type, From2, "10", 0, "swallow"},
      {"dot_in_an_empty_box_is_dropped", Event::Type, From2, "", 0, "swallow"},
      {"dot_in_a_fourth_box_is_dropped", Event::Type, To4, "5", 1, "swallow"},
      {"comma_moves_on_as_a_dot", Event::Type, From1, "10", 2, "swallow focus From2 select", ","},
      {"comma_at_caret_0_is_dropped", Event::Type, From2, "10", 0, "swallow", ","},
      {"comma_in_a_fourth_box_is_dropped", Event::Type, To4, "5", 1, "swallow", ","},
      {"a_digit_is_the_box_s_own", Event::Type, From1, "1", 1, "plain", "0"},
      {"other_text_is_the_box_s_own", Event::Type, From1, "1", 1, "plain", ".."},
      {"backspace_in_an_empty_box_goes_back", Event::Backspace, To3, "", 0, "swallow focus To2 end"},
      {"backspace_in_an_empty_first_box", Event::Backspace, From1, "", 0, "swallow"},
      {"backspace_with_text_is_ordinary", Event::Backspace, From2, "1", 1, "plain"},
      {"ctrl_backspace_keeps_its_own_meaning", Event::Backspace, To3, "", 0, "plain", "ctrl"},
      {"shift_backspace_goes_back_too", Event::Backspace, To3, "", 0, "swallow focus To2 end", "shift"},

      {"address_with_blanks_into_to", Event::Paste, To2, " 10.0.0.1 ", 0,
       "swallow To=10.0.0.1 focus To4 end"},
      {"address_into_from", Event::Paste, From3, "192.168.1.20", 0,
       "swallow From=192.168.1.20 focus From4 end"},
      {"leading_zeros_are_decimal", Event::Paste, From1, "010.001.0.09", 0,
       "swallow From=10.1.0.9 focus From4 end"},
      {"range_into_to_third", Event::Paste, To3, "10.0.0.1-10.0.3.5", 0,
       "swallow From=10.0.0.1 To=10.0.3.5 focus To4 end"},
      {"range_with_en_dash", Event::Paste, From1, "192.168.10.7 \xE2\x80\x93 192.168.11.200", 0,
       "swallow From=192.168.10.7 To=192.168.11.200 focus To4 end"},
      {"range_with_comma", Event::Paste, From1, "10.0.0.1, 10.0.3.5", 0,
       "swallow From=10.0.0.1 To=10.0.3.5 focus To4 end"},
      {"two_cells", Event::Paste, From2, "10.0.0.1\t10.0.3.5\n", 0,
       "swallow From=10.0.0.1 To=10.0.3.5 focus To4 end"},
      {"two_rows", Event::Paste, From2, "10.0.0.1\r\n10.0.3.5\r\n", 0,
       "swallow From=10.0.0.1 To=10.0.3.5 focus To4 end"},
      {"cidr_block", Event::Paste, From1, "10.1.2.3/22", 0,
       "swallow From=10.1.0.0 To=10.1.3.255 focus To4 end"},
      {"cidr_everything", Event::Paste, To4, "0.0.0.0/0", 0,
       "swallow From=0.0.0.0 To=255.255.255.255 focus To4 end"},
      {"cidr_one_address", Event::Paste, From1, "10.0.0.1/32", 0,
       "swallow From=10.0.0.1 To=10.0.0.1 focus To4 end"},

      {"prefix_past_32", Event::Paste, From1, "1.2.3.4/33", 0, "plain"},
      {"octet_past_255", Event::Paste, From1, "256.1.1.1", 0, "plain"},
      {"three_fields", Event::Paste, From1, "10.0.0", 0, "plain"},
      {"five_fields", Event::Paste, From1, "1.2.3.4.5", 0, "plain"},
      {"four_digit_field", Event::Paste, From1, "1.2.3.0004", 0, "plain"},
      {"letters", Event::Paste, From1, "abc", 0, "plain"},
      {"full_width_digits", Event::Paste, From1, "\xEF\xBC\x91\xEF\xBC\x90.0.0.1", 0, "plain"},
      {"a_plain_number", Event::Paste, From1, "12", 0, "plain"},
      {"range_missing_its_end", Event::Paste, From1, "10.0.0.1 -", 0, "plain"},
      {"two_separators", Event::Paste, From1, "10.0.0.1--10.0.3.5", 0, "plain"},
      {"no_separator", Event::Paste, From1, "10.0.0.110.0.3.5", 0, "plain"},
  };
  for (const EntryCase& c : cases) {
    EntryAction action;
    switch (c.event) {
      case Event::Type:
        action = TextTyped(c.box, c.typed, !c.text.empty() && c.caret > 0);
        break;
      case Event::Backspace:
        action = BackspacePressed(
            c.box, c.text,
            {.shift = std::string(c.typed) == "shift", .ctrl = std::string(c.typed) == "ctrl"});
        break;
      case Event::Paste:
        action = TextPasted(c.box, c.text);
        break;
    }
    EXPECT_EQ(Summary(action), c.expected) << c.name;
  }
}

TEST(octet_entry, only_the_eight_octet_boxes_are_octet_boxes) {
  int octet_boxes = 0;
  for (const layout::Control& control : layout::kControls) {
    const auto box = layout::OctetBoxOf(control.id);
    if (!box) continue;
    ++octet_boxes;
    EXPECT_EQ(layout::OctetBoxControl(*box), control.id) << control.name;
  }
  EXPECT_EQ(octet_boxes, 8) << "txtSubnet, the button and the labels are no octet boxes";
}

}  // namespace
}  // namespace morvana
