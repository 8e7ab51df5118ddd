#include "mask/covering_mask.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <limits>
#include <optional>

namespace morvana {
namespace {

template <typename Narrow>
std::optional<Narrow> Narrowed(std::int64_t value) {
  if (value < std::numeric_limits<Narrow>::min() || value > std::numeric_limits<Narrow>::max()) {
    return std::nullopt;
  }
  return static_cast<Narrow>(value);
}

// The XOR of two octet values in 32 bits, as a 16-bit difference.
std::optional<std::int16_t> Difference(OctetValue a, OctetValue b) {
  const auto a32 = Narrowed<std::int32_t>(a.Number());
  const auto b32 = Narrowed<std::int32_t>(b.Number());
  if (!a32 || !b32) return std::nullopt;
  return Narrowed<std::int16_t>(*a32 ^ *b32);
}

}  // namespace

std::int16_t MaskOctet(std::int16_t difference) {
  struct Row {
    std::int16_t below;
    std::int16_t mask;
  };
  static constexpr std::array<Row, 7> kRows{
      {{2, 254}, {4, 252}, {8, 248}, {16, 240}, {32, 224}, {64, 192}, {128, 128}}};
  if (difference == 0) return 255;
  for (const Row& row : kRows) {
    if (difference < row.below) return row.mask;
  }
  return 0;
}

Outcome<DottedAddress> CalculateSubnetMask(std::string_view first, std::string_view second) {
  const auto a = SplitDottedAddress(first);
  if (!a) return a.Failure();
  const auto b = SplitDottedAddress(second);
  if (!b) return b.Failure();

  std::array<std::int16_t, 4> mask{};
  for (std::size_t i = 0; i < mask.size(); ++i) {
    const auto difference = Difference(a.Value()[i], b.Value()[i]);
    if (!difference) return MaskFailure::Range;
    mask[i] = MaskOctet(*difference);
  }
  // Once an octet is below 255 the prefix has ended, so everything to its
  // right is host part. The last octet has nothing to its right.
  for (std::size_t i = 0; i + 1 < mask.size(); ++i) {
    if (mask[i] < 255) {
      for (std::size_t j = i + 1; j < mask.size(); ++j) mask[j] = 0;
    }
  }

  // Four numbers of at most six characters each ("-32768") and three dots.
  std::array<char, 4 * 6 + 3> text{};
  char* end = text.data();
  for (std::size_t i = 0; i < mask.size(); ++i) {
    if (i > 0) *end++ = '.';
    end = std::to_chars(end, text.data() + text.size(), mask[i]).ptr;
  }
  return DottedAddress(text.data(), end);
}

}  // namespace morvana
