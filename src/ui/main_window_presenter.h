#pragma once

// The one presenter behind every window. It owns each sequence around the
// shared rules, so that every window does the same: the Calculate command,
// the range and network of the last press (as numbers), txtSubnet's
// description from a press until a hand edit or a message, Copy Network and
// Copy Range as Blocks, and what typed text, a Backspace or a paste does to
// the boxes and the focus. A window creates its controls from the layout
// table, turns its toolkit's events into the calls below, and carries out
// what it is told through PresentedWindow.
//
//   window event            presenter                  window is told
//   button, Enter        -> CalculatePressed        -> ReadOctetBox, SetSubnetText | ShowMessage,
//                                                      DescribeSubnet, Announce
//   typed text,          -> TextTyped, ...          -> SetOctetBoxText, FocusOctetBox
//   Backspace, paste, drop
//   message dismissed    -> MessageDismissed        -> FocusControl, where the focus was
//   txtSubnet changed    -> SubnetTextChanged       -> DescribeSubnet("")
//   txtSubnet focused    -> SubnetFocusChanged      -> ShowSubnetDescription
//   window moved         -> WindowMoved             -> ShowSubnetDescription, where it shows
//   txtSubnet's menu     -> CopyNetwork, CopyBlocks -> the clipboard, or ShowMessage
//   a later refusal      -> ClipboardRefused        -> ShowMessage

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/covered_range.h"
#include "ui/keys.h"
#include "ui/main_window_view.h"
#include "ui/presented_window.h"

namespace morvana {

class CalculateCommand;
struct EntryAction;

// Copy Network and Copy Range as Blocks both say this.
inline constexpr std::string_view kClipboardBusyMessage =
    "The network could not be copied: another program is holding the clipboard. Please try again.";

class MainWindowPresenter final : private MainWindowView {
 public:
  // The window must outlive the presenter; nothing is told to it here.
  explicit MainWindowPresenter(PresentedWindow& window);
  ~MainWindowPresenter() override;
  MainWindowPresenter(const MainWindowPresenter&) = delete;
  MainWindowPresenter& operator=(const MainWindowPresenter&) = delete;
  MainWindowPresenter(MainWindowPresenter&&) = delete;
  MainWindowPresenter& operator=(MainWindowPresenter&&) = delete;

  // A press of cmdCalculateSubnet, or Enter in a box.
  void CalculatePressed();

  // Keys and pastes in an octet box. Each returns true when it took the
  // event: the box must then not handle it itself. False leaves it to the
  // box, as in any text box.
  // typed: the text a key or an input method types, every one of them.
  // text_before_caret: whether any text stands before the moving end of
  // the box's selection, where the caret is (after Shift+Home, none does).
  bool TextTyped(OctetBoxRef box, std::string_view typed, bool text_before_caret);
  bool BackspacePressed(OctetBoxRef box, KeyModifiers held = {});
  // Also a text dropped on the box.
  bool TextPasted(OctetBoxRef box, std::string_view pasted);

  // txtSubnet's text changed, by any means: the presenter tells its own
  // writes apart, and a hand edit makes the text the user's own.
  void SubnetTextChanged();
  // txtSubnet took or lost the keyboard focus; a tap gives it the focus too.
  void SubnetFocusChanged(bool focused);
  // The window moved on the screen: a description shown by txtSubnet goes with it.
  void WindowMoved();

  // The user dismissed the message box: the focus goes back where it was.
  void MessageDismissed();

  // txtSubnet's menu items, below its text items: "Copy &Network
  // 10.0.0.0/22" and "Copy Range as 12 &Blocks", both enabled while a
  // press's network stands in txtSubnet.
  [[nodiscard]] std::string CopyNetworkCaption() const;
  [[nodiscard]] bool CanCopyNetwork() const { return range_.has_value(); }
  [[nodiscard]] std::string CopyBlocksCaption() const;
  [[nodiscard]] bool CanCopyBlocks() const { return range_.has_value(); }
  // Puts "10.0.0.0/22" on the clipboard, or says why it could not.
  void CopyNetwork(TextClipboard& clipboard);
  // Puts the blocks that hold exactly the range on the clipboard, a line
  // each, or says why it could not.
  void CopyBlocks(TextClipboard& clipboard);
  // A clipboard that writes later (the browser's) took the text and then
  // could not write it: the same message as a busy clipboard.
  void ClipboardRefused();

 private:
  // What the command sees of the window: the window itself, with the
  // presenter's bookkeeping around its writes.
  [[nodiscard]] std::string ReadOctetBox(AddressSide side, OctetPosition position) const override;
  void SetSubnetText(std::string_view text) override;
  void ShowMessage(std::string_view text) override;

  bool Apply(const EntryAction& action);
  void Copy(TextClipboard& clipboard, const std::string& text);
  void ForgetNetwork();
  void ShowDescription(std::string_view description);

  PresentedWindow& window_;
  std::unique_ptr<CalculateCommand> command_;  // bound to this for the window's life
  std::optional<CoveredRange> range_;          // described in txtSubnet while set
  bool writing_subnet_ = false;
  std::optional<layout::ControlId> focus_before_message_;
  bool subnet_focused_ = false;  // and so shows its description
  bool description_shown_ = false;
  bool mark_announcement_ = false;  // every other announcement is marked
};

}  // namespace morvana
