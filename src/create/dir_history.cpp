#include "create/dir_history.h"

#include <algorithm>
#include <memory>

#include "base/path_text.h"
#include "create/level_creation.h"
#include "settings/big_ini_file.h"

namespace kestrix {

using namespace pathtext;

namespace {

constexpr char kSection[] = "MkDirHistory";
constexpr char kRedirectKey[] = "RedirectSection";

bool IsAbsoluteName(const std::string& name) {
  return name.rfind("\\\\", 0) == 0 || (name.size() >= 3 && name.compare(1, 2, ":\\") == 0);
}

bool IsBlankEntry(const std::string& item) {
  return item.empty() || item == " " || item == "\r\n" || item == "\r" || item == "\n";
}

}  // namespace

DirHistory::HostIniView DirHistory::ReadHostIni(const std::string& file) {
  HostIniView view;
  try {
    TBigIniFile ini(fs_, file, code_page_);
    view.alternate_user_ini =
        Trim(env_.Expand(ini.ReadString("Configuration", "AlternateUserIni", "")));
    const std::string left_path = ini.ReadString("left", "path", "");
    const std::string left_redirect = ini.ReadString("left", kRedirectKey, "");
    const std::string right_path = ini.ReadString("right", "path", "");
    const std::string right_redirect = ini.ReadString("right", kRedirectKey, "");
    const int first_menu = ini.ReadInteger("Configuration", "firstmnu", 0);
    view.history_redirect_raw = ini.ReadString(kSection, kRedirectKey, "");
    view.history_redirect = Trim(env_.Expand(view.history_redirect_raw));
    view.counts_as_empty = left_path.empty() && right_path.empty() && left_redirect.empty() &&
                           right_redirect.empty() && first_menu == 0;
  } catch (const InOutError&) {
    // An unreadable host file is treated like an empty one.
  }
  return view;
}

std::string DirHistory::PrivateListFile() const {
  return places_.ProgramDir + "\\" + places_.ExeBaseName + ".lst";
}

std::string DirHistory::HistoryFile() {
  std::string name = Trim(env_.Expand(places_.MkDirHistoryFile));
  const bool from_setting = !name.empty();
  if (!from_setting) {
    name = PrivateListFile();
    if (!places_.CommanderIni.empty() && fs_.FileExists(places_.CommanderIni)) {
      HostIniView host = ReadHostIni(places_.CommanderIni);
      if (!host.history_redirect.empty()) {
        name = host.history_redirect;
      } else if (!host.alternate_user_ini.empty()) {
        std::string alternate = host.alternate_user_ini;
        const std::string beside = ExtractFilePath(places_.CommanderIni) + alternate;
        if (!fs_.FileExists(alternate) && fs_.FileExists(beside)) alternate = beside;
        if (fs_.FileExists(alternate) && !ReadHostIni(alternate).counts_as_empty) name = alternate;
      } else if (!host.counts_as_empty) {
        name = places_.CommanderIni;
      }
    }
  }
  if (IsAbsoluteName(name)) return name;
  const std::string base =
      from_setting ? places_.ProgramDir + "\\" : ExtractFilePath(places_.CommanderIni);
  name = base + name;
  const std::string dir = ExtractFilePath(name);
  if (!dir.empty() && ForceDirectories(fs_, dir) != kErrorSuccess) return "";
  return name;
}

std::vector<std::string> DirHistory::LoadMkDirHistory() {
  std::vector<std::string> items;
  const std::string file = HistoryFile();
  if (file.empty() || !fs_.FileExists(file)) return items;
  std::vector<std::string> lines;
  try {
    TBigIniFile ini(fs_, file, code_page_);
    ini.ReadSectionValues(kSection, lines);
  } catch (const InOutError&) {
    return items;
  }
  for (const std::string& line : lines) {
    const size_t eq = line.find('=');
    // The host's redirection key lives in the same section; it names a file, not an entry.
    if (eq != std::string::npos && IniNamesEqual(line.substr(0, eq), kRedirectKey)) continue;
    items.push_back(eq == std::string::npos ? line : line.substr(eq + 1));
  }
  items.erase(std::remove_if(items.begin(), items.end(), IsBlankEntry), items.end());
  // The last occurrence of a repeated entry survives.
  for (size_t i = items.size(); i-- > 0;) {
    for (size_t j = i; j-- > 0;) {
      if (items[j] == items[i]) {
        items.erase(items.begin() + static_cast<long>(j));
        --i;
      }
    }
  }
  return items;
}

std::vector<std::string> DirHistory::AddDirectoryToTCDirList(const std::string& text) {
  std::vector<std::string> items = LoadMkDirHistory();
  items.erase(std::remove_if(items.begin(), items.end(),
                             [&](const std::string& item) { return Trim(item) == text; }),
              items.end());
  items.insert(items.begin(), text);
  if (items.size() > static_cast<size_t>(kHistoryMaxItems)) items.resize(kHistoryMaxItems);

  const bool host_ini_exists =
      !places_.CommanderIni.empty() && fs_.FileExists(places_.CommanderIni);
  if (!host_ini_exists && Trim(places_.MkDirHistoryFile).empty()) return items;
  const std::string file = HistoryFile();
  if (file.empty()) return items;
  try {
    std::string redirect;
    if (host_ini_exists && AsciiLowerCase(file) == AsciiLowerCase(places_.CommanderIni))
      redirect = ReadHostIni(places_.CommanderIni).history_redirect_raw;
    TBigIniFile ini(fs_, file, code_page_);
    ini.EraseSection(kSection);
    if (!redirect.empty()) ini.WriteString(kSection, kRedirectKey, redirect);
    for (size_t i = 0; i < items.size(); ++i)
      ini.WriteString(kSection, std::to_string(i), items[i]);
    ini.UpdateFile();
  } catch (const InOutError&) {
    // The host may hold the file; the list in the window is what the user sees.
  }
  return items;
}

}  // namespace kestrix
