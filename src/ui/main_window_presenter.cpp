#include "ui/main_window_presenter.h"

#include <utility>

#include "ui/calculate_command.h"
#include "ui/octet_entry.h"
#include "ui/subnet_description.h"

namespace morvana {

MainWindowPresenter::MainWindowPresenter(PresentedWindow& window)
    : window_(window), command_(std::make_unique<CalculateCommand>(static_cast<MainWindowView&>(*this))) {}

MainWindowPresenter::~MainWindowPresenter() = default;

void MainWindowPresenter::CalculatePressed() {
  const std::optional<CoveredRange> range = command_->Run();
  if (!range) return;
  range_ = range;
  const std::string description = DescribeRange(*range);
  window_.DescribeSubnet(description);
  if (subnet_focused_) ShowDescription(description);
  window_.Announce(AnnouncementText(*range, mark_announcement_));
  mark_announcement_ = !mark_announcement_;
}

bool MainWindowPresenter::TextTyped(OctetBoxRef box, std::string_view typed, bool text_before_caret) {
  return Apply(morvana::TextTyped(box, typed, text_before_caret));
}

bool MainWindowPresenter::BackspacePressed(OctetBoxRef box, KeyModifiers held) {
  return Apply(morvana::BackspacePressed(box, window_.ReadOctetBox(box.side, box.position), held));
}

bool MainWindowPresenter::TextPasted(OctetBoxRef box, std::string_view pasted) {
  return Apply(morvana::TextPasted(box, pasted));
}

void MainWindowPresenter::SubnetTextChanged() {
  if (!writing_subnet_) ForgetNetwork();
}

void MainWindowPresenter::SubnetFocusChanged(bool focused) {
  subnet_focused_ = focused;
  ShowDescription(focused && range_ ? DescribeRange(*range_) : std::string());
}

void MainWindowPresenter::WindowMoved() {
  if (description_shown_ && range_) window_.ShowSubnetDescription(DescribeRange(*range_));
}

void MainWindowPresenter::MessageDismissed() {
  if (const auto focus = std::exchange(focus_before_message_, std::nullopt)) window_.FocusControl(*focus);
}

std::string MainWindowPresenter::CopyNetworkCaption() const {
  return morvana::CopyNetworkCaption(range_);
}

std::string MainWindowPresenter::CopyBlocksCaption() const {
  return morvana::CopyBlocksCaption(range_);
}

void MainWindowPresenter::CopyNetwork(TextClipboard& clipboard) {
  if (range_) Copy(clipboard, NetworkText(range_->network));
}

void MainWindowPresenter::CopyBlocks(TextClipboard& clipboard) {
  if (range_) Copy(clipboard, BlocksText(*range_, clipboard.LineEnd()));
}

void MainWindowPresenter::Copy(TextClipboard& clipboard, const std::string& text) {
  if (!clipboard.PutText(text)) ClipboardRefused();
}

void MainWindowPresenter::ClipboardRefused() {
  window_.ShowMessage(kClipboardBusyMessage);
}

std::string MainWindowPresenter::ReadOctetBox(AddressSide side, OctetPosition position) const {
  return window_.ReadOctetBox(side, position);
}

void MainWindowPresenter::SetSubnetText(std::string_view text) {
  writing_subnet_ = true;
  window_.SetSubnetText(text);
  writing_subnet_ = false;
}

// txtSubnet no longer answers the boxes once a message is up, so its
// description goes first. Nothing else follows the message: a page shows it
// without waiting, and the press must look the same everywhere. Where the
// focus was is kept for when it is dismissed, since the box takes the focus.
void MainWindowPresenter::ShowMessage(std::string_view text) {
  ForgetNetwork();
  focus_before_message_ = window_.FocusedControl();
  window_.ShowMessage(text);
}

bool MainWindowPresenter::Apply(const EntryAction& action) {
  if (!action.swallow) return false;
  for (const BoxFill& fill : action.fills) window_.SetOctetBoxText(fill.box, fill.text);
  if (action.focus) window_.FocusOctetBox(action.focus->box, action.focus->caret);
  return true;
}

void MainWindowPresenter::ForgetNetwork() {
  if (!range_) return;
  range_.reset();
  window_.DescribeSubnet({});
  ShowDescription({});
}

void MainWindowPresenter::ShowDescription(std::string_view description) {
  if (description.empty() && !description_shown_) return;
  description_shown_ = !description.empty();
  window_.ShowSubnetDescription(description);
}

}  // namespace morvana
