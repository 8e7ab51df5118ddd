#pragma once

// frmMain in the browser, Morvana.html's one window. The page realises the
// layout table (ui/layout.h): a client area <main id="frmMain"> of the
// table's size holding a <label>, <input> or <button> for each control, at
// its rectangle, with the control's name as its id, in reading order; the
// four boxes of each address sit in a group named by its label. It provides
// the operations of PresentedWindow over those elements, and a polite status
// region that says each press's result. The page's events arrive in
// HandleEvent and go on to the presenter: a press of cmdCalculateSubnet or
// Enter in any box; '.', Backspace, pastes and drops in the octet boxes;
// txtSubnet's edits, focus and menu (subnet_menu.h). A change of the page's size or of its text's
// size lays the window out anew (FitToScreen).

#include <optional>
#include <string>
#include <string_view>

#include "ui/control_colours.h"
#include "ui/layout.h"
#include "ui/main_window_presenter.h"
#include "ui/presented_window.h"
#include "ui/web/dom.h"
#include "ui/web/page_styles.h"
#include "ui/web/subnet_menu.h"

namespace morvana {

class FrmMain final : public PresentedWindow {
 public:
  // Builds the page and puts the caret in txtFromFirstOctet.
  FrmMain();
  FrmMain(const FrmMain&) = delete;
  FrmMain& operator=(const FrmMain&) = delete;
  FrmMain(FrmMain&&) = delete;
  FrmMain& operator=(FrmMain&&) = delete;
  ~FrmMain() override = default;

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

  // One event of the page, as dom::Listen numbered it; true when the
  // browser's own handling of it must not follow.
  bool HandleEvent(int route);

 private:
  // Count is last: it counts the kinds before it.
  enum class EventKind {
    Click,
    KeyDown,
    BeforeInput,
    Paste,
    Drop,
    Input,
    Focus,
    Blur,
    Close,
    MouseDown,
    Resize,
    ContextMenu,
    Count
  };

  void CreateControl(const layout::Control& control, const dom::Element& parent);
  void CreateMessageBox();
  void CreateAidsAround();
  void FitToScreen();
  [[nodiscard]] static int ScreenDpi();
  void LayOut(web::Resolution resolution);
  void ReadColourScheme();
  [[nodiscard]] bool CaptionsFit() const;
  [[nodiscard]] static int Route(int row, EventKind kind);
  void Listen(const dom::Element& element, std::string_view type, int row, EventKind kind);
  bool HandleKeyDown(const layout::Control& control);
  bool HandleBeforeInput(const layout::Control& control);

  [[nodiscard]] static dom::Element ElementFor(layout::ControlId id);
  [[nodiscard]] static dom::Element ElementFor(OctetBoxRef box);

  const dom::Element frmMain{layout::kWindowName};
  // The controls that the window names in its code; the rest it reaches
  // through the table (ElementFor).
  const dom::Element txtFromFirstOctet = ElementFor(layout::ControlId::txtFromFirstOctet);
  const dom::Element txtSubnet = ElementFor(layout::ControlId::txtSubnet);
  // The groups of the four boxes of each address.
  const dom::Element fraFromAddress{"fraFromAddress"};
  const dom::Element fraToAddress{"fraToAddress"};

  // The screen reader's status region, and txtSubnet's description shown as
  // its tooltip while it has the focus.
  const dom::Element lblStatus{"lblStatus"};
  const dom::Element lblSubnetDescription{"lblSubnetDescription"};
  // An unseen caption whose size follows the user's text size and spacing.
  const dom::Element lblTextProbe{"lblTextProbe"};

  // The message box: a modal <dialog> announced as an alert dialog.
  const dom::Element dlgMessage{"dlgMessage"};
  const dom::Element lblMessageTitle{"lblMessageTitle"};
  const dom::Element lblMessageText{"lblMessageText"};
  const dom::Element cmdMessageOK{"cmdMessageOK"};
  // Without showModal (older browsers) messages go to the browser's alert.
  bool has_modal_dialog_ = false;
  // The user's colour scheme as the page resolves it, read again on a change.
  ColourScheme scheme_{};

  MainWindowPresenter presenter_{*this};
  SubnetMenu menu_;
};

}  // namespace morvana
