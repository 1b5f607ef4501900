#include "ui/main/batch_group.h"

#include "base/text_utils.h"
#include "create/batch_list.h"
#include "ui/main/control_ids.h"
#include "ui/messages.h"
#include "window/control_table.h"
// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {

namespace {

const ControlId kBatchControls[] = {
    MainControl::kFromLabel,
    MainControl::kFromField,
    MainControl::kFromSpin,
    MainControl::kToLabel,
    MainControl::kToField,
    MainControl::kToSpin,
    MainControl::kStepLabel,
    MainControl::kStepField,
    MainControl::kStepSpin,
    MainControl::kDigitsLabel,
    MainControl::kDigitsField,
    MainControl::kDigitsSpin,
    MainControl::kDigitsAutoCheck,
    MainControl::kSignButton,
    MainControl::kPrefixLabel,
    MainControl::kPrefixBox,
    MainControl::kSuffixLabel,
    MainControl::kSuffixBox,
    MainControl::kSuffixEditorButton,
    MainControl::kDecimalOption,
    MainControl::kRomanOption,
    MainControl::kAbcOption,
};

const ControlId kSuffixEditorHides[] = {
    MainControl::kSuffixEditorButton, MainControl::kSuffixBox,  MainControl::kDigitsLabel,
    MainControl::kDigitsAutoCheck,    MainControl::kDigitsSpin, MainControl::kDigitsField};

}  // namespace

void BatchGroup::Opening() {
  open_ = true;
  filling_ = true;
  if (!digits_only_) {
    for (ControlId id : {MainControl::kFromField, MainControl::kToField, MainControl::kStepField,
                         MainControl::kDigitsField}) {
      HWND edit = controls_[id];
      SetWindowLongPtrW(edit, GWL_STYLE, GetWindowLongPtrW(edit, GWL_STYLE) | ES_NUMBER);
    }
    digits_only_ = true;
  }
}

void BatchGroup::Open() {
  for (ControlId id : kBatchControls) controls_.SetVisible(id, true);
  PrefillBatchFields();
  GenerateBatchDirList();
  filling_ = false;
}

void BatchGroup::Close() {
  open_ = false;
  for (ControlId id : kBatchControls) controls_.SetVisible(id, false);
  controls_.SetVisible(MainControl::kSuffixMemo, false);
}

bool BatchGroup::OnCommand(
    ControlId id, int code,
    const std::function<std::vector<std::string>(bool prefix)>& affix_settings,
    const std::string& subdir) {
  switch (static_cast<MainControl>(static_cast<MainControl>(id))) {
    case MainControl::kFromField:
    case MainControl::kToField:
    case MainControl::kStepField:
    case MainControl::kDigitsField:
      if (code == EN_CHANGE && open_) BatchFieldEdited(id);
      return true;
    case MainControl::kDigitsAutoCheck:
      if (code == BN_CLICKED && controls_.Checked(id)) BatchFieldEdited(MainControl::kToField);
      return true;
    case MainControl::kSignButton:
      if (code == BN_CLICKED) ToggleStepSign();
      return true;
    case MainControl::kPrefixBox:
    case MainControl::kSuffixBox:
      if (code == CBN_DROPDOWN) OpenAffixList(id, affix_settings(id == MainControl::kPrefixBox));
      if (code == CBN_EDITCHANGE && open_) GenerateBatchDirList();
      // The choice is in the field only once the selection message ends.
      if (code == CBN_SELCHANGE)
        PostMessageW(GetParent(controls_[id]), kMsg_ChoiceDone, id.command(), 0);
      return true;
    case MainControl::kSuffixEditorButton:
      if (code == BN_CLICKED) ToggleSuffixEditor(subdir);
      return true;
    case MainControl::kSuffixMemo:
      if (code == EN_CHANGE) SuffixesChanged();
      return true;
    case MainControl::kDecimalOption:
    case MainControl::kRomanOption:
    case MainControl::kAbcOption:
      if (code == BN_CLICKED && open_) PickNumberForm(id);
      return true;
    default:
      break;
  }
  return false;
}

void BatchGroup::GenerateBatchDirList() {
  NumberForm form = NumberForm::kNone;
  if (controls_.Checked(MainControl::kDecimalOption)) form = NumberForm::kDecimal;
  if (controls_.Checked(MainControl::kRomanOption)) form = NumberForm::kRoman;
  if (controls_.Checked(MainControl::kAbcOption)) form = NumberForm::kAbc;
  const BatchFieldTexts texts{
      controls_.Text(MainControl::kFromField), controls_.Text(MainControl::kToField),
      controls_.Text(MainControl::kStepField), controls_.Text(MainControl::kDigitsField)};
  set_list_(::kestrix::GenerateBatchDirList(
      ReadBatchFields(texts, controls_.Text(MainControl::kPrefixBox),
                      controls_.Text(MainControl::kSuffixBox), form)));
  Edit(controls_[MainControl::kListField]).ScrollCaret();
  controls_.CaretToEnd(controls_[MainControl::kListField]);
}

void BatchGroup::BatchFieldEdited(ControlId id) {
  BatchField field = BatchField::kFrom;
  switch (static_cast<MainControl>(static_cast<MainControl>(id))) {
    case MainControl::kToField:
      field = BatchField::kTo;
      break;
    case MainControl::kStepField:
      field = BatchField::kStep;
      break;
    case MainControl::kDigitsField:
      field = BatchField::kDigits;
      break;
    default:
      break;
  }
  const BatchFieldTexts texts{
      controls_.Text(MainControl::kFromField), controls_.Text(MainControl::kToField),
      controls_.Text(MainControl::kStepField), controls_.Text(MainControl::kDigitsField)};
  BatchFieldChange change =
      OnBatchFieldChange(field, texts, controls_.Checked(MainControl::kDigitsAutoCheck), filling_);
  if (change.corrected) {
    const bool was_empty = controls_.Text(id).empty();
    controls_.SetText(id, *change.corrected);
    if (id != MainControl::kToField || was_empty)
      controls_.Select(controls_[id], {change.corrected->size(), 0});
    return;
  }
  if (change.regenerate) GenerateBatchDirList();
  if (change.descending) UpdateSignButton();
  if (change.digits && controls_.Text(MainControl::kDigitsField) != *change.digits)
    controls_.SetText(MainControl::kDigitsField, *change.digits);
}

void BatchGroup::UpdateSignButton() {
  const bool descending = IsDescending(ReadFieldValue(controls_.Text(MainControl::kFromField)),
                                       ReadFieldValue(controls_.Text(MainControl::kToField)));
  show_direction_(descending);
}

void BatchGroup::ToggleStepSign() {
  const std::string from = controls_.Text(MainControl::kFromField);
  const std::string to = controls_.Text(MainControl::kToField);
  const bool filling = filling_;
  filling_ = true;
  controls_.SetText(MainControl::kFromField, to);
  controls_.SetText(MainControl::kToField, from);
  filling_ = filling;
  UpdateSignButton();
  GenerateBatchDirList();
  ListCaretToEnd();
}

void BatchGroup::OnNotify(HWND form, const NMHDR* header) const {
  // After the arrow changed the number, the list takes the focus again.
  if (header != nullptr && header->code == UDN_DELTAPOS)
    PostMessageW(form, kMsg_UpDownDone, header->idFrom, 0);
}

void BatchGroup::UpDownDone(ControlId id) const {
  if (id == MainControl::kDigitsSpin) controls_.SetChecked(MainControl::kDigitsAutoCheck, false);
  SetFocus(controls_[MainControl::kListField]);
  controls_.CaretToEnd(controls_[MainControl::kListField]);
}

void BatchGroup::ListCaretToEnd() const {
  HWND list = controls_[MainControl::kListField];
  SetFocus(list);
  controls_.CaretToEnd(list);
  Edit(list).ScrollCaret();
}

void BatchGroup::PrefillBatchFields() {
  std::optional<BatchPrefill> prefill = PrefillFromList(user_list_);
  if (!prefill) return;
  if (prefill->prefix) controls_.SetText(MainControl::kPrefixBox, *prefill->prefix);
  if (prefill->suffix) controls_.SetText(MainControl::kSuffixBox, *prefill->suffix);
  if (prefill->from) controls_.SetText(MainControl::kFromField, std::to_string(*prefill->from));
  if (prefill->to) controls_.SetText(MainControl::kToField, std::to_string(*prefill->to));
}

void BatchGroup::OpenAffixList(ControlId id, const std::vector<std::string>& settings_values) {
  const Combo combo(controls_[id]);
  combo.SetItems(
      BuildAffixItems(user_list_, settings_values,
                      id == MainControl::kPrefixBox ? AffixList::kPrefix : AffixList::kSuffix));
  FitDroppedWidth(controls_[id]);
  combo.SelectInEdit(combo.TextLength(), combo.TextLength());
}

void BatchGroup::ToggleSuffixEditor(const std::string& subdir) {
  controls_.SetText(MainControl::kSuffixMemo,
                    SuffixToEditorText(controls_.Text(MainControl::kSuffixBox), subdir));
  for (ControlId id : kSuffixEditorHides) controls_.SetVisible(id, false);
  controls_.SetVisible(MainControl::kSuffixMemo, true);
  SetFocus(controls_[MainControl::kSuffixMemo]);
  controls_.CaretToEnd(controls_[MainControl::kSuffixMemo]);
}

void BatchGroup::SuffixesChanged() {
  if (!controls_.Visible(MainControl::kSuffixMemo)) return;
  controls_.SetText(MainControl::kSuffixBox,
                    SuffixFromEditorText(controls_.Text(MainControl::kSuffixMemo)));
  GenerateBatchDirList();
}

void BatchGroup::CloseSuffixEditor() {
  if (!controls_.Visible(MainControl::kSuffixMemo)) return;
  controls_.SetVisible(MainControl::kSuffixMemo, false);
  for (ControlId id : kSuffixEditorHides) controls_.SetVisible(id, true);
}

void BatchGroup::PickNumberForm(ControlId id) {
  GenerateBatchDirList();
  const bool decimal = id == MainControl::kDecimalOption;
  for (ControlId control : {MainControl::kDigitsLabel, MainControl::kDigitsField,
                            MainControl::kDigitsSpin, MainControl::kDigitsAutoCheck})
    controls_.SetEnabled(control, decimal);
}

}  // namespace kestrix
