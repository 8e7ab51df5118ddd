#pragma once

// The exact cover of an address range: the fewest CIDR blocks whose union is
// every address of the range and nothing else, as a firewall rule or an
// access list needs it. 10.0.0.1 to 10.0.3.5 takes 12 blocks, from
// 10.0.0.1/32 to 10.0.3.4/31.

#include <cstdint>
#include <vector>

#include "mask/cidr_block.h"

namespace morvana {

// In ascending order, from the lower of the two addresses to the higher; the
// order of the arguments does not matter. At most 62 blocks (0.0.0.1 to
// 255.255.255.254); 0.0.0.0 to 255.255.255.255 is the one block /0.
[[nodiscard]] std::vector<CidrBlock> RangeBlocks(std::uint32_t from, std::uint32_t to);

// How many blocks RangeBlocks gives, without making them.
[[nodiscard]] int RangeBlockCount(std::uint32_t from, std::uint32_t to);

}  // namespace morvana
