#include "ui/main/main_form_activation.h"

#include "app/mode_rules.h"
#include "ui/messages.h"
#include "window/dialog.h"

namespace kestrix {

bool MainActivation::OnActivate(WPARAM wparam) {
  // The default handling would take the focus Activated gave the input field.
  if (LOWORD(wparam) == WA_INACTIVE) {
    focus_before_switch_ = GetFocus();
    return false;
  }
  // Coming back from another program keeps what the user set up (mode, options, the
  // typed text); only the first show and a return from our own dialogs re-read it.
  switch (ActivationFor(activated_once_, returning_from_other_app_,
                        focus_before_switch_ != nullptr && IsChild(form_, focus_before_switch_))) {
    case ActivationAction::kFormActivate:
      w_.form_activate();
      break;
    case ActivationAction::kRestoreFocus:
      SetFocus(focus_before_switch_);
      break;
    case ActivationAction::kFocusInput:
      w_.focus_input();
      break;
  }
  returning_from_other_app_ = false;
  return true;
}

void MainActivation::OnActivateApp(WPARAM wparam) {
  // Judged once the switch is complete: the active window is not yet set while the
  // application is told, and another application must finish its own activation before
  // the foreground is taken back.
  returning_from_other_app_ = wparam != FALSE;
  if (w_.live()) PostMessageW(form_, kMsg_AfterActivation, wparam != FALSE ? 1 : 0, 0);
}

void MainActivation::AfterActivation(WPARAM wparam) {
  w_.switch_done(wparam != 0);
}

int MainActivation::RunOwnDialog(Dialog& dialog, HWND owner) {
  dialog.SetErrorLogger(&w_.logger);
  const int result = dialog.ShowModal(instance_, owner);
  if (!IsWindowVisible(form_)) ShowWindow(form_, SW_SHOW);
  if (IsWindowEnabled(form_) && owner == form_) w_.focus_input();
  return result;
}

}  // namespace kestrix
