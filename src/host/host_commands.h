#pragma once
// Commands to the host: posted command numbers, the synchronous WM_COPYDATA requests
// ("GW"/"GA" queries, "CD" change directory, "EM" user command) and their exact payload
// bytes, and the way a path reaches the host when no request can carry it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/host_user_commands.h"
#include "host/panel_windows.h"
#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/host_process.h"
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

// dwData of the copy-data requests and replies: two letters, the second in the high byte.
constexpr uint32_t kCopyDataQuery = 0x4147;      // "GA": answered in ANSI
constexpr uint32_t kCopyDataQueryWide = 0x5747;  // "GW": answered in UTF-16 ...
constexpr uint32_t kCopyDataReplyWide = 0x5752;  // ... with "RW"
constexpr uint32_t kCopyDataChangeDir = 0x4443;  // "CD"
constexpr uint32_t kCopyDataUserCmd = 0x4D45;    // "EM"

// How long a second start of the host may take to hand its path over and end.
constexpr uint32_t kSecondStartTimeoutMs = 5000;

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

// The text in the code page, or nothing when a character has no form there. Without a
// code page only ASCII has one.
std::optional<std::string> AnsiForm(const std::string& text, CodePage* code_page);

// The arguments of the host's second start that hands `path` to the running host and
// makes it the active panel: /O /S /L="path", the path without a trailing "\" unless it
// is a drive's root (a "\" before the closing quote would escape it for other readers).
std::string SecondStartArguments(const std::string& path);

// How a path reached the host, in the order tried: its ANSI form in a request, byte for
// byte; a second start of the host's own program; the short form of every level in a "CD"
// request; or not at all.
enum class HostMoveRoute { kAnsi, kSecondStart, kShortForm, kNone };

// What moving the host to a path without an ANSI form needs. Without a code page only
// ASCII paths have an ANSI form; without the process seam no other route is tried.
struct HostMoveServices {
  CodePage* code_page = nullptr;
  HostProcess* process = nullptr;
  // The user is told the path the host could not be moved to.
  std::function<void(const std::string& path)> not_moved;
};

class HostCommands {
 public:
  // `app_window` goes as wParam of change-directory requests.
  HostCommands(WindowSystem& windows, Environment& environment, WindowHandle app_window,
               HostMoveServices move = {})
      : windows_(windows), environment_(environment), app_window_(app_window), move_(move) {}

  // Makes the host change a panel to `path`. Nothing happens without a host or a path
  // (the route is then kAnsi: nothing was asked). A path with an environment reference
  // goes through the user command when `allow_em` (the host would otherwise take the
  // reference literally). When no route reaches the host, it re-reads its panel and the
  // user is told; the commands that would follow the move must then not be sent.
  HostMoveRoute SendHostChangeDir(WindowHandle host, const std::string& path,
                                  const std::string& extra, PanelSide side, bool allow_em);
  void Post(WindowHandle host, HostCommand command);
  // Posts to the first top-level window of the host's class, found afresh.
  void PostToFirstHost(HostCommand command);
  // Sends the query to the first host window, asking for the answer in UTF-16 ("GW") or
  // in ANSI ("GA"); the host answers with a WM_COPYDATA to `reply_window` before this
  // returns.
  void SendHostQuery(WindowHandle reply_window, const std::string& request, bool wide);

 private:
  HostMoveRoute MoveWithoutAnsiForm(WindowHandle host, const std::string& path,
                                    const std::string& extra, PanelSide side);

  WindowSystem& windows_;
  Environment& environment_;
  WindowHandle app_window_;
  HostMoveServices move_;
};

}  // namespace kestrix
