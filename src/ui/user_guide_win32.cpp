#include "ui/user_guide_win32.h"

#include <shellapi.h>

#include <string>

#include "base/path_text.h"
#include "platform/win32/file_types_win32.h"
#include "settings/settings.h"

namespace kestrix {

bool OpenUserGuideSection(HWND owner, std::string_view section) {
  char exe[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, exe, sizeof exe);
  if (length == 0 || length >= sizeof exe) return false;
  const std::string guide = Concat({ProgramDirOf(exe), "\\help_eng.html"});
  if (GetFileAttributesA(guide.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  auto opened = [](HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; };
  // A file opened through its association loses the "#section"; a browser given the URL
  // keeps it.
  const std::string browser = ExecutableFor("html");
  if (!browser.empty()) {
    const std::string url = Concat({"\"", FileUrl(guide, section), "\""});
    if (opened(ShellExecuteA(owner, "open", browser.c_str(), url.c_str(), nullptr, SW_SHOWNORMAL)))
      return true;
  }
  return opened(ShellExecuteA(owner, "open", guide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

}  // namespace kestrix
