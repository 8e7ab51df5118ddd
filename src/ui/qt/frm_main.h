#pragma once

// frmMain, Morvana's one window on Linux. It realises the layout table
// (ui/layout.h) with widgets at fixed positions, no layouts, and provides the
// three operations of MainWindowView. A press of cmdCalculateSubnet, or Enter
// in any box, runs the Calculate command to its end before the next event.
// The command sees the window through a DescribingView, which also hands the
// covering network to DescribeSubnet. The octet boxes route their keys and
// pastes to the shared entry rules; the window applies the answers. Text
// colours follow the shared colour rule, decided again on a palette change.
// txtSubnet's context menu adds "Copy &Network"; Shift+F10 opens the menu of
// every box.

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <string>
#include <string_view>

#include "ui/calculate_command.h"
#include "ui/layout.h"
#include "ui/main_window_view.h"
#include "ui/octet_entry.h"
#include "ui/qt/octet_line_edit.h"
#include "ui/qt/wrapped_caption_button.h"
#include "ui/subnet_description.h"

namespace morvana {

class FrmMain final : public QWidget, public MainWindowView, public SubnetDescriptionView {
  Q_OBJECT

 public:
  explicit FrmMain(QWidget* parent = nullptr);

  [[nodiscard]] std::string ReadOctetBox(AddressSide side, OctetPosition position) const override;
  void SetSubnetText(std::string_view text) override;
  void ShowMessage(std::string_view text) override;
  // txtSubnet's tooltip and accessible description; empty removes both.
  void DescribeSubnet(std::string_view description) override;

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
  void ApplyEntryAction(const EntryAction& action);
  void ApplyFonts();
  [[nodiscard]] bool CaptionFits(const QWidget* widget) const;
  void SetTabOrder();
  void ApplyColours();
  void ShowSubnetMenu(const QPoint& global_position);

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

  // After the controls: the command reaches them through the describing view.
  DescribingView described_{*this, *this};
  CalculateCommand command_{described_};
};

}  // namespace morvana
