#include "ui/main_window_presenter.h"

#include "ui/calculate_command.h"
#include "ui/octet_entry.h"
#include "ui/subnet_description.h"

namespace morvana {

MainWindowPresenter::MainWindowPresenter(PresentedWindow& window)
    : window_(window), command_(std::make_unique<CalculateCommand>(static_cast<MainWindowView&>(*this))) {}

MainWindowPresenter::~MainWindowPresenter() = default;

void MainWindowPresenter::CalculatePressed() {
  press_ended_ = false;
  const std::optional<CoveredRange> range = command_->Run();
  if (!range || press_ended_) return;
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

bool MainWindowPresenter::BackspacePressed(OctetBoxRef box) {
  return Apply(morvana::BackspacePressed(box, window_.ReadOctetBox(box.side, box.position)));
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
  if (press_ended_) return;
  writing_subnet_ = true;
  window_.SetSubnetText(text);
  writing_subnet_ = false;
}

// txtSubnet no longer answers the boxes once a message is up, so its
// description goes first. Nothing follows the message: a page shows it
// without waiting, and the press must look the same everywhere.
void MainWindowPresenter::ShowMessage(std::string_view text) {
  if (press_ended_) return;
  press_ended_ = true;
  ForgetNetwork();
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
