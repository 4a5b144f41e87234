// A fixture for the main window's commands: the program started and greeted, a temp folder
// for the files it is given, and what a user sees of the preview box and the result panel.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "tests/windows/harness/running_app.h"
#include "tests/windows/harness/screen.h"
#include "tests/windows/harness/temp_folder.h"

namespace xpx::test {

class MainWindowSession : public ::testing::Test {
 protected:
  void SetUp() override;

  HWND control(std::wstring_view name) const { return app.control(name); }
  void click(std::wstring_view button) const;  // a press on the control's centre

  // 选择文件 pressed; its dialog, or null if none came.
  HWND open_picker() const;
  // The dialog opened, `path` put in and opened; false if any step did not happen.
  bool pick(std::wstring_view path) const;

  // The colour at the centre of a control's client area once it is `expected`, or whatever
  // it is when the time is up.
  Rgb centre_colour(std::wstring_view name, Rgb expected) const;

  // Pixels of the result panel that are neither button face nor under one of its children
  // (the currency strip and the see-through labels): what is left of a picture in it.
  int panel_picture_pixels(const ScreenShot& panel) const;
  ScreenShot wait_panel_empty() const;

  RunningApp app;
  TempFolder folder;
};

}  // namespace xpx::test
