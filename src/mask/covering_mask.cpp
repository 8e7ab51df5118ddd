#include "mask/covering_mask.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <optional>
#include <utility>

#include "mask/address_numbers.h"

namespace morvana {
namespace {

// The XOR of two octet values in 32 bits, as a 16-bit difference; nullopt
// when either value or the XOR does not fit.
std::optional<std::int16_t> Difference(std::int64_t a, std::int64_t b) {
  if (!std::in_range<std::int32_t>(a) || !std::in_range<std::int32_t>(b)) return std::nullopt;
  const std::int32_t xor32 = static_cast<std::int32_t>(a) ^ static_cast<std::int32_t>(b);
  if (!std::in_range<std::int16_t>(xor32)) return std::nullopt;
  return static_cast<std::int16_t>(xor32);
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

namespace {

// Fills `mask`; the failure, when there is one, leaves it unfinished. The
// octets are written into the caller's array, with no Outcome between them
// and the text, which keeps the hot path free of variant copies.
std::optional<MaskFailure> FillMaskOctets(std::string_view first, std::string_view second, MaskOctets& mask) {
  // A field that is not a number, in either address, goes before any range failure.
  const AddressNumbers a = ReadAddressNumbers(first);
  if (a.form == AddressForm::NotANumber) return MaskFailure::Conversion;
  const AddressNumbers b = ReadAddressNumbers(second);
  if (b.form == AddressForm::NotANumber) return MaskFailure::Conversion;

  for (std::size_t i = 0; i < mask.size(); ++i) {
    const auto difference = Difference(a.numbers[i], b.numbers[i]);
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
  return std::nullopt;
}

}  // namespace

DottedAddress MaskText(const MaskOctets& mask) {
  // Four octets of at most three digits and three dots: the text is written
  // in place, and fits a string's own small buffer.
  DottedAddress text(4 * 3 + 3, '\0');
  char* end = text.data();
  for (std::size_t i = 0; i < mask.size(); ++i) {
    if (i > 0) *end++ = '.';
    end = std::to_chars(end, text.data() + text.size(), mask[i]).ptr;
  }
  text.resize(static_cast<std::size_t>(end - text.data()));
  return text;
}

Outcome<MaskOctets> CalculateMaskOctets(std::string_view first, std::string_view second) {
  MaskOctets mask{};
  if (const auto failure = FillMaskOctets(first, second, mask)) return *failure;
  return mask;
}

Outcome<DottedAddress> CalculateSubnetMask(std::string_view first, std::string_view second) {
  MaskOctets mask{};
  if (const auto failure = FillMaskOctets(first, second, mask)) return *failure;
  return MaskText(mask);
}

}  // namespace morvana
