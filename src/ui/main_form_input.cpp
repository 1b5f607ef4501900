// Keys, the variables popup, the options menu and the template combo box.

#include <utility>

#include "app/subdir_lines.h"
#include "base/text_utils.h"
#include "names/variable_menu.h"
#include "ui/main_form.h"
// After the Windows headers they need.
#include <commctrl.h>
#include <shellapi.h>

namespace kestrix {

namespace {

constexpr UINT_PTR kSubclassId = 1;

bool KeyHeld(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

void Ttc_KestrixForm::SubclassInput(HWND control) {
  if (control != nullptr)
    SetWindowSubclass(control, InputSubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Ttc_KestrixForm::InputSubclassProc(HWND hwnd, UINT message, WPARAM wparam,
                                                    LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* form = reinterpret_cast<Ttc_KestrixForm*>(data);
  if (form != nullptr) {
    bool consumed = false;
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)
      form->Guarded([&] { consumed = form->InputKeyDown(hwnd, wparam); });
    else if (message == WM_CHAR)
      form->Guarded([&] { consumed = form->InputChar(hwnd, wparam); });
    else if (message == WM_GETDLGCODE && (wparam == VK_RETURN || wparam == VK_ESCAPE ||
                                          (wparam == VK_TAB && KeyHeld(VK_CONTROL))))
      // Enter, Escape and Ctrl+Tab are the window's own keys, not dialog navigation.
      return DefSubclassProc(hwnd, message, wparam, lparam) | DLGC_WANTALLKEYS;
    else if (message == WM_KILLFOCUS && hwnd == form->Control(kId_memo_suffix))
      form->Guarded([&] { form->CloseSuffixEditor(); });
    else if (message == WM_LBUTTONDOWN && hwnd == form->Control(kId_option_replacements))
      form->Guarded([&] { form->option_replacementsMouseDown(); });
    else if (message == WM_KEYUP || message == WM_MOUSEWHEEL || message == WM_RBUTTONUP)
      form->Guarded([&] { form->InputMouseOrKeyUp(hwnd, message); });
    if (consumed) return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, InputSubclassProc, kSubclassId);
  LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
  // The combo box does not report every change of its edit (a text set on the edit
  // itself, a replaced selection): the text is compared after each such message.
  if (form != nullptr && (hwnd == form->mkdir_edit_ || hwnd == form->Control(kId_MkDirExt))) {
    switch (message) {
      case WM_SETTEXT:
      case WM_CHAR:
      case WM_KEYDOWN:
      case WM_PASTE:
      case WM_CUT:
      case WM_CLEAR:
      case WM_UNDO:
      case EM_REPLACESEL:
        form->Guarded([&] {
          if (hwnd == form->mkdir_edit_)
            form->NameMayHaveChanged();
          else
            form->ListMayHaveChanged();
        });
        break;
    }
  }
  return result;
}

FocusedControl Ttc_KestrixForm::FocusKind(HWND control) const {
  if (control == mkdir_edit_ || control == Control(kId_MkDir)) return FocusedControl::kMkDir;
  if (control == Control(kId_MkDirExt)) return FocusedControl::kMkDirExt;
  if (control == Control(kId_cmbox_Templates)) return FocusedControl::kTemplates;
  if (control == Control(kId_btn_ok) || control == Control(kId_btn_cancel) ||
      control == Control(kId_btn_options))
    return FocusedControl::kButton;
  if (GetParent(control) == Control(kId_cmbx_prefix) ||
      GetParent(control) == Control(kId_cmbx_suffix))
    return FocusedControl::kPrefixSuffix;
  if (control == Control(kId_edit_curdirname)) return FocusedControl::kPathField;
  if (control == Control(kId_memo_suffix)) return FocusedControl::kMemoSuffix;
  if (control == Control(kId_edit_Attrib)) return FocusedControl::kAttribField;
  return FocusedControl::kOther;
}

bool Ttc_KestrixForm::InputKeyDown(HWND control, WPARAM key) {
  KeyPress press{static_cast<uint16_t>(key), KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT),
                 KeyHeld(VK_MENU)};
  KeyContext context{Mode(), FocusKind(control), OkEnabled()};
  if (control == mkdir_edit_) MkDirKeyDown(key);
  KeyDecision decision = DecideKey(press, context);
  if (decision.action == KeyAction::kNone) return false;
  // The paste rule decides whether the key goes on to the field.
  if (decision.action == KeyAction::kPaste) return PasteConsumed_ = PasteIntoName();
  RunKeyAction(decision.action, control);
  return decision.consumed;
}

bool Ttc_KestrixForm::InputChar(HWND control, WPARAM ch) {
  const FocusedControl focus = FocusKind(control);
  if (ch == 4 && (focus == FocusedControl::kMkDir || focus == FocusedControl::kMkDirExt)) {
    AddSubdirLine(control);
    return true;
  }
  if (ch == 1 && focus != FocusedControl::kOther) return true;  // Ctrl+A: selected on key down
  // The edit would paste Ctrl+V's character a second time.
  if (ch == 0x16 && std::exchange(PasteConsumed_, false)) return true;
  if (ch == '\r' || ch == '\n') {
    // The key-down handler ran OK or swallowed the key; only the list takes line breaks.
    return focus != FocusedControl::kMkDirExt && focus != FocusedControl::kMemoSuffix;
  }
  if (focus == FocusedControl::kTemplates && ch >= ' ') {
    SelectTemplateByKey(static_cast<char>(ch));
    return true;
  }
  if (control == Control(kId_edit_digits) && ch >= '0' && ch <= '9')
    SetChecked(kId_chck_digitsAuto, false);
  if (ch == VK_ESCAPE) {
    EscapeContext context;
    context.focus = focus;
    HWND combo = focus == FocusedControl::kMkDir || focus == FocusedControl::kPrefixSuffix
                     ? GetParent(control)
                     : control;
    context.dropdown_open =
        focus != FocusedControl::kMkDirExt && SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    context.template_list_open = TemplateListOpen_;
    switch (DecideEscape(context)) {
      case EscapeAction::kEndPathEditing:
        CheckAndTurnOffPathEditing();
        SetFocus(VisibleInput());
        return true;
      case EscapeAction::kCloseAttribField:
        SetVisible(kId_edit_Attrib, false);
        SetEnabled(kId_edit_Attrib, false);
        return true;
      case EscapeAction::kPassOn:
        if (focus == FocusedControl::kMemoSuffix) CloseSuffixEditor();
        if (focus == FocusedControl::kTemplates) TemplateListOpen_ = false;
        return false;
      case EscapeAction::kCloseWindow:
        PostMessageA(hwnd(), WM_CLOSE, 0, 0);
        return true;
    }
  }
  return false;
}

void Ttc_KestrixForm::RunKeyAction(KeyAction action, HWND control) {
  switch (action) {
    case KeyAction::kOpenTemplates:
      SetFocus(Control(kId_cmbox_Templates));
      SendMessageA(Control(kId_cmbox_Templates), CB_SHOWDROPDOWN, TRUE, 0);
      break;
    case KeyAction::kOkClick:
      btn_okClick();
      break;
    case KeyAction::kHostBack:
    case KeyAction::kHostForward:
    case KeyAction::kHostParent:
    case KeyAction::kHostChild:
    case KeyAction::kHostRoot: {
      HostCommand command = action == KeyAction::kHostBack      ? kCmdFocusLeft
                            : action == KeyAction::kHostForward ? kCmdFocusRight
                            : action == KeyAction::kHostParent  ? kCmdGoToParent
                            : action == KeyAction::kHostChild   ? kCmdEnterUnderCursor
                                                                : kCmdGoToRoot;
      if (commands_) commands_->Post(app_.Snapshot.HostWindow, command);
      if (snapshot_) snapshot_->Refresh();
      break;
    }
    case KeyAction::kUserGuide:
      OptionsMenuClick(kMenu_UserGuide);
      break;
    case KeyAction::kChangeToExt:
      ChangeToExt();
      break;
    case KeyAction::kChangeToNormal:
      ChangeToNormal();
      break;
    case KeyAction::kBatchDirClick:
      btn_BatchDirClick();
      break;
    case KeyAction::kRefresh:
      if (snapshot_) snapshot_->Refresh();
      break;
    case KeyAction::kVariablesMenu:
      btn_addRepClick();
      break;
    case KeyAction::kPrepareSubdirLine: {
      HWND input = VisibleInput();
      if (input == Control(kId_MkDirExt)) {
        const int lines = static_cast<int>(SendMessageA(input, EM_GETLINECOUNT, 0, 0));
        for (int i = 0; i <= lines; ++i) SendMessageA(input, WM_VSCROLL, SB_LINEDOWN, 0);
        MkDirExtChange();
      }
      SetFocus(input);
      Select(input, {GetText(GetDlgCtrlID(input)).size(), 0});
      break;
    }
    case KeyAction::kQuick1:
    case KeyAction::kQuick2:
    case KeyAction::kQuick3: {
      const int id = action == KeyAction::kQuick1   ? kId_btn_Quick1
                     : action == KeyAction::kQuick2 ? kId_btn_Quick2
                                                    : kId_btn_Quick3;
      if (IsVisible(id) && IsWindowEnabled(Control(id)))
        SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(id)));
      break;
    }
    case KeyAction::kAttributesMenu:
      img_ChangeDirAttribClick();
      break;
    case KeyAction::kOpenAttribLetters:
      OpenAttributeLetters();
      break;
    case KeyAction::kLoadFromFile:
      LoadFromFileKey();
      break;
    case KeyAction::kUndo:
      if (IsVisible(kId_MkDir) && IsVisible(kId_btn_undo)) btn_undoClick();
      break;
    case KeyAction::kCaretToStart:
      Select(control, {0, 0});
      break;
    case KeyAction::kCaretToEnd:
      Select(control, {static_cast<size_t>(GetWindowTextLengthA(control)), 0});
      break;
    case KeyAction::kIntelligentSelection:
      RunIntelligentSelection(control);
      break;
    case KeyAction::kSelectAll:
      Select(control, {0, std::string::npos});
      break;
    case KeyAction::kEditPath:
      OpenPathEditing();
      break;
    case KeyAction::kManageTemplates:
    case KeyAction::kConfiguration:
    case KeyAction::kPaste:
    case KeyAction::kSwallow:
    case KeyAction::kNone:
      // Their dialogs and editors are wired in with their own modules.
      break;
  }
}

// A press on the box arms the automatic switching with the state the box will have
// after the click; the keyboard never does.
void Ttc_KestrixForm::option_replacementsMouseDown() {
  ReplacementsArmed_ = !IsChecked(kId_option_replacements);
  RerunPreview();
}

void Ttc_KestrixForm::AddSubdirLine(HWND control) {
  const std::string subdir = Text(lng::program::kSubdir);
  SubdirLineResult result;
  if (FocusKind(control) == FocusedControl::kMkDir) {
    ChangeToExt();
    result = AddSubdirLineNormal(SplitLines(GetText(kId_MkDirExt)), subdir, SubdirCounter_);
  } else {
    HWND list = Control(kId_MkDirExt);
    DWORD start = 0;
    SendMessageA(list, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const int caret_line = static_cast<int>(SendMessageA(list, EM_LINEFROMCHAR, start, 0));
    result = AddSubdirLineExtended(SplitLines(GetText(kId_MkDirExt)),
                                   static_cast<size_t>(caret_line), subdir, SubdirCounter_);
  }
  SetText(kId_MkDirExt, JoinLines(result.lines));
  size_t line_start = 0;
  for (size_t i = 0; i < result.line_index; ++i)
    line_start += result.lines[i].size() + kLineBreak.size();
  HWND list = Control(kId_MkDirExt);
  SetFocus(list);
  Select(list, {line_start + result.select_start, result.select_length});
  SendMessageA(list, EM_SCROLLCARET, 0, 0);
}

void Ttc_KestrixForm::RunIntelligentSelection(HWND control) {
  const bool path = FocusKind(control) == FocusedControl::kPathField;
  HWND field = path ? control : Control(kId_MkDir);
  if (!path && !IsVisible(kId_MkDir)) return;
  SetFocus(field);
  std::string text = WindowText(field);
  std::vector<int> stops = WordStops_;
  if (path) stops = BuildPathWordStops(text).value_or(std::vector<int>{});
  std::optional<TextSelection> selection = IntelligentSelection(
      text, Selection(field), path ? SelectionField::kPath : SelectionField::kName, stops,
      SelectionCursor_);
  if (selection) Select(field, *selection);
}

// --- Variables popup -----------------------------------------------------------------

void Ttc_KestrixForm::PrepareVariablesMenu() {
  if (PopupMenu_Add == nullptr) {
    PopupMenu_Add = CreatePopupMenu();
    std::vector<HMENU> submenus;
    for (const VariableSubmenu& sub : kVariableSubmenus) {
      HMENU menu = CreatePopupMenu();
      std::string caption = Text(sub.caption);
      AppendMenuA(PopupMenu_Add, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu),
                  caption.c_str());
      submenus.push_back(menu);
      if (sub.name == "envvars") envvars_menu_ = menu;
    }
    int index = 0;
    for (const VariableMenuItem& item : kVariableMenuItems) {
      size_t sub = 0;
      while (sub < std::size(kVariableSubmenus) && kVariableSubmenus[sub].name != item.submenu)
        ++sub;
      std::string caption = Concat({item.caption_prefix, Text(item.caption)});
      // A "&" in a caption would turn into an accelerator; these captions show it.
      caption = ReplaceAll(caption, "&", "&&");
      AppendMenuA(submenus[sub], MF_STRING, kMenu_VariableFirst + index, caption.c_str());
      menu_tokens_.emplace_back(item.token);
      ++index;
    }
    HMENU apps = submenus[2];
    AppendMenuA(apps, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(apps, MF_STRING, kMenu_NewApp1,
                (Text(lng::new_app::kNewApp) + "...").c_str());
  }
  if (!EnvMenuBuilt_) {
    for (const EnvironmentMenuEntry& entry : EnvironmentMenuEntries(services_.environment)) {
      std::string caption = ReplaceAll(entry.caption, "&", "&&");
      AppendMenuA(envvars_menu_, MF_STRING,
                  kMenu_EnvVarFirst + static_cast<UINT>(env_tokens_.size()), caption.c_str());
      env_tokens_.push_back(TokenFromEnvironmentCaption(entry.caption));
    }
    EnvMenuBuilt_ = true;
  }
  if (startup_.disable_plugins != DisablePlugins::kNone)
    DeleteMenu(PopupMenu_Add, kMenu_NewApp1, MF_BYCOMMAND);
  AddUserAppItems(GetSubMenu(PopupMenu_Add, 2));
}

void Ttc_KestrixForm::btn_addRepClick() {
  PrepareVariablesMenu();
  RECT rect;
  GetWindowRect(Control(kId_btn_addRep), &rect);
  int command = TrackPopupMenu(PopupMenu_Add, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD,
                               rect.left, rect.bottom, 0, hwnd(), nullptr);
  if (command != 0) VariableMenuClick(command);
}

void Ttc_KestrixForm::VariableMenuClick(int command) {
  if (command >= kMenu_UserAppFirst) {
    size_t index = static_cast<size_t>(command - kMenu_UserAppFirst);
    if (index < user_app_tokens_.size()) InsertVariable(user_app_tokens_[index]);
    return;
  }
  if (command >= kMenu_EnvVarFirst && command < kMenu_UserAppFirst) {
    size_t index = static_cast<size_t>(command - kMenu_EnvVarFirst);
    if (index < env_tokens_.size()) InsertVariable(env_tokens_[index]);
    return;
  }
  if (command >= kMenu_VariableFirst && command < kMenu_EnvVarFirst) {
    size_t index = static_cast<size_t>(command - kMenu_VariableFirst);
    if (index < menu_tokens_.size()) InsertVariable(menu_tokens_[index]);
  }
}

void Ttc_KestrixForm::InsertVariable(const std::string& token) {
  HWND focus = GetFocus();
  HWND target = nullptr;
  if (focus == mkdir_edit_ || focus == Control(kId_MkDirExt))
    target = focus;
  else if (GetParent(focus) == Control(kId_cmbx_prefix) ||
           GetParent(focus) == Control(kId_cmbx_suffix))
    target = focus;
  else
    target = IsVisible(kId_MkDir) ? mkdir_edit_ : Control(kId_MkDirExt);
  SendMessageA(target, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(token.c_str()));
}

// --- Options menu --------------------------------------------------------------------

void Ttc_KestrixForm::btn_optionsClick() {
  if (PopupMenu_Options == nullptr) {
    PopupMenu_Options = CreatePopupMenu();
    const bool shortcuts = activation_.show_menu_shortcuts;
    struct Item {
      int command;
      LanguageKey key;
      const char* shortcut;
    } items[] = {{kMenu_ManageTemplates, lng::popup::kTemplates, "\tCtrl+M"},
                 {kMenu_Configuration, lng::popup::kConfig, "\tCtrl+P"},
                 {kMenu_UserGuide, lng::popup::kHelp, "\tF1"},
                 {kMenu_About, lng::popup::kAbout, ""}};
    for (const Item& item : items) {
      std::string caption = Text(item.key);
      if (shortcuts) caption += item.shortcut;
      AppendMenuA(PopupMenu_Options, MF_STRING, item.command, caption.c_str());
    }
  }
  const std::string guide = Concat({ProgramDirOf(services_.exe_path), "\\help_eng.html"});
  EnableMenuItem(PopupMenu_Options, kMenu_UserGuide,
                 services_.files.FileExists(guide) ? MF_ENABLED : MF_GRAYED);
  RECT rect;
  GetWindowRect(Control(kId_btn_options), &rect);
  int command = TrackPopupMenu(PopupMenu_Options, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD,
                               rect.left, rect.bottom, 0, hwnd(), nullptr);
  if (command != 0) OptionsMenuClick(command);
}

void Ttc_KestrixForm::OptionsMenuClick(int command) {
  if (command != kMenu_UserGuide) return;  // the dialogs are wired in with their modules
  const std::string guide = Concat({ProgramDirOf(services_.exe_path), "\\help_eng.html"});
  if (services_.files.FileExists(guide))
    ShellExecuteA(hwnd(), "open", guide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// --- Templates -----------------------------------------------------------------------

void Ttc_KestrixForm::FillTemplates() {
  const LanguageTable& language = services_.language != nullptr ? *services_.language : english_;
  built_in_templates_ = BuiltInTemplates(language);
  HWND combo = Control(kId_cmbox_Templates);
  const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  std::vector<std::string> entries{NoTemplateCaption(language)};
  for (const BuiltInTemplate& t : built_in_templates_) entries.push_back(t.caption);
  for (const std::string& name : settings_.Keys(kUserTemplatesSection))
    entries.push_back(UserTemplateCaption(name));
  for (const std::string& entry : entries)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  SendMessageA(combo, CB_SETCURSEL, selected >= 0 && selected < count ? selected : 0, 0);
}

void Ttc_KestrixForm::cmbox_TemplatesDropDown() {
  TemplateListOpen_ = true;
  // The name as it was before the list opened is what undo brings back.
  history_undo_.KeyPressed(GetText(kId_MkDir));
  FillTemplates();
}

void Ttc_KestrixForm::SelectTemplateByKey(char key) {
  HWND combo = Control(kId_cmbox_Templates);
  std::vector<std::string> entries;
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
    std::string entry(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<size_t>(length > 0 ? length : 0));
    entries.push_back(std::move(entry));
  }
  SendMessageA(combo, CB_SETCURSEL, TemplateIndexForKey(entries, key), 0);
  SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
  TemplateListOpen_ = false;
  if (Mode() == MainMode::kNormal) cmbox_TemplatesChange();
}

void Ttc_KestrixForm::cmbox_TemplatesChange() {
  app_.CurrentRoutine = "cmbox_TemplatesChange";
  TemplateListOpen_ = false;
  HWND combo = Control(kId_cmbox_Templates);
  const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index < 0) return;
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
  std::string entry(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
  entry.resize(static_cast<size_t>(length > 0 ? length : 0));
  TemplateChoice choice = ChooseTemplate(entry, built_in_templates_);
  std::string text;
  size_t select_length = 0;
  switch (choice.kind) {
    case TemplateChoice::Kind::kNothing:
      return;
    case TemplateChoice::Kind::kBuiltIn:
      text = built_in_templates_[choice.built_in].text;
      select_length = built_in_templates_[choice.built_in].select_length;
      break;
    case TemplateChoice::Kind::kUser:
      text = TrimRight(settings_.Value(kUserTemplatesSection, choice.user_name, ""));
      break;
  }
  if (IsVisible(kId_MkDir)) {
    history_undo_.KeyPressed(GetText(kId_MkDir));
    SetText(kId_MkDir, text);
    ShowUndoButton();
    MkDirChange();
    SetFocus(Control(kId_MkDir));
    if (select_length > 0)
      Select(Control(kId_MkDir), {0, select_length});
    else
      Select(Control(kId_MkDir), {text.size(), 0});
    return;
  }
  std::vector<std::string> lines = SplitLines(GetText(kId_MkDirExt));
  lines.push_back(text);
  SetText(kId_MkDirExt, JoinLines(lines));
  SetFocus(Control(kId_MkDirExt));
}

}  // namespace kestrix
