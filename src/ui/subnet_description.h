#pragma once

// What txtSubnet says of the mask it shows: the covering network, as its
// tooltip and accessible description ("10.0.0.0/22: 10.0.0.0 to 10.0.3.255,
// 1,024 addresses").

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/main_window_view.h"

namespace morvana {

// The network of `prefix_length` bits that holds `address`.
[[nodiscard]] std::string DescribeNetwork(std::uint32_t address, int prefix_length);

// The network a description names, as it goes into a firewall rule or a
// ticket: "10.0.0.0/22". Empty for an empty description.
[[nodiscard]] std::string_view DescribedNetwork(std::string_view description);

// txtSubnet's menu item that copies that network: "Copy &Network 10.0.0.0/22",
// or just "Copy &Network" while txtSubnet carries no description.
inline constexpr std::string_view kCopyNetworkCaption = "Copy &Network";
[[nodiscard]] std::string CopyNetworkCaption(std::string_view description);

// A window's tooltip and accessible description of txtSubnet.
class SubnetDescriptionView {
 public:
  virtual ~SubnetDescriptionView() = default;
  // An empty text removes both.
  virtual void DescribeSubnet(std::string_view description) = 0;

 protected:
  SubnetDescriptionView() = default;
  SubnetDescriptionView(const SubnetDescriptionView&) = default;
  SubnetDescriptionView& operator=(const SubnetDescriptionView&) = default;
  SubnetDescriptionView(SubnetDescriptionView&&) = default;
  SubnetDescriptionView& operator=(SubnetDescriptionView&&) = default;
};

// Stands between the Calculate command and its window, which the command
// keeps seeing through its three operations only. A mask written into
// txtSubnet comes with the description of the From address's network under
// it; a message takes the description away, since txtSubnet then no longer
// answers the boxes.
class DescribingView final : public MainWindowView {
 public:
  DescribingView(MainWindowView& window, SubnetDescriptionView& descriptions)
      : window_(window), descriptions_(descriptions) {}

  [[nodiscard]] std::string ReadOctetBox(AddressSide side, OctetPosition position) const override {
    return window_.ReadOctetBox(side, position);
  }
  void SetSubnetText(std::string_view text) override;
  void ShowMessage(std::string_view text) override;

 private:
  MainWindowView& window_;
  SubnetDescriptionView& descriptions_;
};

}  // namespace morvana
