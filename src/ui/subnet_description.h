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

// What a screen reader says after a press: "Subnet mask 255.255.252.0.
// 10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses". Screen readers let
// a text equal to the one before pass in silence, so every other one
// (`marked`) ends in a no-break space: each press is heard, the same result
// again too.
inline constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
[[nodiscard]] std::string AnnouncementText(CoveringNetwork network, bool marked);

// "Copy &Network 10.0.0.0/22", or just "Copy &Network" with no network to copy.
inline constexpr std::string_view kCopyNetworkCaption = "Copy &Network";
[[nodiscard]] std::string CopyNetworkCaption(const std::optional<CoveringNetwork>& network);

}  // namespace morvana
