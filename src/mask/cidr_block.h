#pragma once

// A CIDR block as numbers: its first address and its prefix length. The
// network a press finds and each block of a range's exact cover are both
// one; their texts ("10.0.0.0/22") are made from these numbers where they
// are shown.

#include <cstdint>

namespace morvana {

// The n leading one bits of a mask; 0 gives no bits, 32 all of them.
[[nodiscard]] constexpr std::uint32_t PrefixMask(int prefix_length) {
  return prefix_length <= 0 ? 0 : ~std::uint32_t{0} << (32 - prefix_length);
}

struct CidrBlock {
  std::uint32_t first = 0;  // the block's first address
  int prefix_length = 0;    // 0 to 32

  [[nodiscard]] constexpr std::uint32_t Last() const { return first | ~PrefixMask(prefix_length); }
  // 2^(32 - prefix length): the whole address space does not fit 32 bits.
  [[nodiscard]] constexpr std::uint64_t Size() const { return std::uint64_t{1} << (32 - prefix_length); }
  friend constexpr bool operator==(const CidrBlock&, const CidrBlock&) = default;
};

// The block of `prefix_length` bits that holds `address`.
[[nodiscard]] constexpr CidrBlock NetworkOf(std::uint32_t address, int prefix_length) {
  return {address & PrefixMask(prefix_length), prefix_length};
}

}  // namespace morvana
