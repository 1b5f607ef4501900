#include "names/user_apps.h"

#include <algorithm>
#include <optional>

#include "base/text_utils.h"
#include "base/utf8.h"
#include "names/player_sources.h"
#include "names/variable_error.h"
#include "settings/big_ini_file.h"

namespace kestrix {

namespace {

bool IniTrue(BigIniFile& ini, const char* section, const char* key, const char* fallback) {
  return ini.ReadString(section, key, fallback) == "True";
}

}  // namespace

std::string PluginsFolder(const std::string& program_dir) {
  std::string folder = program_dir;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder + "Plugins\\";
}

std::string UserAppFileName(const std::string& program_dir, const std::string& id) {
  return PluginsFolder(program_dir) + "app_" + id + ".ini";
}

std::string UserAppIdFromFileName(std::string_view file_name) {
  return ReplaceAllIgnoreCase(ReplaceAllIgnoreCase(file_name, "app_", ""), ".ini", "");
}

std::vector<std::string> DiscoverUserApps(FileSystem& files, const std::string& program_dir,
                                          DisablePlugins disable_plugins) {
  std::vector<std::string> ids;
  if (disable_plugins == DisablePlugins::kApplications) return ids;
  std::string folder = PluginsFolder(program_dir);
  folder.pop_back();
  if (!files.DirectoryExists(folder)) return ids;
  for (const DirEntry& entry : files.ListDirectory(folder, "app_*"))
    ids.push_back(UserAppIdFromFileName(entry.name));
  // The list is trimmed as one text: blanks before the first and after the last
  // identifier go, and empty identifiers at either end with them.
  while (!ids.empty() && IsBlank(ids.front())) ids.erase(ids.begin());
  while (!ids.empty() && IsBlank(ids.back())) ids.pop_back();
  if (!ids.empty()) {
    size_t first = 0;
    while (first < ids.front().size() && static_cast<unsigned char>(ids.front()[first]) <= ' ')
      ++first;
    ids.front().erase(0, first);
    while (!ids.back().empty() && static_cast<unsigned char>(ids.back().back()) <= ' ')
      ids.back().pop_back();
  }
  return ids;
}

UserApplication ReadUserApp(FileSystem& files, const std::string& program_dir,
                            const std::string& id) {
  UserApplication app;
  // A file that cannot be read counts as missing: every key keeps its default.
  std::optional<BigIniFile> opened;
  try {
    opened.emplace(files, UserAppFileName(program_dir, id));
  } catch (const InOutError&) {
    return app;
  }
  BigIniFile& ini = *opened;
  app.menu_name = ini.ReadString("Menu", "MenuName", "n.a.");
  app.method = ini.ReadInteger("Configuration", "MethodNum", kMethodWindowText);
  app.window_class = ini.ReadString("Configuration", "WndClass", "");
  app.window_title = ini.ReadString("Configuration", "WndTitle", "");
  app.dw_data = ini.ReadString("Configuration", "dwData", "$0");
  app.cb_data = ini.ReadInteger("Configuration", "cbData", 0);
  app.left_cut = ini.ReadString("Additional", "LeftCut", "");
  app.right_cut = ini.ReadString("Additional", "RightCut", "");
  app.enable_trim = IniTrue(ini, "Additional", "EnableTrim", "Trim");
  app.extract_file_name = IniTrue(ini, "Additional", "ExtractFN", "False");
  app.remove_extension = IniTrue(ini, "Additional", "RemoveExt", "False");
  return app;
}

uint32_t CopyDataIdentifier(const std::string& id, const std::string& dw_data) {
  int value = 0;
  if (!ParseIniInteger(dw_data, value))
    throw VariableError("Application {" + id + "}: dwData \"" + dw_data +
                        "\" is not a number (write it in decimal, or \"$\" followed by "
                        "hexadecimal digits).");
  return static_cast<uint32_t>(value);
}

std::string ReadUserAppRaw(const std::string& id, const UserApplication& app,
                           UserAppReaders& readers) {
  switch (app.method) {
    case kMethodWindowText: {
      std::optional<std::string> text = WindowTextOfClass(readers.windows, app.window_class);
      return text ? *text : "-";
    }
    case kMethodSharedMemory: {
      std::optional<std::string> text =
          ReadAimpRecord(readers.shared_memory, readers.locale, readers.mapping_name);
      return text ? *text : "-";
    }
    case kMethodCopyData: {
      uint32_t identifier = CopyDataIdentifier(id, app.dw_data);
      if (app.cb_data < 0 || app.cb_data > kMaxCopyDataLength)
        throw VariableError("Application {" + id + "}: cbData " + std::to_string(app.cb_data) +
                            " is outside 0 to " + std::to_string(kMaxCopyDataLength) + ".");
      WindowHandle window = readers.windows.FindWindow(0, 0, app.window_class, std::nullopt);
      if (window == 0) return "-";
      return RequestCopyDataText(readers.windows, window, readers.application_window, identifier,
                                 static_cast<uint32_t>(app.cb_data), "{" + id + "}");
    }
    case kMethodWindowCaption: {
      std::optional<WindowHandle> window =
          FindWindowByTitleFragment(readers.windows, app.window_title);
      return window ? readers.windows.GetWindowText(*window) : "-";
    }
    default:
      return "-";
  }
}

std::string CleanUserAppValue(const std::string& raw, const UserApplication& app,
                              bool dash_when_empty) {
  std::string r = raw;
  // Lengths count UTF-16 units, as the window does; no cut splits a character.
  if (!IsBlank(app.right_cut)) {
    // Up to the last character that occurs in the marker, less the marker's length: a
    // title ending with the marker loses exactly that ending.
    size_t end = 0;
    for (size_t i = 0; i < r.size();) {
      const size_t length = DecodeUtf8Char(r, i).length;
      if (app.right_cut.find(r.substr(i, length)) != std::string::npos) end = i + length;
      i += length;
    }
    const size_t units = Utf16OffsetOfByte(r, end), marker = Utf16Length(app.right_cut);
    r = std::string(HeadOfUtf16Length(r, units > marker ? units - marker : 0));
  }
  if (!IsBlank(app.left_cut)) {
    // From the end of the first occurrence; when absent, the marker's length less one
    // characters are dropped.
    size_t at = r.find(app.left_cut);
    size_t start = at != std::string::npos ? at + app.left_cut.size()
                                           : ByteOffsetOfUtf16(r, Utf16Length(app.left_cut) - 1);
    r = start < r.size() ? r.substr(start) : std::string();
  }
  if (app.enable_trim) r = Trim(r);
  if (app.extract_file_name) {
    std::string name = app.remove_extension ? FileNameWithoutExtension(r) : ExtractFileName(r);
    if (!IsBlank(name)) r = name;
  }
  if (!IsBlank(r)) return r;
  return dash_when_empty ? "-" : "";
}

std::string EvaluateUserApp(const std::string& id, const UserApplication& app,
                            UserAppReaders& readers, bool dash_when_empty) {
  return CleanUserAppValue(ReadUserAppRaw(id, app, readers), app, dash_when_empty);
}

}  // namespace kestrix
