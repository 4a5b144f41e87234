#include "tests/windows/main_window_session.h"

#include "tests/windows/harness/input.h"
#include "tests/windows/harness/open_dialog.h"
#include "tests/windows/harness/windows_of.h"
#include "ui/main/main_window.h"

namespace xpx::test {

void MainWindowSession::SetUp() {
  ASSERT_FALSE(folder.path().empty()) << "no temp folder";
  ASSERT_TRUE(app.start()) << "the main window did not come up";
}

void MainWindowSession::click(std::wstring_view button) const {
  left_click(centre_of(app.control_rect(button)));
}

HWND MainWindowSession::open_picker() const {
  click(L"按钮2");
  return wait_for_open_dialog(app.process().pid());
}

bool MainWindowSession::pick(std::wstring_view path) const {
  HWND dialog = open_picker();
  return dialog && open_in_dialog(dialog, path);
}

Rgb MainWindowSession::centre_colour(std::wstring_view name, Rgb expected) const {
  const POINT c = centre_of(client_rect_on_screen(control(name)));
  const RECT spot{c.x, c.y, c.x + 1, c.y + 1};
  return wait_for_screen(spot, [&](const ScreenShot& s) { return s.at(0, 0) == expected; })
      .at(0, 0);
}

int MainWindowSession::panel_picture_pixels(const ScreenShot& panel) const {
  const RECT origin = client_rect_on_screen(control(L"图片框2"));
  std::vector<RECT> covered;
  for (const ControlDesc& c : main_window.controls) {
    if (c.parent != L"图片框2") continue;
    RECT r = window_rect(control(c.name));
    OffsetRect(&r, -origin.left, -origin.top);
    covered.push_back(r);
  }
  int count = 0;
  for (int y = 0; y < panel.height(); ++y)
    for (int x = 0; x < panel.width(); ++x) {
      const POINT p{x, y};
      const bool under_child = std::any_of(covered.begin(), covered.end(),
                                           [&](const RECT& r) { return PtInRect(&r, p); });
      if (!under_child && !(panel.at(x, y) == button_face())) ++count;
    }
  return count;
}

ScreenShot MainWindowSession::wait_panel_empty() const {
  return wait_for_screen(client_rect_on_screen(control(L"图片框2")),
                         [&](const ScreenShot& s) { return panel_picture_pixels(s) == 0; });
}

}  // namespace xpx::test
