#include "host/host_commands.h"

#include <cstring>

#include "base/path_text.h"

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

void HostCommands::SendHostChangeDir(WindowHandle host, const std::string& path,
                                     const std::string& extra, PanelSide side, bool allow_em) {
  if (host == 0 || Trim(path).empty()) return;
  if (allow_em && Contains(path, "%") && environment_.Expand(path) != path) {
    windows_.SendCopyData(host, 0, kCopyDataUserCmd, EnterCommandPayload(path));
    return;
  }
  windows_.SendCopyData(host, app_window_, kCopyDataChangeDir, ChangeDirPayload(path, extra, side));
}

void HostCommands::Post(WindowHandle host, HostCommand command) {
  if (host == 0) return;
  windows_.Post(host, kHostCommandMessage, command, 0);
}

void HostCommands::PostToFirstHost(HostCommand command) {
  Post(windows_.FindWindow(0, 0, kHostWindowClass, std::nullopt), command);
}

void HostCommands::SendHostQuery(WindowHandle reply_window, const std::string& request) {
  WindowHandle host = windows_.FindWindow(0, 0, kHostWindowClass, std::nullopt);
  if (host == 0) return;
  windows_.SendCopyData(host, reply_window, kCopyDataQuery, QueryPayload(request));
}

}  // namespace kestrix
