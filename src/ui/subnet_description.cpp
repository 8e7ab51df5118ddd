#include "ui/subnet_description.h"

#include <bit>
#include <cstddef>
#include <optional>

#include "ui/calculate_command.h"
#include "ui/dotted_quad.h"

namespace morvana {
namespace {

// "10.0.0.0/22: 10.0.0.0 to ..." - the network comes first, up to this.
constexpr std::string_view kAfterNetwork = ": ";

// 1024 -> "1,024"
std::string WithThousands(std::uint64_t number) {
  std::string digits = std::to_string(number);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), 1, ',');
  }
  return digits;
}

// The From address as its boxes hold it; a press has checked each of them.
std::optional<std::uint32_t> FromAddress(const MainWindowView& window) {
  std::uint32_t address = 0;
  for (const OctetBox& box : kOctetBoxes) {
    if (box.side != AddressSide::From) continue;
    const auto octet = OctetBoxValue(window.ReadOctetBox(box.side, box.position));
    if (!octet) return std::nullopt;
    address = address << 8 | *octet;
  }
  return address;
}

// Only a run of leading ones is a prefix: 255.255.252.0 is /22.
std::optional<int> PrefixLength(std::string_view mask_text) {
  const auto mask = ParseDottedQuad(mask_text);
  if (!mask) return std::nullopt;
  const int length = std::countl_one(*mask);
  if (PrefixMask(length) != *mask) return std::nullopt;
  return length;
}

}  // namespace

std::string DescribeNetwork(std::uint32_t address, int prefix_length) {
  const std::uint32_t mask = PrefixMask(prefix_length);
  const std::uint32_t first = address & mask;
  std::string text = DottedQuadText(first) + "/" + std::to_string(prefix_length).append(kAfterNetwork);
  if (prefix_length == 32) return text + "1 address";
  const std::uint64_t count = std::uint64_t{1} << (32 - prefix_length);
  return text + DottedQuadText(first) + " to " + DottedQuadText(first | ~mask) + ", " + WithThousands(count) +
         " addresses";
}

std::string_view DescribedNetwork(std::string_view description) {
  const auto end = description.find(kAfterNetwork);
  return end == std::string_view::npos ? std::string_view() : description.substr(0, end);
}

std::string CopyNetworkCaption(std::string_view description) {
  std::string caption(kCopyNetworkCaption);
  if (const auto network = DescribedNetwork(description); !network.empty())
    caption.append(" ").append(network);
  return caption;
}

void DescribingView::SetSubnetText(std::string_view text) {
  window_.SetSubnetText(text);
  const auto from = FromAddress(window_);
  const auto length = PrefixLength(text);
  descriptions_.DescribeSubnet(from && length ? DescribeNetwork(*from, *length) : std::string());
}

void DescribingView::ShowMessage(std::string_view text) {
  descriptions_.DescribeSubnet({});
  window_.ShowMessage(text);
}

}  // namespace morvana
