#include "ui/installer/installer_form.h"

#include "app/launch_decision.h"
#include "app/user_guide_win32.h"
#include "base/path_text.h"
#include "base/program_version.h"
#include "base/text_utils.h"
#include "host/foreground_win32.h"
#include "host/host_commands.h"
#include "host/panel_windows.h"
#include "platform/win32/wide_text.h"
#include "settings/language_keys.h"
#include "settings/settings.h"
#include "ui/installer/define_hotkey.h"
#include "window/control_table.h"
#include "window/controls.h"

namespace kestrix {

namespace {

constexpr int kWidth = 470;
constexpr int kHeight = 460;

constexpr UINT_PTR kTimer10Sec = 1;
constexpr UINT_PTR kTimerCheckTC = 2;
constexpr UINT_PTR kTimerBlinkImg = 3;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);

using namespace lng;
constexpr DWORD kShown = spec::kShown;
constexpr DWORD kLanguageButton = WS_TABSTOP;  // shown while the language chooser is open
constexpr DWORD kStepLabel = WS_VISIBLE;       // its group is hidden until the procedure starts
// The captions that change with the choices (the key, install or uninstall, the steps'
// notes) are set by ApplyTexts.
constexpr ControlSpec kControls[] = {
    {"STATIC", "", kShown | SS_NOTIFY, InstallerControl::kLanguageLabel, At(14, 12, 300, 18)},
    {"STATIC", "<<", kShown | SS_NOTIFY, InstallerControl::kLanguageArrow, At(320, 12, 30, 18)},
    {"BUTTON", "ENG", kLanguageButton, InstallerControl::kFirstLanguageButton, At(14, 8, 40, 24)},
    {"BUTTON", "HUN", kLanguageButton, InstallerControl::kFirstLanguageButton + 1,
     At(58, 8, 40, 24)},
    {"BUTTON", "RUS", kLanguageButton, InstallerControl::kFirstLanguageButton + 2,
     At(102, 8, 40, 24)},
    {"BUTTON", "DUT", kLanguageButton, InstallerControl::kFirstLanguageButton + 3,
     At(146, 8, 40, 24)},
    {"BUTTON", "ESP", kLanguageButton, InstallerControl::kFirstLanguageButton + 4,
     At(190, 8, 40, 24)},
    {"BUTTON", "DEU", kLanguageButton, InstallerControl::kFirstLanguageButton + 5,
     At(234, 8, 40, 24)},
    {"BUTTON", "DAN", kLanguageButton, InstallerControl::kFirstLanguageButton + 6,
     At(278, 8, 40, 24)},
    {"BUTTON", "CHN", kLanguageButton, InstallerControl::kFirstLanguageButton + 7,
     At(322, 8, 40, 24)},
    {"BUTTON", "UKR", kLanguageButton, InstallerControl::kFirstLanguageButton + 8,
     At(366, 8, 40, 24)},
    {"BUTTON", "KOR", kLanguageButton, InstallerControl::kFirstLanguageButton + 9,
     At(410, 8, 40, 24)},
    {"BUTTON", install::kInstallGrpbox, spec::kGroupBox, InstallerControl::kMainGroup,
     At(8, 38, 446, 196)},
    {"STATIC", install::kInstallDirectory, kShown, InstallerControl::kInstallDirLabel,
     At(20, 58, 300, 16)},
    {"EDIT", "", kShown | ES_READONLY | ES_AUTOHSCROLL, InstallerControl::kHostDirField,
     At(20, 76, 190, 22), Anchor::kNone, WS_EX_CLIENTEDGE},
    {"EDIT", "", kShown | WS_TABSTOP | ES_AUTOHSCROLL, InstallerControl::kInstallDirField,
     At(212, 76, 230, 22), Anchor::kNone, WS_EX_CLIENTEDGE},
    {"BUTTON", install::kActivateGrpbox, spec::kGroupBox, InstallerControl::kKeyGroup,
     At(20, 106, 300, 116)},
    {"BUTTON", install::kF7Radiobtn, spec::kFirstRadio, InstallerControl::kF7Option,
     At(32, 126, 200, 20)},
    {"BUTTON", "", spec::kRadio, InstallerControl::kOtherKeyOption, At(32, 150, 200, 20)},
    {"BUTTON", "...", WS_TABSTOP, InstallerControl::kHotkeyButton, At(240, 149, 30, 22)},
    {"BUTTON", install::kNoneRadiobtn, spec::kRadio, InstallerControl::kNoKeyOption,
     At(32, 174, 200, 20)},
    {"BUTTON", "", spec::kDefaultPush, InstallerControl::kInstallButton, At(332, 192, 110, 30)},
    {"BUTTON", "", BS_GROUPBOX, InstallerControl::kInstallGroup, At(8, 242, 446, 168)},
    {"STATIC", install::kStep1, kStepLabel, InstallerControl::kStep1, At(20, 262, 60, 16)},
    {"STATIC", "", kStepLabel, InstallerControl::kStep1Hint, At(86, 262, 250, 16)},
    {PROGRESS_CLASSA, "", kStepLabel, InstallerControl::kStep1Bar, At(86, 282, 250, 14)},
    {"STATIC", "", SS_CENTER, InstallerControl::kStep1Mark, At(344, 280, 100, 18)},
    {"STATIC", install::kStep2, kStepLabel, InstallerControl::kStep1 + 1, At(20, 310, 60, 16)},
    {"STATIC", "", kStepLabel, InstallerControl::kStep1Hint + 1, At(86, 310, 358, 16)},
    {PROGRESS_CLASSA, "", kStepLabel, InstallerControl::kStep1Bar + 1, At(86, 330, 250, 14)},
    {"STATIC", "", SS_CENTER, InstallerControl::kStep1Mark + 1, At(344, 328, 100, 18)},
    {"STATIC", install::kStep3, kStepLabel, InstallerControl::kStep1 + 2, At(20, 358, 60, 16)},
    {"STATIC", "", kStepLabel, InstallerControl::kStep1Hint + 2, At(86, 358, 358, 16)},
    {PROGRESS_CLASSA, "", kStepLabel, InstallerControl::kStep1Bar + 2, At(86, 378, 250, 14)},
    {"STATIC", "", SS_CENTER, InstallerControl::kStep1Mark + 2, At(344, 376, 100, 18)},
    {"BUTTON", buttons::kBtnClose, WS_TABSTOP, InstallerControl::kCloseHostButton,
     At(344, 264, 100, 26)},
    {"STATIC", "", kShown | SS_CENTER, InstallerControl::kVersionPanel, At(8, 420, 446, 20)},
};
static_assert(kBuiltInLanguages.size() == 10 && kBuiltInLanguages[9].id == "KOR");

// A note cut to its first 40 characters when its step failed.
std::string CutNote(const std::string& note) {
  return note.size() > 40 ? note.substr(0, 40) + "..." : note + "...";
}

}  // namespace

InstallerForm::InstallerForm(InstallerServices services) : services_(std::move(services)) {}

InstallerForm::~InstallerForm() {}

bool InstallerForm::StartedFromHost() {
  return services_.files.FileExists(wincmd_ini_) &&
         (services_.files.FileExists(host_dir_ + "\\TOTALCMD.exe") ||
          services_.files.FileExists(host_dir_ + "\\TOTALCMD64.exe"));
}

void InstallerForm::ReadHost() {
  host_dir_ = Trim(services_.environment.Expand("%COMMANDER_PATH%"));
  while (host_dir_.size() > 3 && host_dir_.back() == '\\') host_dir_.pop_back();
  wincmd_ini_ = Trim(services_.environment.Expand("%COMMANDER_INI%"));
}

void InstallerForm::DetectInstallation() {
  BigIniFile wincmd(services_.files, wincmd_ini_, IniOwner::kHost, &services_.code_page);
  language_ = LoadInstallerLanguage(services_.resources, &services_.code_page,
                                    wincmd.ReadString("Configuration", "LanguageIni", ""));
  BigIniFile usercmd(services_.files, HostFileBeside(wincmd_ini_, "usercmd.ini"), IniOwner::kHost,
                     &services_.code_page);
  const EarlierInstallation found =
      FindEarlierInstallation(services_.files, services_.environment, wincmd, usercmd, host_dir_,
                              Edit(C(InstallerControl::kInstallDirField)).Text());
  existing_ = found.key;
  if (!found.relative_exe.empty())
    Edit(C(InstallerControl::kInstallDirField)).SetText(found.relative_exe);

  const KeyOffer offer = OfferKey(existing_.key, existing_.windows_key);
  chosen_key_ = offer.notation;
  chosen_windows_key_ = existing_.windows_key;
  Check(C(offer.other_key ? InstallerControl::kOtherKeyOption : InstallerControl::kF7Option))
      .SetChecked(true);
  if (offer.other_key) ShowWindow(C(InstallerControl::kHotkeyButton), SW_SHOW);
}

bool InstallerForm::Create(HINSTANCE instance) {
  ReadHost();
  if (!StartedFromHost()) {
    services_.message_boxes.Show(
        "You have to run this utility from Total Commander (v7.00 or newer)!", kApplicationTitle,
        kMbOk | kMbIconError);
    return false;
  }
  std::string content;
  services_.files.ReadWholeFile(wincmd_ini_, content);
  if (IsUnmarkedUtf16(content)) {
    const std::string text =
        "Your 'wincmd.ini' file seems to be Unicode encoded - you have to install this utility "
        "manually.\r\n\r\nExplanation: it only means you need to setup a new 'usercmd' value - "
        "activated on F7 key - called 'em_Kestrix' (without apostrophe), and point it to 'tc "
        "Kestrix.exe', which has to be in Total Commander's directory (subdir allowed).\r\n" +
        std::string(72, '_') +
        " \r\n\r\nDid the instructions above looked like 'bla bla bla...' "
        "to you? :-)\r\nWould you like to read the manual installation guide, which is "
        "much more detailed?";
    if (services_.message_boxes.Show(text, "Would you like to open the manual installation guide?",
                                     kMbYesNo | kMbIconQuestion) == kIdYes)
      OpenUserGuideSection(nullptr, kGuideManualInstall);
    return false;
  }
  if (!CreateForm(instance, kInstallerWindowClass, kApplicationTitle,
                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, kWidth, kHeight))
    return false;
  CreateControls();
  try {
    DetectInstallation();
  } catch (const InOutError& failure) {
    // A host file that exists but cannot be read: said once, clearly, before anything else.
    ShowFileFailure(failure);
    return false;
  }
  const std::string argument = CommandLineLanguage(services_.arguments);
  if (!argument.empty()) {
    LanguageSources sources{services_.files, services_.resources, ProgramDirOf(services_.exe_path),
                            &services_.code_page};
    if (LoadLanguageArgument(sources, argument, language_.table))
      language_.current_id = language_.table.ShortId();
  }
  ApplyTexts();
  InstallDirChanged();
  SetTimer(hwnd(), kTimerBlinkImg, 300, nullptr);

  RECT own;
  if (GetWindowRect(hwnd(), &own)) {
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

// A host file that could not be read: the file and what happened, in words.
void InstallerForm::ShowFileFailure(const InOutError& failure) {
  services_.message_boxes.Show(FileFailureText(language_.table, failure.Path(), failure.Code()),
                               kApplicationTitle, kMbOk | kMbIconError);
}

void InstallerForm::CreateControls() {
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&common);
  kestrix::CreateControls(hwnd(), kControls, language_.table);
  Control(C(InstallerControl::kHostDirField)).SetText(host_dir_ + "\\");
  Control(C(InstallerControl::kInstallDirField))
      .SetText("Kestrix\\" + pathtext::ExtractFileName(services_.exe_path));

  // The group of the steps stays hidden until the procedure starts; its children follow.
  for (ControlId id :
       {InstallerControl::kStep1, InstallerControl::kStep1Hint, InstallerControl::kStep1Bar})
    for (int i = 0; i < 3; ++i) ShowWindow(C(id + i), SW_HIDE);

  bold_font_ = DialogFontWith({.bold = true});
  SetFontOf(hwnd(),
            std::initializer_list<ControlId>{InstallerControl::kStep1, InstallerControl::kStep1 + 1,
                                             InstallerControl::kStep1 + 2,
                                             InstallerControl::kVersionPanel},
            bold_font_);
}

void InstallerForm::LoadLanguage(const std::string& id) {
  std::string loaded;
  language_.table = LoadBuiltInLanguage(services_.resources, &services_.code_page, id, &loaded);
  language_.current_id = language_.table.ShortId();
  ApplyTexts();
}

void InstallerForm::ApplyTexts() {
  kestrix::ApplyCaptions(hwnd(), kControls, language_.table);
  Control(C(InstallerControl::kLanguageLabel))
      .SetText(Concat({T(install::kLanguage), " ", language_.table.Text(header::kLngName)}));
  Control(C(InstallerControl::kOtherKeyOption))
      .SetText(KeyDisplayCaption(chosen_key_, chosen_windows_key_));
  if (run_.Phase() == InstallPhase::kChoosing)
    Control(C(InstallerControl::kInstallButton))
        .SetText(T(uninstall_ ? buttons::kBtnUninstall : buttons::kBtnInstall));
  Control(C(InstallerControl::kInstallGroup))
      .SetText(T(uninstall_ ? install::kUninstallingGrpbox : install::kInstallingGrpbox));
  const LanguageKey* notes[] = {&install::kStep1Note,
                                uninstall_ ? &install::kStep2NoteU : &install::kStep2Note,
                                uninstall_ ? &install::kStep3NoteU : &install::kStep3Note};
  for (int i = 0; i < 3; ++i) {
    // "&&" in a language text is one "&" on a label that shows mnemonics.
    const std::string note = T(*notes[i]);
    Control(C(InstallerControl::kStep1Hint + i)).SetText(step_failed_[i] ? CutNote(note) : note);
  }
  if (!installed_message_)
    Control(C(InstallerControl::kVersionPanel))
        .SetText(Concat({T(install::kCurrentVersion), " ", kProgramVersion}));
}

void InstallerForm::ShowLanguageChooser(bool shown) {
  for (size_t i = 0; i < kBuiltInLanguages.size(); ++i)
    ShowWindow(C(InstallerControl::kFirstLanguageButton + static_cast<int>(i)),
               shown ? SW_SHOW : SW_HIDE);
  ShowWindow(C(InstallerControl::kLanguageLabel), shown ? SW_HIDE : SW_SHOW);
  ShowWindow(C(InstallerControl::kLanguageArrow), SW_HIDE);
  // The chooser has been found: the arrow has done its work.
  KillTimer(hwnd(), kTimerBlinkImg);
}

void InstallerForm::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
  ForceForeground(hwnd());
  SetFocus(C(InstallerControl::kInstallButton));
}

int InstallerForm::Run() {
  // The installer's messages and its hotkey dialog's: the active window's keys.
  return RunMessageLoop(nullptr);
}

// ---- Choosing ----

void InstallerForm::PickHotkeyChoice(ControlId id) {
  uninstall_ = id == InstallerControl::kNoKeyOption;
  ShowWindow(C(InstallerControl::kHotkeyButton),
             id == InstallerControl::kOtherKeyOption ? SW_SHOW : SW_HIDE);
  ApplyTexts();
}

void InstallerForm::InstallDirChanged() {
  if (run_.Phase() != InstallPhase::kChoosing) return;
  Edit dir(C(InstallerControl::kInstallDirField));
  if (dir.TextLength() == 0) {
    dir.SetText(kDefaultRelativeExe);
    dir.CaretToEnd();
  }
  EnableWindow(C(InstallerControl::kInstallButton), IsAllowedTargetPath(dir.Text()));
}

void InstallerForm::ChooseOtherHotkey() {
  for (ControlId id : {InstallerControl::kHotkeyButton, InstallerControl::kF7Option,
                       InstallerControl::kOtherKeyOption, InstallerControl::kNoKeyOption})
    ShowWindow(C(id), SW_HIDE);
  hotkey_ = std::make_unique<DefineHotkeyDialog>(*this);
  hotkey_->SetErrorLogger(Logger());
  hotkey_->Open(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd(), GWLP_HINSTANCE)), hwnd(),
                T(lng::install::kActivateGrpbox), chosen_key_, chosen_windows_key_);
}

void InstallerForm::HotkeyChosen(const std::string& notation, bool windows_key) {
  const KeyOffer offer = OfferKey(notation, windows_key);
  chosen_key_ = offer.notation;
  chosen_windows_key_ = windows_key;
  if (!offer.other_key) {
    Check(C(InstallerControl::kF7Option)).SetChecked(true);
    Check(C(InstallerControl::kOtherKeyOption)).SetChecked(false);
    PickHotkeyChoice(InstallerControl::kF7Option);
  }
  Control(C(InstallerControl::kOtherKeyOption))
      .SetText(KeyDisplayCaption(chosen_key_, chosen_windows_key_));
  for (ControlId id : {InstallerControl::kF7Option, InstallerControl::kOtherKeyOption,
                       InstallerControl::kNoKeyOption})
    ShowWindow(C(id), SW_SHOW);
  ShowWindow(C(InstallerControl::kHotkeyButton), offer.other_key ? SW_SHOW : SW_HIDE);
}

KeyBinding InstallerForm::Binding() const {
  KeyBinding binding;
  binding.choice = uninstall_                                              ? KeyChoice::kNone
                   : Check(C(InstallerControl::kOtherKeyOption)).Checked() ? KeyChoice::kOtherKey
                                                                           : KeyChoice::kF7;
  binding.existing = existing_.key;
  binding.existing_windows_key = existing_.windows_key;
  binding.chosen = chosen_key_;
  binding.chosen_windows_key = chosen_windows_key_;
  return binding;
}

// ---- Waiting for the host ----

bool InstallerForm::HostRunning() {
  return FindWindowW(Wide(kHostWindowClass).c_str(), nullptr) != nullptr;
}

void InstallerForm::AskHostToClose() {
  HWND host = FindWindowW(Wide(kHostWindowClass).c_str(), nullptr);
  if (host != nullptr) PostMessageW(host, kHostCommandMessage, kCmdCloseHost, 0);
}

void InstallerForm::InstallOrUninstall() {
  if (run_.Phase() == InstallPhase::kFinished) {
    const std::string host = host_dir_ + "\\TOTALCMD.EXE";
    ShellOpen(hwnd(), host, {}, host_dir_);
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    return;
  }
  if (!run_.StartWaiting()) return;
  ShowWindow(C(InstallerControl::kInstallGroup), SW_SHOW);
  for (ControlId id :
       {InstallerControl::kStep1, InstallerControl::kStep1Hint, InstallerControl::kStep1Bar})
    for (int i = 0; i < 3; ++i) ShowWindow(C(id + i), SW_SHOW);
  ActivateStep(1);
  EnableWindow(C(InstallerControl::kInstallButton), FALSE);
  Control(C(InstallerControl::kInstallButton)).SetText(T(lng::buttons::kBtnOK));
  for (ControlId id : {InstallerControl::kInstallDirField, InstallerControl::kF7Option,
                       InstallerControl::kOtherKeyOption, InstallerControl::kNoKeyOption,
                       InstallerControl::kHotkeyButton, InstallerControl::kLanguageLabel})
    EnableWindow(C(id), FALSE);
  ShowLanguageChooser(false);
  EnableWindow(C(InstallerControl::kLanguageLabel), FALSE);
  if (HostRunning()) {
    countdown_ = 10;
    Control(C(InstallerControl::kCloseHostButton))
        .SetText(Concat({T(lng::buttons::kBtnClose), " (", std::to_string(countdown_), ")"}));
    ShowWindow(C(InstallerControl::kCloseHostButton), SW_SHOW);
    SetFocus(C(InstallerControl::kCloseHostButton));
    SetTimer(hwnd(), kTimer10Sec, 1000, nullptr);
  } else {
    SetTimer(hwnd(), kTimerCheckTC, 1, nullptr);
  }
}

void InstallerForm::CountDownToClose() {
  const bool running = HostRunning();
  if (countdown_ > 0 && running) {
    --countdown_;
    Control(C(InstallerControl::kCloseHostButton))
        .SetText(Concat({T(lng::buttons::kBtnClose), " (", std::to_string(countdown_), ")"}));
  }
  if (countdown_ == 0 || !running) {
    KillTimer(hwnd(), kTimer10Sec);
    AskHostToClose();
    SetTimer(hwnd(), kTimerCheckTC, 1, nullptr);
  }
}

void InstallerForm::CloseHostNow() {
  KillTimer(hwnd(), kTimer10Sec);
  Control(C(InstallerControl::kCloseHostButton)).SetText(T(lng::buttons::kBtnClose));
  AskHostToClose();
  SetTimer(hwnd(), kTimerCheckTC, 1, nullptr);
}

void InstallerForm::CheckHostClosed() {
  if (HostRunning()) return;
  KillTimer(hwnd(), kTimerCheckTC);
  RunProcedure();
}

void InstallerForm::BlinkLanguageArrow() {
  arrow_shown_ = !arrow_shown_;
  ShowWindow(C(InstallerControl::kLanguageArrow), arrow_shown_ ? SW_SHOW : SW_HIDE);
}

// ---- Running ----

void InstallerForm::SetProgress(int bar, int value) {
  SendMessageW(C(InstallerControl::kStep1Bar + bar - 1), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void InstallerForm::HideCloseButton() {
  ShowWindow(C(InstallerControl::kCloseHostButton), SW_HIDE);
}

void InstallerForm::MarkDone(int step) {
  HWND mark = C(InstallerControl::kStep1Mark + step - 1);
  Control(mark).SetText(T(lng::install::kActionDone));
  ShowWindow(mark, SW_SHOW);
}

void InstallerForm::MarkFailed(int step, const std::string& mark_text) {
  step_failed_[step - 1] = true;
  HWND mark = C(InstallerControl::kStep1Mark + step - 1);
  Control(mark).SetText(mark_text);
  ShowWindow(mark, SW_SHOW);
  ApplyTexts();
}

void InstallerForm::ActivateStep(int step) {
  active_step_ = step;
  for (int i = 0; i < 3; ++i) {
    InvalidateRect(C(InstallerControl::kStep1 + i), nullptr, TRUE);
    InvalidateRect(C(InstallerControl::kStep1Hint + i), nullptr, TRUE);
  }
}

void InstallerForm::Wait(int milliseconds) {
  if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
  PumpMessages(hwnd());
}

void InstallerForm::ShowFailure(const std::string& text) {
  services_.message_boxes.Show(text, kApplicationTitle, kMbOk | kMbIconError);
}

void InstallerForm::LogCurrentException() {
  if (Logger() != nullptr) Logger()->LogCurrentException(kInstallerWindowClass);
}

void InstallerForm::RunProcedure() {
  InstallProcedure procedure(services_.files, services_.resources, services_.code_page,
                             {host_dir_, Trim(Edit(C(InstallerControl::kInstallDirField)).Text()),
                              wincmd_ini_, services_.exe_path});
  InstallChoices choices{uninstall_, Binding(), language_.current_id,
                         language_.table.Text(lng::quick_system::kUser)};
  run_.Run(procedure, *this, language_.table, choices);
  if (run_.Phase() != InstallPhase::kFinished) return;

  if (!uninstall_) {
    installed_message_ = true;
    const bool f7 = !Check(C(InstallerControl::kOtherKeyOption)).Checked();
    const std::string text =
        f7 ? T(lng::install::kInstalled1)
           : FormatLanguageText(
                 T(lng::install::kInstalled2),
                 Concat({"\"", KeyDisplayCaption(chosen_key_, chosen_windows_key_), "\""}));
    Control(C(InstallerControl::kVersionPanel)).SetText(text);
  }
  ActivateStep(4);
  EnableWindow(C(InstallerControl::kInstallButton), TRUE);
  SetFocus(C(InstallerControl::kInstallButton));
}

// ---- Messages ----

LRESULT InstallerForm::OnColorStatic(HDC dc, HWND control) {
  const ControlId id = GetDlgCtrlID(control);
  COLORREF color = kBlack;
  if (id >= InstallerControl::kStep1 && id < InstallerControl::kStep1Hint + 3) {
    const int step = (id - InstallerControl::kStep1) % 3 + 1;
    color = step == active_step_ ? kBlack : kGrey;
  } else if (id >= InstallerControl::kStep1Mark && id < InstallerControl::kStep1Mark + 3) {
    color = step_failed_[id - InstallerControl::kStep1Mark] ? kRed : kGreen;
  } else if (id == InstallerControl::kVersionPanel && installed_message_) {
    color = kGreen;
  } else {
    return DefaultHandling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(control));
  }
  SetTextColor(dc, color);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void InstallerForm::OnCommand(ControlId id, int code) {
  if (id >= InstallerControl::kFirstLanguageButton &&
      id < InstallerControl::kFirstLanguageButton + static_cast<int>(kBuiltInLanguages.size())) {
    LoadLanguage(std::string(
        kBuiltInLanguages[static_cast<size_t>(id - InstallerControl::kFirstLanguageButton)].id));
    ShowLanguageChooser(false);
    return;
  }
  switch (static_cast<InstallerControl>(static_cast<InstallerControl>(id))) {
    case InstallerControl::kLanguageLabel:
    case InstallerControl::kLanguageArrow:
      if (code == STN_CLICKED) ShowLanguageChooser(true);
      break;
    case InstallerControl::kF7Option:
    case InstallerControl::kOtherKeyOption:
    case InstallerControl::kNoKeyOption:
      if (code == BN_CLICKED) PickHotkeyChoice(id);
      break;
    case InstallerControl::kInstallDirField:
      if (code == EN_CHANGE) InstallDirChanged();
      break;
    case InstallerControl::kHotkeyButton:
      if (code == BN_CLICKED) ChooseOtherHotkey();
      break;
    case InstallerControl::kInstallButton:
    case InstallerControl::kEnterKey:
      if (code == BN_CLICKED && IsWindowEnabled(C(InstallerControl::kInstallButton)))
        InstallOrUninstall();
      break;
    case InstallerControl::kCloseHostButton:
      if (code == BN_CLICKED) CloseHostNow();
      break;
    case InstallerControl::kEscapeKey:
      if (run_.CanClose()) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
      break;
    default:
      break;
  }
}

LRESULT InstallerForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsMaximizeRequest(message, wparam)) {
    MessageBeep(0);
    return 0;
  }
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_TIMER:
      if (wparam == kTimer10Sec) CountDownToClose();
      if (wparam == kTimerCheckTC) CheckHostClosed();
      if (wparam == kTimerBlinkImg) BlinkLanguageArrow();
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnColorStatic(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_CLOSE:
      if (!run_.CanClose()) return 0;
      DestroyWindow(hwnd());
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

}  // namespace kestrix
