#include "installer/install_steps.h"

#include "base/text_utils.h"
#include "settings/language_keys.h"

namespace kestrix {

namespace {

// One run of the steps: which step is active and what failed so far.
class Steps {
 public:
  Steps(InstallProcedure& procedure, StepDisplay& display, const LanguageTable& language)
      : procedure_(procedure), display_(display), language_(language) {}

  // True when every step went well.
  bool Run(const InstallChoices& choices);
  // The run stopped on a file it could not use, or on something nobody expected.
  void Stop(const FileFailure& failure) { Fail(active_step_, failure); }
  void StopUnexpected();
  // All that failed, in the order it happened; empty when nothing did.
  std::string Message() const {
    std::string text;
    for (const std::string& problem : problems_)
      text = text.empty() ? problem : Concat({text, kLineBreak, kLineBreak, problem});
    return text;
  }
  void Finish();

 private:
  void Activate(int step) {
    active_step_ = step;
    display_.ActivateStep(step);
  }
  void Fail(int step, const FileFailure& failure, const std::string& intro = {});

  InstallProcedure& procedure_;
  StepDisplay& display_;
  const LanguageTable& language_;
  int active_step_ = 1;
  std::vector<std::string> problems_;
};

void Steps::Fail(int step, const FileFailure& failure, const std::string& intro) {
  display_.MarkFailed(
      step, language_.Text(failure.code == kErrorAccessDenied ? lng::errors::kAccessDenied
                                                              : lng::install::kActionFailed));
  const std::string reason = FileFailureText(language_, failure.path, failure.code);
  problems_.push_back(intro.empty() ? reason : Concat({intro, kLineBreak, reason}));
}

void Steps::StopUnexpected() {
  display_.MarkFailed(active_step_, language_.Text(lng::install::kActionFailed));
  const LanguageKey* steps[] = {&lng::install::kStep1, &lng::install::kStep2,
                                &lng::install::kStep3};
  problems_.push_back(FormatLanguageText(language_.Text(lng::install::kUnexpectedError),
                                         language_.Text(*steps[active_step_ - 1])));
}

bool Steps::Run(const InstallChoices& choices) {
  display_.SetProgress(1, 100);
  Activate(2);
  display_.HideCloseButton();
  display_.MarkDone(1);

  // A program outside the host's directory would be bound by a path that cannot run:
  // nothing changes then.
  if (!IsAllowedTargetPath(procedure_.Paths().relative_exe)) {
    Fail(2, {procedure_.Paths().Target(), kErrorInvalidName});
    return false;
  }
  // The host's files are saved before an install or an uninstall edits them; without the
  // copies nothing may change.
  const FileFailure backup = procedure_.BackupHostFiles();
  if (backup.Failed()) {
    Fail(2, backup, language_.Text(lng::install::kBackupFailed));
    return false;
  }
  bool ok = true;
  if (!choices.uninstall) {
    display_.SetProgress(2, 25);
    display_.Wait(89);
    const FileFailure copy = procedure_.CopyProgram();
    if (copy.Failed()) {
      Fail(2, copy);
      ok = false;
    } else {
      display_.SetProgress(2, 100);
      display_.MarkDone(2);
    }
  } else {
    if (procedure_.DeleteProgram()) display_.SetProgress(2, 50);
    if (procedure_.DeleteSettings()) {
      display_.SetProgress(2, 100);
      display_.MarkDone(2);
    }
    procedure_.RemoveLeftovers();
  }

  Activate(3);
  display_.SetProgress(3, 0);
  display_.Wait(0);
  procedure_.UpdateFsPlugin();
  procedure_.UpdateKeyBinding(choices.binding);
  if (choices.uninstall) {
    procedure_.UninstallUserCommands();
    return ok;
  }
  const bool skip_enter = procedure_.SkipEnterCommand();
  bool enter_installed = false;
  try {
    enter_installed = procedure_.InstallUserCommands(skip_enter);
  } catch (const InOutError& error) {
    Fail(3, {error.Path(), error.Code()});
    ok = false;
  }
  try {
    procedure_.WriteSettings(choices.language, enter_installed, choices.first_template_name);
  } catch (const InOutError& error) {
    Fail(3, {error.Path(), error.Code()});
    ok = false;
  }
  procedure_.UnpackDocuments();
  return ok;
}

void Steps::Finish() {
  const int waits[][2] = {{12, 25}, {37, 53}, {19, 78}, {5, 100}};
  for (const auto& [wait, value] : waits) {
    display_.Wait(wait);
    display_.SetProgress(3, value);
  }
  display_.MarkDone(3);
}

}  // namespace

bool InstallRun::StartWaiting() {
  if (phase_ != InstallPhase::kChoosing) return false;
  phase_ = InstallPhase::kWaiting;
  return true;
}

void InstallRun::Run(InstallProcedure& procedure, StepDisplay& display,
                     const LanguageTable& language, const InstallChoices& choices) {
  if (phase_ != InstallPhase::kWaiting) return;
  phase_ = InstallPhase::kRunning;
  // Should the display itself fail, the run still ends.
  struct Ending {
    InstallPhase& phase;
    ~Ending() {
      if (phase == InstallPhase::kRunning) phase = InstallPhase::kFailed;
    }
  } ending{phase_};

  Steps steps(procedure, display, language);
  bool ok = false;
  try {
    ok = steps.Run(choices);
    if (ok) steps.Finish();
  } catch (const InOutError& error) {
    ok = false;
    steps.Stop({error.Path(), error.Code()});
  } catch (...) {
    ok = false;
    display.LogCurrentException();
    steps.StopUnexpected();
  }
  // The window can close while the user reads the message.
  phase_ = ok ? InstallPhase::kFinished : InstallPhase::kFailed;
  const std::string message = steps.Message();
  if (!message.empty()) display.ShowFailure(message);
}

}  // namespace kestrix
