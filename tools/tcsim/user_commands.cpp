#include "user_commands.h"

namespace kestrix::tcsim {
namespace {

std::string JoinNonEmpty(const std::string& a, const std::string& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return a + " " + b;
}

std::string Unquote(const std::string& text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

}  // namespace

std::optional<std::string> FindShortcutCommand(const IniText& wincmd, const KeyPress& press) {
  KeyPress wanted = press;
  wanted.win = false;
  for (const auto& [key, command] : wincmd.Entries(press.win ? "ShortcutsWin" : "Shortcuts")) {
    std::optional<KeyPress> bound = ParseKeyPress(key);
    if (bound && !bound->win && *bound == wanted) return command;
  }
  return std::nullopt;
}

std::optional<UserCommand> FindUserCommand(const IniText& usercmd, const std::string& name) {
  if (usercmd.Entries(name).empty()) return std::nullopt;
  return UserCommand{name, usercmd.Get(name, "cmd").value_or(""),
                     usercmd.Get(name, "param").value_or(""),
                     usercmd.Get(name, "path").value_or("")};
}

EmText SplitEmText(const std::string& text) {
  std::string trimmed = Trim(text);
  size_t blank = trimmed.find(' ');
  if (blank == std::string::npos) return {trimmed, ""};
  return {trimmed.substr(0, blank), trimmed.substr(blank + 1)};
}

UserAction ResolveUserCommand(const UserCommand& command, const std::string& extra_params,
                              const PlaceholderValues& values, const std::string& panel_directory,
                              const std::function<std::string(const std::string&)>& expand) {
  std::string params = JoinNonEmpty(Trim(ExpandPlaceholders(command.param, values)),
                                    Trim(ExpandPlaceholders(extra_params, values)));
  std::string cmd = Trim(command.cmd);
  UserAction action;
  if (EqualsNoCase(cmd, "cd")) {
    action.kind = UserAction::Kind::kChangeDir;
    action.target = Unquote(Trim(expand(params)));
    return action;
  }
  if (cmd.empty() || EqualsNoCase(cmd.substr(0, 3), "cm_") ||
      EqualsNoCase(cmd.substr(0, 3), "em_")) {
    action.target = cmd;
    return action;
  }
  action.kind = UserAction::Kind::kStart;
  action.target = JoinNonEmpty(QuoteProgram(Trim(expand(cmd))), params);
  std::string path = Unquote(Trim(expand(command.path)));
  action.directory = path.empty() ? panel_directory : path;
  return action;
}

}  // namespace kestrix::tcsim
