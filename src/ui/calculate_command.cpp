#include "ui/calculate_command.h"

#include <algorithm>
#include <bit>

#include "mask/covering_mask.h"

namespace morvana {
namespace {

// Only the space character counts as a blank here; a tab is content.
std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<std::uint8_t> OctetBoxValue(std::string_view text) {
  const std::string_view digits = TrimSpaces(text);
  if (digits.empty()) return std::nullopt;
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 255) return std::nullopt;  // also stops long inputs from overflowing
  }
  return static_cast<std::uint8_t>(value);
}

std::string BlankBoxMessage(const OctetBox& box) {
  return "Please enter " + std::string(box.words) + ".";
}

std::string BadOctetMessage(const OctetBox& box) {
  return "Please enter a number from 0 to 255 for " + std::string(box.words) + ".";
}

std::optional<CoveredRange> CalculateCommand::Run() {
  if (!ValidateOctetFields() || !ValidateOctetValues()) return std::nullopt;

  const DottedAddress from = GetFromAddress();
  const DottedAddress to = GetToAddress();
  const auto mask = CalculateMaskOctets(to, from);
  if (!mask) {
    view_.ShowMessage(kCalculationFailedMessage);
    return std::nullopt;
  }
  view_.SetSubnetText(MaskText(mask.Value()));
  // The mask keeps whole leading octets and one run of ones in the octet
  // where the addresses part, so it is a prefix: its length is its ones.
  std::uint32_t bits = 0;
  for (const std::int16_t octet : mask.Value()) bits = bits << 8 | static_cast<std::uint8_t>(octet);
  CoveredRange range{AddressValue(AddressSide::From), AddressValue(AddressSide::To), {}};
  range.network = NetworkOf(range.from, std::countl_one(bits));
  return range;
}

bool CalculateCommand::ValidateOctetFields() {
  const auto blank = std::find_if(kOctetBoxes.begin(), kOctetBoxes.end(), [this](const OctetBox& box) {
    return TrimSpaces(view_.ReadOctetBox(box.side, box.position)).empty();
  });
  if (blank == kOctetBoxes.end()) return true;
  view_.ShowMessage(BlankBoxMessage(*blank));
  return false;
}

bool CalculateCommand::ValidateOctetValues() {
  const auto bad = std::find_if(kOctetBoxes.begin(), kOctetBoxes.end(), [this](const OctetBox& box) {
    return !OctetBoxValue(view_.ReadOctetBox(box.side, box.position));
  });
  if (bad == kOctetBoxes.end()) return true;
  view_.ShowMessage(BadOctetMessage(*bad));
  return false;
}

DottedAddress CalculateCommand::GetAddress(AddressSide side) const {
  return JoinOctetFields(
      view_.ReadOctetBox(side, OctetPosition::First), view_.ReadOctetBox(side, OctetPosition::Second),
      view_.ReadOctetBox(side, OctetPosition::Third), view_.ReadOctetBox(side, OctetPosition::Fourth));
}

std::uint32_t CalculateCommand::AddressValue(AddressSide side) const {
  std::uint32_t address = 0;
  for (const OctetBox& box : kOctetBoxes) {
    if (box.side == side)
      address = address << 8 | OctetBoxValue(view_.ReadOctetBox(box.side, box.position)).value_or(0);
  }
  return address;
}

}  // namespace morvana
