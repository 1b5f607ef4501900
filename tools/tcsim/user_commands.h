#pragma once
// The host's user commands: a key bound in wincmd.ini [Shortcuts] / [ShortcutsWin] names
// a command ("em_Kestrix"), whose section in usercmd.ini gives cmd=, param= and path=.
// The "EM" request names the command directly, optionally followed by a blank and
// parameters.
#include <functional>
#include <optional>
#include <string>

#include "host_keys.h"
#include "ini_text.h"
#include "requests.h"

namespace kestrix::tcsim {

struct UserCommand {
  std::string name, cmd, param, path;
};

// The command bound to a key; ShortcutsWin when the Windows key is held.
std::optional<std::string> FindShortcutCommand(const IniText& wincmd, const KeyPress& press);
std::optional<UserCommand> FindUserCommand(const IniText& usercmd, const std::string& name);

struct EmText {
  std::string name, params;
};
EmText SplitEmText(const std::string& text);  // "em_X a b" -> {"em_X", "a b"}

struct UserAction {
  enum class Kind { kChangeDir, kStart, kInternal };
  Kind kind = Kind::kInternal;
  std::string target;     // ChangeDir: the directory; Start: the command line; Internal: cmd
  std::string directory;  // Start: working directory (empty: the host's own)
};

// What running a command means. Placeholders are replaced in param= and in the extra
// parameters; `expand` (environment references) applies to cmd=, path= and to the target
// of the built-in "cd". An empty path= starts the program in `panel_directory`.
UserAction ResolveUserCommand(const UserCommand& command, const std::string& extra_params,
                              const PlaceholderValues& values, const std::string& panel_directory,
                              const std::function<std::string(const std::string&)>& expand);

}  // namespace kestrix::tcsim
