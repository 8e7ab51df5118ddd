#include "ui/subnet_description.h"

#include <cstddef>
#include <cstdint>

#include "ui/dotted_quad.h"

namespace morvana {
namespace {

// 1024 -> "1,024"
std::string WithThousands(std::uint64_t number) {
  std::string digits = std::to_string(number);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), 1, ',');
  }
  return digits;
}

}  // namespace

std::string NetworkText(CoveringNetwork network) {
  return DottedQuadText(network.first) + "/" + std::to_string(network.prefix_length);
}

std::string DescribeNetwork(CoveringNetwork network) {
  std::string text = NetworkText(network) + ": ";
  if (network.prefix_length == 32) return text + "1 address";
  const std::uint64_t count = std::uint64_t{1} << (32 - network.prefix_length);
  return text + DottedQuadText(network.first) + " to " + DottedQuadText(network.Last()) + ", " +
         WithThousands(count) + " addresses";
}

std::string AnnouncementText(CoveringNetwork network, bool marked) {
  std::string text =
      "Subnet mask " + DottedQuadText(PrefixMask(network.prefix_length)) + ". " + DescribeNetwork(network);
  if (marked) text.append(kNoBreakSpace);
  return text;
}

std::string CopyNetworkCaption(const std::optional<CoveringNetwork>& network) {
  std::string caption(kCopyNetworkCaption);
  if (network) caption.append(" ").append(NetworkText(*network));
  return caption;
}

}  // namespace morvana
