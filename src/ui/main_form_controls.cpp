// The main window's controls: one table of classes, styles and places written at 96 DPI,
// the captions from the language table, and the vertical stacking of the modes.

#include <cstring>

#include "ui/main_form.h"
// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {

namespace {

// What a control's vertical place follows when the layout is recomputed.
enum class Anchor {
  kFixed,
  kInput,    // MkDir, MkDirExt
  kQuick,    // the quick buttons
  kButtons,  // the OK row
  kAdditional,
  kBatch,
};

struct ControlSpec {
  int id;
  const char* class_name;
  const char* text;
  DWORD style;
  DWORD ex_style;
  Anchor anchor;
  int x, y, width, height;  // 96 DPI; y relative to the anchor
  int parent = 0;           // a control id, 0 for the window
};

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD kShown = kChild | WS_VISIBLE;
constexpr DWORD kTab = WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | kTab;
constexpr DWORD kNumberEdit = ES_AUTOHSCROLL | kTab;
constexpr DWORD kUpDown = UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_SETBUDDYINT;
constexpr DWORD kAffixCombo = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | kTab;

// The client area is 337 pixels wide at 96 DPI; MkDirExt is parked just outside it.
constexpr int kClientWidth = 337;
constexpr int kParkedX = 336;
constexpr int kInputTop = 44;
constexpr int kNameHeight = 23;
constexpr int kListHeight = 112;
constexpr int kOkHeight = 25;
constexpr int kBatchHeight = 104;
constexpr int kTemplatesBottom = 96;  // inside grp_additional
// The window's frame below the options group, at 96 DPI: the 33 pixels of a Vista
// window's frame and caption less the 25 of them that lie outside the client area.
constexpr int kClientBottomMargin = 8;

const ControlSpec kControls[] = {
    {kId_lbl_s_newfolder, "STATIC", "New folder (directory)",
     kShown | SS_NOTIFY | SS_LEFTNOWORDWRAP, 0, Anchor::kFixed, 8, 8, 126, 15},
    {kId_img_ChangeDirAttrib, "STATIC", "[attr]", kShown | SS_NOTIFY | SS_CENTER, 0, Anchor::kFixed,
     136, 8, 34, 15},
    {kId_lbl_s_refresh, "STATIC", "(refresh)", kChild | SS_NOTIFY, 0, Anchor::kFixed, 136, 8, 50,
     15},
    {kId_edit_Attrib, "EDIT", "", kChild | ES_LOWERCASE | WS_DISABLED, 0, Anchor::kFixed, 164, 7,
     36, 17},
    {kId_btn_loadFromFile, FlatButton::kClassName, "Load", kChild, 0, Anchor::kFixed, 190, 4, 44,
     21},
    {kId_btn_addRep, FlatButton::kClassName, "+", kShown, 0, Anchor::kFixed, 237, 4, 24, 21},
    {kId_btn_extended, FlatButton::kClassName, "Extended", kShown, 0, Anchor::kFixed, 264, 4, 65,
     21},
    {kId_lbl_currentPath, "STATIC", "", kShown | SS_NOTIFY | SS_NOPREFIX, 0, Anchor::kFixed, 8, 27,
     200, 15},
    {kId_lbl_newdirname, "STATIC", "", kShown | SS_NOTIFY | SS_NOPREFIX | SS_ENDELLIPSIS, 0,
     Anchor::kFixed, 208, 27, 121, 15},
    {kId_lbl_s_more, "STATIC", "<more>", kChild | SS_NOTIFY | SS_CENTER, 0, Anchor::kFixed, 259, 27,
     70, 15},
    {kId_edit_curdirname, "EDIT", "", kChild | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, Anchor::kFixed, 8,
     25, 321, 19},
    {kId_MkDir, "COMBOBOX", "", kShown | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | kTab, 0,
     Anchor::kInput, 8, 0, 321, 220},
    {kId_MkDirExt, "EDIT", "",
     kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL |
         WS_HSCROLL | kTab,
     WS_EX_CLIENTEDGE, Anchor::kInput, kParkedX, 0, 321, kListHeight},
    {kId_btn_undo, FlatButton::kClassName, "<", kChild, 0, Anchor::kInput, 306, 0, 23, 23},
    {kId_btn_Quick1, FlatButton::kClassName, "a.b", kShown, 0, Anchor::kQuick, 9, 2, 30, 23},
    {kId_btn_Quick2, FlatButton::kClassName, "a b", kShown, 0, Anchor::kQuick, 41, 2, 30, 23},
    {kId_btn_Quick3, FlatButton::kClassName, "Aa", kShown, 0, Anchor::kQuick, 73, 2, 30, 23},
    {kId_btn_treePreview, FlatButton::kClassName, "Tree", kShown, 0, Anchor::kQuick, 110, 2, 49,
     23},
    // btn_Quick4 (the user function) stays hidden and disabled for good: it is not made.
    {kId_btn_BatchDir, FlatButton::kClassName, "1..n", kShown | kTab, 0, Anchor::kButtons, 164, 0,
     32, kOkHeight},
    {kId_btn_ok, "BUTTON", "OK", kShown | BS_DEFPUSHBUTTON | kTab, 0, Anchor::kButtons, 200, 0, 63,
     kOkHeight},
    {kId_btn_cancel, "BUTTON", "Cancel", kShown | BS_PUSHBUTTON | kTab, 0, Anchor::kButtons, 266, 0,
     63, kOkHeight},
    {kId_btn_ok_flat, FlatButton::kClassName, "OK", kChild | kTab, 0, Anchor::kButtons, 200, 0, 63,
     kOkHeight},
    {kId_btn_cancel_flat, FlatButton::kClassName, "Cancel", kChild | kTab, 0, Anchor::kButtons, 266,
     0, 63, kOkHeight},
    // The options and batch groups, the divider and the quick panel are painted by the
    // window.
    {kId_option_replacements, "BUTTON", "Enable replacements", kShown | kCheck, 0,
     Anchor::kAdditional, 18, 18, 300, 17},
    {kId_option_enterdir, "BUTTON", "Enter directory after creation", kShown | kCheck, 0,
     Anchor::kAdditional, 18, 37, 300, 17},
    {kId_option_closewnd, "BUTTON", "Close the window after directory creation", kShown | kCheck, 0,
     Anchor::kAdditional, 18, 56, 300, 17},
    {kId_cmbox_Templates, "COMBOBOX", "", kShown | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | kTab,
     0, Anchor::kAdditional, 18, 75, 222, 220},
    {kId_btn_options, "BUTTON", "&Options", kShown | BS_PUSHBUTTON | kTab, 0, Anchor::kAdditional,
     246, 74, 75, 23},
    {kId_btn_options_flat, FlatButton::kClassName, "&Options", kChild | kTab, 0,
     Anchor::kAdditional, 246, 74, 75, 23},
    {kId_lbl_from, "STATIC", "From:", kChild, 0, Anchor::kBatch, 18, 23, 34, 15},
    {kId_edit_from, "EDIT", "1", kChild | kNumberEdit, WS_EX_CLIENTEDGE, Anchor::kBatch, 52, 20, 38,
     21},
    {kId_updown_from, UPDOWN_CLASSA, "", kChild | kUpDown, 0, Anchor::kBatch, 90, 20, 16, 21},
    {kId_lbl_to, "STATIC", "To:", kChild, 0, Anchor::kBatch, 114, 23, 20, 15},
    {kId_edit_to, "EDIT", "3", kChild | kNumberEdit, WS_EX_CLIENTEDGE, Anchor::kBatch, 134, 20, 38,
     21},
    {kId_updown_to, UPDOWN_CLASSA, "", kChild | kUpDown, 0, Anchor::kBatch, 172, 20, 16, 21},
    {kId_lbl_stepby, "STATIC", "Step:", kChild, 0, Anchor::kBatch, 196, 23, 30, 15},
    {kId_edit_stepby, "EDIT", "1", kChild | kNumberEdit, WS_EX_CLIENTEDGE, Anchor::kBatch, 226, 20,
     38, 21},
    {kId_updown_stepby, UPDOWN_CLASSA, "", kChild | kUpDown, 0, Anchor::kBatch, 264, 20, 16, 21},
    {kId_btn_sign, FlatButton::kClassName, "1-9", kChild, 0, Anchor::kBatch, 289, 19, 32, 23},
    {kId_lbl_prefix, "STATIC", "Prefix:", kChild, 0, Anchor::kBatch, 18, 51, 38, 15},
    {kId_cmbx_prefix, "COMBOBOX", "", kChild | kAffixCombo, 0, Anchor::kBatch, 56, 48, 98, 200},
    {kId_lbl_suffix, "STATIC", "Suffix:", kChild, 0, Anchor::kBatch, 160, 51, 34, 15},
    {kId_cmbx_suffix, "COMBOBOX", "", kChild | kAffixCombo, 0, Anchor::kBatch, 196, 48, 100, 200},
    {kId_btn_setSuffix, "BUTTON", "...", kChild | BS_PUSHBUTTON, 0, Anchor::kBatch, 299, 47, 22,
     23},
    {kId_rb_Decimal, "BUTTON", "Decimal", kChild | BS_AUTORADIOBUTTON | WS_GROUP | kTab, 0,
     Anchor::kBatch, 18, 79, 66, 17},
    {kId_rb_Roman, "BUTTON", "Roman", kChild | BS_AUTORADIOBUTTON, 0, Anchor::kBatch, 86, 79, 58,
     17},
    {kId_rb_ABC, "BUTTON", "ABC", kChild | BS_AUTORADIOBUTTON, 0, Anchor::kBatch, 146, 79, 44, 17},
    {kId_lbl_digits, "STATIC", "Digits:", kChild | WS_GROUP, 0, Anchor::kBatch, 192, 80, 34, 15},
    {kId_edit_digits, "EDIT", "1", kChild | kNumberEdit, WS_EX_CLIENTEDGE, Anchor::kBatch, 226, 77,
     28, 21},
    {kId_updown_digits, UPDOWN_CLASSA, "", kChild | kUpDown, 0, Anchor::kBatch, 254, 77, 16, 21},
    {kId_chck_digitsAuto, "BUTTON", "auto", kChild | kCheck, 0, Anchor::kBatch, 276, 79, 45, 17},
    {kId_memo_suffix, "EDIT", "",
     kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, WS_EX_CLIENTEDGE,
     Anchor::kBatch, 160, 46, 161, 54},
};

using ControlGroup = Ttc_KestrixForm::ControlGroup;

ControlGroup GroupOf(const ControlSpec& spec) {
  if (spec.anchor == Anchor::kBatch) return ControlGroup::kBatch;
  if (spec.id == kId_btn_ok_flat || spec.id == kId_btn_cancel_flat ||
      spec.id == kId_btn_options_flat)
    return ControlGroup::kFlatPush;
  if (spec.id == kId_edit_curdirname) return ControlGroup::kPathEditor;
  return ControlGroup::kWindow;
}

// The top of a control's anchor in `layout`, at 96 DPI.
int AnchorTop(Anchor anchor, const LayoutOutput& layout) {
  switch (anchor) {
    case Anchor::kFixed:
      return 0;
    case Anchor::kInput:
      return kInputTop;
    case Anchor::kQuick:
      return layout.quick_top;
    case Anchor::kButtons:
      return layout.buttons_top;
    case Anchor::kAdditional:
      return layout.additional_top;
    case Anchor::kBatch:
      return layout.batch_top.value_or(layout.additional_top);
  }
  return 0;
}

// Only these styles change the frame around the client area, so only they change the
// window's size for a layout.
constexpr LONG_PTR kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME;
constexpr LONG_PTR kFrameExStyles =
    WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE;

}  // namespace

// The controls of the table outside the batch group, or those of the batch group.
// Each is made where the current layout puts it, so the first layout moves nothing; the
// fonts come once, with the language. A control made later takes its place in the table's
// order among those already made, which is also the tab order.
std::vector<HWND> Ttc_KestrixForm::CreateControlsOf(ControlGroup group) {
  const LayoutOutput layout = LayoutFor(mode_ == MainMode::kNormal);
  std::vector<HWND> made;
  HWND previous = nullptr;
  for (const ControlSpec& spec : kControls) {
    if (GroupOf(spec) != group) {
      if (Control(spec.id) != nullptr) previous = Control(spec.id);
      continue;
    }
    HWND parent = spec.parent != 0 ? Control(spec.parent) : hwnd();
    const int top = AnchorTop(spec.anchor, layout) + spec.y;
    // The owner-drawn buttons are objects of the window; the others are plain controls.
    const RECT bounds = {Scale96(spec.x), Scale96(top), Scale96(spec.x) + Scale96(spec.width),
                         Scale96(top) + Scale96(spec.height)};
    HWND control =
        std::strcmp(spec.class_name, FlatButton::kClassName) == 0
            ? look_.CreateFlatButton(parent, spec.id, spec.text, spec.style, bounds)
            : CreateWindowExA(spec.ex_style, spec.class_name, spec.text, spec.style, bounds.left,
                              bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                              instance_, nullptr);
    if (group != ControlGroup::kWindow && previous != nullptr)
      SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    controls_.Add(spec.id, control);
    made.push_back(control);
    previous = control;
  }
  HookKeys(made);
  return made;
}

void Ttc_KestrixForm::CreateControls() {
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&common);
  look_.CreateDesignedFont();
  CreateControlsOf(ControlGroup::kWindow);
  controls_.SetChecked(kId_option_closewnd, true);
  Edit(Control(kId_edit_Attrib)).LimitText(4);
  // The marker shares its place with the preview label, which is empty while the marker is
  // shown: it must lie above that label (an earlier sibling is drawn on top).
  HWND above_preview = GetWindow(Control(kId_lbl_newdirname), GW_HWNDPREV);
  SetWindowPos(Control(kId_lbl_s_more), above_preview != nullptr ? above_preview : HWND_TOP, 0, 0,
               0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  look_.WatchHover();
  mkdir_edit_ = FindWindowExA(Control(kId_MkDir), nullptr, "EDIT", nullptr);
  history_.SetNameEdit(mkdir_edit_);
  look_.CreateTooltips(hwnd());
}

// Every control that can hold the focus passes its keys through the key table, so the
// window's keys work wherever the focus is; a combo box's keys reach its own edit. The
// frameless ones among them skip their non-client paint.
void Ttc_KestrixForm::HookKeys(const std::vector<HWND>& controls) {
  for (HWND control : controls) {
    if (control == nullptr) continue;
    input_hook_.Subclass(control);
    frameless_paint_.Subclass(control);
    // Asked of the control itself: a search of its children is a server round trip.
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    if (GetComboBoxInfo(control, &combo) && combo.hwndItem != nullptr) {
      input_hook_.Subclass(combo.hwndItem);
      frameless_paint_.Subclass(combo.hwndItem);
    }
  }
}

// The batch group's two dozen controls are made when it first opens: most starts never
// show it, and every control is a window the start-up would wait for.
void Ttc_KestrixForm::EnsureBatchControls() {
  if (BatchControlsMade()) return;
  MakeLateControls(ControlGroup::kBatch);
  struct UpDown {
    int updown, edit, low, high;
  } updowns[] = {{kId_updown_from, kId_edit_from, kBatchBoundMin, kBatchBoundMax},
                 {kId_updown_to, kId_edit_to, kBatchBoundMin, kBatchBoundMax},
                 {kId_updown_stepby, kId_edit_stepby, kBatchStepMin, kBatchStepMax},
                 {kId_updown_digits, kId_edit_digits, kBatchDigitsMin, kBatchDigitsMax}};
  for (const UpDown& u : updowns) {
    const kestrix::UpDown updown(Control(u.updown));
    updown.SetBuddy(Control(u.edit));
    updown.SetRange(u.low, u.high);
    updown.SetPosition(ReadFieldValue(controls_.Text(u.edit)));
  }
  controls_.SetChecked(kId_rb_Decimal, true);
  controls_.SetChecked(kId_chck_digitsAuto, true);
  // Colours and the sign's glyph as the rest of the window has them.
  look_.ColorFlatButtons();
  look_.ShowSignImage(look_.SignDescending());
}

// The flat OK, Cancel and Options stand in for the plain ones only when the look asks for
// flat buttons; their fonts and glyphs come with the look that follows.
void Ttc_KestrixForm::EnsureFlatPushButtons() {
  if (Control(kId_btn_ok_flat) == nullptr) MakeLateControls(ControlGroup::kFlatPush);
}

// The path field opens on a double-click or Ctrl+E, which few starts see.
void Ttc_KestrixForm::EnsurePathEditor() {
  if (Control(kId_edit_curdirname) == nullptr) MakeLateControls(ControlGroup::kPathEditor);
}

// A group made after the window: the captions and fonts the others already have.
void Ttc_KestrixForm::MakeLateControls(ControlGroup group) {
  const std::vector<HWND> made = CreateControlsOf(group);
  ApplyCaptions();
  look_.SetFontsOf(made);
}

void Ttc_KestrixForm::ApplyCaptions() {
  struct Caption {
    int id;
    LanguageKey key;
  } captions[] = {
      {kId_lbl_s_newfolder, lng::program::kNewFolder},
      {kId_lbl_s_refresh, lng::program::kRefreshFolder},
      {kId_option_replacements, lng::program::kReplacements},
      {kId_option_enterdir, lng::program::kEnterDirectory},
      {kId_option_closewnd, lng::program::kCloseWindow},
      {kId_lbl_from, lng::program::kBatchFromValue},
      {kId_lbl_to, lng::program::kBatchToValue},
      {kId_lbl_stepby, lng::program::kBatchStepBy},
      {kId_lbl_prefix, lng::program::kBatchPrefix},
      {kId_lbl_suffix, lng::program::kBatchSuffix},
      {kId_lbl_digits, lng::program::kBatchDigits},
      {kId_chck_digitsAuto, lng::program::kBatchAutomatic},
      {kId_rb_Decimal, lng::program::kBatchDecimal},
      {kId_rb_Roman, lng::program::kBatchRoman},
      {kId_rb_ABC, lng::program::kBatchABC},
      {kId_btn_ok, lng::buttons::kBtnOK},
      {kId_btn_ok_flat, lng::buttons::kBtnOK},
      {kId_btn_cancel, lng::buttons::kBtnCancel},
      {kId_btn_cancel_flat, lng::buttons::kBtnCancel},
      {kId_btn_options, lng::buttons::kBtnOptions},
      {kId_btn_options_flat, lng::buttons::kBtnOptions},
      {kId_btn_loadFromFile, lng::buttons::kBtnLoad},
      {kId_btn_treePreview, lng::tree_preview::kButton},
  };
  for (const Caption& c : captions) controls_.SetText(c.id, Text(c.key));
  controls_.SetText(kId_btn_extended, mode_ == MainMode::kNormal ? Text(lng::buttons::kBtnExtended)
                                                                 : Text(lng::buttons::kBtnNormal));
  SetGroupCaptions(Text(lng::program::kAdditionalGrpbox), Text(lng::program::kBatchGrpbox));
  struct Hint {
    int id;
    LanguageKey key;
  } hints[] = {
      {kId_btn_Quick1, lng::program::kModSpaceToDot},
      {kId_btn_Quick2, lng::program::kModDotToSpace},
      {kId_btn_Quick3, lng::program::kModInvertCase},
      {kId_btn_addRep, lng::program::kHintVariables},
      {kId_btn_extended, lng::program::kHintChangeMode},
      {kId_btn_loadFromFile, lng::program::kHintLoadFromFile},
      {kId_lbl_s_newfolder, lng::program::kHintRefresh},
      {kId_img_ChangeDirAttrib, lng::program::kHintAttributes},
      {kId_btn_treePreview, lng::tree_preview::kHint},
  };
  for (const Hint& h : hints) look_.SetHint(Control(h.id), Text(h.key));
  // Through the look, which gives the button its hint again with every change of colours.
  look_.SetBatchHint(Text(mode_ == MainMode::kBatch ? lng::program::kBatchButtonHint2
                                                    : lng::program::kBatchButtonHint1));
}

void Ttc_KestrixForm::SetGroupCaptions(const std::string& additional, const std::string& batch) {
  if (additional_caption_ == additional && batch_caption_ == batch) return;
  additional_caption_ = additional;
  batch_caption_ = batch;
  if (IsWindowVisible(hwnd())) InvalidateRect(hwnd(), nullptr, TRUE);
}

FormLook::Decorations Ttc_KestrixForm::Decorations() const {
  auto frame = [](int top, int height) {
    return RECT{Scale96(8), Scale96(top), Scale96(8 + 321), Scale96(top + height)};
  };
  FormLook::Decorations decorations = {{Scale96(110), Scale96(layout_.divider_top),
                                        Scale96(158) + 1, Scale96(layout_.divider_top + 2)},
                                       {{frame(layout_.additional_top, layout_.additional_height),
                                         {Scale96(14), Scale96(layout_.panelfix1_top)},
                                         additional_caption_}}};
  if (layout_.batch_top && layout_.panelfix2_top)
    decorations.groups.push_back({frame(*layout_.batch_top, kBatchHeight),
                                  {Scale96(14), Scale96(*layout_.panelfix2_top)},
                                  batch_caption_});
  return decorations;
}

// The vertical places of the visible groups, from the visible input down.
void Ttc_KestrixForm::RelayoutForMode(bool normal) {
  // The same layout again would move nothing: the first activation repeats the one Create
  // made, and every move is a window message the start-up waits for.
  const LayoutKey key{normal, mode_ == MainMode::kBatch, BatchControlsMade(),
                      GetWindowLongPtrA(hwnd(), GWL_STYLE) & kFrameStyles,
                      GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) & kFrameExStyles};
  if (laid_out_ == key) return;
  laid_out_ = key;
  const LayoutOutput layout = LayoutFor(normal);
  for (const ControlSpec& spec : kControls)
    if (spec.anchor != Anchor::kFixed && spec.anchor != Anchor::kInput)
      controls_.MoveTo(spec.id, spec.x, AnchorTop(spec.anchor, layout) + spec.y);
  // The window paints the groups and the divider where this layout puts them.
  layout_ = layout;
  if (IsWindowVisible(hwnd())) InvalidateRect(hwnd(), nullptr, TRUE);
  RECT client = {0, 0, Scale96(kClientWidth),
                 Scale96(layout.additional_top + layout.additional_height + kClientBottomMargin)};
  AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE)));
  SetWindowPos(hwnd(), nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LayoutOutput Ttc_KestrixForm::LayoutFor(bool normal) const {
  LayoutInput input;
  input.input_top = kInputTop;
  input.input_height = normal ? kNameHeight : kListHeight;
  input.ok_height = kOkHeight;
  input.batch_height = kBatchHeight;
  input.templates_bottom = kTemplatesBottom;
  input.batch_mode = mode_ == MainMode::kBatch;
  return ComputeLayout(input);
}

}  // namespace kestrix
