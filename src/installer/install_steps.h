#pragma once
// The installer's three steps in order, and what the window shows while they run: the
// progress bars, the done and failed marks, and at the end one message saying what failed
// and why. Whatever fails, expected or not, the run ends finished or failed, so the window
// can always be closed afterwards.
#include <string>
#include <vector>

#include "installer/install_procedure.h"
#include "settings/language_table.h"

namespace kestrix {

// What the installer window shows while the steps run. Steps and bars count from 1.
class StepDisplay {
 public:
  virtual ~StepDisplay() = default;
  virtual void SetProgress(int bar, int value) = 0;
  // The step's labels turn black, the others grey; 4 turns them all grey.
  virtual void ActivateStep(int step) = 0;
  // The host has closed: its close button goes.
  virtual void HideCloseButton() = 0;
  virtual void MarkDone(int step) = 0;
  // The step's note is cut and its mark shows `mark` in red.
  virtual void MarkFailed(int step, const std::string& mark) = 0;
  // Sleeps, then processes the window messages that wait.
  virtual void Wait(int milliseconds) = 0;
  virtual void ShowFailure(const std::string& text) = 0;
  // Inside a catch block: records the failure in flight in the error log.
  virtual void LogCurrentException() = 0;
};

enum class InstallPhase { kChoosing, kWaiting, kRunning, kFinished, kFailed };

struct InstallChoices {
  bool uninstall = false;
  KeyBinding binding;
  std::string language;  // the installer's language, for the settings
  std::string first_template_name;
};

class InstallRun {
 public:
  InstallPhase Phase() const { return phase_; }
  // Every phase but the running one: the steps process window messages, and the window must
  // outlive them.
  bool CanClose() const { return phase_ != InstallPhase::kRunning; }
  // The user started the procedure; it runs once the host has closed. False when it had
  // already started.
  bool StartWaiting();
  // Steps 1 to 3 and, when all went well, the finishing progress. A failure marks its step;
  // the backups, a host file the procedure cannot write and anything unexpected stop the
  // run, other failures let the rest go on. Ends finished or failed whatever happens,
  // with one message when anything failed.
  void Run(InstallProcedure& procedure, StepDisplay& display, const LanguageTable& language,
           const InstallChoices& choices);

 private:
  InstallPhase phase_ = InstallPhase::kChoosing;
};

}  // namespace kestrix
