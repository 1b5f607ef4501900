#pragma once
// What OK does: resolve the target directory, check and expand the text, create the
// directories with their attributes, record history and the host's tree cache, report
// failures, then tell the host to enter or show the new directory and decide whether the
// window closes.
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "create/creation_plan.h"
#include "create/dir_attributes.h"
#include "create/dir_history.h"
#include "create/file_creation.h"
#include "create/invalid_chars.h"
#include "host/host_commands.h"
#include "host/host_snapshot.h"
#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/modifier_keys.h"
#include "settings/language_table.h"

namespace kestrix {

// The main window as a creation run reads and changes it.
class CreationView {
 public:
  virtual ~CreationView() = default;
  virtual bool NormalMode() = 0;  // the name field MkDir is visible
  virtual std::string NameText() = 0;
  virtual void SetNameText(const std::string& text) = 0;
  virtual std::string ListText() = 0;  // MkDirExt
  virtual void SetListText(const std::string& text) = 0;
  // The mode switch that turns "|" and "*" of the name field into list lines.
  virtual void SwitchToExtended() = 0;
  virtual bool ReplacementsChecked() = 0;  // option_replacements
  virtual bool CloseWindowChecked() = 0;   // option_closewnd
  virtual bool EnterDirChecked() = 0;      // option_enterdir
  // CheckAndTurnOffPathEditing: a path typed into the path field becomes current_path.
  virtual void EndPathEditing() = 0;
  virtual void ShowCurrentPath(const std::string& shortened) = 0;
  virtual void FocusInput() = 0;  // the visible one of MkDir and MkDirExt
  virtual void SelectAllInput() = 0;
  // Focus the list, caret at its end, nothing selected.
  virtual void ListCaretToEnd() = 0;
  // The visible input's change handler (preview, OK/Enter caption).
  virtual void RerunPreview() = 0;
  // The name field's drop-down takes the new history.
  virtual void ShowHistory(const std::vector<std::string>& items) = 0;
  virtual void CloseWindow() = 0;       // normal close: the closing keys are written
  virtual void TerminateProgram() = 0;  // at once, nothing written
  virtual void BringToFront() = 0;      // ForceForeground on the program's window
  virtual void BringHostToFront() = 0;  // ForceForeground on the host window
  // Unexpected failures (tree cache) go to the error log, not to the user.
  virtual void LogError(const std::string& routine, const std::string& text) = 0;
};

struct CreationSettings {
  std::string update_tree_info = "False";
  bool enter_cmd_installed = false;
  bool do_not_enter_deepest = false;
  bool focus_host_after_create = false;
  InvalidCharRules invalid_chars;
  std::string commander_ini;
  std::string windows_dir;  // where the host's fsplugin.ini lives
  std::string app_title = "Total Commander Kestrix";
  // Off by default: every level is a directory.
  FileCreationRules file_creation;
};

struct CreationServices {
  FileSystem& fs;
  Environment& environment;
  CodePage& code_page;
  MessageBoxes& message_boxes;
  ModifierKeys& keys;
  const LanguageTable& language;
  HostCommands& host;
  DirHistory& history;
  // Replacements of the name engine; it may throw for values the user must hear about.
  std::function<std::string(const std::string&)> replacements;
};

class CreationRun {
 public:
  CreationRun(CreationServices services, const CreationSettings& settings, HostSnapshot& snapshot,
              const DirAttributeSet& attributes, CreationView& view, std::string& current_routine)
      : svc_(std::move(services)),
        settings_(settings),
        s_(snapshot),
        attributes_(attributes),
        view_(view),
        routine_(current_routine) {}

  // CreateFromInput. `after_repair` is set on the run an invalid-character repair restarts.
  void CreateFromInput(bool after_repair = false);

  // Makes the host enter `path` and moves the current path there.
  void TCEnterDir(const std::string& path);

  // The shared failure list: after a run it holds the chains, parts and lines that failed.
  const std::vector<std::string>& Failures() const { return failures_; }

  // The text of the question, for tests and the language file.
  std::string MissingPathQuestion(const std::string& name) const;

 private:
  void CheckExtraOptions(const std::string& name, bool keep_open, bool enter_skipped);
  void ResolveVirtualPanel();
  // An absolute path with every missing level; true when it was made.
  bool CreateAbsolute(const std::string& path);
  void CreateSingle(const std::string& name, const std::string& history_text);
  void CreateChain(const std::string& chain_text);
  // An empty new file below its directories; an existing file is never touched.
  void CreateFileTarget(const FileTarget& target, const std::string& history_text);
  void CreateList(const CreationPlan& plan, const std::string& piped_history);
  // Walks one chain from current_path; stops at the first failing level (its part is
  // returned in `failed_part`, the levels before it in `reached`). `on_created` runs for
  // every new level.
  bool WalkLevels(const std::string& text, std::string& failed_part,
                  const std::function<void(const std::string&)>& on_created,
                  std::string* reached = nullptr);
  bool AskCreateMissing(const std::string& name);
  // The failed file or directory and what happened to it, in words.
  void ShowCreationError(const std::string& path, uint32_t code);
  // A level the run does not make, with the words the tree preview shows for it; the
  // refusals of a run are shown together (ShowRefusals).
  void Refuse(const PlannedPath& level);
  // Whether the plan refuses `path` (an invalid character, a device name, too long).
  bool RefusedByPlan(const std::string& path);
  // Whether a file takes the name of the level `path`.
  bool RefuseFileInTheWay(const std::string& path);
  void ShowRefusals();
  void AddHistory(const std::string& text);
  void AddTreeCache(const std::string& directory);
  void ShowPath();

  CreationServices svc_;
  const CreationSettings& settings_;
  HostSnapshot& s_;
  const DirAttributeSet& attributes_;
  CreationView& view_;
  std::string& routine_;

  bool is_virtual_run_ = false;
  std::string virtual_path_;
  std::vector<std::string> failures_;
  PlanVerdicts verdicts_;
  std::vector<PlannedPath> refused_;
  std::set<std::string> refused_paths_;
  bool terminated_ = false;  // the outcome ended the program: nothing may follow
  // The tree cache file of each drive (lower case), found once per run: which files exist
  // does not change while the run makes folders, and a list asked them for every folder.
  std::map<std::string, std::string> tree_info_files_;
};

}  // namespace kestrix
