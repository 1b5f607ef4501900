// Keys, the variables popup, the options menu and the template combo box.

#include <utility>

#include "app/subdir_lines.h"
#include "base/text_utils.h"
#include "ui/main_form.h"
#include "ui/menu.h"
// After the Windows headers they need.
#include <commctrl.h>
#include <shellapi.h>

namespace kestrix {

namespace {

// The options menu; the shortcuts are shown when ShowMenuShortcuts asks for them.
constexpr MenuRow kOptionsMenu[] = {{lng::popup::kTemplates, kMenu_ManageTemplates},
                                    {lng::popup::kConfig, kMenu_Configuration},
                                    {lng::popup::kHelp, kMenu_UserGuide},
                                    {lng::popup::kAbout, kMenu_About}};
constexpr const char* kOptionsShortcuts[] = {"\tCtrl+M", "\tCtrl+P", "\tF1", ""};

bool KeyHeld(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

// The scan code and extended-key bit of a key message. TranslateMessage gives a key's
// character the lParam of its key-down, so the two can be matched.
int KeyScan(LPARAM lparam) {
  return static_cast<int>((static_cast<DWORD_PTR>(lparam) >> 16) & 0x1FF);
}

// The user guide beside the program, when it is there.
void OpenUserGuide(HWND owner, FileSystem& files, const std::string& exe_path) {
  const std::string guide = Concat({ProgramDirOf(exe_path), "\\help_eng.html"});
  if (files.FileExists(guide))
    ShellExecuteA(owner, "open", guide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// Which kind of control has the focus, as the key rules know them.
FocusedControl FocusKindOf(const ControlSet& controls, HWND name_edit, HWND control) {
  auto Control = [&controls](int id) { return controls[id]; };
  if (control == name_edit || control == Control(kId_MkDir)) return FocusedControl::kMkDir;
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

}  // namespace

LRESULT Ttc_KestrixForm::InputHook::OnMessage(HWND control, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  Ttc_KestrixForm& form = form_;
  bool consumed = false;
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    consumed = form.InputKeyDown(control, wparam, lparam);
  } else if (message == WM_CHAR || message == WM_SYSCHAR) {
    // A key the window handled is done with: its character must not reach the field,
    // which would type it over the text (a line break, a backspace, a tab).
    const bool key_consumed = form.ConsumedKey_ == KeyScan(lparam);
    if (key_consumed) form.ConsumedKey_ = -1;
    consumed = message == WM_CHAR ? form.InputChar(control, wparam, key_consumed) : key_consumed;
  } else if (message == WM_GETDLGCODE && (wparam == VK_RETURN || wparam == VK_ESCAPE ||
                                          (wparam == VK_TAB && KeyHeld(VK_CONTROL))))
    // Enter, Escape and Ctrl+Tab are the window's own keys, not dialog navigation.
    return DefaultHandling(control, message, wparam, lparam) | DLGC_WANTALLKEYS;
  else if (message == WM_KILLFOCUS && control == form.Control(kId_memo_suffix))
    form.batch_.CloseSuffixEditor();
  else if (message == WM_LBUTTONDOWN && control == form.Control(kId_option_replacements)) {
    // A press on the box arms the automatic switching with the state the box will have
    // after the click; the keyboard never does.
    form.ReplacementsArmed_ = !form.controls_.Checked(kId_option_replacements);
    form.RerunPreview();
  } else if (message == WM_KEYUP || message == WM_MOUSEWHEEL)
    form.history_.KeyOrWheel(control, message, wparam);
  if (consumed) return 0;
  const HWND outer_report = std::exchange(form.ChangeReported_, nullptr);
  LRESULT result = DefaultHandling(control, message, wparam, lparam);
  const bool reported = std::exchange(form.ChangeReported_, outer_report) == control;
  // The combo box does not report every change of its edit (a text set on the edit
  // itself, a replaced selection): the text is compared after each such message it did
  // not report. The
  // message is handled by now, so a failure here must not hand it on a second time.
  if (!reported && (control == form.mkdir_edit_ || control == form.Control(kId_MkDirExt))) {
    switch (message) {
      case WM_SETTEXT:
      case WM_CHAR:
      case WM_KEYDOWN:
      case WM_PASTE:
      case WM_CUT:
      case WM_CLEAR:
      case WM_UNDO:
      case EM_REPLACESEL:
        Guarded([&] { form.InputMayHaveChanged(control); });
        break;
    }
  }
  return result;
}

bool Ttc_KestrixForm::InputKeyDown(HWND control, WPARAM key, LPARAM lparam) {
  ConsumedKey_ = -1;
  KeyPress press{static_cast<uint16_t>(key), KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT),
                 KeyHeld(VK_MENU)};
  KeyContext context{mode_, FocusKindOf(controls_, mkdir_edit_, control),
                     controls_.Enabled(activation_.flat_buttons ? kId_btn_ok_flat : kId_btn_ok),
                     mode_ == MainMode::kNormal && controls_.Visible(kId_btn_undo)};
  history_.KeyOrWheel(control, WM_KEYDOWN, key);
  KeyDecision decision = DecideKey(press, context);
  if (decision.action == KeyAction::kNone) return false;
  // The paste rule decides whether the key goes on to the field.
  const bool consumed = decision.action == KeyAction::kPaste ? PasteIntoName() : decision.consumed;
  // Set before the action runs: a dialog it opens may handle the queued character in its
  // own message loop.
  if (consumed) ConsumedKey_ = KeyScan(lparam);
  if (decision.action != KeyAction::kPaste) RunKeyAction(decision.action, control);
  return consumed;
}

bool Ttc_KestrixForm::InputChar(HWND control, WPARAM ch, bool key_consumed) {
  const FocusedControl focus = FocusKindOf(controls_, mkdir_edit_, control);
  const CharAction action = DecideChar(static_cast<uint32_t>(ch),
                                       {focus, control == Control(kId_edit_digits), key_consumed});
  switch (action) {
    case CharAction::kPassOn:
      return false;
    case CharAction::kSwallow:
      return true;
    case CharAction::kAddSubdirLine:
      AddSubdirLine(control);
      return true;
    case CharAction::kPickTemplate: {
      const Combo combo(Control(kId_cmbox_Templates));
      std::vector<std::string> entries;
      for (int i = 0; i < combo.Count(); ++i) entries.push_back(combo.Item(i));
      combo.SetSelected(TemplateIndexForKey(entries, static_cast<char>(ch)));
      combo.ShowDropDown(false);
      TemplateListOpen_ = false;
      if (mode_ == MainMode::kNormal) cmbox_TemplatesChange();
      return true;
    }
    case CharAction::kDigitTyped:
      controls_.SetChecked(kId_chck_digitsAuto, false);
      return false;
    case CharAction::kEscape:
      break;
  }
  // Escape: where the focus is and which list is open decide.
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
      controls_.Focus(VisibleInput());
      return true;
    case EscapeAction::kCloseAttribField:
      controls_.SetVisible(kId_edit_Attrib, false);
      controls_.SetEnabled(kId_edit_Attrib, false);
      return true;
    case EscapeAction::kPassOn:
      if (focus == FocusedControl::kMemoSuffix) batch_.CloseSuffixEditor();
      if (focus == FocusedControl::kTemplates) TemplateListOpen_ = false;
      return false;
    case EscapeAction::kCloseWindow:
      PostMessageA(hwnd(), WM_CLOSE, 0, 0);
      return true;
  }
  return false;
}

void Ttc_KestrixForm::RunKeyAction(KeyAction action, HWND control) {
  switch (action) {
    case KeyAction::kOpenTemplates:
      SetFocus(Control(kId_cmbox_Templates));
      Combo(Control(kId_cmbox_Templates)).ShowDropDown(true);
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
      OpenUserGuide(hwnd(), services_.files, services_.exe_path);
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
      SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(kId_btn_addRep, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Control(kId_btn_addRep)));
      break;
    case KeyAction::kPrepareSubdirLine: {
      HWND input = VisibleInput();
      if (input == Control(kId_MkDirExt)) {
        const int lines = static_cast<int>(SendMessageA(input, EM_GETLINECOUNT, 0, 0));
        for (int i = 0; i <= lines; ++i) SendMessageA(input, WM_VSCROLL, SB_LINEDOWN, 0);
        MkDirExtChange();
      }
      controls_.Focus(input);
      controls_.Select(input, {controls_.Text(GetDlgCtrlID(input)).size(), 0});
      break;
    }
    case KeyAction::kQuick1:
    case KeyAction::kQuick2:
    case KeyAction::kQuick3: {
      const int id = action == KeyAction::kQuick1   ? kId_btn_Quick1
                     : action == KeyAction::kQuick2 ? kId_btn_Quick2
                                                    : kId_btn_Quick3;
      if (controls_.Visible(id) && IsWindowEnabled(Control(id)))
        SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(id)));
      break;
    }
    case KeyAction::kTreePreview:
      ShowTreePreview(!tree_preview_.Shown());
      break;
    case KeyAction::kAttributesMenu:
      img_ChangeDirAttribClick();
      break;
    case KeyAction::kOpenAttribLetters:
      image_.OpenLetters();
      break;
    case KeyAction::kLoadFromFile:
      // The menu whenever it offers more than Browse, in every mode: the folder copy and
      // the structures must not hide behind F3.
      btn_loadFromFileClick();
      break;
    case KeyAction::kUndo:
      app_.CurrentRoutine = "btn_undoClick";
      history_.Undo(VisibleInput());
      MkDirChange(Edit(mkdir_edit_).Text());
      break;
    case KeyAction::kCaretToStart:
      controls_.Select(control, {0, 0});
      break;
    case KeyAction::kCaretToEnd:
      controls_.Select(control, {static_cast<size_t>(GetWindowTextLengthA(control)), 0});
      break;
    case KeyAction::kIntelligentSelection:
      RunIntelligentSelection(control);
      break;
    case KeyAction::kSelectAll:
      controls_.Select(control, {0, std::string::npos});
      break;
    case KeyAction::kEditPath:
      OpenPathEditing();
      break;
    case KeyAction::kManageTemplates:
      ManageTemplatesClick();
      break;
    case KeyAction::kConfiguration:
      ShowConfiguration();
      break;
    case KeyAction::kPaste:
    case KeyAction::kSwallow:
    case KeyAction::kNone:
      // The paste rule and the swallowed keys are handled where the key arrives.
      break;
  }
}

void Ttc_KestrixForm::AddSubdirLine(HWND control) {
  const std::string subdir = Text(lng::program::kSubdir);
  SubdirLineResult result;
  if (FocusKindOf(controls_, mkdir_edit_, control) == FocusedControl::kMkDir) {
    ChangeToExt();
    result = AddSubdirLineNormal(SplitLines(ListText()), subdir, SubdirCounter_);
  } else {
    HWND list = Control(kId_MkDirExt);
    DWORD start = 0;
    SendMessageA(list, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const int caret_line = static_cast<int>(SendMessageA(list, EM_LINEFROMCHAR, start, 0));
    result = AddSubdirLineExtended(SplitLines(ListText()), static_cast<size_t>(caret_line), subdir,
                                   SubdirCounter_);
  }
  SetListText(JoinLines(result.lines));
  size_t line_start = 0;
  for (size_t i = 0; i < result.line_index; ++i)
    line_start += result.lines[i].size() + kLineBreak.size();
  HWND list = Control(kId_MkDirExt);
  SetFocus(list);
  controls_.Select(list, {line_start + result.select_start, result.select_length});
  SendMessageA(list, EM_SCROLLCARET, 0, 0);
}

void Ttc_KestrixForm::RunIntelligentSelection(HWND control) {
  const bool path = FocusKindOf(controls_, mkdir_edit_, control) == FocusedControl::kPathField;
  HWND field = path ? control : Control(kId_MkDir);
  if (!path && mode_ != MainMode::kNormal) return;
  SetFocus(field);
  std::string text = Edit(field).Text();
  std::vector<int> stops = WordStops_;
  if (path) stops = BuildPathWordStops(text).value_or(std::vector<int>{});
  std::optional<TextSelection> selection = IntelligentSelection(
      text, controls_.Selection(field), path ? SelectionField::kPath : SelectionField::kName, stops,
      SelectionCursor_);
  if (selection) controls_.Select(field, *selection);
}

// --- Variables popup -----------------------------------------------------------------

void Ttc_KestrixForm::PrepareVariablesMenu() {
  variables_menu_.Build({Lang(), services_.environment, services_.files,
                         ProgramDirOf(services_.exe_path), UserAppIds_, startup_.disable_plugins});
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
    target = mode_ == MainMode::kNormal ? mkdir_edit_ : Control(kId_MkDirExt);
  Edit(target).ReplaceSelection(token);
}

// --- Options menu --------------------------------------------------------------------

void Ttc_KestrixForm::btn_optionsClick() {
  std::vector<MenuItem> items = MenuItems(kOptionsMenu, Lang());
  if (activation_.show_menu_shortcuts)
    for (size_t i = 0; i < items.size(); ++i) items[i].text += kOptionsShortcuts[i];
  const std::string guide = Concat({ProgramDirOf(services_.exe_path), "\\help_eng.html"});
  if (!services_.files.FileExists(guide)) items[2].flags |= MF_GRAYED;
  RECT rect;
  GetWindowRect(Control(kId_btn_options), &rect);
  // The other commands' dialogs are wired in with their modules.
  const UINT command = ShowMenu(hwnd(), items, {rect.left, rect.bottom});
  if (command == kMenu_UserGuide) OpenUserGuide(hwnd(), services_.files, services_.exe_path);
  if (command == kMenu_ManageTemplates) ManageTemplatesClick();
  if (command == kMenu_Configuration) ShowConfiguration();
  if (command == kMenu_About) ShowAbout();
}

void Ttc_KestrixForm::img_ChangeDirAttribClick() {
  app_.CurrentRoutine = "img_ChangeDirAttribClick";
  if (std::optional<std::string> title =
          image_.ShowMenu(hwnd(), Lang(), app_title_, InputModeOf(mode_)))
    SetWindowTextA(hwnd(), title->c_str());
}

// --- Templates -----------------------------------------------------------------------

void Ttc_KestrixForm::FillTemplates() {
  const LanguageTable& language = Lang();
  built_in_templates_ = BuiltInTemplates(language);
  const Combo combo(Control(kId_cmbox_Templates));
  const int selected = combo.Selected();
  std::vector<std::string> entries{NoTemplateCaption(language)};
  for (const BuiltInTemplate& t : built_in_templates_) entries.push_back(t.caption);
  for (const std::string& name : settings_.Keys(kUserTemplatesSection))
    entries.push_back(UserTemplateCaption(name));
  combo.Clear();
  for (const std::string& entry : entries) combo.Add(entry);
  combo.SetSelected(selected >= 0 && selected < combo.Count() ? selected : 0);
}

void Ttc_KestrixForm::cmbox_TemplatesChange() {
  app_.CurrentRoutine = "cmbox_TemplatesChange";
  TemplateListOpen_ = false;
  const Combo combo(Control(kId_cmbox_Templates));
  const int index = combo.Selected();
  if (index < 0) return;
  const std::string entry = combo.Item(index);
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
  if (mode_ == MainMode::kNormal) {
    history_.Remember(controls_.Text(kId_MkDir));
    controls_.SetText(kId_MkDir, text);
    history_.Picked();
    MkDirChange(Edit(mkdir_edit_).Text());
    controls_.Focus(Control(kId_MkDir));
    if (select_length > 0)
      controls_.Select(Control(kId_MkDir), {0, select_length});
    else
      controls_.Select(Control(kId_MkDir), {text.size(), 0});
    return;
  }
  std::vector<std::string> lines = SplitLines(ListText());
  lines.push_back(text);
  SetListText(JoinLines(lines));
  SetFocus(Control(kId_MkDirExt));
}

}  // namespace kestrix
