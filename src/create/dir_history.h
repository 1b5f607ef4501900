#pragma once
// The directory history shared with the host: the section MkDirHistory of the host's
// configuration file (following the host's redirections), or a private file.
#include <optional>
#include <string>
#include <vector>

#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "settings/big_ini_file.h"

namespace kestrix {

constexpr int kHistoryMaxItems = 20;

struct HistoryPlaces {
  std::string commander_ini;  // the host's configuration file
  std::string program_dir;    // directory of the executable, without trailing "\"
  std::string exe_base_name;  // "tc Kestrix"
  std::string history_file;   // the setting; empty for the host's own history
};

class DirHistory {
 public:
  // `code_page` is the ANSI code page of files without a mark (without it, only ASCII is
  // sure); a file's other text is kept whole either way.
  DirHistory(FileSystem& fs, Environment& environment, const HistoryPlaces& places,
             CodePage* code_page = nullptr)
      : fs_(fs), env_(environment), places_(places), code_page_(code_page) {}

  // The file that holds the history, absolute; empty when none can be used (its directory
  // could not be created).
  std::string HistoryFile();
  // Whose file HistoryFile is: the private list and the file the setting names are the
  // program's own (they become UTF-16 for a text without an ANSI form), the others the
  // host's (they keep their encoding).
  IniOwner HistoryFileOwner(const std::string& file) const;

  // The history, newest first: blank entries dropped, duplicates reduced to the last one.
  std::vector<std::string> LoadMkDirHistory();

  // Puts `text` at the top of the history (once), keeps at most 20 entries and rewrites the
  // section. Returns the new list. Write failures are ignored; the list still changes. The
  // entries already there move as the file holds them, never through the code page. The
  // host's ANSI file is not given a text it has no form for (never written with "?"): the
  // file stays as it was, Refused is set and LeftOut says why.
  std::vector<std::string> AddDirectoryToTCDirList(const std::string& text);
  // Set by AddDirectoryToTCDirList when the file could not keep a character of what it held
  // (kErrorNoUnicodeTranslation) and was left as it was: the one failure to tell the user.
  const std::optional<InOutError>& Refused() const { return refused_; }
  // Set with Refused when the text was left out of the file for want of a form in it: the
  // line for the error log.
  const std::optional<std::string>& LeftOut() const { return left_out_; }

 private:
  struct HostIniView {
    std::string alternate_user_ini;
    std::string history_redirect;  // expanded and trimmed
    std::string history_redirect_raw;
    bool counts_as_empty = true;
  };
  HostIniView ReadHostIni(const std::string& file);
  std::string PrivateListFile() const;

  FileSystem& fs_;
  Environment& env_;
  HistoryPlaces places_;
  CodePage* code_page_;
  std::optional<InOutError> refused_;
  std::optional<std::string> left_out_;
};

}  // namespace kestrix
