#pragma once

// What txtSubnet says of the mask it shows, made from the press's numbers:
// its tooltip and accessible description ("10.0.0.0/22: 10.0.0.0 to
// 10.0.3.255, 1,024 addresses, 251 of them outside the range (12 blocks
// cover it exactly)"), what a screen reader hears, and its menu items that
// copy the network and the blocks that hold exactly the range.

#include <optional>
#include <string>
#include <string_view>

#include "mask/cidr_block.h"
#include "ui/covered_range.h"

namespace morvana {

// The network, its addresses, and what it holds beyond the range: nothing
// ("exactly the range"), or how many addresses and how many blocks would
// hold the range alone.
[[nodiscard]] std::string DescribeRange(const CoveredRange& range);

// A block as it goes into a firewall rule or a ticket: "10.0.0.0/22".
[[nodiscard]] std::string NetworkText(CidrBlock block);

// What a screen reader says after a press: "Subnet mask 255.255.252.0. "
// and the description. Screen readers let a text equal to the one before
// pass in silence, so every other one (`marked`) ends in a no-break space:
// each press is heard, the same result again too.
inline constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
[[nodiscard]] std::string AnnouncementText(const CoveredRange& range, bool marked);

// "Copy &Network 10.0.0.0/22", or just "Copy &Network" with no network to copy.
inline constexpr std::string_view kCopyNetworkCaption = "Copy &Network";
[[nodiscard]] std::string CopyNetworkCaption(const std::optional<CoveredRange>& range);

// "Copy Range as 12 &Blocks", "Copy Range as 1 &Block", or "Copy Range as
// &Blocks" with no range to copy.
[[nodiscard]] std::string CopyBlocksCaption(const std::optional<CoveredRange>& range);

// The blocks that hold exactly the range, lowest first, one "a.b.c.d/n" a
// line, each but the last followed by `line_end`.
[[nodiscard]] std::string BlocksText(const CoveredRange& range, std::string_view line_end);

}  // namespace morvana
