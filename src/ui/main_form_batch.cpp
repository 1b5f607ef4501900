// The batch group: the number fields corrected in place, the series written into the
// list, the direction button, the prefill and the prefix and suffix drop-downs.

#include "names/text_utils.h"
#include "ui/main_form.h"
// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {

namespace {

const int kSuffixEditorHides[] = {kId_btn_setSuffix,   kId_cmbx_suffix,   kId_lbl_digits,
                                  kId_chck_digitsAuto, kId_updown_digits, kId_edit_digits};

}  // namespace

BatchFieldTexts Ttc_KestrixForm::ReadBatchTexts() const {
  return {GetText(kId_edit_from), GetText(kId_edit_to), GetText(kId_edit_stepby),
          GetText(kId_edit_digits)};
}

void Ttc_KestrixForm::GenerateBatchDirList() {
  app_.CurrentRoutine = "GenerateBatchDirList";
  NumberForm form = NumberForm::kNone;
  if (IsChecked(kId_rb_Decimal)) form = NumberForm::kDecimal;
  if (IsChecked(kId_rb_Roman)) form = NumberForm::kRoman;
  if (IsChecked(kId_rb_ABC)) form = NumberForm::kAbc;
  BatchFields fields =
      ReadBatchFields(ReadBatchTexts(), GetText(kId_cmbx_prefix), GetText(kId_cmbx_suffix), form);
  HWND list = Control(kId_MkDirExt);
  SetText(kId_MkDirExt, ::kestrix::GenerateBatchDirList(fields));
  SendMessageA(list, EM_SCROLLCARET, 0, 0);
  Select(list, {GetText(kId_MkDirExt).size(), 0});
}

void Ttc_KestrixForm::BatchFieldEdited(int id) {
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
  const BatchFieldTexts texts = ReadBatchTexts();
  BatchFieldChange change =
      OnBatchFieldChange(field, texts, IsChecked(kId_chck_digitsAuto), BatchFilling_);
  if (change.corrected) {
    const bool was_empty = GetText(id).empty();
    SetText(id, *change.corrected);
    if (id != kId_edit_to || was_empty) Select(Control(id), {change.corrected->size(), 0});
    return;
  }
  if (change.regenerate) GenerateBatchDirList();
  if (change.descending) UpdateSignButton();
  if (change.digits && GetText(kId_edit_digits) != *change.digits)
    SetText(kId_edit_digits, *change.digits);
}

void Ttc_KestrixForm::UpdateSignButton() {
  const BatchFieldTexts texts = ReadBatchTexts();
  const bool descending = IsDescending(ReadFieldValue(texts.from), ReadFieldValue(texts.to));
  SetText(kId_btn_sign, descending ? "9-1" : "1-9");
}

void Ttc_KestrixForm::btn_signClick() {
  const std::string from = GetText(kId_edit_from);
  const std::string to = GetText(kId_edit_to);
  const bool filling = BatchFilling_;
  BatchFilling_ = true;
  SetText(kId_edit_from, to);
  SetText(kId_edit_to, from);
  BatchFilling_ = filling;
  UpdateSignButton();
  GenerateBatchDirList();
  SetFocus(Control(kId_MkDirExt));
  Select(Control(kId_MkDirExt), {GetText(kId_MkDirExt).size(), 0});
  SendMessageA(Control(kId_MkDirExt), EM_SCROLLCARET, 0, 0);
}

void Ttc_KestrixForm::PrefillBatchFields() {
  std::optional<BatchPrefill> prefill = PrefillFromList(PreBatchList_);
  if (!prefill) return;
  if (prefill->prefix) SetText(kId_cmbx_prefix, *prefill->prefix);
  if (prefill->suffix) SetText(kId_cmbx_suffix, *prefill->suffix);
  if (prefill->from) SetText(kId_edit_from, std::to_string(*prefill->from));
  if (prefill->to) SetText(kId_edit_to, std::to_string(*prefill->to));
}

void Ttc_KestrixForm::OpenAffixList(int id) {
  const bool prefix = id == kId_cmbx_prefix;
  std::vector<std::string> settings_values;
  Guarded([&] {
    TBigIniFile ini(services_.files, SettingsFilePath(services_.exe_path));
    SettingsAccess access(ini);
    settings_values = access.ReadList(prefix ? "PrefixList" : "SuffixList");
  });
  const Combo combo(Control(id));
  combo.SetItems(BuildAffixItems(PreBatchList_, settings_values,
                                 prefix ? AffixList::kPrefix : AffixList::kSuffix));
  combo.SelectInEdit(combo.TextLength(), combo.TextLength());
}

void Ttc_KestrixForm::btn_setSuffixClick() {
  SetText(kId_memo_suffix, SuffixToEditorText(GetText(kId_cmbx_suffix),
                                              Text("Captions - Program", "Subdir", "Subdir")));
  for (int id : kSuffixEditorHides) SetVisible(id, false);
  SetVisible(kId_memo_suffix, true);
  SetFocus(Control(kId_memo_suffix));
  Select(Control(kId_memo_suffix), {GetText(kId_memo_suffix).size(), 0});
}

void Ttc_KestrixForm::memo_suffixChange() {
  if (!IsVisible(kId_memo_suffix)) return;
  SetText(kId_cmbx_suffix, SuffixFromEditorText(GetText(kId_memo_suffix)));
  GenerateBatchDirList();
}

void Ttc_KestrixForm::CloseSuffixEditor() {
  if (!IsVisible(kId_memo_suffix)) return;
  SetVisible(kId_memo_suffix, false);
  for (int id : kSuffixEditorHides) SetVisible(id, true);
}

void Ttc_KestrixForm::NumberFormClick(int id) {
  GenerateBatchDirList();
  const bool decimal = id == kId_rb_Decimal;
  for (int control : {kId_lbl_digits, kId_edit_digits, kId_updown_digits, kId_chck_digitsAuto})
    SetEnabled(control, decimal);
}

}  // namespace kestrix
