#include "create/creation_run.h"

#include <algorithm>
#include <utility>

#include "base/path_text.h"
#include "base/text_utils.h"
#include "create/creation_plan.h"
#include "create/directory_structure.h"
#include "create/level_creation.h"
#include "create/virtual_panel.h"
#include "host/tree_cache.h"
#include "settings/big_ini_file.h"

namespace kestrix {

std::string CreationRun::MissingPathQuestion(const std::string& name) const {
  std::string text;
  if (!name.empty())
    text = Trim(svc_.language.Text(lng::program::kFolderName) + ":") + " " + name + "\r\n";
  text += Trim(svc_.language.Text(lng::program::kCurrPath) + ":") + " " + s_.current_path +
          "\r\n\r\n" + svc_.language.Text(lng::errors::kCurrPathErrorL1) + "\r\n" + "\r\n" +
          svc_.language.Text(lng::errors::kCurrPathErrorL2);
  return text;
}

void CreationRun::ShowCreationError(const std::string& path, uint32_t code) {
  svc_.message_boxes.Show(FileFailureText(svc_.language, path, code),
                          svc_.language.Text(lng::errors::kDirCreation), kMbOk | kMbIconError);
}

void CreationRun::Refuse(const PlannedPath& level) {
  if (refused_paths_.insert(AsciiUpperCase(level.path)).second) refused_.push_back(level);
}

bool CreationRun::RefusedByPlan(const std::string& path) {
  const PlannedPath* refused = verdicts_.Refused(path);
  if (refused != nullptr) Refuse(*refused);
  return refused != nullptr;
}

bool CreationRun::RefuseFileInTheWay(const std::string& path) {
  if (!svc_.fs.FileExists(path)) return false;
  PlannedPath level;
  level.path = path;
  level.mark = PathMark::kFileInTheWay;
  Refuse(level);
  return true;
}

void CreationRun::ShowRefusals() {
  if (refused_.empty()) return;
  // A long series refused whole would make a box taller than any screen.
  constexpr std::size_t kShown = 10;
  std::string text;
  for (std::size_t i = 0; i < refused_.size() && i < kShown; ++i)
    text += Concat({i == 0 ? "" : "\r\n", "\"", refused_[i].path,
                    "\": ", MarkText(refused_[i], svc_.language)});
  if (refused_.size() > kShown)
    text += "\r\n" + FormatLanguageText(svc_.language.Text(lng::run_undo::kMore),
                                        std::to_string(refused_.size() - kShown));
  refused_.clear();
  svc_.message_boxes.Show(text, svc_.language.Text(lng::errors::kDirCreation),
                          kMbOk | kMbIconError);
}

bool CreationRun::AskCreateMissing(const std::string& name) {
  return svc_.message_boxes.Show(MissingPathQuestion(name),
                                 svc_.language.Text(lng::errors::kCurrPathErrorQ),
                                 kMbYesNo | kMbIconQuestion) == kIdYes;
}

void CreationRun::AddHistory(const std::string& text) {
  view_.ShowHistory(svc_.history.AddDirectoryToTCDirList(text));
  // An entry the host's ANSI file has no form for is left out on purpose: the log says
  // why, and the made folder needs no message.
  if (const auto& left_out = svc_.history.LeftOut()) {
    view_.LogError("AddHistory", *left_out);
    return;
  }
  if (const auto& refused = svc_.history.Refused())
    svc_.message_boxes.Show(FormatLanguageText(svc_.language.Text(lng::errors::kCharacterLost),
                                               "\"" + refused->Path() + "\""),
                            settings_.app_title, kMbOk | kMbIconError);
}

void CreationRun::AddTreeCache(const std::string& directory) {
  const std::string drive = AsciiLowerCase(pathtext::ExtractFileDrive(directory));
  auto found = tree_info_files_.find(drive);
  if (found == tree_info_files_.end())
    found = tree_info_files_
                .emplace(drive, TreeInfoPath(svc_.fs, svc_.environment, settings_.update_tree_info,
                                             directory, settings_.commander_ini))
                .first;
  const std::string& file = found->second;
  uint32_t error = TreeInfoAppend(svc_.fs, svc_.code_page, file, directory);
  if (error != kErrorSuccess)
    view_.LogError(routine_, "Tree cache " + file + ": error " + std::to_string(error));
}

void CreationRun::ShowPath() {
  view_.ShowCurrentPath(ShortenPath(s_.current_path));
}

void CreationRun::TCEnterDir(const std::string& path) {
  routine_ = "TCEnterDir";
  svc_.host.SendHostChangeDir(s_.host_window, path, "", s_.FocusedSide(),
                              settings_.enter_cmd_installed);
  s_.current_path = path;
  ShowPath();
  if (!pathtext::EndsWithSeparator(s_.current_path)) {
    s_.current_path += "\\";
    ShowPath();
  }
  if (view_.NormalMode()) view_.RerunPreview();
}

void CreationRun::ResolveVirtualPanel() {
  is_virtual_run_ = true;
  virtual_path_ = s_.current_path;
  std::string list_file;
  try {
    BigIniFile ini(svc_.fs, settings_.windows_dir + "\\fsplugin.ini", IniOwner::kHost,
                   &svc_.code_page);
    list_file = ini.ReadString("Virtual Panel", "DefFileList", "%TEMP%\\VirtualPanel.lst");
  } catch (const InOutError&) {
    list_file = "%TEMP%\\VirtualPanel.lst";
  }
  list_file = svc_.environment.Expand(list_file);
  if (!svc_.fs.FileExists(list_file)) return;
  std::string bytes;
  if (svc_.fs.ReadWholeFile(list_file, bytes) != kErrorSuccess) return;
  // A virtual folder the list does not know keeps the virtual path: creating below an
  // empty path would land in the program's working directory.
  std::string real = ResolveVirtualPanelPath(s_.current_path, bytes);
  if (!Trim(real).empty()) s_.current_path = real;
}

void CreationRun::CreateFromInput(bool after_repair) {
  routine_ = "btn_okClick";
  is_virtual_run_ = false;
  virtual_path_.clear();
  std::string piped_history;

  view_.EndPathEditing();
  if (IsVirtualPanelPath(s_.current_path)) ResolveVirtualPanel();
  if (!pathtext::EndsWithSeparator(s_.current_path) &&
      svc_.fs.DirectoryExists(s_.current_path + "\\"))
    s_.current_path += "\\";

  // A blank input enters the current path; any other text must name something.
  const bool typed_blank = IsBlank(view_.NormalMode() ? view_.NameText() : view_.ListText());

  // Text preparation.
  if (!view_.NormalMode()) view_.SetListText(RemoveBlankLines(view_.ListText()));
  if (view_.NormalMode() && NeedsListForm(view_.NameText())) {
    if (pathtext::Contains(view_.NameText(), "|")) piped_history = Trim(view_.NameText());
    view_.SwitchToExtended();
  }
  const bool normal = view_.NormalMode();
  std::string run_text = normal ? view_.NameText() : PrepareListRunText(view_.ListText());
  bool absolute_made = false;

  if (normal) {
    std::string trimmed = Trim(run_text);
    if (view_.ReplacementsChecked()) trimmed = svc_.environment.Expand(trimmed);
    if (IsAbsolutePath(trimmed)) {
      const std::string path = view_.ReplacementsChecked() ? svc_.replacements(trimmed) : trimmed;
      // On failure the run ends here: going on would only refuse the same text for its ":".
      if (!CreateAbsolute(path)) return;
      run_text.clear();
      absolute_made = true;
      s_.current_path = pathtext::WithTrailingSeparator(path);
      ShowPath();
      CheckExtraOptions(path, false, true);
      AddTreeCache(path);
    }
  }

  const InputMode mode = normal ? InputMode::kNormal : InputMode::kExtended;
  switch (JudgeInvalidChars(run_text, mode, settings_.invalid_chars, after_repair)) {
    case InvalidCharVerdict::kValid:
      break;
    case InvalidCharVerdict::kWarn:
      // The plan refuses each name that holds one, as the tree preview marks it.
      break;
    case InvalidCharVerdict::kRepair:
      if (normal)
        view_.SetNameText(RepairInvalidChars(view_.NameText(), mode, settings_.invalid_chars));
      else
        view_.SetListText(RepairInvalidChars(view_.ListText(), mode, settings_.invalid_chars));
      view_.RerunPreview();
      CreateFromInput(true);
      return;
    case InvalidCharVerdict::kRefuse:
      return;
  }

  const std::string history_text = run_text;
  if (view_.ReplacementsChecked()) run_text = svc_.replacements(run_text);
  // An absolute path already made leaves the empty text, which enters it.
  if (!typed_blank && !absolute_made && !NamesAnyDirectory(run_text, !normal)) {
    svc_.message_boxes.Show(svc_.language.Text(lng::errors::kNothingToCreate), settings_.app_title,
                            kMbOk);
    view_.FocusInput();
    return;
  }

  // The tree preview lists and marks the paths of this same plan; what it refuses, the run
  // refuses before it makes anything there.
  const CreationPlan plan =
      PlanRunText(run_text, !normal, settings_.file_creation, settings_.invalid_chars);
  verdicts_ = PlanVerdicts(plan, s_.current_path);
  refused_.clear();
  refused_paths_.clear();
  failures_.clear();
  switch (plan.kind) {
    case PlanKind::kList:
      CreateList(plan, piped_history);
      break;
    case PlanKind::kFile:
      CreateFileTarget(plan.file, history_text);
      break;
    case PlanKind::kChain:
      CreateChain(plan.text);
      break;
    default:
      CreateSingle(plan.text, history_text);
  }
}

bool CreationRun::CreateAbsolute(const std::string& path) {
  CreationPlan plan;
  plan.kind = PlanKind::kAbsolute;
  plan.text = path;
  const std::vector<PlannedPath> levels = PlannedPaths(plan, "");
  // The levels above the first one the plan refuses are made, as the preview shows.
  const auto refused = std::find_if(levels.begin(), levels.end(), [](const PlannedPath& level) {
    return level.own_mark != PathMark::kNew;
  });
  const std::string made = refused == levels.end()        ? path
                           : refused->parent == kNoParent ? std::string()
                                                          : levels[refused->parent].path;
  const uint32_t error = made.empty() ? kErrorSuccess : ForceDirectories(svc_.fs, made);
  if (error != kErrorSuccess) {
    const auto file = std::find_if(levels.begin(), refused, [&](const PlannedPath& level) {
      return RefuseFileInTheWay(level.path);
    });
    if (file == refused) ShowCreationError(made, error);
  } else if (refused != levels.end()) {
    if (!made.empty()) AddTreeCache(made);
    PlannedPath level = *refused;
    level.mark = level.own_mark;
    Refuse(level);
  }
  ShowRefusals();
  if (error == kErrorSuccess && refused == levels.end()) return true;
  view_.FocusInput();
  return false;
}

void CreationRun::CreateSingle(const std::string& name, const std::string& history_text) {
  const std::string target = s_.current_path + name;
  // An empty name enters the current path, whatever its length.
  if (!name.empty() && RefusedByPlan(target)) {
    ShowRefusals();
    view_.FocusInput();
    return;
  }
  if (svc_.fs.DirectoryExists(target)) {
    TCEnterDir(target);
    if (view_.NormalMode()) {
      view_.FocusInput();
      view_.SetNameText("");
      view_.RerunPreview();
    }
    view_.SelectAllInput();
    CheckExtraOptions(target, false, true);
    return;
  }
  uint32_t error = svc_.fs.CreateDirectory(target);
  if (error == kErrorSuccess) {
    AddHistory(history_text);
    CheckExtraOptions(name, false, false);
    SetDirAttributes(svc_.fs, target, attributes_);
    AddTreeCache(target);
    return;
  }
  if (RefuseFileInTheWay(target)) {
    ShowRefusals();
  } else if (AskCreateMissing(name)) {
    error = ForceDirectories(svc_.fs, target);
    if (error == kErrorSuccess) {
      AddHistory(history_text);
      CheckExtraOptions(name, false, false);
      AddTreeCache(target);
    } else {
      // The user asked for it: a failure must not pass silently.
      ShowCreationError(target, error);
    }
  }
  view_.FocusInput();
}

bool CreationRun::WalkLevels(const std::string& text, std::string& failed_part,
                             const std::function<void(const std::string&)>& on_created,
                             std::string* reached) {
  std::string base = s_.current_path;
  for (const std::string& part : SplitLevels(text)) {
    // An empty part (leading, doubled or trailing "\") stays at this level.
    if (part.empty()) continue;
    const std::string path = base + part;
    if (RefusedByPlan(path)) {
      view_.FocusInput();
      failed_part = part;
      return false;
    }
    // The creation's own error tells an existing level; only then is the disk asked.
    const uint32_t error = svc_.fs.CreateDirectory(path);
    if (error == kErrorSuccess) {
      on_created(path);
    } else if (!svc_.fs.DirectoryExists(path)) {
      if (!RefuseFileInTheWay(path)) ShowCreationError(path, error);
      view_.FocusInput();
      failed_part = part;
      return false;
    }
    base = path + "\\";
    if (reached != nullptr) reached->append(reached->empty() ? "" : "\\").append(part);
  }
  return true;
}

void CreationRun::CreateChain(const std::string& chain_text) {
  if (!svc_.fs.DirectoryExists(s_.current_path) && AskCreateMissing(""))
    ForceDirectories(svc_.fs, s_.current_path);
  std::string failed_part, reached;
  bool made = false;
  const bool complete = WalkLevels(
      chain_text, failed_part,
      [&](const std::string& path) {
        SetDirAttributes(svc_.fs, path, attributes_);
        // Once: each further level would only write the same entry to the top again.
        if (!std::exchange(made, true)) AddHistory(chain_text);
        AddTreeCache(path + "\\");
      },
      &reached);
  // Later levels would land one level too high under the failed one: the chain stops, and
  // the host goes only as far as the chain got.
  if (!complete) failures_.push_back(chain_text);
  ShowRefusals();
  if (complete || !reached.empty())
    CheckExtraOptions(complete ? chain_text : reached, !complete, false);
}

void CreationRun::CreateFileTarget(const FileTarget& target, const std::string& history_text) {
  routine_ = "CreateFileTarget";
  std::string failed_part;
  if (!target.directories.empty() &&
      !WalkLevels(target.directories, failed_part, [&](const std::string& path) {
        SetDirAttributes(svc_.fs, path, attributes_);
        AddTreeCache(path + "\\");
      })) {
    ShowRefusals();
    return;
  }
  const std::string directory =
      target.directories.empty() ? s_.current_path : s_.current_path + target.directories + "\\";
  const std::string path = directory + target.file;
  if (RefusedByPlan(path)) {
    ShowRefusals();
    view_.FocusInput();
    return;
  }
  const uint32_t error = svc_.fs.CreateNewFile(path);
  if (error == kErrorFileExists || error == kErrorAlreadyExists) {
    svc_.message_boxes.Show(svc_.language.Text(lng::errors::kFileExists),
                            svc_.language.Text(lng::errors::kDirCreation), kMbOk | kMbIconError);
    view_.FocusInput();
    return;
  }
  if (error != kErrorSuccess) {
    ShowCreationError(path, error);
    view_.FocusInput();
    return;
  }
  AddHistory(history_text);
  // A host sent to the file's own path takes it for a folder. It goes where it would for
  // the file's folder: a folder made for the file is entered or shown as any new folder;
  // a file in the current path only needs the re-read that every outcome posts.
  CheckExtraOptions(target.directories, false, target.directories.empty());
}

void CreationRun::CreateList(const CreationPlan& plan, const std::string& piped_history) {
  if (!svc_.fs.DirectoryExists(s_.current_path) && AskCreateMissing("") &&
      ForceDirectories(svc_.fs, s_.current_path) == kErrorSuccess)
    AddTreeCache(s_.current_path);
  if (view_.ReplacementsChecked()) view_.SetListText(Trim(plan.text));

  failures_.clear();
  bool made = false;
  auto created = [&](const std::string& path) {
    SetDirAttributes(svc_.fs, path, attributes_);
    // Once per run: each further folder would only write the same entry to the top again.
    if (!std::exchange(made, true) && !piped_history.empty()) AddHistory(piped_history);
    AddTreeCache(path);
  };
  for (const PlannedLine& line : plan.list.lines) {
    if (line.chain) {
      std::string failed_part;
      if (!WalkLevels(line.text, failed_part, created)) failures_.push_back(failed_part);
      continue;
    }
    const std::string path = s_.current_path + line.text;
    if (!RefusedByPlan(path)) {
      if (svc_.fs.CreateDirectory(path) == kErrorSuccess) {
        created(path);
        continue;
      }
      RefuseFileInTheWay(path);
    }
    failures_.push_back(line.text);
  }
  ShowRefusals();

  // Failed lines stay for correction: ending the program here would lose them.
  CheckExtraOptions(plan.list.final_name, !failures_.empty(), false);
  // The program ends at once: a second re-read and a normal close (which writes the
  // closing keys) must not follow.
  if (terminated_) return;
  if (view_.CloseWindowChecked()) {
    if (failures_.empty()) {
      svc_.host.PostToFirstHost(kCmdRereadSource);
      view_.CloseWindow();
    }
  } else {
    svc_.host.PostToFirstHost(kCmdRereadSource);
  }
  if (!view_.NormalMode()) {
    view_.SetListText(JoinLines(failures_));
    view_.ListCaretToEnd();
  } else {
    view_.FocusInput();
  }
}

void CreationRun::CheckExtraOptions(const std::string& name, bool keep_open, bool enter_skipped) {
  routine_ = "CheckExtraOptions";
  const std::string remembered = s_.current_path;
  if (is_virtual_run_) s_.current_path = virtual_path_;
  const bool close =
      (view_.CloseWindowChecked() || svc_.keys.IsDown(kVkControl)) && !svc_.keys.IsDown(kVkAlt);

  if (!enter_skipped) {
    if (view_.EnterDirChecked() || svc_.keys.IsDown(kVkShift)) {
      svc_.host.SendHostChangeDir(s_.host_window, s_.current_path + name, "", s_.FocusedSide(),
                                  settings_.enter_cmd_installed);
      // A window that stays open (the option off, or Alt held) follows the host inside, so
      // the next name lands where the host now stands.
      if (!close || keep_open) {
        s_.current_path = Trim(remembered + name) + "\\";
        ShowPath();
      }
    } else {
      std::string shown = name;
      if (settings_.do_not_enter_deepest && pathtext::Contains(name, "\\"))
        shown = name.substr(0, name.find('\\'));
      // A host that could not follow would go up from where it stands.
      if (svc_.host.SendHostChangeDir(s_.host_window, s_.current_path + shown, "", s_.FocusedSide(),
                                      settings_.enter_cmd_installed) != HostMoveRoute::kNone)
        svc_.host.Post(s_.host_window, kCmdGoToParent);
    }
  }

  if (close) {
    svc_.host.Post(s_.host_window, kCmdRereadSource);
    if (!keep_open) {
      if (settings_.focus_host_after_create) view_.BringHostToFront();
      if (view_.NormalMode()) {
        view_.CloseWindow();
      } else {
        terminated_ = true;
        view_.TerminateProgram();
      }
    }
  } else {
    svc_.host.Post(s_.host_window, kCmdRereadSource);
    if (view_.NormalMode()) {
      view_.SetNameText("");
      view_.FocusInput();
    } else {
      view_.SetListText("");
      view_.FocusInput();
    }
    view_.RerunPreview();
    view_.BringToFront();
  }
  if (!pathtext::EndsWithSeparator(s_.current_path)) {
    s_.current_path += "\\";
    ShowPath();
  }
}

}  // namespace kestrix
