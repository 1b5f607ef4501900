#include "app/key_commands.h"

namespace kestrix {

namespace {

bool CtrlAlone(const KeyPress& press) {
  return press.ctrl && !press.shift && !press.alt;
}

bool InInput(FocusedControl focus) {
  return focus == FocusedControl::kMkDir || focus == FocusedControl::kMkDirExt;
}

KeyDecision Consumed(KeyAction action) {
  return {action, true};
}

}  // namespace

KeyDecision ShortcutKey(const KeyPress& press, const KeyContext& context) {
  const bool ctrl_only = CtrlAlone(press);
  const bool alt_only = press.alt && !press.ctrl && !press.shift;
  if (ctrl_only && press.key == 'T') return Consumed(KeyAction::kOpenTemplates);
  if (ctrl_only && press.key == kKeyReturn && InInput(context.focus) && context.ok_enabled)
    return Consumed(KeyAction::kOkClick);
  if (ctrl_only && press.key == 'V' && context.focus == FocusedControl::kMkDir)
    return {KeyAction::kPaste, false};
  if (press.ctrl && press.shift && !press.alt && press.key == 'Q')
    return Consumed(KeyAction::kOpenAttribLetters);
  if (alt_only && press.key == kKeyLeft) return {KeyAction::kHostBack, false};
  if (alt_only && press.key == kKeyRight) return {KeyAction::kHostForward, false};
  if (ctrl_only && press.key == kKeyPrior) return {KeyAction::kHostParent, false};
  if (ctrl_only && press.key == kKeyNext) return {KeyAction::kHostChild, false};
  if (ctrl_only && (press.key == kKeyBackslash || press.key == kKeyOem102))
    return {KeyAction::kHostRoot, false};
  return {};
}

KeyDecision WindowKey(const KeyPress& press, const KeyContext& context) {
  switch (press.key) {
    case kKeyF1:
      return Consumed(KeyAction::kUserGuide);
    case kKeyF3:
      switch (context.mode) {
        case MainMode::kNormal:
          return Consumed(KeyAction::kChangeToExt);
        case MainMode::kExtended:
          return Consumed(KeyAction::kBatchDirClick);
        case MainMode::kBatch:
          return Consumed(KeyAction::kChangeToNormal);
      }
      break;
    case kKeyF5:
      return Consumed(KeyAction::kRefresh);
    case kKeyF6:
      return Consumed(KeyAction::kChangeToNormal);
    case kKeyF7:
      return Consumed(context.mode == MainMode::kBatch ? KeyAction::kBatchDirClick
                                                       : KeyAction::kChangeToExt);
    case kKeyF8:
      return Consumed(KeyAction::kBatchDirClick);
    case kKeyF9:
      return Consumed(KeyAction::kTreePreview);
  }
  if (!CtrlAlone(press)) return {};
  switch (press.key) {
    case 'R':
      return Consumed(KeyAction::kRefresh);
    case 'M':
      return Consumed(KeyAction::kManageTemplates);
    case 'P':
      return Consumed(KeyAction::kConfiguration);
    case 'H':
      return Consumed(KeyAction::kVariablesMenu);
    case 'O':
      return Consumed(KeyAction::kLoadFromFile);
    case 'E':
      return Consumed(KeyAction::kEditPath);
    case 'D':
      return Consumed(KeyAction::kPrepareSubdirLine);
    case 'Q':
      return Consumed(KeyAction::kAttributesMenu);
    case 'U':
      return Consumed(KeyAction::kUndoRun);
    case 'Z':
      // Otherwise the field's own undo takes the key.
      if (context.undo_shown) return Consumed(KeyAction::kUndo);
      break;
    case '1':
      return Consumed(KeyAction::kQuick1);
    case '2':
      return Consumed(KeyAction::kQuick2);
    case '3':
      return Consumed(KeyAction::kQuick3);
  }
  return {};
}

KeyDecision ControlKey(const KeyPress& press, const KeyContext& context) {
  const bool plain = !press.ctrl && !press.shift && !press.alt;
  const bool ctrl_only = CtrlAlone(press);
  switch (context.focus) {
    case FocusedControl::kMkDir:
      if (!press.ctrl && press.key == kKeyPrior) return Consumed(KeyAction::kCaretToStart);
      if (!press.ctrl && press.key == kKeyNext) return Consumed(KeyAction::kCaretToEnd);
      // An Enter with OK disabled is swallowed too: the name field has no use for it.
      // Shift and Alt go along: the run reads them to enter the directory or stay open.
      if (!press.ctrl && press.key == kKeyReturn)
        return Consumed(context.ok_enabled ? KeyAction::kOkClick : KeyAction::kSwallow);
      if (ctrl_only && press.key == kKeyTab) return Consumed(KeyAction::kIntelligentSelection);
      if (ctrl_only && press.key == 'A') return Consumed(KeyAction::kSelectAll);
      break;
    case FocusedControl::kMkDirExt:
      if (ctrl_only && press.key == kKeyTab) return Consumed(KeyAction::kSwallow);
      if (ctrl_only && press.key == 'A') return Consumed(KeyAction::kSelectAll);
      break;
    case FocusedControl::kButton:
    case FocusedControl::kTemplates:
      if (ctrl_only && press.key == kKeyTab) return Consumed(KeyAction::kIntelligentSelection);
      break;
    case FocusedControl::kPrefixSuffix:
      if (!press.ctrl && press.key == kKeyPrior) return Consumed(KeyAction::kCaretToStart);
      if (!press.ctrl && press.key == kKeyNext) return Consumed(KeyAction::kCaretToEnd);
      break;
    case FocusedControl::kPathField:
      if (plain && press.key == kKeyReturn) return Consumed(KeyAction::kOkClick);
      if (ctrl_only && press.key == 'A') return Consumed(KeyAction::kSelectAll);
      if (ctrl_only && press.key == kKeyTab) return Consumed(KeyAction::kIntelligentSelection);
      break;
    case FocusedControl::kMemoSuffix:
      if (ctrl_only && press.key == 'A') return Consumed(KeyAction::kSelectAll);
      break;
    case FocusedControl::kAttribField:
    case FocusedControl::kOther:
      break;
  }
  return {};
}

KeyDecision DecideKey(const KeyPress& press, const KeyContext& context) {
  KeyDecision decision = ShortcutKey(press, context);
  if (decision.action != KeyAction::kNone) return decision;
  decision = WindowKey(press, context);
  if (decision.action != KeyAction::kNone) return decision;
  return ControlKey(press, context);
}

EscapeAction DecideEscape(const EscapeContext& context) {
  if (context.focus == FocusedControl::kPathField) return EscapeAction::kEndPathEditing;
  if (context.focus == FocusedControl::kAttribField) return EscapeAction::kCloseAttribField;
  if (context.dropdown_open) return EscapeAction::kPassOn;
  if (context.focus == FocusedControl::kMemoSuffix) return EscapeAction::kPassOn;
  if (context.template_list_open) return EscapeAction::kPassOn;
  return EscapeAction::kCloseWindow;
}

CharAction DecideChar(uint32_t ch, const CharContext& context) {
  const FocusedControl focus = context.focus;
  const bool input = focus == FocusedControl::kMkDir || focus == FocusedControl::kMkDirExt;
  // Ctrl+D's character finishes what its key down began.
  if (ch == 4 && input) return CharAction::kAddSubdirLine;
  // A field would act on it a second time: a line break over the selection after Ctrl+M,
  // a backspace after Ctrl+H, a second paste after Ctrl+V.
  if (context.key_consumed) return CharAction::kSwallow;
  if (ch == 1 && focus != FocusedControl::kOther) return CharAction::kSwallow;
  if (ch == '\r' || ch == '\n') {
    // Only the lists take line breaks.
    return focus == FocusedControl::kMkDirExt || focus == FocusedControl::kMemoSuffix
               ? CharAction::kPassOn
               : CharAction::kSwallow;
  }
  if (focus == FocusedControl::kTemplates && ch >= ' ') return CharAction::kPickTemplate;
  if (context.digits_field && ch >= '0' && ch <= '9') return CharAction::kDigitTyped;
  if (ch == kKeyEscape) return CharAction::kEscape;
  return CharAction::kPassOn;
}

ConfigKeyAction DecideConfigKey(const KeyPress& press, bool character,
                                const ConfigKeyContext& context) {
  if (character) {
    const bool acted = press.key == kKeyBack || press.key == 0x01 || press.key == 0x0A;
    return acted && press.ctrl ? ConfigKeyAction::kSwallow : ConfigKeyAction::kPassOn;
  }
  const bool affix = context.field == ConfigField::kAffix;
  if (press.key == kKeyDelete && affix && context.list_item_open && context.list_item_open())
    return ConfigKeyAction::kDeleteListItem;
  if (!CtrlAlone(press)) return ConfigKeyAction::kPassOn;
  // A combo box's edit may take Enter itself instead of leaving it to the dialog.
  if (press.key == kKeyReturn && affix) return ConfigKeyAction::kAddAffix;
  if (press.key == 'H' && context.general_page) return ConfigKeyAction::kInsertVariable;
  if (press.key == 'A' && context.field != ConfigField::kOther) return ConfigKeyAction::kSelectAll;
  return ConfigKeyAction::kPassOn;
}

}  // namespace kestrix
