#include "platform/win32/host_process_win32.h"

#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/window_handle_win32.h"

namespace kestrix {

namespace {

// The longest path the wide calls take.
constexpr DWORD kLongPathChars = 32768;

}  // namespace

std::string Win32HostProcess::ExecutableOfWindow(WindowHandle window) {
  DWORD process_id = 0;
  if (window == 0 || GetWindowThreadProcessId(ToHwnd(window), &process_id) == 0) return {};
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (process == nullptr) return {};
  std::vector<wchar_t> buffer(kLongPathChars, L'\0');
  DWORD length = static_cast<DWORD>(buffer.size());
  const BOOL found = QueryFullProcessImageNameW(process, 0, buffer.data(), &length);
  CloseHandle(process);
  return found ? Utf8(std::wstring_view(buffer.data(), length)) : std::string();
}

ProcessRun Win32HostProcess::RunAndWait(const std::string& executable, const std::string& arguments,
                                        uint32_t timeout_ms) {
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  std::wstring command_line = L"\"" + Wide(executable) + L"\" " + Wide(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(Wide(executable).c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &info))
    return ProcessRun::kNotStarted;
  CloseHandle(info.hThread);
  const DWORD waited = WaitForSingleObject(info.hProcess, timeout_ms);
  CloseHandle(info.hProcess);
  return waited == WAIT_OBJECT_0 ? ProcessRun::kEnded : ProcessRun::kStillRunning;
}

std::string Win32HostProcess::ShortPath(const std::string& path) {
  const std::wstring wide = Wide(path);
  std::vector<wchar_t> buffer(kLongPathChars, L'\0');
  const DWORD length =
      GetShortPathNameW(wide.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return {};
  return Utf8(std::wstring_view(buffer.data(), length));
}

}  // namespace kestrix
