// libFuzzer entry: what three platforms' clipboards, and any web page a person
// copies from, feed the shared entry rules. Nothing may crash or trip a
// sanitizer, and every box a paste fills gets one to three decimal digits.
//
// Input: a byte choosing the rule (paste, typed text, Backspace), a byte
// choosing the box, a byte whose low bit says whether text stands before the
// caret, then the text (pasted, typed, or the box's own).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "ui/octet_entry.h"

namespace {

using morvana::AddressSide;
using morvana::EntryAction;
using morvana::OctetPosition;

void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property violated: %s\n", property);
  std::abort();
}

bool OneToThreeDigits(std::string_view text) {
  if (text.empty() || text.size() > 3) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

void CheckPaste(const EntryAction& action) {
  Require(action.swallow == !action.fills.empty(), "a paste is taken exactly when it fills boxes");
  Require(action.fills.empty() || action.fills.size() == 4 || action.fills.size() == 8,
          "a paste fills whole addresses");
  for (const morvana::BoxFill& fill : action.fills) {
    Require(OneToThreeDigits(fill.text), "every filled box gets one to three decimal digits");
  }
  Require(action.fills.empty() || (action.focus && action.focus->box == action.fills.back().box),
          "the focus goes to the last box filled");
}

void CheckKey(const EntryAction& action, morvana::OctetBoxRef box) {
  Require(action.fills.empty(), "a key fills no box");
  Require(!action.focus || action.focus->box.side == box.side, "a key stays within its address");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const morvana::OctetBoxRef box{(data[1] & 1) != 0 ? AddressSide::To : AddressSide::From,
                                 static_cast<OctetPosition>(1 + (data[1] >> 1) % 4)};
  const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);
  switch (data[0] % 3) {
    case 0:
      CheckPaste(morvana::TextPasted(box, text));
      break;
    case 1:
      CheckKey(morvana::TextTyped(box, text, (data[2] & 1) != 0), box);
      break;
    default:
      CheckKey(morvana::BackspacePressed(box, text), box);
      break;
  }
  return 0;
}
