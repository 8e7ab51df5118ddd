// Checks the octet-by-octet mask against the textbook definition on whole
// 32-bit addresses, without using the octet table at all.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

#include "mask/covering_mask.h"

namespace morvana {
namespace {

std::string Dotted(std::uint32_t address) {
  return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
         std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

// The mask of the longest common prefix: 32 minus the bit width of a XOR b.
std::string LongestPrefixMask(std::uint32_t a, std::uint32_t b) {
  const int prefix = 32 - static_cast<int>(std::bit_width(a ^ b));
  const std::uint32_t mask = prefix == 0 ? 0 : ~std::uint32_t{0} << (32 - prefix);
  return Dotted(mask);
}

// Asserted in the test itself, so that the first pair that differs ends the
// loop: one regression, one failure.
testing::AssertionResult MatchesOracle(std::uint32_t a, std::uint32_t b) {
  const auto result = CalculateSubnetMask(Dotted(a), Dotted(b));
  const std::string expected = LongestPrefixMask(a, b);
  if (result.HasValue() && result.Value() == expected) return testing::AssertionSuccess();
  return testing::AssertionFailure() << Dotted(a) << " / " << Dotted(b) << ": "
                                     << (result.HasValue() ? result.Value() : "no mask") << ", not "
                                     << expected;
}

TEST(longest_prefix_oracle, every_octet_pair_at_every_position) {
  const std::uint32_t base = 0x0A141E28;  // 10.20.30.40: the other octets stay equal
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t cleared = base & ~(std::uint32_t{0xFF} << shift);
    for (std::uint32_t x = 0; x < 256; ++x) {
      for (std::uint32_t y = 0; y < 256; ++y) {
        ASSERT_TRUE(MatchesOracle(cleared | x << shift, cleared | y << shift));
      }
    }
  }
}

TEST(longest_prefix_oracle, seeded_random_pairs) {
  std::mt19937 random(20261208);  // fixed seed: a failure must reproduce
  std::uniform_int_distribution<std::uint32_t> any;
  std::uniform_int_distribution<int> prefix(0, 32);
  for (int i = 0; i < 200000; ++i) {
    const std::uint32_t a = any(random);
    // Share a random prefix with a, so that long prefixes are as common as short ones.
    const int keep = prefix(random);
    const std::uint32_t keep_mask = keep == 0 ? 0 : ~std::uint32_t{0} << (32 - keep);
    const std::uint32_t b = (a & keep_mask) | (any(random) & ~keep_mask);
    ASSERT_TRUE(MatchesOracle(a, b));
  }
}

}  // namespace
}  // namespace morvana
