#pragma once
// The main window reduced to what the host snapshot and a creation run touch: each view
// records what it was told and answers from public fields.
#include <string>
#include <vector>

#include "app/mode_rules.h"
#include "create/creation_run.h"
#include "create/directory_structure.h"
#include "host/host_snapshot.h"

namespace kestrix {

class FakeSnapshotView : public SnapshotView {
 public:
  std::string shown_path;
  std::string name;
  int refreshes = 0;
  bool terminated = false;
  void ShowCurrentPath(const std::string& shortened) override { shown_path = shortened; }
  std::string NameText() override { return name; }
  void SetNameText(const std::string& text) override { name = text; }
  void ShowTextFileItem(const std::string&) override {}
  void RefreshDone() override { ++refreshes; }
  void Terminate() override { terminated = true; }
};

// The host's foreground and focus as a test sets them; what was forced and sent is recorded.
// An Escape moves the focus to `focus_after_escape` when one is set.
class FakeHostFocus : public HostFocus {
 public:
  WindowHandle foreground = 0, focus = 0, focus_after_escape = 0;
  std::vector<WindowHandle> forced;
  std::vector<std::pair<WindowHandle, uint8_t>> keys;
  WindowHandle ForegroundWindow() override { return foreground; }
  WindowHandle GetForeignFocus() override { return focus; }
  void ForceForeground(WindowHandle window) override { forced.push_back(window); }
  void SendKeyDown(WindowHandle window, uint8_t key) override {
    keys.emplace_back(window, key);
    if (focus_after_escape != 0) focus = focus_after_escape;
  }
  void Pause(unsigned) override {}
};

class FakeCreationView : public CreationView {
 public:
  bool normal = true;
  std::string name, list;
  bool replacements = false, close_window = false, enter_dir = false;
  std::string shown_path;
  std::vector<std::string> history;
  bool closed = false, terminated = false;
  int focus_count = 0, fronted = 0;

  bool NormalMode() override { return normal; }
  std::string NameText() override { return name; }
  void SetNameText(const std::string& text) override { name = text; }
  std::string ListText() override { return list; }
  void SetListText(const std::string& text) override { list = text; }
  void SwitchToExtended() override {
    // The list's first line mirrors the name field while the user types in it.
    list = CarryNameIntoList(name, name).list.value_or(name);
    normal = false;
  }
  bool ReplacementsChecked() override { return replacements; }
  bool CloseWindowChecked() override { return close_window; }
  bool EnterDirChecked() override { return enter_dir; }
  void EndPathEditing() override {}
  void ShowCurrentPath(const std::string& shortened) override { shown_path = shortened; }
  void FocusInput() override { ++focus_count; }
  void SelectAllInput() override {}
  void ListCaretToEnd() override {}
  void RerunPreview() override {}
  void ShowHistory(const std::vector<std::string>& items) override { history = items; }
  void CloseWindow() override { closed = true; }
  void TerminateProgram() override { terminated = true; }
  void BringToFront() override { ++fronted; }
  void BringHostToFront() override {}
  void LogError(const std::string&, const std::string& text) override { logged.push_back(text); }
  std::vector<std::string> logged;
};

}  // namespace kestrix
