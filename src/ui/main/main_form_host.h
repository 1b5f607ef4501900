#pragma once
// The main window's link to the host while it is open: the snapshot reader with its
// method flags and affixes, the host's replies, the refresh label and the manual editing
// of the current path. It shows what the snapshot reads through the name preview.
#include <functional>
#include <optional>
#include <string>

#include "app/launch_decision.h"
#include "host/host_commands.h"
#include "host/host_focus_win32.h"
#include "host/host_snapshot.h"
#include "platform/message_box.h"
#include "platform/win32/host_process_win32.h"
#include "settings/language_keys.h"
#include "ui/main/main_form_preview.h"

namespace kestrix {

class HostLink : private SnapshotView {
 public:
  struct Wiring {
    ControlSet& controls;
    const MainMode& mode;
    StartupValues& app;
    WindowSystem& windows;
    FileSystem& files;
    Environment& environment;
    const SettingsModel& settings;
    NamePreview& preview;
    CodePage& code_page;
    MessageBoxes& message_boxes;
    std::function<std::string(const LanguageKey&)> text;
    std::function<void()> ensure_path_editor;
    std::function<HWND()> visible_input;
    std::function<void()> place_window;
  };
  explicit HostLink(Wiring wiring) : w_(std::move(wiring)) {}

  // The start-up keys the host requests and the names depend on: the data method and the
  // prefix and suffix. Whether the method was found to work stays as this run learned it.
  void LoadStartup();
  HostMethodFlags& Flags() { return flags_; }
  // Reads the host for the window `form`; false when the program is to end.
  bool Acquire(HWND form);
  bool Terminated() const { return terminated_; }
  // Null before Acquire.
  HostCommands* Commands() { return commands_ ? &*commands_ : nullptr; }
  void Refresh();
  // The host's command, then a refresh of what it shows.
  void PostAndRefresh(HostCommand command);
  // The application is active again: the message method re-reads the host when asked to.
  void Returned(HWND form);
  // WM_COPYDATA: a reply to a host query, in UTF-16 ("RW") or ANSI.
  LRESULT OnCopyData(LPARAM lparam);
  // WM_COMMAND from the refresh label, the path labels and the path field.
  bool OnCommand(ControlId id, int code);
  // Double-click on the path or the preview, or Ctrl+E.
  void OpenPathEditing();
  // Ends a manual path edit: the field's text, expanded and completed, becomes the path.
  void EndPathEditing();

 private:
  void ShowCurrentPath(const std::string& shortened) override;
  std::string NameText() override;
  void SetNameText(const std::string& text) override;
  void ShowTextFileItem(const std::string& name) override;
  void RefreshDone() override;
  void Terminate() override;
  void PathEdited();
  // The host could not follow to `path`: the user hears it.
  void HostNotMoved(const std::string& path);

  Wiring w_;
  HWND form_ = nullptr;
  HostMethodFlags flags_;
  AffixSettings affixes_;
  Win32HostFocus focus_;
  Win32HostProcess process_;
  std::optional<HostCommands> commands_;
  std::optional<HostSnapshotReader> snapshot_;
  bool terminated_ = false;
};

}  // namespace kestrix
