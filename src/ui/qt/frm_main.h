#pragma once

// frmMain, Morvana's one window on Linux. It realises the layout table
// (ui/layout.h) with widgets at fixed positions, no layouts, turns their
// events into calls on the presenter, and carries out what the presenter
// tells it (PresentedWindow). A press of cmdCalculateSubnet, or Enter in any
// box, runs to its end before the next event. The octet boxes hand their
// keys, pastes and drops to the presenter. Text colours follow the shared
// colour rule, decided again on a palette change. txtSubnet's context menu
// adds the presenter's "Copy &Network"; Shift+F10 opens the menu of every box.

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <string>
#include <string_view>

#include "ui/layout.h"
#include "ui/main_window_presenter.h"
#include "ui/presented_window.h"
#include "ui/qt/octet_line_edit.h"
#include "ui/qt/wrapped_caption_button.h"

namespace morvana {

class FrmMain final : public QWidget, public PresentedWindow {
  Q_OBJECT

 public:
  explicit FrmMain(QWidget* parent = nullptr);

  [[nodiscard]] std::string ReadOctetBox(AddressSide side, OctetPosition position) const override;
  void SetSubnetText(std::string_view text) override;
  void ShowMessage(std::string_view text) override;
  void SetOctetBoxText(OctetBoxRef box, std::string_view text) override;
  void FocusOctetBox(OctetBoxRef box, CaretPlacement caret) override;
  void DescribeSubnet(std::string_view description) override;
  void ShowSubnetDescription(std::string_view description) override;
  void Announce(std::string_view text) override;

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* CreateLabel(layout::ControlId id);
  QLineEdit* CreateTextBox(layout::ControlId id);
  OctetLineEdit* CreateOctetBox(layout::ControlId id);
  void SetUpTextBox(QLineEdit* box, layout::ControlId id);
  WrappedCaptionButton* CreateButton(layout::ControlId id);
  void PlaceControl(QWidget* widget, layout::ControlId id);
  [[nodiscard]] QWidget* ControlWidget(layout::ControlId id) const;
  [[nodiscard]] OctetLineEdit* OctetBoxWidget(OctetBoxRef box) const;
  void ApplyFonts();
  [[nodiscard]] bool CaptionFits(const QWidget* widget) const;
  void SetTabOrder();
  void ApplyColours();
  void ShowSubnetMenu(const QPoint& global_position);

  // Before the controls: the octet boxes are made with it.
  MainWindowPresenter presenter_{*this};
  // Every control by its row in the table; filled as the controls are made.
  std::array<QWidget*, layout::kControlCount> controls_{};

  // In the table's order, which is also the stacking order: a later control
  // lies on top of an earlier one. The labels go to the bottom afterwards.
  QLabel* Label4 = CreateLabel(layout::ControlId::Label4);
  QLabel* Label3 = CreateLabel(layout::ControlId::Label3);
  QLabel* Label1 = CreateLabel(layout::ControlId::Label1);
  OctetLineEdit* txtFromFirstOctet = CreateOctetBox(layout::ControlId::txtFromFirstOctet);
  OctetLineEdit* txtFromSecondOctet = CreateOctetBox(layout::ControlId::txtFromSecondOctet);
  OctetLineEdit* txtFromThirdOctet = CreateOctetBox(layout::ControlId::txtFromThirdOctet);
  OctetLineEdit* txtFromFourthOctet = CreateOctetBox(layout::ControlId::txtFromFourthOctet);
  WrappedCaptionButton* cmdCalculateSubnet = CreateButton(layout::ControlId::cmdCalculateSubnet);
  QLabel* Label2 = CreateLabel(layout::ControlId::Label2);
  OctetLineEdit* txtToFirstOctet = CreateOctetBox(layout::ControlId::txtToFirstOctet);
  OctetLineEdit* txtToSecondOctet = CreateOctetBox(layout::ControlId::txtToSecondOctet);
  OctetLineEdit* txtToThirdOctet = CreateOctetBox(layout::ControlId::txtToThirdOctet);
  OctetLineEdit* txtToFourthOctet = CreateOctetBox(layout::ControlId::txtToFourthOctet);
  QLineEdit* txtSubnet = CreateTextBox(layout::ControlId::txtSubnet);
};

}  // namespace morvana
