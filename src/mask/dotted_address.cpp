#include "mask/dotted_address.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

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
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  // from_chars takes the sign itself only as '-', so parse the magnitude as
  // unsigned and apply the sign after; too many digits saturate.
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  if (error == std::errc::result_out_of_range || magnitude > kMax) {
    return OctetValue(negative ? std::numeric_limits<std::int64_t>::min()
                               : std::numeric_limits<std::int64_t>::max());
  }
  const auto value = static_cast<std::int64_t>(magnitude);
  return OctetValue(negative ? -value : value);
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
  if (std::count(text.begin(), text.end(), kSeparator) != 3) return values;  // all empty

  std::size_t start = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::size_t next = i + 1 < values.size() ? text.find(kSeparator, start) : text.size();
    const auto value = ConvertField(text.substr(start, next - start));
    if (!value) return MaskFailure::Conversion;
    values[i] = *value;
    start = next + 1;
  }
  return values;
}

}  // namespace morvana
