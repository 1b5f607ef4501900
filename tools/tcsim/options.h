#pragma once
// tcsim's command line.
//
//   --left PATH --right PATH     panel paths (a directory, "C:\x.zip\*.*", "\\\Plugin",
//                                "1:\..."); default: the current directory
//   --active L|R                 the active panel (default L)
//   --focus NAME                 the item under the cursor in the active panel
//   --view brief|detailed        the list item form (default brief)
//   --commander-path DIR         COMMANDER_PATH for started programs (default: tcsim's dir)
//   --wincmd-ini FILE            COMMANDER_INI (default: DIR\wincmd.ini)
//   --usercmd-ini FILE           user commands (default: usercmd.ini beside wincmd.ini)
//   --ignore-ga                  behave like a host older than the "GA" query
//   --lcl                        the other host build's classes ("LCLListBox", "Window")
//   --log FILE                   one line for every request, flushed at once (default: the
//                                environment variable TCSIM_LOG, else no log)
//   --press KEY                  press KEY ("F7", "S+F7", "Win+F8") once the window shows
//   --to-running                 send the --press keys to the host window already running
//                                instead of starting another one, then end
//   --unicode                    a Unicode build: wide windows and list items, answers to
//                                "GW" in UTF-16 ("RW")
// The host's own arguments, as scripts start it:
//   /L=PATH /R=PATH              the left and right panel paths
//   /S                           /L and /R name the active (source) and the other panel
//   /O                           hand the paths to the host already running, then end
// Values may follow "=" or come as the next argument. Quotes group blanks; backslashes
// are never escapes, so "C:\dir\" keeps its last backslash.
#include <string>
#include <vector>

#include "listing.h"

namespace kestrix::tcsim {

struct Options {
  std::string left, right, focus;
  bool right_active = false;
  View view = View::kBrief;
  std::string commander_path, wincmd_ini, usercmd_ini, log;
  bool ignore_ga = false, lcl = false, to_running = false, unicode = false;
  bool hand_over = false, source_target = false;  // /O and /S
  std::vector<std::string> presses;
};

struct OptionsResult {
  Options options;
  std::string error;  // empty when the command line was understood
};

std::vector<std::string> SplitCommandLine(const std::string& command_line);
// `args` without the program name.
OptionsResult ParseOptions(const std::vector<std::string>& args);
// The wincmd.ini path with every "wincmd.ini" (any case) replaced by "usercmd.ini"; a
// file of another name gets "usercmd.ini" in its directory.
std::string UsercmdIniBeside(const std::string& wincmd_ini);

}  // namespace kestrix::tcsim
