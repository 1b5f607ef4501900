#include "host/host_commands.h"

#include <cstring>

#include "base/path_text.h"
#include "base/utf8.h"

namespace kestrix {

using namespace pathtext;

std::string ChangeDirPayload(const std::string& path, const std::string& extra, PanelSide side) {
  std::string bytes = side == PanelSide::kLeft ? path + "\r" : "\r" + path;
  bytes.push_back('\0');
  bytes += extra;
  bytes.push_back('\0');
  return bytes;
}

std::string EnterCommandPayload(const std::string& path) {
  std::string bytes = std::string(kEnterUserCommand) + " " + ReplaceAll(path, "%", "%%");
  bytes.push_back('\0');
  return bytes;
}

std::string QueryPayload(const std::string& request) {
  std::string bytes = AsciiUpperCase(request);
  bytes.push_back('\0');
  return bytes;
}

std::string CopyDataText(const char* data, size_t size) {
  if (data == nullptr) return "";
  const void* zero = std::memchr(data, '\0', size);
  size_t length =
      zero == nullptr ? size : static_cast<size_t>(static_cast<const char*>(zero) - data);
  return std::string(data, length);
}

std::optional<std::string> AnsiForm(const std::string& text, CodePage* code_page) {
  if (code_page == nullptr) return IsAscii(text) ? std::optional<std::string>(text) : std::nullopt;
  bool lost = false;
  std::string bytes = code_page->AnsiFromUtf8(text, &lost);
  if (lost) return std::nullopt;
  return bytes;
}

std::string SecondStartArguments(const std::string& path) {
  std::string target = path;
  const bool drive_root = target.size() == 3 && target[1] == ':';
  while (!drive_root && target.size() > 1 && EndsWithSeparator(target)) target.pop_back();
  return "/O /S /L=\"" + target + "\"";
}

HostMoveRoute HostCommands::SendHostChangeDir(WindowHandle host, const std::string& path,
                                              const std::string& extra, PanelSide side,
                                              bool allow_em) {
  if (host == 0 || Trim(path).empty()) return HostMoveRoute::kNone;
  if (allow_em && Contains(path, "%") && environment_.Expand(path) != path) {
    // The host expands the reference itself, so the text goes unexpanded where it can.
    if (std::optional<std::string> bytes = AnsiForm(path, move_.code_page)) {
      windows_.SendCopyData(host, 0, kCopyDataUserCmd, EnterCommandPayload(*bytes));
      return HostMoveRoute::kAnsi;
    }
    return MoveWithoutAnsiForm(host, environment_.Expand(path), extra, side);
  }
  if (std::optional<std::string> bytes = AnsiForm(path, move_.code_page)) {
    windows_.SendCopyData(host, app_window_, kCopyDataChangeDir,
                          ChangeDirPayload(*bytes, extra, side));
    return HostMoveRoute::kAnsi;
  }
  return MoveWithoutAnsiForm(host, path, extra, side);
}

HostMoveRoute HostCommands::MoveWithoutAnsiForm(WindowHandle host, const std::string& path,
                                                const std::string& extra, PanelSide side) {
  if (move_.process != nullptr) {
    // A command line carries UTF-16, and the host's own program hands it to the running
    // host. Only its end says the panel has moved, so what follows waits for it.
    const std::string program = move_.process->ExecutableOfWindow(host);
    if (!program.empty() && move_.process->RunAndWait(program, SecondStartArguments(path),
                                                      kSecondStartTimeoutMs) == ProcessRun::kEnded)
      return HostMoveRoute::kSecondStart;
    const std::string short_path = move_.process->ShortPath(path);
    std::optional<std::string> bytes = AnsiForm(short_path, move_.code_page);
    if (!short_path.empty() && bytes) {
      windows_.SendCopyData(host, app_window_, kCopyDataChangeDir,
                            ChangeDirPayload(*bytes, extra, side));
      return HostMoveRoute::kShortForm;
    }
  }
  // Any text sent now would be a look-alike of the path or a wrong one: the host stays,
  // shows what was made, and the user hears why it did not follow.
  Post(host, kCmdRereadSource);
  if (move_.not_moved) move_.not_moved(path);
  return HostMoveRoute::kNone;
}

void HostCommands::Post(WindowHandle host, HostCommand command) {
  if (host == 0) return;
  windows_.Post(host, kHostCommandMessage, command, 0);
}

void HostCommands::PostToFirstHost(HostCommand command) {
  Post(windows_.FindWindow(0, 0, kHostWindowClass, std::nullopt), command);
}

void HostCommands::SendHostQuery(WindowHandle reply_window, const std::string& request, bool wide) {
  WindowHandle host = windows_.FindWindow(0, 0, kHostWindowClass, std::nullopt);
  if (host == 0) return;
  windows_.SendCopyData(host, reply_window, wide ? kCopyDataQueryWide : kCopyDataQuery,
                        QueryPayload(request));
}

}  // namespace kestrix
