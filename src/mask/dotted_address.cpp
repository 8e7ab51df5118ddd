#include "mask/dotted_address.h"

#include <limits>

namespace morvana {
namespace {

constexpr char kSeparator = '.';

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Plain decimal integer with optional sign and surrounding blanks.
std::optional<OctetValue> ConvertField(std::string_view field) {
  std::string_view digits = TrimBlanks(field);
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty()) return std::nullopt;
  // Accumulate the magnitude, saturating at 2^63 so that the 64-bit minimum
  // stays exact and its negation never overflows.
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
  std::uint64_t magnitude = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    magnitude = magnitude > (kLimit - digit) / 10 ? kLimit : magnitude * 10 + digit;
  }
  if (negative) return OctetValue(static_cast<std::int64_t>(0 - magnitude));  // 2^63 wraps to the minimum
  return OctetValue(magnitude >= kLimit ? std::numeric_limits<std::int64_t>::max()
                                        : static_cast<std::int64_t>(magnitude));
}

}  // namespace

DottedAddress JoinOctetFields(std::string_view first, std::string_view second, std::string_view third,
                              std::string_view fourth) {
  DottedAddress address;
  address.reserve(first.size() + second.size() + third.size() + fourth.size() + 3);
  address.append(first).append(1, kSeparator).append(second).append(1, kSeparator);
  address.append(third).append(1, kSeparator).append(fourth);
  return address;
}

Outcome<OctetValues> SplitDottedAddress(std::string_view text) {
  OctetValues values{};
  // Field i lies between ends[i] and ends[i + 1]; a fifth separator means the
  // text is not an address, and its values stay empty.
  std::array<std::size_t, 5> ends{};
  std::size_t separators = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != kSeparator) continue;
    if (++separators > 3) return values;
    ends[separators] = i + 1;
  }
  if (separators != 3) return values;
  ends[4] = text.size() + 1;

  for (std::size_t i = 0; i < values.size(); ++i) {
    const auto value = ConvertField(text.substr(ends[i], ends[i + 1] - ends[i] - 1));
    if (!value) return MaskFailure::Conversion;
    values[i] = *value;
  }
  return values;
}

}  // namespace morvana
