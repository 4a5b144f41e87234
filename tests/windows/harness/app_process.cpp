#include "tests/windows/harness/app_process.h"

namespace xpx::test {

std::wstring program_path() {
  wchar_t self[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir(self, n);
  dir.resize(dir.find_last_of(L"\\/") + 1);
  return dir + L"星屏秀.exe";
}

AppProcess::AppProcess(const std::wstring& arguments) {
  std::wstring command = L"\"" + program_path() + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  STARTUPINFOW startup{.cb = sizeof startup};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &info_)) {
    process_.reset(info_.hProcess);
    thread_.reset(info_.hThread);
  }
}

AppProcess::~AppProcess() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
}

std::optional<DWORD> AppProcess::wait_for_exit(DWORD timeout_ms) {
  if (!process_ || WaitForSingleObject(process_.get(), timeout_ms) != WAIT_OBJECT_0) return {};
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

}  // namespace xpx::test
