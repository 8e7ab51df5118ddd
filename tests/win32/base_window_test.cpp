// A window object that goes before its window: the window must not hand its
// last messages to the object that is gone.

#include <gtest/gtest.h>

#include "ui/win32/base_window.h"

namespace morvana {
namespace {

bool object_gone = false;
int messages_after_the_object = 0;

// A window class of the plainest kind, with no destructor of its own that
// destroys the window first.
class PlainWindow final : public BaseWindow<PlainWindow> {
 public:
  ~PlainWindow() { object_gone = true; }

  bool Create() {
    WNDCLASSW window_class{0, &WindowProc, 0, 0, GetModuleHandleW(nullptr), {}, {}, {}, {}, L"PlainWindow"};
    RegisterClassW(&window_class);
    return CreateWindowExW(0, L"PlainWindow", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                           window_class.hInstance, this) != nullptr;
  }

 private:
  friend class BaseWindow<PlainWindow>;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (object_gone) ++messages_after_the_object;
    return DefWindowProcW(Window(), message, wparam, lparam);
  }
};

TEST(base_window, an_object_that_goes_first_takes_its_window_along_and_hears_nothing_more) {
  HWND window = nullptr;
  {
    PlainWindow plain;
    ASSERT_TRUE(plain.Create());
    window = plain.Window();
  }
  EXPECT_FALSE(IsWindow(window)) << "the window outlived its object";
  EXPECT_EQ(messages_after_the_object, 0) << "messages reached the object after its destructor";
}

}  // namespace
}  // namespace morvana
