#pragma once
// The interface language: every user-visible text is looked up by section and key, with
// its English text as the default, and trimmed. A table comes from a built-in language
// (an RCDATA resource "LNG_" + identifier holding a language file's text in its own code
// page) or from an external "lng_*.ini" file beside the executable; either way it is
// decoded to UTF-8 once, lives in memory and is never written back.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/resources.h"
#include "settings/big_ini_file.h"
#include "settings/language_keys.h"

namespace kestrix {

class LanguageTable {
 public:
  // The empty table: every lookup gives the English default.
  LanguageTable();
  ~LanguageTable();
  LanguageTable(LanguageTable&&) noexcept;
  LanguageTable& operator=(LanguageTable&&) noexcept;

  // Parses the UTF-8 text of a language file.
  static LanguageTable FromText(std::string_view text);
  // Reads an external language file, one of the program's own (UTF-16, UTF-8 or the ANSI
  // `code_page`; without one, only ASCII is sure). A missing or unreadable file gives the
  // empty table: the English texts appear and nothing is reported.
  static LanguageTable FromFile(FileSystem& fs, const std::string& path,
                                CodePage* code_page = nullptr);

  // The stored value verbatim (alignment tabs included), or `english` when the section or
  // key is missing.
  std::string Lookup(const std::string& section, const std::string& key,
                     const std::string& english) const;
  // The key's text, trimmed of blanks, tabs and control characters: the text as it is
  // shown.
  std::string Text(const LanguageKey& key) const;

  // `Language`/`LngShortID`, trimmed; "ENG" when missing (an external file without it).
  std::string ShortId() const;
  std::vector<std::string> SectionNames() const;
  // Names of the keys of one section, in file order.
  std::vector<std::string> KeyNames(const std::string& section) const;

 private:
  std::string Text(const std::string& section, const std::string& key,
                   const std::string& english) const;

  // BigIniFile's lookups remember the section found last, so they are not const; the
  // table's content never changes after loading.
  std::unique_ptr<BigIniFile> ini_;
};

// The table that knows no language: English everywhere (before a language is loaded, and
// in tests of code that only shows texts).
using EnglishLanguageTable = LanguageTable;

// Replaces every "%s" of a text (such as `Installed2`) by `value`.
std::string FormatLanguageText(std::string_view text, std::string_view value);
// Turns every "<br>" of a text (such as `Method_desc`) into a line break.
std::string ExpandLanguageLineBreaks(std::string_view text);

// What the user reads when an operation on `path` failed with the Windows error `code`: one
// sentence in the interface language naming the file in quotes and what happened (used by
// another program, no permission, disk full, path too long, not found); any other code gives
// a sentence naming the file, then the code on its own line.
std::string FileFailureText(const LanguageTable& language, const std::string& path, uint32_t code);

// ---- Built-in languages ----

inline constexpr std::string_view kLanguageResourcePrefix = "LNG_";
inline constexpr std::string_view kEnglishLanguageId = "ENG";
inline constexpr std::string_view kEnglishLanguageResource = "LNG_ENG";
// The platform's DEFAULT_CHARSET: English and every language not in the table below.
inline constexpr int kDefaultFontCharset = 1;

struct BuiltInLanguage {
  std::string_view id;            // "HUN"; the resource is "LNG_" + id
  std::string_view english_name;  // the language file's `LngNameEng`
  int font_charset;               // character set of the fonts showing its texts
  std::string_view list_entry;    // the configuration dialog's entry
  unsigned code_page;             // the code page its file is saved in
};

inline constexpr std::array<BuiltInLanguage, 10> kBuiltInLanguages{{
    {"ENG", "English", 1, "ENG - English", 1252},
    {"HUN", "Hungarian", 238, "HUN - Hungarian", 1250},
    {"RUS", "Russian", 204, "RUS - Russian", 1251},
    {"DUT", "Nederlands", 0, "DUT - Dutch", 1252},
    {"ESP", "Spanish", 1, "ESP - Spanish", 1252},
    {"DEU", "German", 238, "DEU - German", 1252},
    {"DAN", "Danish", 1, "DAN - Danish", 1252},
    {"CHN", "Chinese", 134, "CHN - Chinese", 936},
    {"UKR", "Ukrainian", 204, "UKR - Ukrainian", 1251},
    {"KOR", "Korean", 129, "KOR - Korean", 949},
}};

// "LNG_" + id.
std::string LanguageResourceName(std::string_view id);
// The font character set for a language resource name ("LNG_" + `LngShortID`), compared
// case-sensitively: "LNG_deu" is not "LNG_DEU" and gets the default set.
int FontCharsetFor(std::string_view resource_name);
// The configuration dialog's built-in entries, in its order ("CHN - Chinese" first).
std::vector<std::string> BuiltInLanguageListEntries();

// ---- Choosing and loading ----

// Where languages come from: the resources of the program and its directory, and the
// decoding of their code pages (without one, only ASCII is sure).
struct LanguageSources {
  FileSystem& fs;
  Resources& resources;
  std::string program_dir;  // no trailing "\"
  CodePage* code_page = nullptr;
};

// Whether the argument is a "/LNG=" switch (the first five characters compared in upper
// case).
bool IsLanguageArgument(std::string_view arg);
// The value of the last "/LNG=" argument (the first five characters compared in upper
// case), trimmed; empty when there is none. An empty value counts as no choice.
std::string CommandLineLanguage(const std::vector<std::string>& args);

// True when the value names an external file: it ends with ".ini" (exactly, lower case).
bool IsLanguageFileName(std::string_view value);

// The built-in language `id` ("LNG_" + id), or English when id is empty or no such
// resource exists, decoded from its code page. `loaded` receives the resource name used.
LanguageTable LoadBuiltInLanguage(Resources& resources, CodePage* code_page, const std::string& id,
                                  std::string* loaded = nullptr);
// A language by its settings value: an external file name (read from the program's
// directory; empty table when missing) or a built-in identifier.
LanguageTable LoadLanguageByName(const LanguageSources& sources, const std::string& value);

// The configuration dialog's choice not yet applied to the main window: it survives from
// the dialog's OK until the next loading of the main window's language.
struct PendingLanguage {
  bool pending = false;
  std::string value;
};

struct LoadedLanguage {
  LanguageTable table;
  // The identifier in use: the first three characters of a built-in choice, or the
  // external file's name. Written back as `CurrentLng` when that key is missing at closing.
  std::string current_id;
  // "LNG_" + the table's `LngShortID`: decides the fonts' character set.
  std::string charset_resource;
  int font_charset = kDefaultFontCharset;
};

// Chooses and loads the main window's language from the `CurrentLng` setting (`setting`,
// as read with its default "ENG"), the configuration dialog's pending choice and the
// "/LNG=" argument. A command-line value overrides the setting for this run only: an
// external file it names is used when it exists, an identifier always decides the
// built-in language.
LoadedLanguage LoadLanguage(const LanguageSources& sources, const std::string& setting,
                            PendingLanguage& pending, const std::vector<std::string>& args);

// The installer's "/LNG=" value: an existing external file, else an existing built-in
// resource; nothing (false) when the value names neither.
bool LoadLanguageArgument(const LanguageSources& sources, const std::string& value,
                          LanguageTable& table);

// The installer's first language: the host's language code is characters 6 to 8 of its
// `LanguageIni` ("WCMD_DEU.LNG" gives "DEU"); that built-in language, else English. The
// identifier is the loaded table's `LngShortID`.
struct InstallerLanguage {
  LanguageTable table;
  std::string current_id;
};
InstallerLanguage LoadInstallerLanguage(Resources& resources, CodePage* code_page,
                                        const std::string& language_ini);

// ---- Discovery for the configuration dialog ----

struct ExternalLanguage {
  std::string file_name;     // "lng_French.ini"
  std::string english_name;  // `LngNameEng`, trimmed; "-" when missing
  std::string list_entry;    // "- French.ini (French)"
};

// Every file "lng_*.ini" in the program's directory, in the listing's order.
std::vector<ExternalLanguage> FindExternalLanguages(const LanguageSources& sources);

// The `CurrentLng` value a dialog entry stands for: the code before the first "-" of a
// built-in entry, or "lng_" + the name between "- " and "(" of an external one.
std::string LanguageOfListEntry(std::string_view entry);

}  // namespace kestrix
