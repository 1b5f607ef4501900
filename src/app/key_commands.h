#pragma once
// The main window's keyboard: which command a key press means, given where the focus is
// and which mode the window is in. Keys pass three levels in order (application-wide
// shortcuts, the window's preview, the focused control); each level that acts consumes
// the key.
#include <cstdint>
#include <functional>

namespace kestrix {

// Virtual-key codes the table uses, spelled out so portable code needs no <windows.h>.
enum KeyCode : uint16_t {
  kKeyBack = 0x08,
  kKeyTab = 0x09,
  kKeyReturn = 0x0D,
  kKeyEscape = 0x1B,
  kKeyPrior = 0x21,  // PageUp
  kKeyNext = 0x22,   // PageDown
  kKeyLeft = 0x25,
  kKeyUp = 0x26,
  kKeyRight = 0x27,
  kKeyDown = 0x28,
  kKeyDelete = 0x2E,
  kKeyF1 = 0x70,
  kKeyF3 = 0x72,
  kKeyF5 = 0x74,
  kKeyF6 = 0x75,
  kKeyF7 = 0x76,
  kKeyF8 = 0x77,
  kKeyF9 = 0x78,
  kKeyBackslash = 220,  // VK_OEM_5 on US keyboards
  kKeyOem102 = 226,     // the extra key of 102-key keyboards
};

struct KeyPress {
  uint16_t key = 0;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

enum class MainMode { kNormal, kExtended, kBatch };

// The control that has the keyboard focus, as far as the keys care.
enum class FocusedControl {
  kOther,
  kMkDir,
  kMkDirExt,
  kTemplates,  // cmbox_Templates
  kButton,     // btn_ok, btn_cancel, btn_options
  kPrefixSuffix,
  kPathField,  // edit_curdirname
  kMemoSuffix,
  kAttribField,  // edit_Attrib
};

enum class KeyAction {
  kNone,
  // Application-wide shortcuts.
  kOpenTemplates,      // Ctrl+T
  kOkClick,            // Ctrl+Enter in an input; Enter in MkDir
  kPaste,              // Ctrl+V in MkDir (the paste rule decides whether it consumes)
  kOpenAttribLetters,  // Ctrl+Shift+Q
  kHostBack,           // Alt+Left: host command 4001, then refresh
  kHostForward,        // Alt+Right: 4002
  kHostParent,         // Ctrl+PageUp: 2002
  kHostChild,          // Ctrl+PageDown: 2003
  kHostRoot,           // Ctrl+\: 2001
  // Window keys.
  kUserGuide,
  kChangeToExt,
  kChangeToNormal,
  kBatchDirClick,
  kRefresh,
  kManageTemplates,
  kConfiguration,
  kVariablesMenu,
  kLoadFromFile,
  kEditPath,
  kPrepareSubdirLine,  // Ctrl+D: caret to the end of the visible input
  kAttributesMenu,
  kUndo,
  kUndoRun,  // Ctrl+U: the last creation taken back
  kQuick1,
  kQuick2,
  kQuick3,
  kTreePreview,  // F9: show or hide the tree preview
  // Control keys.
  kCaretToStart,
  kCaretToEnd,
  kIntelligentSelection,  // on MkDir (or the path field when it has the focus)
  kSwallow,               // consumed without effect (Ctrl+Tab in the list)
  kSelectAll,
};

struct KeyDecision {
  KeyAction action = KeyAction::kNone;
  // Whether the key goes no further. Host navigation passes the key on after acting.
  bool consumed = false;
};

struct KeyContext {
  MainMode mode = MainMode::kNormal;
  FocusedControl focus = FocusedControl::kOther;
  bool ok_enabled = false;  // btn_ok (or btn_ok_flat) can be clicked
  bool undo_shown = false;  // MkDir and btn_undo are both visible
};

// Level 1: the application-wide shortcuts, only while the main window is active.
KeyDecision ShortcutKey(const KeyPress& press, const KeyContext& context);
// Level 2: the window's preview. Function keys act whatever modifiers are held; letters and
// digits only with Ctrl alone.
KeyDecision WindowKey(const KeyPress& press, const KeyContext& context);
// Level 3: the focused control's own keys.
KeyDecision ControlKey(const KeyPress& press, const KeyContext& context);
// The three levels in order: the first that acts decides. A level that acts without
// consuming (host navigation) still ends the search here.
KeyDecision DecideKey(const KeyPress& press, const KeyContext& context);

// Escape as a character (the window's character handler), first matching case.
enum class EscapeAction {
  kEndPathEditing,
  kCloseAttribField,
  kPassOn,  // a drop-down list is open, the suffix editor or a template list has it
  kCloseWindow,
};
struct EscapeContext {
  FocusedControl focus = FocusedControl::kOther;
  bool dropdown_open = false;  // MkDir, cmbx_prefix, cmbx_suffix or cmbox_Templates
  bool template_list_open = false;
};
EscapeAction DecideEscape(const EscapeContext& context);

// A typed character (the window's character handler), first matching case. The key-down
// rules above have acted on its key already.
enum class CharAction {
  kPassOn,         // the control takes it
  kSwallow,        // its key acted on key down, or a control character the field has no use for
  kAddSubdirLine,  // Ctrl+D in MkDir or MkDirExt
  kPickTemplate,   // typed into the closed template list: picks the entry it starts
  kDigitTyped,     // a digit in the batch digits field ends its automatic count; passed on
  kEscape,         // DecideEscape decides
};
struct CharContext {
  FocusedControl focus = FocusedControl::kOther;
  bool digits_field = false;  // edit_digits has the focus
  // The character's key went down in the same control and a key rule consumed it there
  // (TranslateMessage posts the character whatever the key-down handler did).
  bool key_consumed = false;
};
CharAction DecideChar(uint32_t ch, const CharContext& context);

// The configuration dialog's fields: what a key does before the field sees it.
enum class ConfigField {
  kOther,
  kAffix,      // the item prefix and suffix lists
  kSelectAll,  // the other fields where Ctrl+A selects all: custom name, transparency,
               // replacement character
};
enum class ConfigKeyAction {
  kPassOn,
  kDeleteListItem,  // Delete in an open affix list: removes the highlighted item
  kAddAffix,        // Ctrl+Enter in an affix field: the text joins the list
  kInsertVariable,  // Ctrl+H on the General page: the variables menu
  kSelectAll,       // Ctrl+A
  kSwallow,         // the character of a key that acted (Backspace, Ctrl+A, a line feed)
};
struct ConfigKeyContext {
  ConfigField field = ConfigField::kOther;
  bool general_page = false;
  // Whether the field's list is open with an item highlighted. Asked only for Delete:
  // the question costs the window messages, and typing needs no answer.
  std::function<bool()> list_item_open = nullptr;
};
// A key down (`press`) or, with `character` set, a typed character (press.key is then
// its code and press.ctrl whether Ctrl is held).
ConfigKeyAction DecideConfigKey(const KeyPress& press, bool character,
                                const ConfigKeyContext& context);

}  // namespace kestrix
