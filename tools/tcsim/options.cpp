#include "options.h"

#include "host_keys.h"
#include "ini_text.h"

namespace kestrix::tcsim {

std::vector<std::string> SplitCommandLine(const std::string& command_line) {
  std::vector<std::string> args;
  std::string current;
  bool quoted = false, started = false;
  for (char c : command_line) {
    if (c == '"') {
      quoted = !quoted;
      started = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (started) args.push_back(current);
      current.clear();
      started = false;
    } else {
      current += c;
      started = true;
    }
  }
  if (started) args.push_back(current);
  return args;
}

OptionsResult ParseOptions(const std::vector<std::string>& args) {
  OptionsResult result;
  Options& o = result.options;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i], value;
    bool has_value = false;
    size_t eq = name.find('=');
    if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
      has_value = true;
    }
    auto take = [&]() -> bool {
      if (has_value) return true;
      if (i + 1 >= args.size()) {
        result.error = "missing value after " + name;
        return false;
      }
      value = args[++i];
      return true;
    };
    // The host's own arguments: "/O", "/S", "/L=path", "/R=path", letters in any case.
    const std::string host_arg = UpperCase(name.substr(0, 3));
    if (host_arg == "/L=" || host_arg == "/R=") {
      (host_arg == "/L=" ? o.left : o.right) = name.substr(3);
      continue;
    }
    bool* flag = name == "--ignore-ga"    ? &o.ignore_ga
                 : name == "--lcl"        ? &o.lcl
                 : name == "--to-running" ? &o.to_running
                 : name == "--unicode"    ? &o.unicode
                 : host_arg == "/O"       ? &o.hand_over
                 : host_arg == "/S"       ? &o.source_target
                                          : nullptr;
    if (flag) {
      if (has_value) {
        result.error = name + " takes no value";
        return result;
      }
      *flag = true;
      continue;
    }
    std::string* text = name == "--left"             ? &o.left
                        : name == "--right"          ? &o.right
                        : name == "--focus"          ? &o.focus
                        : name == "--commander-path" ? &o.commander_path
                        : name == "--wincmd-ini"     ? &o.wincmd_ini
                        : name == "--usercmd-ini"    ? &o.usercmd_ini
                        : name == "--log"            ? &o.log
                                                     : nullptr;
    if (text) {
      if (!take()) return result;
      *text = value;
    } else if (name == "--active") {
      if (!take()) return result;
      std::string side = UpperCase(Trim(value));
      if (side != "L" && side != "R" && side != "LEFT" && side != "RIGHT") {
        result.error = "--active must be L or R, not \"" + value + "\"";
        return result;
      }
      o.right_active = side[0] == 'R';
    } else if (name == "--view") {
      if (!take()) return result;
      std::string view = UpperCase(Trim(value));
      if (view != "BRIEF" && view != "DETAILED") {
        result.error = "--view must be brief or detailed, not \"" + value + "\"";
        return result;
      }
      o.view = view == "BRIEF" ? View::kBrief : View::kDetailed;
    } else if (name == "--press") {
      if (!take()) return result;
      if (!ParseKeyPress(value)) {
        result.error = "unknown key \"" + value + "\"";
        return result;
      }
      o.presses.push_back(value);
    } else {
      result.error = "unknown option \"" + args[i] + "\"";
      return result;
    }
  }
  if (o.to_running && o.presses.empty()) result.error = "--to-running needs --press";
  return result;
}

std::string UsercmdIniBeside(const std::string& wincmd_ini) {
  const std::string from = "WINCMD.INI", to = "usercmd.ini";
  std::string upper = UpperCase(wincmd_ini), result;
  size_t pos = 0;
  bool replaced = false;
  for (size_t hit; (hit = upper.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
    result += wincmd_ini.substr(pos, hit - pos) + to;
    replaced = true;
  }
  result += wincmd_ini.substr(pos);
  if (replaced) return result;
  size_t slash = wincmd_ini.find_last_of("\\/");
  return (slash == std::string::npos ? "" : wincmd_ini.substr(0, slash + 1)) + to;
}

}  // namespace kestrix::tcsim
