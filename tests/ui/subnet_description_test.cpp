#include "ui/subnet_description.h"

#include <gtest/gtest.h>

namespace morvana {
namespace {

TEST(subnet_description, names_the_network_its_size_and_what_it_holds_beyond_the_range) {
  struct Case {
    std::uint32_t from;
    std::uint32_t to;
    int prefix;
    const char* expected;
  };
  const Case cases[] = {
      {0x0A000001, 0x0A000305, 22,
       "10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses, 251 of them outside the range (12 blocks cover "
       "it "
       "exactly)"},
      {0x0A000000, 0x0A0003FF, 22, "10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses, exactly the range"},
      {0x0A000001, 0x0A000001, 32, "10.0.0.1/32: 1 address, exactly the range"},
      {0x0A000001, 0x0A000000, 31, "10.0.0.0/31: 10.0.0.0 to 10.0.0.1, 2 addresses, exactly the range"},
      {0xC0A80AC8, 0xC0A80A07, 24,
       "192.168.10.0/24: 192.168.10.0 to 192.168.10.255, 256 addresses, 62 of them outside the range (8 "
       "blocks "
       "cover it exactly)"},
      {0xAC1F0101, 0xAC100000, 12,
       "172.16.0.0/12: 172.16.0.0 to 172.31.255.255, 1,048,576 addresses, 65,278 of them outside the range "
       "(6 "
       "blocks cover it exactly)"},
      {0x00000001, 0xFFFFFFFE, 0,
       "0.0.0.0/0: 0.0.0.0 to 255.255.255.255, 4,294,967,296 addresses, 2 of them outside the range (62 "
       "blocks "
       "cover it exactly)"},
      {0xFFFFFFFF, 0x00000000, 0,
       "0.0.0.0/0: 0.0.0.0 to 255.255.255.255, 4,294,967,296 addresses, exactly the range"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DescribeRange({c.from, c.to, NetworkOf(c.from, c.prefix)}), c.expected) << c.expected;
  }
}

}  // namespace
}  // namespace morvana
