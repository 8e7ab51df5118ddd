#include "ui/subnet_description.h"

#include <gtest/gtest.h>

namespace morvana {
namespace {

TEST(subnet_description, names_the_network_its_range_and_its_size) {
  struct Case {
    std::uint32_t address;
    int prefix;
    const char* expected;
  };
  const Case cases[] = {
      {0x0A000001, 22, "10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses"},
      {0xC0A80A07, 23, "192.168.10.0/23: 192.168.10.0 to 192.168.11.255, 512 addresses"},
      {0x0A000001, 32, "10.0.0.1/32: 1 address"},
      {0x0A000001, 31, "10.0.0.0/31: 10.0.0.0 to 10.0.0.1, 2 addresses"},
      {0xAC1F0101, 12, "172.16.0.0/12: 172.16.0.0 to 172.31.255.255, 1,048,576 addresses"},
      {0xFFFFFFFF, 0, "0.0.0.0/0: 0.0.0.0 to 255.255.255.255, 4,294,967,296 addresses"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DescribeNetwork(NetworkOf(c.address, c.prefix)), c.expected) << c.expected;
}

}  // namespace
}  // namespace morvana
