#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "mask/dotted_address.h"
#include "ui/covered_range.h"
#include "ui/main_window_view.h"

namespace morvana {

// One of the eight octet boxes, and the words that name it in messages.
struct OctetBox {
  AddressSide side;
  OctetPosition position;
  std::string_view words;  // "'From' first octet"
};

// The boxes in the order they are checked: From first to fourth, then To.
inline constexpr std::array<OctetBox, 8> kOctetBoxes{{
    {AddressSide::From, OctetPosition::First, "'From' first octet"},
    {AddressSide::From, OctetPosition::Second, "'From' second octet"},
    {AddressSide::From, OctetPosition::Third, "'From' third octet"},
    {AddressSide::From, OctetPosition::Fourth, "'From' fourth octet"},
    {AddressSide::To, OctetPosition::First, "'To' first octet"},
    {AddressSide::To, OctetPosition::Second, "'To' second octet"},
    {AddressSide::To, OctetPosition::Third, "'To' third octet"},
    {AddressSide::To, OctetPosition::Fourth, "'To' fourth octet"},
}};

// The number a box holds, from 0 to 255 with spaces around it allowed.
[[nodiscard]] std::optional<std::uint8_t> OctetBoxValue(std::string_view text);

[[nodiscard]] std::string BlankBoxMessage(const OctetBox& box);
[[nodiscard]] std::string BadOctetMessage(const OctetBox& box);
inline constexpr std::string_view kCalculationFailedMessage =
    "The subnet mask could not be calculated from these addresses.";

// What a press of "Calculate Subnet" does. Bound to one window for its life;
// keeps no state between presses.
class CalculateCommand {
 public:
  explicit CalculateCommand(MainWindowView& view) : view_(view) {}

  // One press: check the boxes, then write the covering mask into txtSubnet.
  // Any message ends the press and leaves txtSubnet as it was. Returns the
  // range and the network the mask stands for, or nothing after a message.
  std::optional<CoveredRange> Run();

  // True when no box is blank (spaces only count as blank); otherwise shows
  // the message for the first blank box.
  [[nodiscard]] bool ValidateOctetFields();
  // True when every box holds a number from 0 to 255, spaces around allowed;
  // otherwise shows the message for the first box that does not.
  [[nodiscard]] bool ValidateOctetValues();

  [[nodiscard]] DottedAddress GetFromAddress() const { return GetAddress(AddressSide::From); }
  [[nodiscard]] DottedAddress GetToAddress() const { return GetAddress(AddressSide::To); }

 private:
  [[nodiscard]] DottedAddress GetAddress(AddressSide side) const;
  // The address its boxes hold, once ValidateOctetValues has passed them.
  [[nodiscard]] std::uint32_t AddressValue(AddressSide side) const;

  MainWindowView& view_;
};

}  // namespace morvana
