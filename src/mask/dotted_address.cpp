#include "mask/dotted_address.h"

#include <algorithm>

#include "mask/address_numbers.h"

namespace morvana {
namespace {

constexpr char kSeparator = '.';

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads blanks, an optional sign, one or more digits and blanks from `p`, and
// stops at the first character that cannot continue them. Returns where it
// stopped, or nullptr when there was no digit.
const char* ReadNumber(const char* p, const char* end, std::int64_t& number) {
  bool negative = false;
  // Most fields start with their first digit, so blanks and a sign are looked
  // for only when one does not: on short fields that saves a third of the time.
  if (p != end && !IsDigit(*p)) {
    while (p != end && IsBlank(*p)) ++p;
    if (p != end && (*p == '+' || *p == '-')) {
      negative = *p == '-';
      ++p;
    }
  }
  const char* const digits = p;
  // Magnitudes from 2^63 up are all held at the limit, so the loop stops
  // growing there; below the cut-off, ten times the magnitude plus a digit
  // still fits 64 unsigned bits.
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
  std::uint64_t magnitude = 0;
  for (; p != end && IsDigit(*p); ++p) {
    const auto digit = static_cast<std::uint64_t>(*p - '0');
    magnitude = magnitude <= kLimit / 10 ? magnitude * 10 + digit : kLimit;
  }
  if (p == digits) return nullptr;
  // Held at the limit of its sign: 2^63 negated is exactly the 64-bit minimum.
  number = negative ? static_cast<std::int64_t>(0 - std::min(magnitude, kLimit))
                    : static_cast<std::int64_t>(std::min(magnitude, kLimit - 1));
  while (p != end && IsBlank(*p)) ++p;
  return p;
}

}  // namespace

AddressNumbers ReadAddressNumbers(std::string_view text) {
  AddressNumbers read;
  const char* p = text.data();
  const char* const end = text.data() + text.size();
  // One walk: each field is a number ended by a separator, the last one by
  // the end of the text.
  for (std::size_t i = 0; i < read.numbers.size(); ++i) {
    p = ReadNumber(p, end, read.numbers[i]);
    const bool last = i + 1 == read.numbers.size();
    if (p == nullptr || (last ? p != end : p == end || *p != kSeparator)) {
      // Whether that is a field that is not a number or a text that is not
      // an address at all, only the count of separators can tell.
      read.numbers = {};
      read.form = std::count(text.begin(), text.end(), kSeparator) == 3 ? AddressForm::NotANumber
                                                                        : AddressForm::NotAnAddress;
      return read;
    }
    if (!last) ++p;
  }
  read.form = AddressForm::Numbers;
  return read;
}

DottedAddress JoinOctetFields(std::string_view first, std::string_view second, std::string_view third,
                              std::string_view fourth) {
  DottedAddress address;
  address.reserve(first.size() + second.size() + third.size() + fourth.size() + 3);
  address.append(first).append(1, kSeparator).append(second).append(1, kSeparator);
  address.append(third).append(1, kSeparator).append(fourth);
  return address;
}

Outcome<OctetValues> SplitDottedAddress(std::string_view text) {
  const AddressNumbers read = ReadAddressNumbers(text);
  if (read.form == AddressForm::NotANumber) return MaskFailure::Conversion;
  OctetValues values{};
  if (read.form == AddressForm::Numbers) {
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = OctetValue(read.numbers[i]);
  }
  return values;
}

}  // namespace morvana
