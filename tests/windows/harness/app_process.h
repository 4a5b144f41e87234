// The program under test, started as its own process and ended with the test.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/unique_handle.h"

namespace xpx::test {

std::wstring program_path();  // the program built beside the test executable

class AppProcess {
public:
  explicit AppProcess(const std::wstring& arguments = L"");
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;
  ~AppProcess();  // ends the process if it still runs

  DWORD pid() const { return info_.dwProcessId; }
  bool started() const { return static_cast<bool>(process_); }
  // The exit code once the process has ended within the time, else nothing.
  std::optional<DWORD> wait_for_exit(DWORD timeout_ms);

private:
  PROCESS_INFORMATION info_{};
  UniqueKernelHandle process_, thread_;
};

}  // namespace xpx::test
