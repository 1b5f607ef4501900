#pragma once
// The installer window. Opened when the program runs outside the host's tree or is asked
// for it on the command line: checks that the host started it, finds an earlier
// installation and its key, lets the user choose language, target, key or uninstallation,
// closes the host and runs the procedure (installer/install_procedure.h) in three steps.
#include <memory>
#include <string>
#include <vector>

#include "app/error_log.h"
#include "installer/install_procedure.h"
#include "installer/install_steps.h"
#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/win32/windows_api.h"
#include "settings/language_table.h"
#include "window/control_id.h"
#include "window/form.h"
#include "window/owned_font.h"

namespace kestrix {

class DefineHotkeyDialog;

// Every control of the installer has a fixed id, so tests find it from another process.
enum class InstallerControl : int {
  kLanguageLabel = 3000,
  kLanguageArrow,
  kMainGroup,
  kInstallDirLabel,
  kHostDirField,
  kInstallDirField,
  kKeyGroup,
  kF7Option,
  kOtherKeyOption,
  kNoKeyOption,
  kHotkeyButton,
  kInstallButton,
  kInstallGroup,
  kCloseHostButton,
  kStep1,  // Step1..Step3, then their notes, bars and marks, three each
  kStep1Hint = kStep1 + 3,
  kStep1Bar = kStep1Hint + 3,
  kStep1Mark = kStep1Bar + 3,
  kVersionPanel = kStep1Mark + 3,
  kFirstLanguageButton,  // the ten language buttons, in kBuiltInLanguages' order
  // Enter and Escape in the window arrive as the dialog commands.
  kEnterKey = IDOK,
  kEscapeKey = IDCANCEL,
};
template <>
inline constexpr bool kIsControlEnum<InstallerControl> = true;

struct InstallerServices {
  FileSystem& files;
  Environment& environment;
  Resources& resources;
  CodePage& code_page;
  MessageBoxes& message_boxes;
  std::string exe_path;
  std::vector<std::string> arguments;
};

class InstallerForm : public Form, private StepDisplay {
 public:
  explicit InstallerForm(InstallerServices services);
  ~InstallerForm() override;

  // False when the window is not to be shown (the program ends): not started from the
  // host, an unreadable host file, or the window could not be made.
  bool Create(HINSTANCE instance);
  void Show(int show_command);
  // The message loop: Enter and Escape reach the active window's buttons.
  int Run();

  // Called by the hotkey dialog when it closes.
  void HotkeyChosen(const std::string& notation, bool windows_key);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  bool StartedFromHost();
  void ReadHost();
  void DetectInstallation();
  void ShowFileFailure(const InOutError& failure);
  void CreateControls();
  HWND C(ControlId id) const { return ::kestrix::Item(hwnd(), id); }
  std::string T(const LanguageKey& key) const { return language_.table.Text(key); }
  void LoadLanguage(const std::string& id);
  void ApplyTexts();
  void ShowLanguageChooser(bool shown);

  void OnCommand(ControlId id, int code);
  void PickHotkeyChoice(ControlId id);
  void InstallDirChanged();
  void ChooseOtherHotkey();
  void InstallOrUninstall();
  void CloseHostNow();
  void CountDownToClose();
  void CheckHostClosed();
  void BlinkLanguageArrow();
  LRESULT OnColorStatic(HDC dc, HWND control);

  bool HostRunning();
  void AskHostToClose();
  // Steps 1 to 3 once the host is gone (installer/install_steps.h), then the result.
  void RunProcedure();
  KeyBinding Binding() const;

  // ---- StepDisplay ----
  void SetProgress(int bar, int value) override;
  void ActivateStep(int step) override;
  void HideCloseButton() override;
  void MarkDone(int step) override;
  void MarkFailed(int step, const std::string& mark) override;
  void Wait(int milliseconds) override;
  void ShowFailure(const std::string& text) override;
  void LogCurrentException() override;

  InstallerServices services_;
  InstallerLanguage language_;
  std::string host_dir_;  // without trailing "\"
  std::string wincmd_ini_;
  ExistingKey existing_;
  std::string chosen_key_ = "S+F7";
  bool chosen_windows_key_ = false;
  bool uninstall_ = false;
  int countdown_ = 10;
  int active_step_ = 0;
  bool arrow_shown_ = true;
  bool step_failed_[3] = {false, false, false};
  bool installed_message_ = false;
  InstallRun run_;
  OwnedFont bold_font_;
  std::unique_ptr<DefineHotkeyDialog> hotkey_;
};

}  // namespace kestrix
