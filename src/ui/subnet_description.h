#pragma once

// What txtSubnet says of the mask it shows, made from the network's numbers:
// its tooltip and accessible description ("10.0.0.0/22: 10.0.0.0 to
// 10.0.3.255, 1,024 addresses"), and its menu item that copies the network.

#include <optional>
#include <string>
#include <string_view>

#include "ui/covering_network.h"

namespace morvana {

[[nodiscard]] std::string DescribeNetwork(CoveringNetwork network);

// The network as it goes into a firewall rule or a ticket: "10.0.0.0/22".
[[nodiscard]] std::string NetworkText(CoveringNetwork network);

// "Copy &Network 10.0.0.0/22", or just "Copy &Network" with no network to copy.
inline constexpr std::string_view kCopyNetworkCaption = "Copy &Network";
[[nodiscard]] std::string CopyNetworkCaption(const std::optional<CoveringNetwork>& network);

}  // namespace morvana
