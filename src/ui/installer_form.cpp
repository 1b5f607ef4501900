#include "ui/installer_form.h"

#include "app/launch_decision.h"
#include "base/path_text.h"
#include "base/program_version.h"
#include "base/text_utils.h"
#include "host/foreground_win32.h"
#include "host/host_commands.h"
#include "host/panel_windows.h"
#include "platform/win32/wide_text.h"
#include "settings/language_keys.h"
#include "settings/settings.h"
#include "ui/define_hotkey.h"
#include "ui/user_guide_win32.h"
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
    {"STATIC", "", kShown | SS_NOTIFY, kIdI_currentLang, At(14, 12, 300, 18)},
    {"STATIC", "<<", kShown | SS_NOTIFY, kIdI_img_LngArrow, At(320, 12, 30, 18)},
    {"BUTTON", "ENG", kLanguageButton, kIdI_LNG_First, At(14, 8, 40, 24)},
    {"BUTTON", "HUN", kLanguageButton, kIdI_LNG_First + 1, At(58, 8, 40, 24)},
    {"BUTTON", "RUS", kLanguageButton, kIdI_LNG_First + 2, At(102, 8, 40, 24)},
    {"BUTTON", "DUT", kLanguageButton, kIdI_LNG_First + 3, At(146, 8, 40, 24)},
    {"BUTTON", "ESP", kLanguageButton, kIdI_LNG_First + 4, At(190, 8, 40, 24)},
    {"BUTTON", "DEU", kLanguageButton, kIdI_LNG_First + 5, At(234, 8, 40, 24)},
    {"BUTTON", "DAN", kLanguageButton, kIdI_LNG_First + 6, At(278, 8, 40, 24)},
    {"BUTTON", "CHN", kLanguageButton, kIdI_LNG_First + 7, At(322, 8, 40, 24)},
    {"BUTTON", "UKR", kLanguageButton, kIdI_LNG_First + 8, At(366, 8, 40, 24)},
    {"BUTTON", "KOR", kLanguageButton, kIdI_LNG_First + 9, At(410, 8, 40, 24)},
    {"BUTTON", install::kInstallGrpbox, spec::kGroupBox, kIdI_grp_Main, At(8, 38, 446, 196)},
    {"STATIC", install::kInstallDirectory, kShown, kIdI_lbl_InstallDir, At(20, 58, 300, 16)},
    {"EDIT", "", kShown | ES_READONLY | ES_AUTOHSCROLL, kIdI_edit_TCBaseDir, At(20, 76, 190, 22),
     Anchor::kNone, WS_EX_CLIENTEDGE},
    {"EDIT", "", kShown | WS_TABSTOP | ES_AUTOHSCROLL, kIdI_edit_Dir, At(212, 76, 230, 22),
     Anchor::kNone, WS_EX_CLIENTEDGE},
    {"BUTTON", install::kActivateGrpbox, spec::kGroupBox, kIdI_grp_Key, At(20, 106, 300, 116)},
    {"BUTTON", install::kF7Radiobtn, spec::kFirstRadio, kIdI_RadioButton1, At(32, 126, 200, 20)},
    {"BUTTON", "", spec::kRadio, kIdI_RadioButton2, At(32, 150, 200, 20)},
    {"BUTTON", "...", WS_TABSTOP, kIdI_btn_SetHotkey, At(240, 149, 30, 22)},
    {"BUTTON", install::kNoneRadiobtn, spec::kRadio, kIdI_RadioButton3, At(32, 174, 200, 20)},
    {"BUTTON", "", spec::kDefaultPush, kIdI_btn_Install, At(332, 192, 110, 30)},
    {"BUTTON", "", BS_GROUPBOX, kIdI_grp_Install, At(8, 242, 446, 168)},
    {"STATIC", install::kStep1, kStepLabel, kIdI_Step1, At(20, 262, 60, 16)},
    {"STATIC", "", kStepLabel, kIdI_Step1Hint, At(86, 262, 250, 16)},
    {PROGRESS_CLASSA, "", kStepLabel, kIdI_ProgressBar1, At(86, 282, 250, 14)},
    {"STATIC", "", SS_CENTER, kIdI_done_01, At(344, 280, 100, 18)},
    {"STATIC", install::kStep2, kStepLabel, kIdI_Step1 + 1, At(20, 310, 60, 16)},
    {"STATIC", "", kStepLabel, kIdI_Step1Hint + 1, At(86, 310, 358, 16)},
    {PROGRESS_CLASSA, "", kStepLabel, kIdI_ProgressBar1 + 1, At(86, 330, 250, 14)},
    {"STATIC", "", SS_CENTER, kIdI_done_01 + 1, At(344, 328, 100, 18)},
    {"STATIC", install::kStep3, kStepLabel, kIdI_Step1 + 2, At(20, 358, 60, 16)},
    {"STATIC", "", kStepLabel, kIdI_Step1Hint + 2, At(86, 358, 358, 16)},
    {PROGRESS_CLASSA, "", kStepLabel, kIdI_ProgressBar1 + 2, At(86, 378, 250, 14)},
    {"STATIC", "", SS_CENTER, kIdI_done_01 + 2, At(344, 376, 100, 18)},
    {"BUTTON", buttons::kBtnClose, WS_TABSTOP, kIdI_btn_CloseTC, At(344, 264, 100, 26)},
    {"STATIC", "", kShown | SS_CENTER, kIdI_panel_ver, At(8, 420, 446, 20)},
};
static_assert(kBuiltInLanguages.size() == 10 && kBuiltInLanguages[9].id == "KOR");

// A note cut to its first 40 characters when its step failed.
std::string CutNote(const std::string& note) {
  return note.size() > 40 ? note.substr(0, 40) + "..." : note + "...";
}

}  // namespace

TKestrix_Installer::TKestrix_Installer(InstallerServices services)
    : services_(std::move(services)) {}

TKestrix_Installer::~TKestrix_Installer() {}

bool TKestrix_Installer::StartedFromHost() {
  return services_.files.FileExists(wincmd_ini_) &&
         (services_.files.FileExists(host_dir_ + "\\TOTALCMD.exe") ||
          services_.files.FileExists(host_dir_ + "\\TOTALCMD64.exe"));
}

void TKestrix_Installer::ReadHost() {
  host_dir_ = Trim(services_.environment.Expand("%COMMANDER_PATH%"));
  while (host_dir_.size() > 3 && host_dir_.back() == '\\') host_dir_.pop_back();
  wincmd_ini_ = Trim(services_.environment.Expand("%COMMANDER_INI%"));
}

void TKestrix_Installer::DetectInstallation() {
  TBigIniFile wincmd(services_.files, wincmd_ini_, IniOwner::kHost, &services_.code_page);
  language_ = LoadInstallerLanguage(services_.resources, &services_.code_page,
                                    wincmd.ReadString("Configuration", "LanguageIni", ""));
  TBigIniFile usercmd(services_.files, HostFileBeside(wincmd_ini_, "usercmd.ini"), IniOwner::kHost,
                      &services_.code_page);
  const EarlierInstallation found =
      FindEarlierInstallation(services_.files, services_.environment, wincmd, usercmd, host_dir_,
                              Edit(C(kIdI_edit_Dir)).Text());
  existing_ = found.key;
  if (!found.relative_exe.empty()) Edit(C(kIdI_edit_Dir)).SetText(found.relative_exe);

  const KeyOffer offer = OfferKey(existing_.key, existing_.windows_key);
  chosen_key_ = offer.notation;
  chosen_windows_key_ = existing_.windows_key;
  Check(C(offer.other_key ? kIdI_RadioButton2 : kIdI_RadioButton1)).SetChecked(true);
  if (offer.other_key) ShowWindow(C(kIdI_btn_SetHotkey), SW_SHOW);
}

bool TKestrix_Installer::Create(HINSTANCE instance) {
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
  edit_DirChange();
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
void TKestrix_Installer::ShowFileFailure(const InOutError& failure) {
  services_.message_boxes.Show(FileFailureText(language_.table, failure.Path(), failure.Code()),
                               kApplicationTitle, kMbOk | kMbIconError);
}

void TKestrix_Installer::CreateControls() {
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&common);
  kestrix::CreateControls(hwnd(), kControls, language_.table);
  Control(C(kIdI_edit_TCBaseDir)).SetText(host_dir_ + "\\");
  Control(C(kIdI_edit_Dir)).SetText("Kestrix\\" + pathtext::ExtractFileName(services_.exe_path));

  // The group of the steps stays hidden until the procedure starts; its children follow.
  for (int id : {kIdI_Step1, kIdI_Step1Hint, kIdI_ProgressBar1})
    for (int i = 0; i < 3; ++i) ShowWindow(C(id + i), SW_HIDE);

  bold_font_ = DialogFontWith({.bold = true});
  SetFontOf(hwnd(),
            std::initializer_list<int>{kIdI_Step1, kIdI_Step1 + 1, kIdI_Step1 + 2, kIdI_panel_ver},
            bold_font_);
}

void TKestrix_Installer::LoadLanguage(const std::string& id) {
  std::string loaded;
  language_.table = LoadBuiltInLanguage(services_.resources, &services_.code_page, id, &loaded);
  language_.current_id = language_.table.ShortId();
  ApplyTexts();
}

void TKestrix_Installer::ApplyTexts() {
  kestrix::ApplyCaptions(hwnd(), kControls, language_.table);
  Control(C(kIdI_currentLang))
      .SetText(Concat({T(install::kLanguage), " ", language_.table.Text(header::kLngName)}));
  Control(C(kIdI_RadioButton2)).SetText(KeyDisplayCaption(chosen_key_, chosen_windows_key_));
  if (run_.Phase() == InstallPhase::kChoosing)
    Control(C(kIdI_btn_Install))
        .SetText(T(uninstall_ ? buttons::kBtnUninstall : buttons::kBtnInstall));
  Control(C(kIdI_grp_Install))
      .SetText(T(uninstall_ ? install::kUninstallingGrpbox : install::kInstallingGrpbox));
  const LanguageKey* notes[] = {&install::kStep1Note,
                                uninstall_ ? &install::kStep2NoteU : &install::kStep2Note,
                                uninstall_ ? &install::kStep3NoteU : &install::kStep3Note};
  for (int i = 0; i < 3; ++i) {
    // "&&" in a language text is one "&" on a label that shows mnemonics.
    const std::string note = T(*notes[i]);
    Control(C(kIdI_Step1Hint + i)).SetText(step_failed_[i] ? CutNote(note) : note);
  }
  if (!installed_message_)
    Control(C(kIdI_panel_ver)).SetText(Concat({T(install::kCurrentVersion), " ", kProgramVersion}));
}

void TKestrix_Installer::ShowLanguageChooser(bool shown) {
  for (size_t i = 0; i < kBuiltInLanguages.size(); ++i)
    ShowWindow(C(kIdI_LNG_First + static_cast<int>(i)), shown ? SW_SHOW : SW_HIDE);
  ShowWindow(C(kIdI_currentLang), shown ? SW_HIDE : SW_SHOW);
  ShowWindow(C(kIdI_img_LngArrow), SW_HIDE);
  // The chooser has been found: the arrow has done its work.
  KillTimer(hwnd(), kTimerBlinkImg);
}

void TKestrix_Installer::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
  ForceForeground(hwnd());
  SetFocus(C(kIdI_btn_Install));
}

int TKestrix_Installer::Run() {
  // The installer's messages and its hotkey dialog's: the active window's keys.
  return RunMessageLoop(nullptr);
}

// ---- Choosing ----

void TKestrix_Installer::RadioButtonClick(int id) {
  uninstall_ = id == kIdI_RadioButton3;
  ShowWindow(C(kIdI_btn_SetHotkey), id == kIdI_RadioButton2 ? SW_SHOW : SW_HIDE);
  ApplyTexts();
}

void TKestrix_Installer::edit_DirChange() {
  if (run_.Phase() != InstallPhase::kChoosing) return;
  Edit dir(C(kIdI_edit_Dir));
  if (dir.TextLength() == 0) {
    dir.SetText(kDefaultRelativeExe);
    dir.CaretToEnd();
  }
  EnableWindow(C(kIdI_btn_Install), IsAllowedTargetPath(dir.Text()));
}

void TKestrix_Installer::btn_SetHotkeyClick() {
  for (int id : {kIdI_btn_SetHotkey, kIdI_RadioButton1, kIdI_RadioButton2, kIdI_RadioButton3})
    ShowWindow(C(id), SW_HIDE);
  hotkey_ = std::make_unique<TDefineHotkey>(*this);
  hotkey_->SetErrorLogger(Logger());
  hotkey_->Open(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd(), GWLP_HINSTANCE)), hwnd(),
                T(lng::install::kActivateGrpbox), chosen_key_, chosen_windows_key_);
}

void TKestrix_Installer::HotkeyChosen(const std::string& notation, bool windows_key) {
  const KeyOffer offer = OfferKey(notation, windows_key);
  chosen_key_ = offer.notation;
  chosen_windows_key_ = windows_key;
  if (!offer.other_key) {
    Check(C(kIdI_RadioButton1)).SetChecked(true);
    Check(C(kIdI_RadioButton2)).SetChecked(false);
    RadioButtonClick(kIdI_RadioButton1);
  }
  Control(C(kIdI_RadioButton2)).SetText(KeyDisplayCaption(chosen_key_, chosen_windows_key_));
  for (int id : {kIdI_RadioButton1, kIdI_RadioButton2, kIdI_RadioButton3})
    ShowWindow(C(id), SW_SHOW);
  ShowWindow(C(kIdI_btn_SetHotkey), offer.other_key ? SW_SHOW : SW_HIDE);
}

KeyBinding TKestrix_Installer::Binding() const {
  KeyBinding binding;
  binding.choice = uninstall_                              ? KeyChoice::kNone
                   : Check(C(kIdI_RadioButton2)).Checked() ? KeyChoice::kOtherKey
                                                           : KeyChoice::kF7;
  binding.existing = existing_.key;
  binding.existing_windows_key = existing_.windows_key;
  binding.chosen = chosen_key_;
  binding.chosen_windows_key = chosen_windows_key_;
  return binding;
}

// ---- Waiting for the host ----

bool TKestrix_Installer::HostRunning() {
  return FindWindowW(Wide(kHostWindowClass).c_str(), nullptr) != nullptr;
}

void TKestrix_Installer::AskHostToClose() {
  HWND host = FindWindowW(Wide(kHostWindowClass).c_str(), nullptr);
  if (host != nullptr) PostMessageW(host, kHostCommandMessage, kCmdCloseHost, 0);
}

void TKestrix_Installer::btn_InstallClick() {
  if (run_.Phase() == InstallPhase::kFinished) {
    const std::string host = host_dir_ + "\\TOTALCMD.EXE";
    ShellOpen(hwnd(), host, {}, host_dir_);
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    return;
  }
  if (!run_.StartWaiting()) return;
  ShowWindow(C(kIdI_grp_Install), SW_SHOW);
  for (int id : {kIdI_Step1, kIdI_Step1Hint, kIdI_ProgressBar1})
    for (int i = 0; i < 3; ++i) ShowWindow(C(id + i), SW_SHOW);
  ActivateStep(1);
  EnableWindow(C(kIdI_btn_Install), FALSE);
  Control(C(kIdI_btn_Install)).SetText(T(lng::buttons::kBtnOK));
  for (int id : {kIdI_edit_Dir, kIdI_RadioButton1, kIdI_RadioButton2, kIdI_RadioButton3,
                 kIdI_btn_SetHotkey, kIdI_currentLang})
    EnableWindow(C(id), FALSE);
  ShowLanguageChooser(false);
  EnableWindow(C(kIdI_currentLang), FALSE);
  if (HostRunning()) {
    countdown_ = 10;
    Control(C(kIdI_btn_CloseTC))
        .SetText(Concat({T(lng::buttons::kBtnClose), " (", std::to_string(countdown_), ")"}));
    ShowWindow(C(kIdI_btn_CloseTC), SW_SHOW);
    SetFocus(C(kIdI_btn_CloseTC));
    SetTimer(hwnd(), kTimer10Sec, 1000, nullptr);
  } else {
    SetTimer(hwnd(), kTimerCheckTC, 1, nullptr);
  }
}

void TKestrix_Installer::timer_10secTimer() {
  const bool running = HostRunning();
  if (countdown_ > 0 && running) {
    --countdown_;
    Control(C(kIdI_btn_CloseTC))
        .SetText(Concat({T(lng::buttons::kBtnClose), " (", std::to_string(countdown_), ")"}));
  }
  if (countdown_ == 0 || !running) {
    KillTimer(hwnd(), kTimer10Sec);
    AskHostToClose();
    SetTimer(hwnd(), kTimerCheckTC, 1, nullptr);
  }
}

void TKestrix_Installer::btn_CloseTCClick() {
  KillTimer(hwnd(), kTimer10Sec);
  Control(C(kIdI_btn_CloseTC)).SetText(T(lng::buttons::kBtnClose));
  AskHostToClose();
  SetTimer(hwnd(), kTimerCheckTC, 1, nullptr);
}

void TKestrix_Installer::timer_checkTCTimer() {
  if (HostRunning()) return;
  KillTimer(hwnd(), kTimerCheckTC);
  RunProcedure();
}

void TKestrix_Installer::timer_blinkImgTimer() {
  arrow_shown_ = !arrow_shown_;
  ShowWindow(C(kIdI_img_LngArrow), arrow_shown_ ? SW_SHOW : SW_HIDE);
}

// ---- Running ----

void TKestrix_Installer::SetProgress(int bar, int value) {
  SendMessageW(C(kIdI_ProgressBar1 + bar - 1), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void TKestrix_Installer::HideCloseButton() {
  ShowWindow(C(kIdI_btn_CloseTC), SW_HIDE);
}

void TKestrix_Installer::MarkDone(int step) {
  HWND mark = C(kIdI_done_01 + step - 1);
  Control(mark).SetText(T(lng::install::kActionDone));
  ShowWindow(mark, SW_SHOW);
}

void TKestrix_Installer::MarkFailed(int step, const std::string& mark_text) {
  step_failed_[step - 1] = true;
  HWND mark = C(kIdI_done_01 + step - 1);
  Control(mark).SetText(mark_text);
  ShowWindow(mark, SW_SHOW);
  ApplyTexts();
}

void TKestrix_Installer::ActivateStep(int step) {
  active_step_ = step;
  for (int i = 0; i < 3; ++i) {
    InvalidateRect(C(kIdI_Step1 + i), nullptr, TRUE);
    InvalidateRect(C(kIdI_Step1Hint + i), nullptr, TRUE);
  }
}

void TKestrix_Installer::Wait(int milliseconds) {
  if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
  PumpMessages(hwnd());
}

void TKestrix_Installer::ShowFailure(const std::string& text) {
  services_.message_boxes.Show(text, kApplicationTitle, kMbOk | kMbIconError);
}

void TKestrix_Installer::LogCurrentException() {
  if (Logger() != nullptr) Logger()->LogCurrentException(kInstallerWindowClass);
}

void TKestrix_Installer::RunProcedure() {
  InstallProcedure procedure(
      services_.files, services_.resources, services_.code_page,
      {host_dir_, Trim(Edit(C(kIdI_edit_Dir)).Text()), wincmd_ini_, services_.exe_path});
  InstallChoices choices{uninstall_, Binding(), language_.current_id,
                         language_.table.Text(lng::quick_system::kUser)};
  run_.Run(procedure, *this, language_.table, choices);
  if (run_.Phase() != InstallPhase::kFinished) return;

  if (!uninstall_) {
    installed_message_ = true;
    const bool f7 = !Check(C(kIdI_RadioButton2)).Checked();
    const std::string text =
        f7 ? T(lng::install::kInstalled1)
           : FormatLanguageText(
                 T(lng::install::kInstalled2),
                 Concat({"\"", KeyDisplayCaption(chosen_key_, chosen_windows_key_), "\""}));
    Control(C(kIdI_panel_ver)).SetText(text);
  }
  ActivateStep(4);
  EnableWindow(C(kIdI_btn_Install), TRUE);
  SetFocus(C(kIdI_btn_Install));
}

// ---- Messages ----

LRESULT TKestrix_Installer::OnColorStatic(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  COLORREF color = kBlack;
  if (id >= kIdI_Step1 && id < kIdI_Step1Hint + 3) {
    const int step = (id - kIdI_Step1) % 3 + 1;
    color = step == active_step_ ? kBlack : kGrey;
  } else if (id >= kIdI_done_01 && id < kIdI_done_01 + 3) {
    color = step_failed_[id - kIdI_done_01] ? kRed : kGreen;
  } else if (id == kIdI_panel_ver && installed_message_) {
    color = kGreen;
  } else {
    return DefaultHandling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(control));
  }
  SetTextColor(dc, color);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void TKestrix_Installer::OnCommand(int id, int code) {
  if (id >= kIdI_LNG_First && id < kIdI_LNG_First + static_cast<int>(kBuiltInLanguages.size())) {
    LoadLanguage(std::string(kBuiltInLanguages[static_cast<size_t>(id - kIdI_LNG_First)].id));
    ShowLanguageChooser(false);
    return;
  }
  switch (id) {
    case kIdI_currentLang:
    case kIdI_img_LngArrow:
      if (code == STN_CLICKED) ShowLanguageChooser(true);
      break;
    case kIdI_RadioButton1:
    case kIdI_RadioButton2:
    case kIdI_RadioButton3:
      if (code == BN_CLICKED) RadioButtonClick(id);
      break;
    case kIdI_edit_Dir:
      if (code == EN_CHANGE) edit_DirChange();
      break;
    case kIdI_btn_SetHotkey:
      if (code == BN_CLICKED) btn_SetHotkeyClick();
      break;
    case kIdI_btn_Install:
    case IDOK:
      if (code == BN_CLICKED && IsWindowEnabled(C(kIdI_btn_Install))) btn_InstallClick();
      break;
    case kIdI_btn_CloseTC:
      if (code == BN_CLICKED) btn_CloseTCClick();
      break;
    case IDCANCEL:
      if (run_.CanClose()) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
      break;
  }
}

LRESULT TKestrix_Installer::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsMaximizeRequest(message, wparam)) {
    MessageBeep(0);
    return 0;
  }
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_TIMER:
      if (wparam == kTimer10Sec) timer_10secTimer();
      if (wparam == kTimerCheckTC) timer_checkTCTimer();
      if (wparam == kTimerBlinkImg) timer_blinkImgTimer();
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
