#include "settings/language_table.h"

#include <algorithm>

#include "base/text_utils.h"
#include "base/utf8.h"

namespace kestrix {

LanguageTable::LanguageTable() : ini_(std::make_unique<BigIniFile>()) {}
LanguageTable::~LanguageTable() = default;
LanguageTable::LanguageTable(LanguageTable&&) noexcept = default;
LanguageTable& LanguageTable::operator=(LanguageTable&&) noexcept = default;

LanguageTable LanguageTable::FromText(std::string_view text) {
  LanguageTable table;
  table.ini_->SetText(text);
  return table;
}

LanguageTable LanguageTable::FromFile(FileSystem& fs, const std::string& path,
                                      CodePage* code_page) {
  // Read whole and parsed in memory rather than opened as an INI file: a language file is
  // only ever read, and an in-memory table cannot write it back on release.
  std::string content;
  if (fs.ReadWholeFile(path, content) != kErrorSuccess) return LanguageTable();
  UnknownCodePage unknown;
  return FromText((code_page != nullptr ? *code_page : unknown).Utf8FromOwnFile(content));
}

std::string LanguageTable::Lookup(const std::string& section, const std::string& key,
                                  const std::string& english) const {
  return ini_->ReadString(section, key, english);
}

std::string LanguageTable::Text(const std::string& section, const std::string& key,
                                const std::string& english) const {
  return Trim(Lookup(section, key, english));
}

std::string LanguageTable::Text(const LanguageKey& key) const {
  return Text(std::string(key.section), std::string(key.key), std::string(key.english));
}

std::string LanguageTable::ShortId() const {
  return Text(lng::header::kLngShortID);
}

std::vector<std::string> LanguageTable::SectionNames() const {
  std::vector<std::string> names;
  ini_->ReadSections(names);
  return names;
}

std::vector<std::string> LanguageTable::KeyNames(const std::string& section) const {
  std::vector<std::string> names;
  ini_->ReadSection(section, names);
  return names;
}

std::string FormatLanguageText(std::string_view text, std::string_view value) {
  return ReplaceAll(text, "%s", value);
}

std::string ExpandLanguageLineBreaks(std::string_view text) {
  return ReplaceAll(text, "<br>", kLineBreak);
}

std::string FileFailureText(const LanguageTable& language, const std::string& path, uint32_t code) {
  // MAX_PATH less its terminating zero, in UTF-16 units: beyond it Windows may say "path
  // not found" for a path that may well exist.
  constexpr size_t kMaxPath = 259;
  using namespace lng::file_errors;
  const LanguageKey* key = &kFailed;
  switch (code) {
    case kErrorSharingViolation:
    case kErrorLockViolation:
      key = &kInUse;
      break;
    case kErrorAccessDenied:
      key = &kNoPermission;
      break;
    case kErrorDiskFull:
    case kErrorHandleDiskFull:
      key = &kDiskFull;
      break;
    case kErrorFilenameExcedRange:
      key = &kPathTooLong;
      break;
    case kErrorFileNotFound:
      key = &kNotFound;
      break;
    case kErrorPathNotFound:
      key = Utf16Length(path) > kMaxPath ? &kPathTooLong : &kFolderNotFound;
      break;
    case kErrorNoUnicodeTranslation:
      key = &lng::errors::kCharacterLost;
      break;
  }
  std::string text = FormatLanguageText(language.Text(*key), Concat({"\"", path, "\""}));
  if (key == &kFailed)
    text = Concat(
        {text, kLineBreak, language.Text(lng::errors::kErrorCode), " ", std::to_string(code)});
  return text;
}

std::string LanguageResourceName(std::string_view id) {
  return std::string(kLanguageResourcePrefix) + std::string(id);
}

int FontCharsetFor(std::string_view resource_name) {
  for (const BuiltInLanguage& language : kBuiltInLanguages) {
    if (LanguageResourceName(language.id) == resource_name) return language.font_charset;
  }
  return kDefaultFontCharset;
}

std::vector<std::string> BuiltInLanguageListEntries() {
  std::vector<std::string> entries;
  for (const BuiltInLanguage& language : kBuiltInLanguages)
    entries.emplace_back(language.list_entry);
  std::sort(entries.begin(), entries.end());
  return entries;
}

namespace {
constexpr std::string_view kLanguageSwitch = "/LNG=";
}  // namespace

bool IsLanguageArgument(std::string_view arg) {
  return arg.size() >= kLanguageSwitch.size() &&
         AsciiUpperCase(arg.substr(0, kLanguageSwitch.size())) == kLanguageSwitch;
}

std::string CommandLineLanguage(const std::vector<std::string>& args) {
  std::string value;
  for (const std::string& arg : args)
    if (IsLanguageArgument(arg)) value = Trim(std::string_view(arg).substr(kLanguageSwitch.size()));
  return value;
}

bool IsLanguageFileName(std::string_view value) {
  return value.ends_with(".ini");
}

namespace {

std::string InProgramDir(const LanguageSources& sources, const std::string& name) {
  return sources.program_dir + "\\" + name;
}

// A built-in language's text, decoded once from the code page its file is saved in.
LanguageTable FromResource(Resources& resources, CodePage* code_page, const std::string& name) {
  std::string bytes;
  if (resources.ReadData(name, bytes) != 0) return LanguageTable();
  unsigned saved_in = 1252;
  for (const BuiltInLanguage& language : kBuiltInLanguages)
    if (EqualsIgnoreCase(LanguageResourceName(language.id), name)) saved_in = language.code_page;
  UnknownCodePage unknown;
  return LanguageTable::FromText(
      (code_page != nullptr ? *code_page : unknown).Utf8FromCodePage(bytes, saved_in));
}

}  // namespace

LanguageTable LoadBuiltInLanguage(Resources& resources, CodePage* code_page, const std::string& id,
                                  std::string* loaded) {
  std::string name = LanguageResourceName(id);
  if (id.empty() || !resources.Exists(name)) name = std::string(kEnglishLanguageResource);
  if (loaded != nullptr) *loaded = name;
  return FromResource(resources, code_page, name);
}

LanguageTable LoadLanguageByName(const LanguageSources& sources, const std::string& value) {
  if (IsLanguageFileName(value))
    return LanguageTable::FromFile(sources.fs, InProgramDir(sources, value), sources.code_page);
  return LoadBuiltInLanguage(sources.resources, sources.code_page, value);
}

LoadedLanguage LoadLanguage(const LanguageSources& sources, const std::string& setting,
                            PendingLanguage& pending, const std::vector<std::string>& args) {
  std::string chosen = Trim(setting);
  if (pending.pending) {
    chosen = pending.value;
    pending.pending = false;
  } else {
    pending.value = chosen;
  }
  const std::string command_line = CommandLineLanguage(args);

  LoadedLanguage result;
  if (IsLanguageFileName(command_line) &&
      sources.fs.FileExists(InProgramDir(sources, command_line))) {
    result.table =
        LanguageTable::FromFile(sources.fs, InProgramDir(sources, command_line), sources.code_page);
    result.current_id = command_line;
  } else if (!command_line.empty() && !IsLanguageFileName(command_line)) {
    result.current_id = command_line.substr(0, 3);
    result.table = LoadBuiltInLanguage(sources.resources, sources.code_page, result.current_id);
  } else if (IsLanguageFileName(chosen)) {
    result.table =
        LanguageTable::FromFile(sources.fs, InProgramDir(sources, chosen), sources.code_page);
    result.current_id = chosen;
  } else {
    result.current_id = chosen.substr(0, 3);
    result.table = LoadBuiltInLanguage(sources.resources, sources.code_page, result.current_id);
  }
  result.charset_resource = LanguageResourceName(result.table.ShortId());
  result.font_charset = FontCharsetFor(result.charset_resource);
  return result;
}

bool LoadLanguageArgument(const LanguageSources& sources, const std::string& value,
                          LanguageTable& table) {
  if (IsLanguageFileName(value)) {
    const std::string path = InProgramDir(sources, value);
    if (!sources.fs.FileExists(path)) return false;
    table = LanguageTable::FromFile(sources.fs, path, sources.code_page);
    return true;
  }
  const std::string name = LanguageResourceName(value);
  if (value.empty() || !sources.resources.Exists(name)) return false;
  table = FromResource(sources.resources, sources.code_page, name);
  return true;
}

InstallerLanguage LoadInstallerLanguage(Resources& resources, CodePage* code_page,
                                        const std::string& language_ini) {
  const std::string code = language_ini.size() > 5 ? language_ini.substr(5, 3) : std::string();
  InstallerLanguage language;
  language.table = LoadBuiltInLanguage(resources, code_page, code);
  language.current_id = language.table.ShortId();
  return language;
}

std::vector<ExternalLanguage> FindExternalLanguages(const LanguageSources& sources) {
  std::vector<ExternalLanguage> found;
  for (const DirEntry& entry : sources.fs.ListDirectory(sources.program_dir, "lng_*.ini")) {
    if (entry.IsDirectory()) continue;
    const std::string rest = ReplaceAllIgnoreCase(entry.name, "lng_", "");
    if (rest.empty()) continue;
    LanguageTable table =
        LanguageTable::FromFile(sources.fs, InProgramDir(sources, entry.name), sources.code_page);
    ExternalLanguage language;
    language.file_name = entry.name;
    language.english_name = table.Text(lng::header::kLngNameEng);
    language.list_entry = "- " + rest + " (" + language.english_name + ")";
    found.push_back(std::move(language));
  }
  return found;
}

std::string LanguageOfListEntry(std::string_view entry) {
  if (!entry.starts_with("-")) return Trim(entry.substr(0, entry.find('-')));
  std::string_view name = entry.substr(entry.starts_with("- ") ? 2 : 1);
  return "lng_" + Trim(name.substr(0, name.find('(')));
}

}  // namespace kestrix
