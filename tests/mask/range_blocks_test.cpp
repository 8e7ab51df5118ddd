// The exact cover of a range, held against Python's
// ipaddress.summarize_address_range, which gave every row's figures.
#include "mask/range_blocks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace morvana {
namespace {

constexpr std::uint32_t Quad(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
  return a << 24 | b << 16 | c << 8 | d;
}

std::string Text(CidrBlock block) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    text += std::to_string(block.first >> shift & 0xFF) + (shift > 0 ? "." : "");
  }
  return text + "/" + std::to_string(block.prefix_length);
}

TEST(range_blocks, the_fewest_blocks_that_hold_exactly_the_range) {
  struct Case {
    const char* name;
    std::uint32_t from;
    std::uint32_t to;
    std::size_t count;
    const char* first;
    const char* last;
  };
  const Case cases[] = {
      {"whole_space", Quad(0, 0, 0, 0), Quad(255, 255, 255, 255), 1, "0.0.0.0/0", "0.0.0.0/0"},
      {"longest_answer", Quad(0, 0, 0, 1), Quad(255, 255, 255, 254), 62, "0.0.0.1/32", "255.255.255.254/32"},
      {"equal_addresses", Quad(10, 0, 0, 1), Quad(10, 0, 0, 1), 1, "10.0.0.1/32", "10.0.0.1/32"},
      {"upper_half_ends_at_the_top", Quad(128, 0, 0, 0), Quad(255, 255, 255, 255), 1, "128.0.0.0/1",
       "128.0.0.0/1"},
      {"top_two", Quad(255, 255, 255, 254), Quad(255, 255, 255, 255), 1, "255.255.255.254/31",
       "255.255.255.254/31"},
      {"unaligned_low_end", Quad(192, 168, 1, 1), Quad(192, 168, 1, 255), 8, "192.168.1.1/32",
       "192.168.1.128/25"},
      {"unaligned_high_end", Quad(192, 168, 1, 0), Quad(192, 168, 1, 254), 8, "192.168.1.0/25",
       "192.168.1.254/32"},
      {"both_ends_unaligned", Quad(10, 0, 0, 1), Quad(10, 0, 3, 5), 12, "10.0.0.1/32", "10.0.3.4/31"},
      {"reversed", Quad(10, 0, 3, 5), Quad(10, 0, 0, 1), 12, "10.0.0.1/32", "10.0.3.4/31"},
      {"across_the_middle", Quad(128, 0, 0, 0), Quad(127, 255, 255, 255), 2, "127.255.255.255/32",
       "128.0.0.0/32"},
  };
  for (const Case& c : cases) {
    const std::vector<CidrBlock> blocks = RangeBlocks(c.from, c.to);
    ASSERT_EQ(blocks.size(), c.count) << c.name;
    EXPECT_EQ(RangeBlockCount(c.from, c.to), static_cast<int>(c.count)) << c.name;
    EXPECT_EQ(Text(blocks.front()), c.first) << c.name;
    EXPECT_EQ(Text(blocks.back()), c.last) << c.name;
  }
}

}  // namespace
}  // namespace morvana
