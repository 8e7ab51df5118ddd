#include "mask_properties.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <set>

namespace morvana::fuzz {
namespace {

std::string Dotted(std::uint32_t address) {
  return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
         std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

// A strict reading of four decimal octets 0..255 with nothing else, on its
// own terms rather than the calculation's.
std::optional<std::uint32_t> StrictQuad(std::string_view text) {
  std::uint32_t address = 0;
  int fields = 0;
  std::uint32_t octet = 0;
  int digits = 0;
  for (const char c : text) {
    if (c == '.') {
      if (digits == 0 || ++fields > 3) return std::nullopt;
      address = address << 8 | octet;
      octet = 0;
      digits = 0;
    } else if (c >= '0' && c <= '9') {
      octet = octet * 10 + static_cast<std::uint32_t>(c - '0');
      if (octet > 255) return std::nullopt;
      ++digits;
    } else {
      return std::nullopt;
    }
  }
  if (fields != 3 || digits == 0) return std::nullopt;
  return address << 8 | octet;
}

std::string LongestPrefixMask(std::uint32_t a, std::uint32_t b) {
  const int width = std::bit_width(a ^ b);
  return Dotted(width == 32 ? 0 : ~std::uint32_t{0} << width);
}

const std::set<std::string>& ValidMasks() {
  static const std::set<std::string> masks = [] {
    std::set<std::string> all;
    for (int prefix = 0; prefix <= 32; ++prefix) {
      all.insert(Dotted(prefix == 0 ? 0 : ~std::uint32_t{0} << (32 - prefix)));
    }
    return all;
  }();
  return masks;
}

}  // namespace

std::pair<std::string_view, std::string_view> SplitInput(std::string_view bytes) {
  const auto newline = bytes.find('\n');
  if (newline == std::string_view::npos) return {bytes, {}};
  return {bytes.substr(0, newline), bytes.substr(newline + 1)};
}

std::optional<std::string> CheckMaskProperties(std::string_view first, std::string_view second,
                                               MaskCalculation calculate) {
  (void)SplitDottedAddress(first);  // must merely not crash
  const auto forward = calculate(first, second);
  const auto backward = calculate(second, first);
  if (!(forward == backward)) return "the result depends on the order of the addresses";
  if (!forward.HasValue()) return std::nullopt;

  if (ValidMasks().count(forward.Value()) == 0) return "not one of the 33 masks: " + forward.Value();
  const auto a = StrictQuad(first);
  const auto b = StrictQuad(second);
  if (a && b && forward.Value() != LongestPrefixMask(*a, *b)) {
    return "differs from the longest common prefix " + LongestPrefixMask(*a, *b) + ": " + forward.Value();
  }
  if (a && b) return CheckBlockProperties(*a, *b, RangeBlocks(*a, *b));
  return std::nullopt;
}

std::optional<std::string> CheckBlockProperties(std::uint32_t from, std::uint32_t to,
                                                const std::vector<CidrBlock>& blocks) {
  // The texts are made only for a violation: the fuzzer checks millions of covers.
  const auto violated = [&](std::size_t i, const char* what) {
    return Dotted(from) + " to " + Dotted(to) + ": block " + std::to_string(i) + " " + what;
  };
  // Counted in 64 bits: the block that ends at 255.255.255.255 ends the range there.
  std::uint64_t next = std::min(from, to);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const CidrBlock& block = blocks[i];
    if (block.prefix_length < 0 || block.prefix_length > 32) return violated(i, "has no valid length");
    if ((block.first & ~PrefixMask(block.prefix_length)) != 0) return violated(i, "is not aligned");
    if (block.first != next) return violated(i, "leaves a gap or overlaps");
    next = std::uint64_t{block.Last()} + 1;
    const CidrBlock* before = i > 0 ? &blocks[i - 1] : nullptr;
    if (before != nullptr && before->prefix_length == block.prefix_length && block.prefix_length > 0 &&
        (before->first & ~PrefixMask(block.prefix_length - 1)) == 0) {
      return violated(i, "and the one before make one block");
    }
  }
  if (next != std::uint64_t{std::max(from, to)} + 1) return violated(blocks.size(), "should follow");
  return std::nullopt;
}

}  // namespace morvana::fuzz
