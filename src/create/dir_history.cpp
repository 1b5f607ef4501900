#include "create/dir_history.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_set>

#include "base/path_text.h"
#include "create/level_creation.h"
#include "settings/big_ini_file.h"

namespace kestrix {

using namespace pathtext;

namespace {

constexpr char kSection[] = "MkDirHistory";
constexpr char kRedirectKey[] = "RedirectSection";

bool IsAbsoluteName(const std::string& name) {
  return name.starts_with("\\\\") || (name.size() >= 3 && name.compare(1, 2, ":\\") == 0);
}

bool IsBlankEntry(const std::string& item) {
  return item.empty() || item == " " || item == "\r\n" || item == "\r" || item == "\n";
}

}  // namespace

DirHistory::HostIniView DirHistory::ReadHostIni(const std::string& file) {
  HostIniView view;
  try {
    BigIniFile ini(fs_, file, IniOwner::kHost, code_page_);
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
  return places_.program_dir + "\\" + places_.exe_base_name + ".lst";
}

IniOwner DirHistory::HistoryFileOwner(const std::string& file) const {
  const bool own = !Trim(places_.history_file).empty() ||
                   AsciiLowerCase(file) == AsciiLowerCase(PrivateListFile());
  return own ? IniOwner::kProgram : IniOwner::kHost;
}

std::string DirHistory::HistoryFile() {
  std::string name = Trim(env_.Expand(places_.history_file));
  const bool from_setting = !name.empty();
  if (!from_setting) {
    name = PrivateListFile();
    if (!places_.commander_ini.empty() && fs_.FileExists(places_.commander_ini)) {
      HostIniView host = ReadHostIni(places_.commander_ini);
      if (!host.history_redirect.empty()) {
        name = host.history_redirect;
      } else if (!host.alternate_user_ini.empty()) {
        std::string alternate = host.alternate_user_ini;
        const std::string beside = ExtractFilePath(places_.commander_ini) + alternate;
        if (!fs_.FileExists(alternate) && fs_.FileExists(beside)) alternate = beside;
        if (fs_.FileExists(alternate) && !ReadHostIni(alternate).counts_as_empty) name = alternate;
      } else if (!host.counts_as_empty) {
        name = places_.commander_ini;
      }
    }
  }
  if (IsAbsoluteName(name)) return name;
  const std::string base =
      from_setting ? places_.program_dir + "\\" : ExtractFilePath(places_.commander_ini);
  name = base + name;
  const std::string dir = ExtractFilePath(name);
  if (!dir.empty() && ForceDirectories(fs_, dir) != kErrorSuccess) return "";
  return name;
}

namespace {

// The entries of the history section as the file stores them (an ANSI file's as its bytes,
// the others' as UTF-8), newest first: blank entries dropped, duplicates reduced to the last
// one. Moved so, an entry whose bytes the code page does not define is not lost.
std::vector<std::string> StoredEntries(BigIniFile& ini) {
  std::vector<std::string> lines, items;
  ini.ReadStoredSectionValues(kSection, lines);
  for (const std::string& line : lines) {
    const size_t eq = line.find('=');
    // The host's redirection key lives in the same section; it names a file, not an entry.
    if (eq != std::string::npos && IniNamesEqual(line.substr(0, eq), kRedirectKey)) continue;
    items.push_back(eq == std::string::npos ? line : line.substr(eq + 1));
  }
  // The last occurrence of a repeated entry survives.
  std::vector<std::string> kept;
  std::unordered_set<std::string> seen;
  for (auto it = items.rbegin(); it != items.rend(); ++it)
    if (!IsBlankEntry(*it) && seen.insert(*it).second) kept.insert(kept.begin(), *it);
  return kept;
}

std::vector<std::string> ShownEntries(BigIniFile& ini, const std::vector<std::string>& stored) {
  std::vector<std::string> items;
  items.reserve(stored.size());
  for (const std::string& item : stored) items.push_back(ini.FromStored(item));
  return items;
}

}  // namespace

std::vector<std::string> DirHistory::LoadMkDirHistory() {
  const std::string file = HistoryFile();
  if (file.empty() || !fs_.FileExists(file)) return {};
  try {
    BigIniFile ini(fs_, file, HistoryFileOwner(file), code_page_);
    return ShownEntries(ini, StoredEntries(ini));
  } catch (const InOutError&) {
    return {};
  }
}

std::vector<std::string> DirHistory::AddDirectoryToTCDirList(const std::string& text) {
  refused_.reset();
  left_out_.reset();
  const bool host_ini_exists = fs_.FileExists(places_.commander_ini);
  const bool writes = host_ini_exists || !Trim(places_.history_file).empty();
  const std::string file = HistoryFile();
  if (file.empty()) return {text};
  std::optional<BigIniFile> ini;
  try {
    ini.emplace(fs_, file, HistoryFileOwner(file), code_page_);
  } catch (const InOutError&) {
    return {text};  // unreadable: the list is the new entry alone, and nothing is written
  }
  if (!ini->CanStore(text)) {
    refused_ = InOutError(file, kErrorNoUnicodeTranslation);
    left_out_ = Concat({"\"", text, "\" was left out of the directory history: \"", file,
                        "\" is not a Unicode file and has no form for it."});
    std::vector<std::string> items = ShownEntries(*ini, StoredEntries(*ini));
    std::erase_if(items, [&](const std::string& item) { return Trim(item) == text; });
    items.insert(items.begin(), text);
    items.resize(std::min(items.size(), static_cast<size_t>(kHistoryMaxItems)));
    return items;
  }
  // First: a text without an ANSI form turns the program's own file into UTF-16, which
  // changes the stored form of the entries.
  const std::string entry = ini->ToStored(text);
  std::vector<std::string> stored = StoredEntries(*ini);
  stored.erase(std::remove_if(stored.begin(), stored.end(),
                              [&](const std::string& item) { return Trim(item) == entry; }),
               stored.end());
  stored.insert(stored.begin(), entry);
  stored.resize(std::min(stored.size(), static_cast<size_t>(kHistoryMaxItems)));
  const std::vector<std::string> items = ShownEntries(*ini, stored);
  if (!writes) return items;

  // The host's redirection stays as it was written, and so do the entries it moves.
  std::string redirect;
  if (host_ini_exists && AsciiLowerCase(file) == AsciiLowerCase(places_.commander_ini)) {
    std::vector<std::string> lines;
    ini->ReadStoredSectionValues(kSection, lines);
    for (const std::string& line : lines) {
      const size_t eq = line.find('=');
      if (eq != std::string::npos && IniNamesEqual(line.substr(0, eq), kRedirectKey))
        redirect = line.substr(eq + 1);
    }
  }
  ini->EraseSection(kSection);
  if (!redirect.empty()) ini->WriteStoredString(kSection, kRedirectKey, redirect);
  for (size_t i = 0; i < stored.size(); ++i)
    ini->WriteStoredString(kSection, std::to_string(i), stored[i]);
  try {
    ini->UpdateFile();
  } catch (const InOutError& error) {
    // The host may hold the file; the list in the window is what the user sees. A text the
    // file cannot keep is refused, and the caller tells the user.
    if (error.Code() == kErrorNoUnicodeTranslation) refused_ = error;
    ini->DiscardChanges();
  }
  return items;
}

}  // namespace kestrix
