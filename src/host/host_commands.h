#pragma once
// Commands to the host: posted command numbers, the synchronous WM_COPYDATA requests
// ("GA" query, "CD" change directory, "EM" user command) and their exact payload bytes.
#include <cstdint>
#include <string>

#include "base/host_user_commands.h"
#include "host/panel_windows.h"
#include "platform/environment.h"
#include "platform/window_system.h"

namespace kestrix {

// The host's command message; wParam carries the command number, lParam 0.
constexpr uint32_t kHostCommandMessage = 0x433;

enum HostCommand : uintptr_t {
  kCmdHostMkDirDialog = 907,
  kCmdRereadSource = 540,
  kCmdGoToRoot = 2001,
  kCmdGoToParent = 2002,
  kCmdEnterUnderCursor = 2003,
  kCmdFocusLeft = 4001,
  kCmdFocusRight = 4002,
  kCmdCloseHost = 24340,
};

// dwData of the copy-data requests: two letters, the second in the high byte.
constexpr uint32_t kCopyDataQuery = 0x4147;      // "GA"
constexpr uint32_t kCopyDataChangeDir = 0x4443;  // "CD"
constexpr uint32_t kCopyDataUserCmd = 0x4D45;    // "EM"

// The bytes sent with each request, terminating zero included (cbData = size()).
// Left: path CR 0 extra 0; right: CR path 0 extra 0.
std::string ChangeDirPayload(const std::string& path, const std::string& extra, PanelSide side);
// "em_KestrixEnter " + path with every "%" doubled, so the host does not expand it, + 0.
std::string EnterCommandPayload(const std::string& path);
// The upper-cased request + 0.
std::string QueryPayload(const std::string& request);

// The text of a copy-data reply: up to its first zero byte, never beyond `size` bytes
// (a reply without a zero byte is taken whole rather than read past its end).
std::string CopyDataText(const char* data, size_t size);

class HostCommands {
 public:
  // `app_window` goes as wParam of change-directory requests.
  HostCommands(WindowSystem& windows, Environment& environment, WindowHandle app_window)
      : windows_(windows), environment_(environment), app_window_(app_window) {}

  // Makes the host change a panel to `path`. Nothing happens without a host or a path.
  // A path with an environment reference goes through the user command when `allow_em`
  // (the host would otherwise take the reference literally).
  void SendHostChangeDir(WindowHandle host, const std::string& path, const std::string& extra,
                         PanelSide side, bool allow_em);
  void Post(WindowHandle host, HostCommand command);
  // Posts to the first top-level window of the host's class, found afresh.
  void PostToFirstHost(HostCommand command);
  // Sends the "GA" query to the first host window; the host answers with a WM_COPYDATA to
  // `reply_window` before this returns.
  void SendHostQuery(WindowHandle reply_window, const std::string& request);

 private:
  WindowSystem& windows_;
  Environment& environment_;
  WindowHandle app_window_;
};

}  // namespace kestrix
