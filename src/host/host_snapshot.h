#pragma once
// What the program learns from the running host: panel path, active side and the item under
// the host's cursor, read from the host's windows or asked through its copy-data queries.
#include <string>

#include "host/focused_item.h"
#include "host/host_commands.h"
#include "host/panel_windows.h"
#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/window_system.h"

namespace kestrix {

struct HostSnapshot {
  WindowHandle host_window = 0;
  WindowHandle first_list = 0;   // right panel
  WindowHandle second_list = 0;  // left panel
  WindowHandle focused_window = 0;
  PanelSide active_side = PanelSide::kRight;
  std::string start_path;
  std::string current_path;
  std::string acquired_path;
  std::string selected_name;
  bool focused_text_file = false;
  std::string focused_text_path;
  std::string pending_query;

  // Every host request picks its side this way. The message method learns the active side
  // without the lists' windows, so without a focused window the active side counts.
  PanelSide FocusedSide() const {
    if (focused_window == 0) return active_side;
    return focused_window == second_list ? PanelSide::kLeft : PanelSide::kRight;
  }
};

// The acquisition method flags; the probe changes them, the closing writes them.
struct HostMethodFlags {
  bool tc8b10_method = false;
  bool tc8b10_func_checked = false;
  bool tc8b10_fix_ext = false;
};

// Focus and foreground handling around the host, beyond plain window queries.
class HostFocus {
 public:
  virtual ~HostFocus() = default;
  virtual WindowHandle ForegroundWindow() = 0;
  // The window that has the keyboard focus in the foreground thread (the host's list).
  virtual WindowHandle GetForeignFocus() = 0;
  virtual void ForceForeground(WindowHandle window) = 0;
  // Sends WM_KEYDOWN with the key to the window (closes the host's inline editor).
  virtual void SendKeyDown(WindowHandle window, uint8_t virtual_key) = 0;
  virtual void Pause(unsigned milliseconds) = 0;
};

// The main window as the snapshot changes it.
class SnapshotView {
 public:
  virtual ~SnapshotView() = default;
  virtual void ShowCurrentPath(const std::string& shortened) = 0;
  virtual std::string NameText() = 0;
  virtual void SetNameText(const std::string& text) = 0;
  // The focused item is a ".txt" file: offer it for loading names.
  virtual void ShowTextFileItem(const std::string& name) = 0;
  // After a refresh: restore the path label, re-run the preview, re-centre when configured.
  virtual void RefreshDone() = 0;
  // The host shows an archive: the program ends.
  virtual void Terminate() = 0;
};

// The text of a host's copy-data reply as UTF-8, never read past its `size` bytes: an "RW"
// reply is UTF-16 up to its zero unit, any other the code page's bytes up to their zero.
std::string HostReplyText(uintptr_t dw_data, const void* data, size_t size, CodePage& code_page);

// Middle-ellipsis shortening: texts longer than `limit` UTF-16 units (what Windows counts)
// keep their first limit/2-2 and last limit/2-1 units around "...", never half a character.
std::string ShortenPath(const std::string& text, size_t limit = 40);

// "*.*" and ">" removed (any case), "\" appended when missing.
std::string CleanPanelPath(const std::string& text);

// True when the panel path (less "\*.*") ends with one of the host's archive extensions.
bool IsArchivePanelPath(const std::string& panel_path);

// The current path while the user types in the path field: leading blanks removed, "/"
// turned into "\".
std::string TypedCurrentPath(const std::string& field_text);

// The current path when the path field closes: environment references expanded, "/" turned
// into "\", a trailing "\" added; a relative text goes below the current drive's root
// (`current_drive` is its letter), an empty one is that root.
std::string EditedCurrentPath(const std::string& field_text, Environment& environment,
                              char current_drive);

class HostSnapshotReader {
 public:
  HostSnapshotReader(HostSnapshot& snapshot, HostMethodFlags& flags, const AffixSettings& affixes,
                     WindowSystem& windows, FileSystem& fs, HostFocus& focus,
                     HostCommands& commands, SnapshotView& view, WindowHandle reply_window)
      : s_(snapshot),
        flags_(flags),
        affixes_(affixes),
        windows_(windows),
        fs_(fs),
        focus_(focus),
        commands_(commands),
        view_(view),
        reply_window_(reply_window) {}

  // Main-window creation: probe the message method once, read the path, suggest a name,
  // and take over a full-path item.
  void Acquire();
  // The user's refresh request (and re-activation with the message method).
  void Refresh();
  // A WM_COPYDATA reply from the host; the text is already cut at its zero byte.
  void OnHostReply(const std::string& text);
  // Every change of the path field: the typed path becomes current, and while the field is
  // shown an existing directory is shown in the host at once.
  void PathFieldChanged(const std::string& field_text, bool field_visible, bool allow_em);

 private:
  // Asks for the answer in UTF-16 first; a host that leaves that unanswered is asked in
  // ANSI from then on.
  void Query(const std::string& pending, const std::string& request);
  void SetCurrentPath(const std::string& path);
  void ApplySuggestion(const NameSuggestion& suggestion);
  void SuggestFromWindows(const std::string& focused_class);
  void TakeOverFullPathItem();
  void RefreshFromWindows();

  HostSnapshot& s_;
  HostMethodFlags& flags_;
  const AffixSettings& affixes_;
  WindowSystem& windows_;
  FileSystem& fs_;
  HostFocus& focus_;
  HostCommands& commands_;
  SnapshotView& view_;
  WindowHandle reply_window_;
  bool ansi_queries_ = false;
};

}  // namespace kestrix
