// The greedy walk behind RangeBlocks: from the low end, the largest aligned
// block that does not pass the high end, again and again. It is also the
// shortest list.
#include "mask/range_blocks.h"

#include <algorithm>
#include <bit>

namespace morvana {
namespace {

// Calls `take` with each block of the range's cover, lowest first. The walk
// counts in 64 bits: stepping past 255.255.255.255 must end it, not wrap to 0.
template <typename Take>
void WalkBlocks(std::uint32_t from, std::uint32_t to, Take take) {
  std::uint64_t next = std::min(from, to);
  const std::uint64_t end = std::uint64_t{std::max(from, to)} + 1;
  while (next < end) {
    // The largest block aligned at `next`, halved until it ends by `end`.
    // Address 0 is aligned for the whole space.
    int host_bits = next == 0 ? 32 : std::countr_zero(next);
    while ((std::uint64_t{1} << host_bits) > end - next) --host_bits;
    take(CidrBlock{static_cast<std::uint32_t>(next), 32 - host_bits});
    next += std::uint64_t{1} << host_bits;
  }
}

}  // namespace

int RangeBlockCount(std::uint32_t from, std::uint32_t to) {
  int count = 0;
  WalkBlocks(from, to, [&count](CidrBlock) { ++count; });
  return count;
}

std::vector<CidrBlock> RangeBlocks(std::uint32_t from, std::uint32_t to) {
  std::vector<CidrBlock> blocks;
  blocks.reserve(static_cast<std::size_t>(RangeBlockCount(from, to)));
  WalkBlocks(from, to, [&blocks](CidrBlock block) { blocks.push_back(block); });
  return blocks;
}

}  // namespace morvana
