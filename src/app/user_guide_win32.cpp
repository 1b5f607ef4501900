#include "app/user_guide_win32.h"

#include <shellapi.h>

#include <vector>

#include "base/path_text.h"
#include "platform/win32/file_types_win32.h"
#include "platform/win32/wide_text.h"
#include "settings/settings.h"

namespace kestrix {

namespace {

std::string ProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD got = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got == 0) return {};
    if (got < buffer.size()) return Utf8(std::wstring_view(buffer.data(), got));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

bool ShellOpen(HWND owner, const std::string& file, const std::string& parameters,
               const std::string& directory) {
  const std::wstring wide_parameters = Wide(parameters), wide_directory = Wide(directory);
  const HINSTANCE result = ShellExecuteW(
      owner, L"open", Wide(file).c_str(), parameters.empty() ? nullptr : wide_parameters.c_str(),
      directory.empty() ? nullptr : wide_directory.c_str(), SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

bool OpenUserGuideSection(HWND owner, std::string_view section) {
  const std::string exe = ProgramPath();
  if (exe.empty()) return false;
  const std::string guide = Concat({ProgramDirOf(exe), "\\help_eng.html"});
  if (GetFileAttributesW(Wide(guide).c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  // A file opened through its association loses the "#section"; a browser given the URL
  // keeps it.
  const std::string browser = ExecutableFor("html");
  if (!browser.empty() && ShellOpen(owner, browser, Concat({"\"", FileUrl(guide, section), "\""})))
    return true;
  return ShellOpen(owner, guide);
}

}  // namespace kestrix
