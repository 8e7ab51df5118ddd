#pragma once

// What the presenter tells a window beyond the Calculate command's three
// operations. Each window carries these out on its toolkit and decides
// nothing itself.
//
// What a window owes the presenter around these calls:
// - SetSubnetText: txtSubnet's change notification, where the toolkit sends
//   one for a program's own write (Win32's EN_CHANGE, Qt's textChanged),
//   reaches SubnetTextChanged before SetSubnetText returns, never later: the
//   presenter tells its own writes from hand edits by that. A page's script
//   write sends none, which is as good.
// - ShowMessage: the window calls MessageDismissed once the user has
//   dismissed the box: at once after a modal box returns on the desktop,
//   from the dialog's close event in a page. The presenter then says where
//   the focus goes.

#include <optional>
#include <string_view>

#include "ui/layout.h"
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
  // The control of the table that has the keyboard focus, if one does.
  [[nodiscard]] virtual std::optional<layout::ControlId> FocusedControl() const = 0;
  // Gives a control the keyboard focus back, its text and caret as they were.
  virtual void FocusControl(layout::ControlId control) = 0;
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
