#include "ui/octet_entry.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "mask/cidr_block.h"
#include "ui/dotted_quad.h"

namespace morvana {
namespace {

// What surrounds a pasted address: blanks, and the tabs and line ends that a
// copied spreadsheet cell brings along.
constexpr std::string_view kBlanks = " \t\r\n";
constexpr std::string_view kEnDash = "\xE2\x80\x93";  // '–' in UTF-8

constexpr std::array<OctetPosition, 4> kPositions{OctetPosition::First, OctetPosition::Second,
                                                  OctetPosition::Third, OctetPosition::Fourth};

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Moves past leading blanks; says whether there were any.
bool SkipBlanks(std::string_view& text) {
  const auto blanks = std::min(text.find_first_not_of(kBlanks), text.size());
  text.remove_prefix(blanks);
  return blanks > 0;
}

bool SkipPrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

// "/n" with n from 0 to 32, and nothing after it.
std::optional<int> ReadPrefixLength(std::string_view text) {
  if (!SkipPrefix(text, "/") || text.empty() || text.size() > 2) return std::nullopt;
  int length = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    length = length * 10 + (c - '0');
  }
  if (length > 32) return std::nullopt;
  return length;
}

struct PastedAddresses {
  std::uint32_t first;
  std::optional<std::uint32_t> last;  // a range or a block: From and To
};

std::optional<PastedAddresses> ReadPastedAddresses(std::string_view pasted) {
  std::string_view text = Trim(pasted);
  const auto first = ReadDottedQuad(text);
  if (!first) return std::nullopt;
  if (text.empty()) return PastedAddresses{*first, std::nullopt};

  if (const auto length = ReadPrefixLength(text)) {
    const std::uint32_t mask = PrefixMask(*length);
    return PastedAddresses{*first & mask, *first | ~mask};
  }

  // Between the two addresses of a range: '-', '–' or ',' with optional
  // blanks around it, or blanks alone.
  const bool blanks = SkipBlanks(text);
  if (SkipPrefix(text, "-") || SkipPrefix(text, kEnDash) || SkipPrefix(text, ",")) {
    SkipBlanks(text);
  } else if (!blanks) {
    return std::nullopt;
  }
  const auto last = ParseDottedQuad(text);
  if (!last) return std::nullopt;
  return PastedAddresses{*first, *last};
}

void FillAddress(EntryAction& action, AddressSide side, std::uint32_t address) {
  int shift = 24;
  for (const OctetPosition position : kPositions) {
    action.fills.push_back({{side, position}, std::to_string(address >> shift & 0xFF)});
    shift -= 8;
  }
}

OctetPosition Neighbour(OctetPosition position, int step) {
  return static_cast<OctetPosition>(static_cast<int>(position) + step);
}

}  // namespace

EntryAction FullStopTyped(OctetBoxRef box, bool text_before_caret) {
  EntryAction action;
  action.swallow = true;
  if (text_before_caret && box.position != OctetPosition::Fourth) {
    action.focus = FocusChange{{box.side, Neighbour(box.position, 1)}, CaretPlacement::SelectAll};
  }
  return action;
}

EntryAction TextTyped(OctetBoxRef box, std::string_view typed, bool text_before_caret) {
  if (typed != "." && typed != ",") return {};
  return FullStopTyped(box, text_before_caret);
}

EntryAction BackspacePressed(OctetBoxRef box, std::string_view text, KeyModifiers held) {
  if (!text.empty() || held.Shortcut()) return {};
  EntryAction action;
  action.swallow = true;
  if (box.position != OctetPosition::First) {
    action.focus = FocusChange{{box.side, Neighbour(box.position, -1)}, CaretPlacement::End};
  }
  return action;
}

EntryAction TextPasted(OctetBoxRef box, std::string_view pasted) {
  const auto addresses = ReadPastedAddresses(pasted);
  if (!addresses) return {};
  EntryAction action;
  action.swallow = true;
  if (addresses->last) {
    FillAddress(action, AddressSide::From, addresses->first);
    FillAddress(action, AddressSide::To, *addresses->last);
  } else {
    FillAddress(action, box.side, addresses->first);
  }
  action.focus = FocusChange{{action.fills.back().box}, CaretPlacement::End};
  return action;
}

}  // namespace morvana
