#pragma once

// frmMain, Morvana's one window on Linux. It realises the layout table
// (ui/layout.h) with widgets at fixed positions, no layouts, turns their
// events into calls on the presenter, and carries out what the presenter
// tells it (PresentedWindow). A press of cmdCalculateSubnet, or Enter in any
// box, runs to its end before the next event. The octet boxes hand their
// keys, pastes and drops to the presenter. Text colours, box edges and focus
// marks follow the shared colour rules, decided again on a palette change.
// txtSubnet's context menu adds the presenter's "Copy &Network" and "Copy
// Range as 12 &Blocks"; Shift+F10 opens the menu of every box. A screen reader hears each press's result
// from a notification object, and reads the controls in reading order;
// txtSubnet shows its description while it has the focus.

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ui/layout.h"
#include "ui/main_window_presenter.h"
#include "ui/presented_window.h"
#include "ui/qt/description_tip.h"
#include "ui/qt/edged_line_edit.h"
#include "ui/qt/group_label.h"
#include "ui/qt/octet_line_edit.h"
#include "ui/qt/screen_reader_notice.h"
#include "ui/qt/wrapped_caption_button.h"

namespace morvana {

class FrmMain final : public QWidget, public PresentedWindow {
  Q_OBJECT

 public:
  explicit FrmMain(QWidget* parent = nullptr);
  ~FrmMain() override;

  [[nodiscard]] std::string ReadOctetBox(AddressSide side, OctetPosition position) const override;
  void SetSubnetText(std::string_view text) override;
  void ShowMessage(std::string_view text) override;
  void SetOctetBoxText(OctetBoxRef box, std::string_view text) override;
  void FocusOctetBox(OctetBoxRef box, CaretPlacement caret) override;
  void DescribeSubnet(std::string_view description) override;
  void ShowSubnetDescription(std::string_view description) override;
  void Announce(std::string_view text) override;
  [[nodiscard]] std::optional<layout::ControlId> FocusedControl() const override;
  void FocusControl(layout::ControlId control) override;

 protected:
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  [[nodiscard]] std::array<QWidget*, layout::kControlCount> CreateControls();
  [[nodiscard]] QWidget* CreateControl(const layout::Control& control);
  [[nodiscard]] GroupLabel* CreateLabel(const layout::Control& control);
  [[nodiscard]] EdgedLineEdit* CreateTextBox(const layout::Control& control);
  [[nodiscard]] WrappedCaptionButton* CreateButton(const layout::Control& control);
  [[nodiscard]] QWidget* ControlWidget(layout::ControlId id) const;
  template <typename Widget>
  [[nodiscard]] Widget* ControlAs(layout::ControlId id) const {
    return static_cast<Widget*>(ControlWidget(id));
  }
  [[nodiscard]] OctetLineEdit* OctetBoxWidget(OctetBoxRef box) const;
  void ApplyFonts();
  [[nodiscard]] bool CaptionFits(const QWidget* widget) const;
  void SetTabOrder();
  void ApplyColours();
  void ShowSubnetMenu(const QPoint& global_position);

  // Before the controls: the octet boxes are made with it.
  MainWindowPresenter presenter_{*this};
  // Every control by its row in the table, made in reading order
  // (layout::kReadingOrder), which is also the order screen readers walk the
  // children in, and the stacking order: a later control lies on top of an
  // earlier one, so where Label1 reaches into txtFromFirstOctet the box lies
  // on top. The tab order is set apart (SetTabOrder).
  std::array<QWidget*, layout::kControlCount> controls_ = CreateControls();

  // The controls by their names; after controls_, which they are looked up in.
  GroupLabel* Label4 = ControlAs<GroupLabel>(layout::ControlId::Label4);
  GroupLabel* Label3 = ControlAs<GroupLabel>(layout::ControlId::Label3);
  GroupLabel* Label1 = ControlAs<GroupLabel>(layout::ControlId::Label1);
  OctetLineEdit* txtFromFirstOctet = ControlAs<OctetLineEdit>(layout::ControlId::txtFromFirstOctet);
  OctetLineEdit* txtFromSecondOctet = ControlAs<OctetLineEdit>(layout::ControlId::txtFromSecondOctet);
  OctetLineEdit* txtFromThirdOctet = ControlAs<OctetLineEdit>(layout::ControlId::txtFromThirdOctet);
  OctetLineEdit* txtFromFourthOctet = ControlAs<OctetLineEdit>(layout::ControlId::txtFromFourthOctet);
  GroupLabel* Label2 = ControlAs<GroupLabel>(layout::ControlId::Label2);
  OctetLineEdit* txtToFirstOctet = ControlAs<OctetLineEdit>(layout::ControlId::txtToFirstOctet);
  OctetLineEdit* txtToSecondOctet = ControlAs<OctetLineEdit>(layout::ControlId::txtToSecondOctet);
  OctetLineEdit* txtToThirdOctet = ControlAs<OctetLineEdit>(layout::ControlId::txtToThirdOctet);
  OctetLineEdit* txtToFourthOctet = ControlAs<OctetLineEdit>(layout::ControlId::txtToFourthOctet);
  WrappedCaptionButton* cmdCalculateSubnet =
      ControlAs<WrappedCaptionButton>(layout::ControlId::cmdCalculateSubnet);
  EdgedLineEdit* txtSubnet = ControlAs<EdgedLineEdit>(layout::ControlId::txtSubnet);
  // After the controls, which screen readers read first.
  ScreenReaderNotice* notice_ = new ScreenReaderNotice(this);
  DescriptionTip* description_tip_ = new DescriptionTip(this);
};

}  // namespace morvana
