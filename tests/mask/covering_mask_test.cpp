#include "mask/covering_mask.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace morvana {
namespace {

struct MaskCase {
  std::string name;
  std::string first;
  std::string second;
  std::string mask;
  friend void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.name; }
};

class covering_mask : public testing::TestWithParam<MaskCase> {};

TEST_P(covering_mask, gives_the_mask_in_either_order) {
  const MaskCase& c = GetParam();
  const auto forward = CalculateSubnetMask(c.first, c.second);
  ASSERT_TRUE(forward.HasValue()) << c.first << " / " << c.second;
  EXPECT_EQ(forward.Value(), c.mask) << c.first << " / " << c.second;
  EXPECT_EQ(CalculateSubnetMask(c.second, c.first), forward) << "swapping the addresses changed the result";
}

INSTANTIATE_TEST_SUITE_P(
    cases, covering_mask,
    testing::Values(MaskCase{"class_c_range", "192.168.1.0", "192.168.1.255", "255.255.255.0"},
                    MaskCase{"third_octet_clears_fourth", "10.0.0.1", "10.0.3.5", "255.255.252.0"},
                    MaskCase{"equal_addresses", "10.1.2.3", "10.1.2.3", "255.255.255.255"},
                    MaskCase{"whole_space", "0.0.0.0", "255.255.255.255", "0.0.0.0"},
                    MaskCase{"class_a", "10.0.0.0", "10.255.255.255", "255.0.0.0"},
                    MaskCase{"private_172", "172.16.0.0", "172.31.255.255", "255.240.0.0"},
                    MaskCase{"neighbours", "192.168.1.128", "192.168.1.129", "255.255.255.254"},
                    MaskCase{"top_bit_of_an_octet", "10.0.127.0", "10.0.128.0", "255.255.0.0"},
                    MaskCase{"last_octet_is_not_cleared_by_itself", "1.1.1.0", "1.1.1.128", "255.255.255.0"},
                    MaskCase{"five_pieces_count_as_zero", "1.2.3.4", "10.1..0.0", "254.0.0.0"},
                    MaskCase{"two_malformed_addresses", "1..0.0.0", "0.0.0", "255.255.255.255"},
                    MaskCase{"xor_256_gives_zero", "300.0.0.0", "44.0.0.0", "0.0.0.0"},
                    MaskCase{"negative_difference_gives_254", "-1.0.0.0", "0.0.0.0", "254.0.0.0"},
                    MaskCase{"largest_16_bit_xor", "32767.0.0.0", "0.0.0.0", "0.0.0.0"},
                    MaskCase{"smallest_16_bit_xor", "-32768.0.0.0", "0.0.0.0", "254.0.0.0"},
                    MaskCase{"blanks_travel_in", " 10.0 .0.1", "10.0.0.1", "255.255.255.255"}),
    [](const testing::TestParamInfo<MaskCase>& info) { return info.param.name; });

struct FailureCase {
  std::string name;
  std::string first;
  std::string second;
  MaskFailure failure;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class covering_mask_failure : public testing::TestWithParam<FailureCase> {};

TEST_P(covering_mask_failure, reports_the_failure_in_either_order) {
  const FailureCase& c = GetParam();
  for (const auto& [a, b] : {std::pair{c.first, c.second}, std::pair{c.second, c.first}}) {
    const auto result = CalculateSubnetMask(a, b);
    ASSERT_FALSE(result.HasValue()) << a << " / " << b << " gave " << result.Value();
    EXPECT_EQ(result.Failure(), c.failure) << a << " / " << b;
  }
}

INSTANTIATE_TEST_SUITE_P(
    cases, covering_mask_failure,
    testing::Values(
        FailureCase{"letters", "10.x.0.1", "10.0.0.1", MaskFailure::Conversion},
        FailureCase{"empty_field", "10..0.1", "10.0.0.1", MaskFailure::Conversion},
        FailureCase{"xor_just_past_16_bits", "32768.0.0.0", "0.0.0.0", MaskFailure::Range},
        FailureCase{"negative_xor_past_16_bits", "-32769.0.0.0", "0.0.0.0", MaskFailure::Range},
        FailureCase{"value_past_32_bits", "0.0.0.2147483648", "0.0.0.0", MaskFailure::Range},
        FailureCase{"value_past_32_bits_below", "0.0.0.-2147483649", "0.0.0.0", MaskFailure::Range},
        FailureCase{"value_past_32_bits_even_if_xor_small", "0.0.0.2147483648", "0.0.0.2147483648",
                    MaskFailure::Range},
        FailureCase{"four_hundred_digits", std::string(400, '9') + ".0.0.0", "0.0.0.0", MaskFailure::Range}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(covering_mask, conversion_failure_wins_over_malformed_other_address) {
  const auto result = CalculateSubnetMask("1.2", "1.2.3.x");
  ASSERT_FALSE(result.HasValue());
  EXPECT_EQ(result.Failure(), MaskFailure::Conversion);
}

struct OctetRow {
  std::int16_t low;
  std::int16_t high;
  std::int16_t mask;
};

TEST(mask_octet, maps_each_band_of_differences) {
  const OctetRow rows[] = {{0, 0, 255},   {1, 1, 254},     {2, 3, 252},      {4, 7, 248},
                           {8, 15, 240},  {16, 31, 224},   {32, 63, 192},    {64, 127, 128},
                           {128, 255, 0}, {256, 32767, 0}, {-32768, -1, 254}};
  for (const OctetRow& row : rows) {
    for (const int d : {int{row.low}, (row.low + row.high) / 2, int{row.high}}) {
      EXPECT_EQ(MaskOctet(static_cast<std::int16_t>(d)), row.mask) << "difference " << d;
    }
  }
}

}  // namespace
}  // namespace morvana
