#include "ui/main/main_form_templates.h"

#include "base/text_utils.h"
#include "window/control_table.h"

namespace kestrix {

void TemplateBox::Fill() {
  const LanguageTable& language = w_.language();
  built_in_templates_ = BuiltInTemplates(language);
  const Combo combo(w_.controls[MainControl::kTemplateBox]);
  const int selected = combo.Selected();
  std::vector<std::string> entries{NoTemplateCaption(language)};
  for (const BuiltInTemplate& t : built_in_templates_) entries.push_back(t.caption);
  for (const std::string& name : w_.settings.Keys(kUserTemplatesSection))
    entries.push_back(UserTemplateCaption(name));
  combo.Clear();
  for (const std::string& entry : entries) combo.Add(entry);
  combo.SetSelected(selected >= 0 && selected < combo.Count() ? selected : 0);
  FitDroppedWidth(combo.hwnd());
}

void TemplateBox::Refill() {
  const Combo combo(w_.controls[MainControl::kTemplateBox]);
  combo.SetSelected(0);
  Fill();
  combo.SetSelected(0);
}

bool TemplateBox::OnCommand(ControlId id, int code) {
  if (id != MainControl::kTemplateBox) return false;
  if (code == CBN_DROPDOWN) {
    list_open_ = true;
    // The name as it was before the list opened is what undo brings back.
    w_.history.Remember(w_.controls.Text(MainControl::kNameField));
    Fill();
  }
  if (code == CBN_SELENDOK) TemplatePicked();
  if (code == CBN_KILLFOCUS) list_open_ = false;
  return true;
}

void TemplateBox::Open() {
  SetFocus(w_.controls[MainControl::kTemplateBox]);
  Combo(w_.controls[MainControl::kTemplateBox]).ShowDropDown(true);
}

void TemplateBox::PickByKey(char32_t key) {
  const Combo combo(w_.controls[MainControl::kTemplateBox]);
  std::vector<std::string> entries;
  for (int i = 0; i < combo.Count(); ++i) entries.push_back(combo.Item(i));
  combo.SetSelected(TemplateIndexForKey(entries, key));
  combo.ShowDropDown(false);
  list_open_ = false;
  if (w_.mode == MainMode::kNormal) TemplatePicked();
}

void TemplateBox::TemplatePicked() {
  w_.routine = "cmbox_TemplatesChange";
  list_open_ = false;
  const Combo combo(w_.controls[MainControl::kTemplateBox]);
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
      text = TrimRight(w_.settings.Value(kUserTemplatesSection, choice.user_name, ""));
      break;
  }
  HWND name = w_.controls[MainControl::kNameField];
  if (w_.mode == MainMode::kNormal) {
    w_.history.Remember(w_.controls.Text(MainControl::kNameField));
    w_.controls.SetText(MainControl::kNameField, text);
    w_.history.Picked();
    w_.preview.NameEdited();
    w_.controls.Focus(name);
    if (select_length > 0)
      w_.controls.Select(name, {0, select_length});
    else
      w_.controls.Select(name, {text.size(), 0});
    return;
  }
  std::vector<std::string> lines = SplitLines(w_.preview.ListText());
  lines.push_back(text);
  w_.preview.SetListText(JoinLines(lines));
  SetFocus(w_.controls[MainControl::kListField]);
}

}  // namespace kestrix
