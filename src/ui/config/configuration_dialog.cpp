#include "ui/config/configuration_dialog.h"

#include <array>

#include "app/key_commands.h"
#include "platform/win32/wide_text.h"
#include "settings/language_keys.h"
#include "settings/settings.h"
#include "settings/themes.h"
#include "ui/config/configuration_pages.h"

namespace kestrix {

namespace {

constexpr int kWidth = 442;
constexpr int kHeight = 378;
constexpr COLORREF kLinkColor = RGB(0, 102, 204);

// The tab control lies under the pages' controls, the buttons after them in the tab order.
const ControlSpec kTabs[] = {
    {WC_TABCONTROLA, "", spec::kShown | WS_TABSTOP, ConfigControl::kTabs, At(6, 6, 424, 300)}};
const ControlSpec kButtons[] = {
    {"BUTTON", lng::buttons::kBtnOK, spec::kDefaultPush, IDOK, At(264, 314, 80, 26)},
    {"BUTTON", lng::buttons::kBtnCancel, spec::kPush, IDCANCEL, At(350, 314, 80, 26)},
};

bool IsGroupBox(const ControlSpec& spec) {
  return (spec.style & BS_TYPEMASK) == BS_GROUPBOX && std::string_view(spec.class_name) == "BUTTON";
}

}  // namespace

ConfigurationDialog::ConfigurationDialog(ConfigurationContext context)
    : Dialog(kConfigurationClass, "", kWidth, kHeight), context_(std::move(context)) {}

ConfigurationDialog::~ConfigurationDialog() = default;

bool ConfigurationDialog::OnInit() {
  site_.dialog = hwnd();
  site_.loading = true;
  site_.language = context_.language();
  if (!ReadSettings()) return false;
  site_.user_themes = DiscoverUserThemes(context_.files, context_.program_dir);
  CreatePages();
  ApplyCaptions();
  for (const auto& page : page_objects_) AddPage(*page);
  return true;
}

bool ConfigurationDialog::ReadSettings() {
  try {
    BigIniFile ini(context_.files, context_.settings_path);
    site_.values = LoadConfiguration(ini);
    std::vector<std::string> keys;
    ini.ReadSection(kUserTemplatesSection, keys);
    for (const std::string& key : keys)
      site_.user_templates.push_back(ini.ReadString(kUserTemplatesSection, key, ""));
    site_.values.language = SettingsAccess(ini).TrimmedText(Setting::kCurrentLng);
  } catch (const InOutError& error) {
    // Defaults shown in its place would be written over the user's settings at OK.
    context_.message(SettingsFileMessage(site_.language, lng::config_dialog::kCannotRead,
                                         error.Path(), error.Code()),
                     kMbOk | kMbIconError);
    return false;
  }
  return true;
}

void ConfigurationDialog::CreatePages() {
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                                    ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  auto general = std::make_unique<GeneralPage>(site_);
  general_ = general.get();
  page_objects_.push_back(std::move(general));
  page_objects_.push_back(std::make_unique<WindowPage>(site_));
  page_objects_.push_back(std::make_unique<LanguagePage>(site_));
  page_objects_.push_back(std::make_unique<AdvancedPage>(site_));
  page_objects_.push_back(std::make_unique<FilesPage>(site_));

  std::vector<std::span<const ControlSpec>> tables = {kTabs};
  for (const auto& page : page_objects_) tables.push_back(page->Controls());
  tables.push_back(kButtons);
  for (std::span<const ControlSpec> table : tables) CreateControls(table, site_.language);
  for (int i = 0; i < static_cast<int>(ConfigPage::kCount); ++i) {
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    wchar_t empty[] = L"";
    item.pszText = empty;
    SendMessageW(Control(ConfigControl::kTabs), TCM_INSERTITEMW, i,
                 reinterpret_cast<LPARAM>(&item));
  }
  for (std::span<const ControlSpec> table : tables)
    for (const ControlSpec& spec : table) {
      HWND control = Control(spec.id);
      key_hook_.Subclass(control);
      if (HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr)) key_hook_.Subclass(edit);
    }
  // The group boxes lie under the controls they frame and the tab control under all, each
  // clipped by what lies above it, so none paints over the pages' controls.
  std::vector<HWND> below;
  for (const auto& page : page_objects_)
    for (const ControlSpec& spec : page->Controls())
      if (IsGroupBox(spec)) below.push_back(Control(spec.id));
  below.push_back(Control(ConfigControl::kTabs));
  for (HWND control : below) {
    SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (const auto& page : page_objects_) page->OnCreate();
}

void ConfigurationDialog::ApplyCaptions() {
  using namespace lng;
  kestrix::Control(hwnd()).SetText(site_.language.Text(config_dialog::kTitle));
  const std::array<LanguageKey, 5> tabs{config::kGeneral, config::kWindow,
                                        config_dialog::kLanguageTab, config::kAdvanced,
                                        config::kFiles};
  for (int i = 0; i < 5; ++i) {
    std::wstring text = Wide(site_.language.Text(tabs[static_cast<size_t>(i)]));
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(Control(ConfigControl::kTabs), TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  kestrix::ApplyCaptions(hwnd(), kButtons, site_.language);
  for (const auto& page : page_objects_) {
    kestrix::ApplyCaptions(hwnd(), page->Controls(), site_.language);
    page->ApplyCaptions();
  }
}

// Ends the loading: the page last chosen is shown, and the pages are taken back as they
// show the file, so that OK writes only what differs from this.
void ConfigurationDialog::OnLoaded() {
  site_.loading = false;
  const int last = site_.values.last_selected_page;
  ShowPage(last >= 0 && last < static_cast<int>(ConfigPage::kCount) ? static_cast<ConfigPage>(last)
                                                                    : ConfigPage::kGeneral);
  for (const auto& page : page_objects_) page->Save();
  site_.values.last_selected_page = static_cast<int>(site_.page);
  shown_ = site_.values;
}

// Writes what the pages took back.
bool ConfigurationDialog::OnSaved() {
  site_.values.last_selected_page = static_cast<int>(site_.page);
  try {
    BigIniFile ini(context_.files, context_.settings_path);
    SaveConfiguration(ini, site_.values, shown_);
  } catch (const InOutError& error) {
    // The dialog stays open with the user's changes.
    context_.message(SettingsFileMessage(site_.language, lng::config_dialog::kCannotWrite,
                                         error.Path(), error.Code()),
                     kMbOk | kMbIconError);
    return false;
  }
  return true;
}

void ConfigurationDialog::ShowPage(ConfigPage page) {
  site_.page = page;
  TabCtrl_SetCurSel(Control(ConfigControl::kTabs), static_cast<int>(page));
  for (const auto& each : page_objects_)
    for (const ControlSpec& spec : each->Controls()) {
      const bool shown = each->Which() == page && each->Shows(spec.id);
      ShowWindow(Control(spec.id), shown ? SW_SHOWNA : SW_HIDE);
    }
}

ConfigurationPage* ConfigurationDialog::PageOwning(ControlId id) const {
  for (const auto& page : page_objects_)
    if (page->Owns(id)) return page.get();
  return nullptr;
}

// --- Messages ------------------------------------------------------------------------

bool ConfigurationDialog::OnCommand(ControlId id, int code, HWND) {
  ConfigurationPage* page = PageOwning(id);
  if (page == nullptr) return false;
  page->OnCommand(id, code);
  return true;
}

LRESULT ConfigurationDialog::OnNotify(const NMHDR& header) {
  const ControlId id = IdFrom(header);
  if (id == ConfigControl::kTabs && header.code == TCN_SELCHANGE)
    ShowPage(static_cast<ConfigPage>(TabCtrl_GetCurSel(header.hwndFrom)));
  else if (ConfigurationPage* page = PageOwning(id))
    page->OnNotify(header);
  return 0;
}

void ConfigurationDialog::OnOk() {
  if (general_->AddOnCtrlEnter()) return;
  Dialog::OnOk();
}

void ConfigurationDialog::OnCancel() {
  // Escape first closes an open list.
  for (const auto& page : page_objects_)
    if (page->CloseList(true)) {
      for (const auto& each : page_objects_) each->CloseList(false);
      return;
    }
  bool open = false;
  for (const auto& page : page_objects_) open = page->CloseList(false) || open;
  if (!open) Dialog::OnCancel();
}

// The language is read again on every activation.
void ConfigurationDialog::OnActivate() {
  if (!context_.language) return;
  site_.language = context_.language();
  ApplyCaptions();
}

LRESULT ConfigurationDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CTLCOLORSTATIC) {
    HWND control = reinterpret_cast<HWND>(lparam);
    ConfigurationPage* page = PageOwning(GetDlgCtrlID(control));
    if (page != nullptr && page->IsLink(control)) {
      HDC dc = reinterpret_cast<HDC>(wparam);
      SetTextColor(dc, kLinkColor);
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
  }
  return Dialog::HandleMessage(message, wparam, lparam);
}

std::optional<LRESULT> ConfigurationDialog::FieldKey(HWND control, UINT message, WPARAM wparam) {
  if (message != WM_KEYDOWN && message != WM_CHAR) return std::nullopt;
  HWND owner = GetParent(control) == hwnd() ? control : GetParent(control);
  const ControlId id = GetDlgCtrlID(owner);
  const bool prefix = id == ConfigControl::kPrefixBox;
  ConfigKeyContext context;
  if (const ConfigurationPage* page = PageOwning(id)) context.field = page->FieldOf(id);
  if (context.field == ConfigField::kAffix)
    context.list_item_open = [owner] {
      const Combo combo(owner);
      return combo.DroppedDown() && combo.Selected() >= 0;
    };
  context.general_page = site_.page == ConfigPage::kGeneral;
  const KeyPress press{static_cast<uint16_t>(wparam), (GetKeyState(VK_CONTROL) & 0x8000) != 0,
                       (GetKeyState(VK_SHIFT) & 0x8000) != 0, (GetKeyState(VK_MENU) & 0x8000) != 0};
  switch (DecideConfigKey(press, message == WM_CHAR, context)) {
    case ConfigKeyAction::kPassOn:
      break;
    case ConfigKeyAction::kDeleteListItem: {
      const Combo combo(owner);
      SendMessageW(owner, CB_DELETESTRING, static_cast<WPARAM>(combo.Selected()), 0);
      combo.SetText("");
      general_->AffixTextChanged(prefix);
      return 0;
    }
    case ConfigKeyAction::kAddAffix:
      general_->AddAffix(prefix, false);
      return 0;
    case ConfigKeyAction::kInsertVariable:
      general_->InsertVariable();
      return 0;
    case ConfigKeyAction::kSelectAll:
      Edit(control).SelectAll();
      return 0;
    case ConfigKeyAction::kSwallow:
      return 0;
  }
  return std::nullopt;
}

}  // namespace kestrix
