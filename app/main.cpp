#include <windows.h>

#include <commctrl.h>

#include "app/shell.h"
#include "ui/main/main_window.h"

// Arguments are ignored: the program has no options.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  xpx::Shell shell;
  return shell.run(xpx::main_window);
}
