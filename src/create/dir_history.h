#pragma once
// The directory history shared with the host: the section MkDirHistory of the host's
// configuration file (following the host's redirections), or a private file.
#include <optional>
#include <string>
#include <vector>

#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/file_system.h"

namespace kestrix {

constexpr int kHistoryMaxItems = 20;

struct HistoryPlaces {
  std::string CommanderIni;      // the host's configuration file
  std::string ProgramDir;        // directory of the executable, without trailing "\"
  std::string ExeBaseName;       // "tc Kestrix"
  std::string MkDirHistoryFile;  // the setting; empty for the host's own history
};

class DirHistory {
 public:
  // `code_page` converts the names and values of a host file in UTF-16 (without it,
  // Latin-1); the file's other text is kept whole either way.
  DirHistory(FileSystem& fs, Environment& environment, const HistoryPlaces& places,
             CodePage* code_page = nullptr)
      : fs_(fs), env_(environment), places_(places), code_page_(code_page) {}

  // The file that holds the history, absolute; empty when none can be used (its directory
  // could not be created).
  std::string HistoryFile();

  // The history, newest first: blank entries dropped, duplicates reduced to the last one.
  std::vector<std::string> LoadMkDirHistory();

  // Puts `text` at the top of the history (once), keeps at most 20 entries and rewrites the
  // section. Returns the new list. Write failures are ignored; the list still changes. The
  // entries already there move as the file holds them, never through the code page.
  std::vector<std::string> AddDirectoryToTCDirList(const std::string& text);
  // Set by AddDirectoryToTCDirList when the file could not keep a character of the text
  // (kErrorNoUnicodeTranslation) and was left as it was: the one failure to tell the user.
  const std::optional<InOutError>& Refused() const { return refused_; }

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
};

}  // namespace kestrix
