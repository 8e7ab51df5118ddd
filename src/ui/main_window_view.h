#pragma once

#include <string>
#include <string_view>

namespace morvana {

enum class AddressSide { From, To };
enum class OctetPosition { First = 1, Second, Third, Fourth };

// One of the eight octet boxes: which address, which octet.
struct OctetBoxRef {
  AddressSide side;
  OctetPosition position;
  friend constexpr bool operator==(const OctetBoxRef&, const OctetBoxRef&) = default;
};

// What the Calculate command needs of the main window, and all it does with
// it: it never moves the focus, selects text or touches another box.
// Texts are UTF-8.
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  // The box's text exactly as it holds it, neither trimmed nor validated.
  [[nodiscard]] virtual std::string ReadOctetBox(AddressSide side, OctetPosition position) const = 0;
  // Replaces the whole text of txtSubnet.
  virtual void SetSubnetText(std::string_view text) = 0;
  // A modal box titled "Morvana" with one OK button and no icon. A message
  // ends the press: nothing is done to the window after it. The desktop
  // windows return once the box is dismissed; a page cannot wait, so there
  // it returns while the box is still open and the page is inert under it.
  virtual void ShowMessage(std::string_view text) = 0;

 protected:
  MainWindowView() = default;
  MainWindowView(const MainWindowView&) = default;
  MainWindowView& operator=(const MainWindowView&) = default;
  MainWindowView(MainWindowView&&) = default;
  MainWindowView& operator=(MainWindowView&&) = default;
};

}  // namespace morvana
