#pragma once

// frmMain, Morvana's one window on Linux. It realises the layout table
// (ui/layout.h) with widgets at fixed positions, no layouts, and provides the
// three operations of MainWindowView. A press of cmdCalculateSubnet, or Enter
// in any box, runs the Calculate command to its end before the next event.

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <string>
#include <string_view>

#include "ui/calculate_command.h"
#include "ui/layout.h"
#include "ui/main_window_view.h"
#include "ui/qt/wrapped_caption_button.h"

namespace morvana {

class FrmMain final : public QWidget, public MainWindowView {
  Q_OBJECT

 public:
  explicit FrmMain(QWidget* parent = nullptr);

  [[nodiscard]] std::string ReadOctetBox(AddressSide side, OctetPosition position) const override;
  void SetSubnetText(std::string_view text) override;
  void ShowMessage(std::string_view text) override;

 private:
  QLabel* CreateLabel(layout::ControlId id);
  QLineEdit* CreateTextBox(layout::ControlId id);
  WrappedCaptionButton* CreateButton(layout::ControlId id);
  void PlaceControl(QWidget* widget, layout::ControlId id);
  [[nodiscard]] QWidget* ControlWidget(layout::ControlId id) const;
  void ApplyFonts();
  [[nodiscard]] bool CaptionFits(const QWidget* widget) const;
  void SetTabOrder();

  // Every control by its row in the table; filled as the controls are made.
  std::array<QWidget*, layout::kControlCount> controls_{};

  // In the table's order, which is also the stacking order: a later control
  // lies on top of an earlier one. The labels go to the bottom afterwards.
  QLabel* Label4 = CreateLabel(layout::ControlId::Label4);
  QLabel* Label3 = CreateLabel(layout::ControlId::Label3);
  QLabel* Label1 = CreateLabel(layout::ControlId::Label1);
  QLineEdit* txtFromFirstOctet = CreateTextBox(layout::ControlId::txtFromFirstOctet);
  QLineEdit* txtFromSecondOctet = CreateTextBox(layout::ControlId::txtFromSecondOctet);
  QLineEdit* txtFromThirdOctet = CreateTextBox(layout::ControlId::txtFromThirdOctet);
  QLineEdit* txtFromFourthOctet = CreateTextBox(layout::ControlId::txtFromFourthOctet);
  WrappedCaptionButton* cmdCalculateSubnet = CreateButton(layout::ControlId::cmdCalculateSubnet);
  QLabel* Label2 = CreateLabel(layout::ControlId::Label2);
  QLineEdit* txtToFirstOctet = CreateTextBox(layout::ControlId::txtToFirstOctet);
  QLineEdit* txtToSecondOctet = CreateTextBox(layout::ControlId::txtToSecondOctet);
  QLineEdit* txtToThirdOctet = CreateTextBox(layout::ControlId::txtToThirdOctet);
  QLineEdit* txtToFourthOctet = CreateTextBox(layout::ControlId::txtToFourthOctet);
  QLineEdit* txtSubnet = CreateTextBox(layout::ControlId::txtSubnet);

  CalculateCommand command_{*this};
};

}  // namespace morvana
