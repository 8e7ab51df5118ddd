#pragma once

// What the presenter tells a window beyond the Calculate command's three
// operations. Each window carries these out on its toolkit and decides
// nothing itself.

#include <string_view>

#include "ui/main_window_view.h"

namespace morvana {

enum class CaretPlacement { SelectAll, End };

class PresentedWindow : public MainWindowView {
 public:
  // Replaces the whole text of an octet box.
  virtual void SetOctetBoxText(OctetBoxRef box, std::string_view text) = 0;
  // Gives an octet box the keyboard focus, with its whole text selected or
  // the caret at its end.
  virtual void FocusOctetBox(OctetBoxRef box, CaretPlacement caret) = 0;
  // txtSubnet's tooltip and accessible description; an empty text removes both.
  virtual void DescribeSubnet(std::string_view description) = 0;
  // Shows the description by txtSubnet, where its tooltip shows on hover, for
  // a keyboard or touch user; an empty text takes it away.
  virtual void ShowSubnetDescription(std::string_view description) = 0;
  // Has a screen reader say `text` now, without moving the focus or
  // selecting anything.
  virtual void Announce(std::string_view text) = 0;
};

// Where Copy Network and Copy Range as Blocks put their text. False when the
// text could not be put there (another program holding the clipboard). A
// clipboard that learns only later whether it could (the browser's) returns
// true when it takes the text, and reports a refusal to the presenter's
// ClipboardRefused.
class TextClipboard {
 public:
  virtual ~TextClipboard() = default;
  [[nodiscard]] virtual bool PutText(std::string_view text) = 0;
  // What ends a line of text there: "\n", or "\r\n" on Windows' clipboard.
  [[nodiscard]] virtual std::string_view LineEnd() const { return "\n"; }

 protected:
  TextClipboard() = default;
  TextClipboard(const TextClipboard&) = default;
  TextClipboard& operator=(const TextClipboard&) = default;
  TextClipboard(TextClipboard&&) = default;
  TextClipboard& operator=(TextClipboard&&) = default;
};

}  // namespace morvana
