// Input routing: the one hook on the main window's controls, the key rules it applies and
// the field actions it runs itself.
#include "ui/main/main_form_input.h"

#include <utility>

#include "app/launch_decision.h"
#include "app/subdir_lines.h"
#include "base/text_utils.h"
#include "create/name_list_loading.h"
#include "names/text_modifiers.h"
#include "platform/win32/char_case_win32.h"
#include "ui/main/name_list_sources_win32.h"
#include "ui/messages.h"
#include "window/clipboard.h"
// After the Windows headers they need.
#include <commctrl.h>

namespace kestrix {

namespace {

bool KeyHeld(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

// The scan code and extended-key bit of a key message. TranslateMessage gives a key's
// character the lParam of its key-down, so the two can be matched.
int KeyScan(LPARAM lparam) {
  return static_cast<int>((static_cast<DWORD_PTR>(lparam) >> 16) & 0x1FF);
}

// Which kind of control has the focus, as the key rules know them.
FocusedControl FocusKindOf(const ControlSet& controls, HWND name_edit, HWND control) {
  auto Control = [&controls](ControlId id) { return controls[id]; };
  if (control == name_edit || control == Control(MainControl::kNameField))
    return FocusedControl::kMkDir;
  if (control == Control(MainControl::kListField)) return FocusedControl::kMkDirExt;
  if (control == Control(MainControl::kTemplateBox)) return FocusedControl::kTemplates;
  if (control == Control(MainControl::kOkButton) ||
      control == Control(MainControl::kCancelButton) ||
      control == Control(MainControl::kOptionsButton))
    return FocusedControl::kButton;
  if (GetParent(control) == Control(MainControl::kPrefixBox) ||
      GetParent(control) == Control(MainControl::kSuffixBox))
    return FocusedControl::kPrefixSuffix;
  if (control == Control(MainControl::kPathField)) return FocusedControl::kPathField;
  if (control == Control(MainControl::kSuffixMemo)) return FocusedControl::kMemoSuffix;
  if (control == Control(MainControl::kAttributeField)) return FocusedControl::kAttribField;
  return FocusedControl::kOther;
}

}  // namespace

InputRouting::InputRouting(Wiring wiring)
    : w_(std::move(wiring)),
      hook_(kMainWindowClass, [this](HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
        return OnMessage(control, message, wparam, lparam);
      }) {}

std::optional<LRESULT> InputRouting::OnMessage(HWND control, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
  bool consumed = false;
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    consumed = InputKeyDown(control, wparam, lparam);
  } else if (message == WM_CHAR || message == WM_SYSCHAR) {
    // A key the window handled is done with: its character must not reach the field,
    // which would type it over the text (a line break, a backspace, a tab).
    const bool key_consumed = consumed_key_ == KeyScan(lparam);
    if (key_consumed) consumed_key_ = -1;
    consumed = message == WM_CHAR ? InputChar(control, wparam, key_consumed) : key_consumed;
  } else if (message == WM_GETDLGCODE && (wparam == VK_RETURN || wparam == VK_ESCAPE ||
                                          (wparam == VK_TAB && KeyHeld(VK_CONTROL))))
    // Enter, Escape and Ctrl+Tab are the window's own keys, not dialog navigation.
    return hook_.PassOn(control, message, wparam, lparam) | DLGC_WANTALLKEYS;
  else if (message == WM_KILLFOCUS && control == w_.controls[MainControl::kSuffixMemo])
    w_.batch.CloseSuffixEditor();
  else if (message == WM_LBUTTONDOWN && control == w_.controls[MainControl::kReplacementsCheck]) {
    // A press on the box arms the automatic switching with the state the box will have
    // after the click; the keyboard never does.
    w_.preview.Arm(!w_.controls.Checked(MainControl::kReplacementsCheck));
    w_.preview.Rerun();
  } else if (message == WM_KEYUP || message == WM_MOUSEWHEEL)
    w_.history.KeyOrWheel(control, message, wparam);
  if (consumed) return 0;
  const HWND outer_report = std::exchange(change_reported_, nullptr);
  LRESULT result = hook_.PassOn(control, message, wparam, lparam);
  const bool reported = std::exchange(change_reported_, outer_report) == control;
  // The combo box does not report every change of its edit (a text set on the edit
  // itself, a replaced selection): the text is compared after each such message it did
  // not report. The message is handled by now, so a failure here must not hand it on a
  // second time.
  if (!reported && (control == NameEdit() || control == w_.controls[MainControl::kListField])) {
    switch (message) {
      case WM_SETTEXT:
      case WM_CHAR:
      case WM_KEYDOWN:
      case WM_PASTE:
      case WM_CUT:
      case WM_CLEAR:
      case WM_UNDO:
      case EM_REPLACESEL:
        hook_.Guarded([&] { w_.preview.InputMayHaveChanged(control); });
        break;
    }
  }
  return result;
}

bool InputRouting::OnCommand(ControlId id, int code) {
  switch (static_cast<MainControl>(id)) {
    case MainControl::kNameField:
      if (code == CBN_EDITCHANGE) {
        change_reported_ = NameEdit();
        w_.preview.InputMayHaveChanged(NameEdit());
      }
      if (code == CBN_SELCHANGE)
        PostMessageW(form_, kMsg_ChoiceDone, ControlId(MainControl::kNameField).command(), 0);
      if (code == CBN_DROPDOWN) {
        w_.routine = "LoadMkDirHistory";
        w_.history.Load();
      }
      if (code == CBN_DROPDOWN || code == CBN_CLOSEUP) {
        w_.controls.Focus(w_.controls[MainControl::kNameField]);
        w_.controls.CaretToEnd(w_.controls[MainControl::kNameField]);
      }
      return true;
    case MainControl::kListField:
      if (code == EN_CHANGE) {
        change_reported_ = w_.controls[MainControl::kListField];
        w_.preview.InputMayHaveChanged(w_.controls[MainControl::kListField]);
      }
      return true;
    case MainControl::kUndoButton:
      if (code == BN_CLICKED) RunFieldAction(KeyAction::kUndo, nullptr);
      return true;
    case MainControl::kQuick1Button:
      ProcessTextModifier("FNC_SpaceToDot");
      return true;
    case MainControl::kQuick2Button:
      ProcessTextModifier("FNC_DotToSpace");
      return true;
    case MainControl::kQuick3Button:
      ProcessTextModifier("FNC_InvertCase");
      return true;
    case MainControl::kCloseCheck:
    case MainControl::kEnterCheck:
    case MainControl::kReplacementsCheck:
      // OptionToggled: the focus goes back to the input, unless batch mode owns the box.
      if (code == BN_CLICKED &&
          !(id == MainControl::kReplacementsCheck && w_.mode == MainMode::kBatch))
        w_.controls.Focus(w_.visible_input());
      return true;
    default:
      break;
  }
  return false;
}

std::optional<TextSelection> InputRouting::TakeSavedSelection() {
  if (saved_selection_.start == 0 && saved_selection_.length == 0) return std::nullopt;
  return std::exchange(saved_selection_, {});
}

bool InputRouting::InputKeyDown(HWND control, WPARAM key, LPARAM lparam) {
  consumed_key_ = -1;
  const MainMode mode = w_.mode;
  KeyPress press{static_cast<uint16_t>(key), KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT),
                 KeyHeld(VK_MENU)};
  KeyContext context{
      mode, FocusKindOf(w_.controls, NameEdit(), control),
      w_.controls.Enabled(w_.settings.Activation().flat_buttons ? MainControl::kOkFlatButton
                                                                : MainControl::kOkButton),
      mode == MainMode::kNormal && w_.controls.Visible(MainControl::kUndoButton)};
  w_.history.KeyOrWheel(control, WM_KEYDOWN, key);
  KeyDecision decision = DecideKey(press, context);
  if (decision.action == KeyAction::kNone) return false;
  // The paste rule decides whether the key goes on to the field.
  const bool consumed = decision.action == KeyAction::kPaste ? PasteIntoName() : decision.consumed;
  // Set before the action runs: a dialog it opens may handle the queued character in its
  // own message loop.
  if (consumed) consumed_key_ = KeyScan(lparam);
  if (decision.action != KeyAction::kPaste && !RunFieldAction(decision.action, control))
    w_.run_action(decision.action);
  return consumed;
}

bool InputRouting::InputChar(HWND control, WPARAM ch, bool key_consumed) {
  const FocusedControl focus = FocusKindOf(w_.controls, NameEdit(), control);
  const CharAction action =
      DecideChar(static_cast<uint32_t>(ch),
                 {focus, control == w_.controls[MainControl::kDigitsField], key_consumed});
  switch (action) {
    case CharAction::kPassOn:
      return false;
    case CharAction::kSwallow:
      return true;
    case CharAction::kAddSubdirLine:
      AddSubdirLine(control);
      return true;
    case CharAction::kPickTemplate:
      w_.templates.PickByKey(static_cast<char32_t>(ch));
      return true;
    case CharAction::kDigitTyped:
      w_.controls.SetChecked(MainControl::kDigitsAutoCheck, false);
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
      focus != FocusedControl::kMkDirExt && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
  context.template_list_open = w_.templates.ListOpen();
  switch (DecideEscape(context)) {
    case EscapeAction::kEndPathEditing:
      w_.end_path_editing();
      w_.controls.Focus(w_.visible_input());
      return true;
    case EscapeAction::kCloseAttribField:
      w_.controls.SetVisible(MainControl::kAttributeField, false);
      w_.controls.SetEnabled(MainControl::kAttributeField, false);
      return true;
    case EscapeAction::kPassOn:
      if (focus == FocusedControl::kMemoSuffix) w_.batch.CloseSuffixEditor();
      if (focus == FocusedControl::kTemplates) w_.templates.ListClosed();
      return false;
    case EscapeAction::kCloseWindow:
      PostMessageW(form_, WM_CLOSE, 0, 0);
      return true;
  }
  return false;
}

// The actions on the fields themselves; false for the window's own.
bool InputRouting::RunFieldAction(KeyAction action, HWND control) {
  switch (action) {
    case KeyAction::kOpenTemplates:
      w_.templates.Open();
      return true;
    case KeyAction::kVariablesMenu:
      ClickIfShown(MainControl::kVariablesButton);
      return true;
    case KeyAction::kPrepareSubdirLine: {
      HWND input = w_.visible_input();
      if (input == w_.controls[MainControl::kListField]) {
        const int lines = Edit(input).LineCount();
        for (int i = 0; i <= lines; ++i) SendMessageW(input, WM_VSCROLL, SB_LINEDOWN, 0);
        w_.preview.ListChanged();
      }
      w_.controls.Focus(input);
      w_.controls.Select(input, {w_.controls.Text(GetDlgCtrlID(input)).size(), 0});
      return true;
    }
    case KeyAction::kQuick1:
      ClickIfShown(MainControl::kQuick1Button);
      return true;
    case KeyAction::kQuick2:
      ClickIfShown(MainControl::kQuick2Button);
      return true;
    case KeyAction::kQuick3:
      ClickIfShown(MainControl::kQuick3Button);
      return true;
    case KeyAction::kUndo:
      w_.routine = "btn_undoClick";
      w_.history.Undo(w_.visible_input());
      w_.preview.NameEdited();
      return true;
    case KeyAction::kCaretToStart:
      w_.controls.Select(control, {0, 0});
      return true;
    case KeyAction::kCaretToEnd:
      w_.controls.Select(control, {Edit(control).TextLength(), 0});
      return true;
    case KeyAction::kIntelligentSelection:
      RunIntelligentSelection(control);
      return true;
    case KeyAction::kSelectAll:
      w_.controls.Select(control, {0, std::string::npos});
      return true;
    case KeyAction::kPaste:
    case KeyAction::kSwallow:
    case KeyAction::kNone:
      // The paste rule and the swallowed keys are handled where the key arrives.
      return true;
    default:
      return false;
  }
}

// A button the key stands for, clicked as the mouse would, when it can be.
void InputRouting::ClickIfShown(ControlId id) {
  HWND button = w_.controls[id];
  if (id != MainControl::kVariablesButton && !(w_.controls.Visible(id) && IsWindowEnabled(button)))
    return;
  SendMessageW(form_, WM_COMMAND, MAKEWPARAM(id.value(), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

void InputRouting::AddSubdirLine(HWND control) {
  const std::string subdir = w_.text(lng::program::kSubdir);
  SubdirLineResult result;
  if (FocusKindOf(w_.controls, NameEdit(), control) == FocusedControl::kMkDir) {
    w_.change_to_ext();
    result = AddSubdirLineNormal(SplitLines(w_.preview.ListText()), subdir, subdir_counter_);
  } else {
    HWND list = w_.controls[MainControl::kListField];
    const Edit field(list);
    const int caret_line = field.LineOf(field.Selection().first);
    result = AddSubdirLineExtended(SplitLines(w_.preview.ListText()),
                                   static_cast<size_t>(caret_line), subdir, subdir_counter_);
  }
  w_.preview.SetListText(JoinLines(result.lines));
  size_t line_start = 0;
  for (size_t i = 0; i < result.line_index; ++i)
    line_start += result.lines[i].size() + kLineBreak.size();
  HWND list = w_.controls[MainControl::kListField];
  SetFocus(list);
  w_.controls.Select(list, {line_start + result.select_start, result.select_length});
  Edit(list).ScrollCaret();
}

void InputRouting::RunIntelligentSelection(HWND control) {
  const bool path = FocusKindOf(w_.controls, NameEdit(), control) == FocusedControl::kPathField;
  HWND field = path ? control : w_.controls[MainControl::kNameField];
  if (!path && w_.mode != MainMode::kNormal) return;
  SetFocus(field);
  std::string text = Edit(field).Text();
  std::vector<int> stops = w_.preview.WordStops();
  if (path) stops = BuildPathWordStops(text).value_or(std::vector<int>{});
  std::optional<TextSelection> selection = IntelligentSelection(
      text, w_.controls.Selection(field), path ? SelectionField::kPath : SelectionField::kName,
      stops, selection_cursor_);
  if (selection) w_.controls.Select(field, *selection);
}

bool InputRouting::PasteIntoName() {
  w_.routine = "PasteIntoName";
  std::optional<std::string> clipboard = ReadClipboardText(form_);
  if (!clipboard) return false;
  HWND name = w_.controls[MainControl::kNameField];
  const TextSelection selection = w_.controls.Selection(name);
  PastePlan plan = PlanNameFieldPaste(*clipboard, w_.controls.Text(MainControl::kNameField),
                                      selection.start, selection.length);
  if (!plan.consumed) return false;
  if (plan.clear_saved_selection) ClearSavedSelection();
  if (plan.extended) {
    w_.change_to_ext();
    w_.preview.SetListText(plan.list_text);
    HWND list = w_.controls[MainControl::kListField];
    SetFocus(list);
    w_.controls.CaretToEnd(list);
    Edit(list).ScrollCaret();
    w_.preview.ListChanged();
    return true;
  }
  w_.controls.SetText(MainControl::kNameField, plan.name_text);
  w_.preview.SetListText(plan.list_text);
  w_.controls.Select(name, {plan.selection_start, plan.selection_length});
  w_.preview.NameEdited();
  return true;
}

void InputRouting::ProcessTextModifier(const char* function_name) {
  HWND field = w_.visible_input();
  const std::string text = Edit(field).Text();
  Win32CharCase char_case;
  ModifiedText modified = ::kestrix::ProcessTextModifier(
      function_name, text, w_.controls.Selection(field), InputModeOf(w_.mode),
      w_.settings.Startup().intelli_modifiers, char_case);
  Control(field).SetText(modified.text);
  SetFocus(field);
  w_.controls.Select(field, modified.selection);
  w_.preview.Rerun();
}

void InputRouting::InsertVariable(const std::string& token) {
  HWND focus = GetFocus();
  HWND target = nullptr;
  if (focus == NameEdit() || focus == w_.controls[MainControl::kListField])
    target = focus;
  else if (GetParent(focus) == w_.controls[MainControl::kPrefixBox] ||
           GetParent(focus) == w_.controls[MainControl::kSuffixBox])
    target = focus;
  else
    target = w_.mode == MainMode::kNormal ? NameEdit() : w_.controls[MainControl::kListField];
  Edit(target).ReplaceSelection(token);
}

}  // namespace kestrix
