#include "ui/calculate_command.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace morvana {
namespace {

// A window that holds eight box texts and records what the command does to it.
class RecordingView final : public MainWindowView {
 public:
  RecordingView(std::array<std::string, 4> from, std::array<std::string, 4> to)
      : from_(std::move(from)), to_(std::move(to)) {}

  std::string ReadOctetBox(AddressSide side, OctetPosition position) const override {
    const auto index = static_cast<std::size_t>(position) - 1;
    return side == AddressSide::From ? from_.at(index) : to_.at(index);
  }
  void SetSubnetText(std::string_view text) override { events.push_back("subnet:" + std::string(text)); }
  void ShowMessage(std::string_view text) override { events.push_back("message:" + std::string(text)); }

  std::vector<std::string> events;

 private:
  std::array<std::string, 4> from_;
  std::array<std::string, 4> to_;
};

std::vector<std::string> Press(const std::array<std::string, 4>& from, const std::array<std::string, 4>& to) {
  RecordingView view(from, to);
  CalculateCommand command(view);
  command.Run();
  return view.events;
}

struct PressCase {
  std::string name;
  std::array<std::string, 4> from;
  std::array<std::string, 4> to;
  std::string event;  // the one thing the press does to the window
  friend void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }
};

class calculate_command : public testing::TestWithParam<PressCase> {};

TEST_P(calculate_command, does_exactly_one_thing) {
  const PressCase& c = GetParam();
  EXPECT_EQ(Press(c.from, c.to), std::vector<std::string>{c.event});
}

using Box = std::array<std::string, 4>;
const Box kTen{"10", "0", "0", "1"};

INSTANTIATE_TEST_SUITE_P(
    results, calculate_command,
    testing::Values(
        PressCase{"class_c", {"192", "168", "1", "0"}, {"192", "168", "1", "255"}, "subnet:255.255.255.0"},
        PressCase{"to_below_from", {"10", "0", "3", "5"}, {"10", "0", "0", "1"}, "subnet:255.255.252.0"},
        PressCase{
            "spaces_around_numbers", {" 7 ", "0", "0", "1"}, {"7", "0", "0", "1"}, "subnet:255.255.255.255"},
        PressCase{
            "leading_zeros", {"010", "0255", "0", "0"}, {"10", "255", "0", "0"}, "subnet:255.255.255.255"},
        PressCase{
            "limits_of_an_octet", {"0", "0", "0", "0"}, {"255", "255", "255", "255"}, "subnet:0.0.0.0"}),
    [](const testing::TestParamInfo<PressCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    blank_boxes, calculate_command,
    testing::Values(
        PressCase{
            "all_empty", {"", "", "", ""}, {"", "", "", ""}, "message:Please enter 'From' first octet."},
        PressCase{"from_second", {"1", "", "", ""}, kTen, "message:Please enter 'From' second octet."},
        PressCase{"from_third_spaces_only",
                  {"1", "2", "   ", "4"},
                  kTen,
                  "message:Please enter 'From' third octet."},
        PressCase{"from_fourth", {"1", "2", "3", " "}, kTen, "message:Please enter 'From' fourth octet."},
        PressCase{"to_first", kTen, {"", "2", "3", "4"}, "message:Please enter 'To' first octet."},
        PressCase{"to_second_before_to_fourth",
                  kTen,
                  {"1", "", "3", ""},
                  "message:Please enter 'To' second octet."},
        PressCase{"to_third", kTen, {"1", "2", "", "4"}, "message:Please enter 'To' third octet."},
        PressCase{"to_fourth", kTen, {"1", "2", "3", ""}, "message:Please enter 'To' fourth octet."},
        PressCase{"blank_beats_a_bad_number_before_it",
                  {"x", "0", "0", "0"},
                  {"1", "2", "", "4"},
                  "message:Please enter 'To' third octet."}),
    [](const testing::TestParamInfo<PressCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    bad_numbers, calculate_command,
    testing::Values(PressCase{"above_255",
                              kTen,
                              {"10", "0", "0", "300"},
                              "message:Please enter a number from 0 to 255 for 'To' fourth octet."},
                    PressCase{"trailing_dot",
                              {"1.", "0", "0", "0"},
                              kTen,
                              "message:Please enter a number from 0 to 255 for 'From' first octet."},
                    PressCase{"negative",
                              {"0", "-1", "0", "0"},
                              kTen,
                              "message:Please enter a number from 0 to 255 for 'From' second octet."},
                    PressCase{"plus_sign",
                              {"0", "0", "+1", "0"},
                              kTen,
                              "message:Please enter a number from 0 to 255 for 'From' third octet."},
                    PressCase{"letters",
                              {"0", "0", "0", "ab"},
                              kTen,
                              "message:Please enter a number from 0 to 255 for 'From' fourth octet."},
                    PressCase{"tab_is_not_a_blank",
                              kTen,
                              {"\t1", "0", "0", "0"},
                              "message:Please enter a number from 0 to 255 for 'To' first octet."},
                    PressCase{"space_inside",
                              kTen,
                              {"1", "2 5", "0", "0"},
                              "message:Please enter a number from 0 to 255 for 'To' second octet."},
                    PressCase{"many_digits",
                              kTen,
                              {"1", "2", "99999999999999999999", "0"},
                              "message:Please enter a number from 0 to 255 for 'To' third octet."},
                    PressCase{"first_bad_box_wins",
                              {"0", "256", "0", "x"},
                              kTen,
                              "message:Please enter a number from 0 to 255 for 'From' second octet."}),
    [](const testing::TestParamInfo<PressCase>& info) { return info.param.name; });

TEST(calculate_command, addresses_keep_the_blanks_as_typed) {
  RecordingView view({" 10", "0 ", "0", "1"}, {"a", "b", "c", "d"});
  const CalculateCommand command(view);
  EXPECT_EQ(command.GetFromAddress(), " 10.0 .0.1");
  EXPECT_EQ(command.GetToAddress(), "a.b.c.d");
}

TEST(calculate_command, second_press_writes_the_same_text_again) {
  RecordingView view({"10", "0", "0", "1"}, {"10", "0", "3", "5"});
  CalculateCommand command(view);
  command.Run();
  command.Run();
  EXPECT_EQ(view.events, (std::vector<std::string>{"subnet:255.255.252.0", "subnet:255.255.252.0"}));
}

TEST(calculate_command, messages_are_word_for_word) {
  EXPECT_EQ(BlankBoxMessage(kOctetBoxes[0]), "Please enter 'From' first octet.");
  EXPECT_EQ(BlankBoxMessage(kOctetBoxes[7]), "Please enter 'To' fourth octet.");
  EXPECT_EQ(BadOctetMessage(kOctetBoxes[4]), "Please enter a number from 0 to 255 for 'To' first octet.");
  EXPECT_EQ(kCalculationFailedMessage, "The subnet mask could not be calculated from these addresses.");
}

}  // namespace
}  // namespace morvana
