#include "mask/dotted_address.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace morvana {
namespace {

constexpr OctetValues kEmpty{};

OctetValues Values(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
  return {OctetValue(a), OctetValue(b), OctetValue(c), OctetValue(d)};
}

TEST(join_octet_fields, keeps_every_character_as_typed) {
  EXPECT_EQ(JoinOctetFields("192", "168", "1", "0"), "192.168.1.0");
  EXPECT_EQ(JoinOctetFields(" 10", "0 ", "0", "1"), " 10.0 .0.1");
  EXPECT_EQ(JoinOctetFields("10", "1.", "0", "0"), "10.1..0.0") << "a dot inside a field is not escaped";
  EXPECT_EQ(JoinOctetFields("", "", "", ""), "...");
}

struct SplitCase {
  std::string name;
  std::string text;
  OctetValues values;
  friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
};

class split_dotted_address : public testing::TestWithParam<SplitCase> {};

TEST_P(split_dotted_address, gives_the_four_values) {
  const auto result = SplitDottedAddress(GetParam().text);
  ASSERT_TRUE(result.HasValue()) << "'" << GetParam().text << "' should convert";
  EXPECT_EQ(result.Value(), GetParam().values) << "'" << GetParam().text << "'";
}

constexpr auto kMax64 = std::numeric_limits<std::int64_t>::max();
constexpr auto kMin64 = std::numeric_limits<std::int64_t>::min();

INSTANTIATE_TEST_SUITE_P(
    cases, split_dotted_address,
    testing::Values(
        SplitCase{"plain", "192.168.1.0", Values(192, 168, 1, 0)},
        SplitCase{"blanks_around_fields", " 10.0 .0.1", Values(10, 0, 0, 1)},
        SplitCase{"tabs_around_fields", "\t10\t.0.0.1", Values(10, 0, 0, 1)},
        SplitCase{"leading_zeros", "010.001.0000.0", Values(10, 1, 0, 0)},
        SplitCase{"no_range_check", "300.-1.7.999", Values(300, -1, 7, 999)},
        SplitCase{"plus_sign", "+1.+0.-0.2", Values(1, 0, 0, 2)},
        SplitCase{"five_pieces_are_empty", "10.1..0.0", kEmpty},
        SplitCase{"three_pieces_are_empty", "1.2.3", kEmpty},
        SplitCase{"five_numbers_are_empty", "1.2.3.4.5", kEmpty}, SplitCase{"no_dot_is_empty", "", kEmpty},
        SplitCase{"garbage_in_five_pieces_is_still_empty", "x.y.z.w.v", kEmpty},
        SplitCase{"fullwidth_full_stop_is_not_a_separator",
                  "1\xEF\xBC\x8E"
                  "2.3.4",
                  kEmpty},
        SplitCase{"largest_64_bit", "9223372036854775807.0.0.0", Values(kMax64, 0, 0, 0)},
        SplitCase{"huge_saturates_high", std::string(400, '9') + ".0.0.0", Values(kMax64, 0, 0, 0)},
        SplitCase{"huge_negative_saturates_low", "0.-" + std::string(400, '9') + ".0.0",
                  Values(0, kMin64, 0, 0)},
        SplitCase{"smallest_64_bit_with_leading_zero", "0.-09223372036854775808.0.0",
                  Values(0, kMin64, 0, 0)},
        SplitCase{"one_past_64_bits_saturates", "9223372036854775808.0.0.0", Values(kMax64, 0, 0, 0)}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

struct FailCase {
  std::string name;
  std::string text;
  friend void PrintTo(const FailCase& c, std::ostream* os) { *os << c.name; }
};

class split_dotted_address_failure : public testing::TestWithParam<FailCase> {};

TEST_P(split_dotted_address_failure, is_a_conversion_failure) {
  const auto result = SplitDottedAddress(GetParam().text);
  ASSERT_FALSE(result.HasValue()) << "'" << GetParam().text << "' should not convert";
  EXPECT_EQ(result.Failure(), MaskFailure::Conversion);
}

INSTANTIATE_TEST_SUITE_P(
    cases, split_dotted_address_failure,
    testing::Values(FailCase{"letters", "10.x.0.1"}, FailCase{"empty_field", "10..0.1"},
                    FailCase{"all_fields_empty", "..."}, FailCase{"blank_field", "10. .0.1"},
                    FailCase{"lone_minus", "-.0.0.1"}, FailCase{"lone_plus", "0.0.0.+"},
                    FailCase{"double_sign", "--1.0.0.0"}, FailCase{"blank_inside_number", "1 0.0.0.0"},
                    FailCase{"nan", "nan.0.0.0"}, FailCase{"inf", "0.inf.0.0"},
                    FailCase{"exponent", "1e3.0.0.0"}, FailCase{"hex", "0x10.0.0.0"},
                    FailCase{"decimal_comma", "0.0.1,5.0"}, FailCase{"non_ascii_digit", "0.0.0.\xD9\xA3"},
                    FailCase{"invalid_utf8", "0.\xFF.0.0"}, FailCase{"nul_byte", std::string("0.0\0.0.0", 8)},
                    FailCase{"failure_in_last_field", "1.2.3.4x"},
                    FailCase{"letter_after_digits", "1x.2.3.4"}),
    [](const testing::TestParamInfo<FailCase>& info) { return info.param.name; });

TEST(octet_value, empty_counts_as_zero_but_differs_from_zero) {
  EXPECT_EQ(OctetValue().Number(), 0);
  EXPECT_TRUE(OctetValue().IsEmpty());
  EXPECT_NE(OctetValue(), OctetValue(0)) << "an empty value and a typed 0 are different values";
}

}  // namespace
}  // namespace morvana
