// The main window's controls: one table of classes, styles and places written at 96 DPI,
// the captions from the language table, and the vertical stacking of the modes.

#include "ui/main/main_form_layout.h"

#include <cstring>
#include <span>
#include <string>

#include "app/window_placement.h"
#include "create/batch_list.h"
#include "host/host_snapshot.h"
#include "platform/win32/wide_text.h"
#include "ui/main/control_ids.h"
#include "window/control_table.h"
#include "window/dpi_win32.h"
// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {

namespace {

// What a row's vertical place follows when the mode changes the layout.
enum class Band {
  kFixed,
  kInput,    // MkDir, MkDirExt
  kQuick,    // the quick buttons
  kButtons,  // the OK row
  kAdditional,
  kBatch,
};

// Every control is a child that clips its siblings; the rows give the rest.
constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD kVisible = WS_VISIBLE;
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

const ControlSpec kFixedRow[] = {
    {"STATIC", lng::program::kNewFolder, kVisible | SS_NOTIFY | SS_LEFTNOWORDWRAP,
     MainControl::kNewFolderLink, At(8, 8, 126, 15)},
    {"STATIC", "[attr]", kVisible | SS_NOTIFY | SS_CENTER, MainControl::kAttributeImage,
     At(136, 8, 34, 15)},
    {"STATIC", lng::program::kRefreshFolder, SS_NOTIFY | SS_LEFTNOWORDWRAP,
     MainControl::kRefreshLink, At(134, 8, 56, 15)},
    {"EDIT", "", ES_LOWERCASE | WS_DISABLED, MainControl::kAttributeField, At(164, 7, 36, 17)},
    {FlatButton::kClassName, lng::buttons::kBtnLoad, 0, MainControl::kLoadButton,
     At(190, 4, 44, 21)},
    {FlatButton::kClassName, "+", kVisible, MainControl::kVariablesButton, At(237, 4, 24, 21)},
    {FlatButton::kClassName, "Extended", kVisible, MainControl::kExtendedButton,
     At(264, 4, 65, 21)},
    {"STATIC", "", kVisible | SS_NOTIFY | SS_NOPREFIX, MainControl::kCurrentPathLabel,
     At(8, 27, 200, 15)},
    {"STATIC", "", kVisible | SS_NOTIFY | SS_NOPREFIX | SS_ENDELLIPSIS, MainControl::kNewNameLabel,
     At(208, 27, 121, 15)},
    {"STATIC", "<more>", SS_NOTIFY | SS_CENTER, MainControl::kMoreLink, At(259, 27, 70, 15)},
    {"EDIT", "", ES_AUTOHSCROLL, MainControl::kPathField, At(8, 25, 321, 19), Anchor::kNone,
     WS_EX_CLIENTEDGE},
};
const ControlSpec kInputRow[] = {
    {"COMBOBOX", "", kVisible | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | kTab,
     MainControl::kNameField, At(8, 0, 321, 220)},
    {"EDIT", "",
     ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL |
         kTab,
     MainControl::kListField, At(kParkedX, 0, 321, kListHeight), Anchor::kNone, WS_EX_CLIENTEDGE},
    {FlatButton::kClassName, "<", 0, MainControl::kUndoButton, At(306, 0, 23, 23)},
};
const ControlSpec kQuickRow[] = {
    {FlatButton::kClassName, "a.b", kVisible, MainControl::kQuick1Button, At(9, 2, 30, 23)},
    {FlatButton::kClassName, "a b", kVisible, MainControl::kQuick2Button, At(41, 2, 30, 23)},
    {FlatButton::kClassName, "Aa", kVisible, MainControl::kQuick3Button, At(73, 2, 30, 23)},
    {FlatButton::kClassName, lng::tree_preview::kButton, kVisible, MainControl::kTreeButton,
     At(110, 2, 49, 23)},
};
const ControlSpec kButtonRow[] = {
    // btn_Quick4 (the user function) stays hidden and disabled for good: it is not made.
    {FlatButton::kClassName, "1..n", kVisible | kTab, MainControl::kBatchButton,
     At(164, 0, 32, kOkHeight)},
    {"BUTTON", lng::buttons::kBtnOK, kVisible | BS_DEFPUSHBUTTON | kTab, MainControl::kOkButton,
     At(200, 0, 63, kOkHeight)},
    {"BUTTON", lng::buttons::kBtnCancel, kVisible | BS_PUSHBUTTON | kTab,
     MainControl::kCancelButton, At(266, 0, 63, kOkHeight)},
    {FlatButton::kClassName, lng::buttons::kBtnOK, kTab, MainControl::kOkFlatButton,
     At(200, 0, 63, kOkHeight)},
    {FlatButton::kClassName, lng::buttons::kBtnCancel, kTab, MainControl::kCancelFlatButton,
     At(266, 0, 63, kOkHeight)},
};
const ControlSpec kAdditionalRows[] = {
    // The options and batch groups, the divider and the quick panel are painted by the
    // window.
    {"BUTTON", lng::program::kReplacements, kVisible | kCheck, MainControl::kReplacementsCheck,
     At(18, 18, 300, 17)},
    {"BUTTON", lng::program::kEnterDirectory, kVisible | kCheck, MainControl::kEnterCheck,
     At(18, 37, 300, 17)},
    {"BUTTON", lng::program::kCloseWindow, kVisible | kCheck, MainControl::kCloseCheck,
     At(18, 56, 300, 17)},
    {"COMBOBOX", "", kVisible | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | kTab,
     MainControl::kTemplateBox, At(18, 75, 222, 220)},
    {"BUTTON", lng::buttons::kBtnOptions, kVisible | BS_PUSHBUTTON | kTab,
     MainControl::kOptionsButton, At(246, 74, 75, 23)},
    {FlatButton::kClassName, lng::buttons::kBtnOptions, kTab, MainControl::kOptionsFlatButton,
     At(246, 74, 75, 23)},
};
const ControlSpec kBatchRows[] = {
    {"STATIC", lng::program::kBatchFromValue, 0, MainControl::kFromLabel, At(14, 23, 34, 15)},
    {"EDIT", "1", kNumberEdit, MainControl::kFromField, At(48, 20, 36, 21), Anchor::kNone,
     WS_EX_CLIENTEDGE},
    {UPDOWN_CLASSA, "", kUpDown, MainControl::kFromSpin, At(84, 20, 16, 21)},
    {"STATIC", lng::program::kBatchToValue, 0, MainControl::kToLabel, At(104, 23, 22, 15)},
    {"EDIT", "3", kNumberEdit, MainControl::kToField, At(126, 20, 36, 21), Anchor::kNone,
     WS_EX_CLIENTEDGE},
    {UPDOWN_CLASSA, "", kUpDown, MainControl::kToSpin, At(162, 20, 16, 21)},
    {"STATIC", lng::program::kBatchStepBy, 0, MainControl::kStepLabel, At(182, 23, 44, 15)},
    {"EDIT", "1", kNumberEdit, MainControl::kStepField, At(226, 20, 36, 21), Anchor::kNone,
     WS_EX_CLIENTEDGE},
    {UPDOWN_CLASSA, "", kUpDown, MainControl::kStepSpin, At(262, 20, 16, 21)},
    {FlatButton::kClassName, "1-9", 0, MainControl::kSignButton, At(289, 19, 32, 23)},
    {"STATIC", lng::program::kBatchPrefix, 0, MainControl::kPrefixLabel, At(18, 51, 50, 15)},
    {"COMBOBOX", "", kAffixCombo, MainControl::kPrefixBox, At(68, 48, 90, 200)},
    {"STATIC", lng::program::kBatchSuffix, 0, MainControl::kSuffixLabel, At(162, 51, 50, 15)},
    {"COMBOBOX", "", kAffixCombo, MainControl::kSuffixBox, At(212, 48, 84, 200)},
    {"BUTTON", "...", BS_PUSHBUTTON, MainControl::kSuffixEditorButton, At(299, 47, 22, 23)},
    {"BUTTON", lng::program::kBatchDecimal, BS_AUTORADIOBUTTON | WS_GROUP | kTab,
     MainControl::kDecimalOption, At(14, 79, 65, 17)},
    {"BUTTON", lng::program::kBatchRoman, BS_AUTORADIOBUTTON, MainControl::kRomanOption,
     At(79, 79, 65, 17)},
    {"BUTTON", lng::program::kBatchABC, BS_AUTORADIOBUTTON, MainControl::kAbcOption,
     At(144, 79, 55, 17)},
    {"STATIC", lng::program::kBatchDigits, WS_GROUP, MainControl::kDigitsLabel,
     At(199, 80, 42, 15)},
    {"EDIT", "1", kNumberEdit, MainControl::kDigitsField, At(241, 77, 20, 21), Anchor::kNone,
     WS_EX_CLIENTEDGE},
    {UPDOWN_CLASSA, "", kUpDown, MainControl::kDigitsSpin, At(261, 77, 16, 21)},
    {"BUTTON", lng::program::kBatchAutomatic, kCheck, MainControl::kDigitsAutoCheck,
     At(279, 79, 44, 17)},
    {"EDIT", "", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
     MainControl::kSuffixMemo, At(160, 46, 161, 54), Anchor::kNone, WS_EX_CLIENTEDGE},
};

// The rows from the top down with the band each follows; their order is the tab order.
struct BandRows {
  Band band;
  std::span<const ControlSpec> rows;
};
const BandRows kBands[] = {{Band::kFixed, kFixedRow},
                           {Band::kInput, kInputRow},
                           {Band::kQuick, kQuickRow},
                           {Band::kButtons, kButtonRow},
                           {Band::kAdditional, kAdditionalRows},
                           {Band::kBatch, kBatchRows}};

using ControlGroup = MainLayout::ControlGroup;

ControlGroup GroupOf(Band band, const ControlSpec& spec) {
  if (band == Band::kBatch) return ControlGroup::kBatch;
  if (spec.id == MainControl::kOkFlatButton || spec.id == MainControl::kCancelFlatButton ||
      spec.id == MainControl::kOptionsFlatButton)
    return ControlGroup::kFlatPush;
  if (spec.id == MainControl::kPathField) return ControlGroup::kPathEditor;
  return ControlGroup::kWindow;
}

// The top of a band in `layout`, at 96 DPI.
int BandTop(Band band, const LayoutOutput& layout) {
  switch (band) {
    case Band::kFixed:
      return 0;
    case Band::kInput:
      return kInputTop;
    case Band::kQuick:
      return layout.quick_top;
    case Band::kButtons:
      return layout.buttons_top;
    case Band::kAdditional:
      return layout.additional_top;
    case Band::kBatch:
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
std::vector<HWND> MainLayout::CreateControlsOf(ControlGroup group) {
  const LayoutOutput layout = LayoutFor(w_.mode == MainMode::kNormal);
  std::vector<HWND> made;
  HWND previous = nullptr;
  const LanguageTable& language = w_.language();
  for (const BandRows& band : kBands)
    for (const ControlSpec& spec : band.rows) {
      if (GroupOf(band.band, spec) != group) {
        if (w_.controls[spec.id] != nullptr) previous = w_.controls[spec.id];
        continue;
      }
      HWND parent = spec.parent != 0 ? w_.controls[spec.parent] : form_;
      const int top = BandTop(band.band, layout) + spec.place.y;
      const RECT bounds = {Scale96(spec.place.x), Scale96(top),
                           Scale96(spec.place.x) + Scale96(spec.place.width),
                           Scale96(top) + Scale96(spec.place.height)};
      const std::string caption = spec.caption.In(language);
      const DWORD style = kChild | spec.style;
      // The owner-drawn buttons are objects of the window; the others are plain controls.
      HWND control =
          std::strcmp(spec.class_name, FlatButton::kClassName) == 0
              ? w_.look.CreateFlatButton(parent, spec.id, caption.c_str(), style, bounds)
              : CreateWindowExW(spec.ex_style, Wide(spec.class_name).c_str(), Wide(caption).c_str(),
                                style, bounds.left, bounds.top, bounds.right - bounds.left,
                                bounds.bottom - bounds.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id.value())),
                                instance_, nullptr);
      if (group != ControlGroup::kWindow && previous != nullptr)
        SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      w_.controls.Add(spec.id, control);
      made.push_back(control);
      previous = control;
    }
  HookKeys(made);
  return made;
}

void MainLayout::CreateControls(HWND form, HINSTANCE instance) {
  form_ = form;
  instance_ = instance;
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&common);
  w_.look.CreateDesignedFont();
  CreateControlsOf(ControlGroup::kWindow);
  w_.controls.SetChecked(MainControl::kCloseCheck, true);
  Edit(w_.controls[MainControl::kAttributeField]).LimitText(4);
  // A pasted list of thousands of lines is longer than an edit lets the user type into by
  // default (about 30,000 characters): the list takes as much as the system allows.
  Edit(w_.controls[MainControl::kListField]).LimitText(0);
  // The marker shares its place with the preview label, which is empty while the marker is
  // shown: it must lie above that label (an earlier sibling is drawn on top).
  HWND above_preview = GetWindow(w_.controls[MainControl::kNewNameLabel], GW_HWNDPREV);
  SetWindowPos(w_.controls[MainControl::kMoreLink],
               above_preview != nullptr ? above_preview : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  w_.look.WatchHover();
  w_.look.CreateTooltips(form_);
}

// Every control that can hold the focus passes its keys through the key table, so the
// window's keys work wherever the focus is; a combo box's keys reach its own edit. The
// frameless ones among them skip their non-client paint.
void MainLayout::HookKeys(const std::vector<HWND>& controls) {
  for (HWND control : controls) {
    if (control == nullptr) continue;
    w_.hook_keys(control);
    frameless_paint_.Subclass(control);
    // Asked of the control itself: a search of its children is a server round trip.
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    if (GetComboBoxInfo(control, &combo) && combo.hwndItem != nullptr) {
      w_.hook_keys(combo.hwndItem);
      frameless_paint_.Subclass(combo.hwndItem);
    }
  }
}

// The batch group's two dozen controls are made when it first opens: most starts never
// show it, and every control is a window the start-up would wait for.
void MainLayout::EnsureBatchControls() {
  if (BatchControlsMade()) return;
  MakeLateControls(ControlGroup::kBatch);
  struct UpDown {
    ControlId updown, edit;
    int low, high;
  } updowns[] = {
      {MainControl::kFromSpin, MainControl::kFromField, kBatchBoundMin, kBatchBoundMax},
      {MainControl::kToSpin, MainControl::kToField, kBatchBoundMin, kBatchBoundMax},
      {MainControl::kStepSpin, MainControl::kStepField, kBatchStepMin, kBatchStepMax},
      {MainControl::kDigitsSpin, MainControl::kDigitsField, kBatchDigitsMin, kBatchDigitsMax}};
  for (const UpDown& u : updowns) {
    const kestrix::UpDown updown(w_.controls[u.updown]);
    updown.SetBuddy(w_.controls[u.edit]);
    updown.SetRange(u.low, u.high);
    updown.SetPosition(ReadFieldValue(w_.controls.Text(u.edit)));
  }
  w_.controls.SetChecked(MainControl::kDecimalOption, true);
  w_.controls.SetChecked(MainControl::kDigitsAutoCheck, true);
  // Colours and the sign's glyph as the rest of the window has them.
  w_.look.ColorFlatButtons();
  w_.look.ShowSignImage(w_.look.SignDescending());
}

// The flat OK, Cancel and Options stand in for the plain ones only when the look asks for
// flat buttons; their fonts and glyphs come with the look that follows.
void MainLayout::EnsureFlatPushButtons() {
  if (w_.controls[MainControl::kOkFlatButton] == nullptr) MakeLateControls(ControlGroup::kFlatPush);
}

// The path field opens on a double-click or Ctrl+E, which few starts see.
void MainLayout::EnsurePathEditor() {
  if (w_.controls[MainControl::kPathField] == nullptr) MakeLateControls(ControlGroup::kPathEditor);
}

// A group made after the window: the captions and fonts the others already have.
void MainLayout::MakeLateControls(ControlGroup group) {
  const std::vector<HWND> made = CreateControlsOf(group);
  ApplyCaptions();
  w_.look.SetFontsOf(made);
}

void MainLayout::ApplyCaptions() {
  const LanguageTable& language = w_.language();
  for (const BandRows& band : kBands)
    for (const ControlSpec& spec : band.rows)
      if (spec.caption.key != nullptr) w_.controls.SetText(spec.id, spec.caption.In(language));
  w_.controls.SetText(MainControl::kExtendedButton,
                      w_.mode == MainMode::kNormal ? w_.language().Text(lng::buttons::kBtnExtended)
                                                   : w_.language().Text(lng::buttons::kBtnNormal));
  SetGroupCaptions(w_.language().Text(lng::program::kAdditionalGrpbox),
                   w_.language().Text(lng::program::kBatchGrpbox));
  struct Hint {
    ControlId id;
    LanguageKey key;
  } hints[] = {
      {MainControl::kQuick1Button, lng::program::kModSpaceToDot},
      {MainControl::kQuick2Button, lng::program::kModDotToSpace},
      {MainControl::kQuick3Button, lng::program::kModInvertCase},
      {MainControl::kTreeButton, lng::tree_preview::kHint},
      {MainControl::kVariablesButton, lng::program::kHintVariables},
      {MainControl::kExtendedButton, lng::program::kHintChangeMode},
      {MainControl::kLoadButton, lng::program::kHintLoadFromFile},
      {MainControl::kNewFolderLink, lng::program::kHintRefresh},
      {MainControl::kAttributeImage, lng::program::kHintAttributes},
  };
  for (const Hint& h : hints) w_.look.SetHint(w_.controls[h.id], w_.language().Text(h.key));
  // Through the look, which gives the button its hint again with every change of colours.
  w_.look.SetBatchHint(w_.language().Text(w_.mode == MainMode::kBatch
                                              ? lng::program::kBatchButtonHint2
                                              : lng::program::kBatchButtonHint1));
}

void MainLayout::SetGroupCaptions(const std::string& additional, const std::string& batch) {
  if (additional_caption_ == additional && batch_caption_ == batch) return;
  additional_caption_ = additional;
  batch_caption_ = batch;
  if (IsWindowVisible(form_)) InvalidateRect(form_, nullptr, TRUE);
}

void MainLayout::PaintBackground(HDC dc) const {
  w_.look.EraseBackground(form_, dc);
  w_.look.PaintDecorations(form_, dc, Decorations());
}

FormLook::Decorations MainLayout::Decorations() const {
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
void MainLayout::Relayout(bool normal) {
  // The same layout again would move nothing: the first activation repeats the one Create
  // made, and every move is a window message the start-up waits for.
  const LayoutKey key{normal, w_.mode == MainMode::kBatch, BatchControlsMade(),
                      GetWindowLongPtrW(form_, GWL_STYLE) & kFrameStyles,
                      GetWindowLongPtrW(form_, GWL_EXSTYLE) & kFrameExStyles};
  if (laid_out_ == key) return;
  laid_out_ = key;
  const LayoutOutput layout = LayoutFor(normal);
  for (const BandRows& band : kBands)
    if (band.band != Band::kFixed && band.band != Band::kInput)
      for (const ControlSpec& spec : band.rows)
        w_.controls.MoveTo(spec.id, spec.place.x, BandTop(band.band, layout) + spec.place.y);
  // The window paints the groups and the divider where this layout puts them.
  layout_ = layout;
  if (IsWindowVisible(form_)) InvalidateRect(form_, nullptr, TRUE);
  RECT client = {0, 0, Scale96(kClientWidth),
                 Scale96(layout.additional_top + layout.additional_height + kClientBottomMargin)};
  AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongPtrW(form_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(form_, GWL_EXSTYLE)));
  SetWindowPos(form_, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MainLayout::BatchControlsMade() const {
  return w_.controls[MainControl::kFromField] != nullptr;
}

void MainLayout::PlaceWindow(WindowSystem& windows, const HostSnapshot& host,
                             WindowPosition position) {
  WindowRect area;
  switch (ChoosePlacementArea(position, windows.IsIconic(host.host_window))) {
    case PlacementArea::kHostWindow:
      if (!windows.GetRect(host.host_window, area)) return;
      break;
    case PlacementArea::kActiveList: {
      WindowHandle list = host.active_side == PanelSide::kLeft ? host.second_list : host.first_list;
      if (!windows.GetRect(list, area)) return;
      break;
    }
    case PlacementArea::kScreen:
      area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
      break;
  }
  RECT own;
  if (!GetWindowRect(form_, &own)) return;
  WindowOrigin origin = CentredOrigin(area, own.right - own.left, own.bottom - own.top);
  SetWindowPos(form_, nullptr, origin.left, origin.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainLayout::CenterOnHost(WindowSystem& windows, WindowHandle host, int extra_up) {
  WindowRect area;
  if (host == 0 || windows.IsIconic(host) || !windows.GetRect(host, area)) return;
  RECT own;
  if (!GetWindowRect(form_, &own)) return;
  const int top = (area.top + area.bottom) / 2 - (own.bottom - own.top) / 2 - extra_up;
  SetWindowPos(form_, nullptr, own.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LayoutOutput MainLayout::LayoutFor(bool normal) const {
  LayoutInput input;
  input.input_top = kInputTop;
  input.input_height = normal ? kNameHeight : kListHeight;
  input.ok_height = kOkHeight;
  input.batch_height = kBatchHeight;
  input.templates_bottom = kTemplatesBottom;
  input.batch_mode = w_.mode == MainMode::kBatch;
  return ComputeLayout(input);
}

}  // namespace kestrix
