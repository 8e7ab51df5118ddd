#include "ui/subnet_description.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ui/calculate_command.h"

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
  for (const Case& c : cases) EXPECT_EQ(DescribeNetwork(c.address, c.prefix), c.expected) << c.expected;
}

// A window that records, in order, what the command and the describing view do to it.
class RecordingWindow final : public MainWindowView, public SubnetDescriptionView {
 public:
  std::array<std::string, 8> boxes;  // From first to fourth, then To
  std::vector<std::string> events;

  std::string ReadOctetBox(AddressSide side, OctetPosition position) const override {
    return boxes.at((side == AddressSide::From ? 0 : 4) + static_cast<std::size_t>(position) - 1);
  }
  void SetSubnetText(std::string_view text) override { events.push_back("subnet " + std::string(text)); }
  void ShowMessage(std::string_view) override { events.emplace_back("message"); }
  void DescribeSubnet(std::string_view text) override { events.push_back("describe " + std::string(text)); }
};

TEST(subnet_description, a_mask_comes_with_its_network_and_a_message_takes_it_away) {
  struct Case {
    const char* name;
    std::array<std::string, 8> boxes;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {"range",
       {" 10 ", "0", "0", "1", "10", "0", "3", "5"},
       {"subnet 255.255.252.0", "describe 10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses"}},
      {"to_below_from",
       {"10", "0", "3", "5", "10", "0", "0", "1"},
       {"subnet 255.255.252.0", "describe 10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses"}},
      {"equal_addresses",
       {"0010", "0", "0", "1", "10", "0", "0", "1"},
       {"subnet 255.255.255.255", "describe 10.0.0.1/32: 1 address"}},
      {"blank_box", {"10", "", "0", "1", "10", "0", "3", "5"}, {"describe ", "message"}},
      {"letters", {"10", "0", "0", "x", "10", "0", "3", "5"}, {"describe ", "message"}},
  };
  for (const Case& c : cases) {
    RecordingWindow window;
    window.boxes = c.boxes;
    DescribingView described(window, window);
    CalculateCommand(described).Run();
    EXPECT_EQ(window.events, c.events) << c.name;
  }
}

}  // namespace
}  // namespace morvana
