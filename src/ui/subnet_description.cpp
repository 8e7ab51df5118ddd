// The texts txtSubnet shows, says and copies about a press's range.
#include "ui/subnet_description.h"

#include <cstddef>
#include <cstdint>

#include "mask/range_blocks.h"
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

std::string NetworkText(CidrBlock block) {
  return DottedQuadText(block.first) + "/" + std::to_string(block.prefix_length);
}

std::string DescribeRange(const CoveredRange& range) {
  const CidrBlock network = range.network;
  std::string text = NetworkText(network) + ": ";
  if (network.prefix_length == 32) {
    text += "1 address";
  } else {
    text += DottedQuadText(network.first) + " to " + DottedQuadText(network.Last()) + ", " +
            WithThousands(network.Size()) + " addresses";
  }
  const std::uint64_t outside = network.Size() - range.Size();
  if (outside == 0) return text + ", exactly the range";
  // A range that is not the whole network is no aligned block, so it takes two at least.
  return text + ", " + WithThousands(outside) + " of them outside the range (" +
         std::to_string(RangeBlockCount(range.from, range.to)) + " blocks cover it exactly)";
}

std::string AnnouncementText(const CoveredRange& range, bool marked) {
  std::string text =
      "Subnet mask " + DottedQuadText(PrefixMask(range.network.prefix_length)) + ". " + DescribeRange(range);
  if (marked) text.append(kNoBreakSpace);
  return text;
}

std::string CopyNetworkCaption(const std::optional<CoveredRange>& range) {
  std::string caption(kCopyNetworkCaption);
  if (range) caption.append(" ").append(NetworkText(range->network));
  return caption;
}

std::string CopyBlocksCaption(const std::optional<CoveredRange>& range) {
  if (!range) return "Copy Range as &Blocks";
  const int count = RangeBlockCount(range->from, range->to);
  return "Copy Range as " + std::to_string(count) + (count == 1 ? " &Block" : " &Blocks");
}

std::string BlocksText(const CoveredRange& range, std::string_view line_end) {
  std::string text;
  for (const CidrBlock& block : RangeBlocks(range.from, range.to)) {
    if (!text.empty()) text.append(line_end);
    text += NetworkText(block);
  }
  return text;
}

}  // namespace morvana
