#include "ui/batch_group.h"

#include "base/text_utils.h"
#include "create/batch_list.h"
#include "ui/control_ids.h"
#include "ui/messages.h"
#include "window/control_table.h"
// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {

namespace {

const int kBatchControls[] = {
    kId_lbl_from,    kId_edit_from,     kId_updown_from,     kId_lbl_to,        kId_edit_to,
    kId_updown_to,   kId_lbl_stepby,    kId_edit_stepby,     kId_updown_stepby, kId_lbl_digits,
    kId_edit_digits, kId_updown_digits, kId_chck_digitsAuto, kId_btn_sign,      kId_lbl_prefix,
    kId_cmbx_prefix, kId_lbl_suffix,    kId_cmbx_suffix,     kId_btn_setSuffix, kId_rb_Decimal,
    kId_rb_Roman,    kId_rb_ABC,
};

const int kSuffixEditorHides[] = {kId_btn_setSuffix,   kId_cmbx_suffix,   kId_lbl_digits,
                                  kId_chck_digitsAuto, kId_updown_digits, kId_edit_digits};

}  // namespace

void BatchGroup::Opening() {
  open_ = true;
  filling_ = true;
  if (!digits_only_) {
    for (int id : {kId_edit_from, kId_edit_to, kId_edit_stepby, kId_edit_digits}) {
      HWND edit = controls_[id];
      SetWindowLongPtrW(edit, GWL_STYLE, GetWindowLongPtrW(edit, GWL_STYLE) | ES_NUMBER);
    }
    digits_only_ = true;
  }
}

void BatchGroup::Open() {
  for (int id : kBatchControls) controls_.SetVisible(id, true);
  PrefillBatchFields();
  GenerateBatchDirList();
  filling_ = false;
}

void BatchGroup::Close() {
  open_ = false;
  for (int id : kBatchControls) controls_.SetVisible(id, false);
  controls_.SetVisible(kId_memo_suffix, false);
}

bool BatchGroup::OnCommand(
    int id, int code, const std::function<std::vector<std::string>(bool prefix)>& affix_settings,
    const std::string& subdir) {
  switch (id) {
    case kId_edit_from:
    case kId_edit_to:
    case kId_edit_stepby:
    case kId_edit_digits:
      if (code == EN_CHANGE && open_) BatchFieldEdited(id);
      return true;
    case kId_chck_digitsAuto:
      if (code == BN_CLICKED && controls_.Checked(id)) BatchFieldEdited(kId_edit_to);
      return true;
    case kId_btn_sign:
      if (code == BN_CLICKED) btn_signClick();
      return true;
    case kId_cmbx_prefix:
    case kId_cmbx_suffix:
      if (code == CBN_DROPDOWN) OpenAffixList(id, affix_settings(id == kId_cmbx_prefix));
      if (code == CBN_EDITCHANGE && open_) GenerateBatchDirList();
      // The choice is in the field only once the selection message ends.
      if (code == CBN_SELCHANGE) PostMessageW(GetParent(controls_[id]), kMsg_ChoiceDone, id, 0);
      return true;
    case kId_btn_setSuffix:
      if (code == BN_CLICKED) btn_setSuffixClick(subdir);
      return true;
    case kId_memo_suffix:
      if (code == EN_CHANGE) memo_suffixChange();
      return true;
    case kId_rb_Decimal:
    case kId_rb_Roman:
    case kId_rb_ABC:
      if (code == BN_CLICKED && open_) NumberFormClick(id);
      return true;
  }
  return false;
}

void BatchGroup::GenerateBatchDirList() {
  NumberForm form = NumberForm::kNone;
  if (controls_.Checked(kId_rb_Decimal)) form = NumberForm::kDecimal;
  if (controls_.Checked(kId_rb_Roman)) form = NumberForm::kRoman;
  if (controls_.Checked(kId_rb_ABC)) form = NumberForm::kAbc;
  const BatchFieldTexts texts{controls_.Text(kId_edit_from), controls_.Text(kId_edit_to),
                              controls_.Text(kId_edit_stepby), controls_.Text(kId_edit_digits)};
  set_list_(::kestrix::GenerateBatchDirList(ReadBatchFields(
      texts, controls_.Text(kId_cmbx_prefix), controls_.Text(kId_cmbx_suffix), form)));
  Edit(controls_[kId_MkDirExt]).ScrollCaret();
  controls_.CaretToEnd(controls_[kId_MkDirExt]);
}

void BatchGroup::BatchFieldEdited(int id) {
  BatchField field = BatchField::kFrom;
  switch (id) {
    case kId_edit_to:
      field = BatchField::kTo;
      break;
    case kId_edit_stepby:
      field = BatchField::kStep;
      break;
    case kId_edit_digits:
      field = BatchField::kDigits;
      break;
  }
  const BatchFieldTexts texts{controls_.Text(kId_edit_from), controls_.Text(kId_edit_to),
                              controls_.Text(kId_edit_stepby), controls_.Text(kId_edit_digits)};
  BatchFieldChange change =
      OnBatchFieldChange(field, texts, controls_.Checked(kId_chck_digitsAuto), filling_);
  if (change.corrected) {
    const bool was_empty = controls_.Text(id).empty();
    controls_.SetText(id, *change.corrected);
    if (id != kId_edit_to || was_empty)
      controls_.Select(controls_[id], {change.corrected->size(), 0});
    return;
  }
  if (change.regenerate) GenerateBatchDirList();
  if (change.descending) UpdateSignButton();
  if (change.digits && controls_.Text(kId_edit_digits) != *change.digits)
    controls_.SetText(kId_edit_digits, *change.digits);
}

void BatchGroup::UpdateSignButton() {
  const bool descending = IsDescending(ReadFieldValue(controls_.Text(kId_edit_from)),
                                       ReadFieldValue(controls_.Text(kId_edit_to)));
  show_direction_(descending);
}

void BatchGroup::btn_signClick() {
  const std::string from = controls_.Text(kId_edit_from);
  const std::string to = controls_.Text(kId_edit_to);
  const bool filling = filling_;
  filling_ = true;
  controls_.SetText(kId_edit_from, to);
  controls_.SetText(kId_edit_to, from);
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

void BatchGroup::UpDownDone(int id) const {
  if (id == kId_updown_digits) controls_.SetChecked(kId_chck_digitsAuto, false);
  SetFocus(controls_[kId_MkDirExt]);
  controls_.CaretToEnd(controls_[kId_MkDirExt]);
}

void BatchGroup::ListCaretToEnd() const {
  HWND list = controls_[kId_MkDirExt];
  SetFocus(list);
  controls_.CaretToEnd(list);
  Edit(list).ScrollCaret();
}

void BatchGroup::PrefillBatchFields() {
  std::optional<BatchPrefill> prefill = PrefillFromList(user_list_);
  if (!prefill) return;
  if (prefill->prefix) controls_.SetText(kId_cmbx_prefix, *prefill->prefix);
  if (prefill->suffix) controls_.SetText(kId_cmbx_suffix, *prefill->suffix);
  if (prefill->from) controls_.SetText(kId_edit_from, std::to_string(*prefill->from));
  if (prefill->to) controls_.SetText(kId_edit_to, std::to_string(*prefill->to));
}

void BatchGroup::OpenAffixList(int id, const std::vector<std::string>& settings_values) {
  const Combo combo(controls_[id]);
  combo.SetItems(BuildAffixItems(user_list_, settings_values,
                                 id == kId_cmbx_prefix ? AffixList::kPrefix : AffixList::kSuffix));
  FitDroppedWidth(controls_[id]);
  combo.SelectInEdit(combo.TextLength(), combo.TextLength());
}

void BatchGroup::btn_setSuffixClick(const std::string& subdir) {
  controls_.SetText(kId_memo_suffix, SuffixToEditorText(controls_.Text(kId_cmbx_suffix), subdir));
  for (int id : kSuffixEditorHides) controls_.SetVisible(id, false);
  controls_.SetVisible(kId_memo_suffix, true);
  SetFocus(controls_[kId_memo_suffix]);
  controls_.CaretToEnd(controls_[kId_memo_suffix]);
}

void BatchGroup::memo_suffixChange() {
  if (!controls_.Visible(kId_memo_suffix)) return;
  controls_.SetText(kId_cmbx_suffix, SuffixFromEditorText(controls_.Text(kId_memo_suffix)));
  GenerateBatchDirList();
}

void BatchGroup::CloseSuffixEditor() {
  if (!controls_.Visible(kId_memo_suffix)) return;
  controls_.SetVisible(kId_memo_suffix, false);
  for (int id : kSuffixEditorHides) controls_.SetVisible(id, true);
}

void BatchGroup::NumberFormClick(int id) {
  GenerateBatchDirList();
  const bool decimal = id == kId_rb_Decimal;
  for (int control : {kId_lbl_digits, kId_edit_digits, kId_updown_digits, kId_chck_digitsAuto})
    controls_.SetEnabled(control, decimal);
}

}  // namespace kestrix
