#include "names/template_manager.h"

#include <algorithm>

#include "base/text_utils.h"
#include "settings/ini_key_rules.h"
#include "settings/settings.h"

namespace kestrix {

bool CanAddTemplate(const std::string& text, const std::string& name) {
  return !Trim(text).empty() && !Trim(name).empty();
}

std::string NumberedTemplateName(const std::string& word, std::size_t number) {
  return Concat({word, " ", std::to_string(number)});
}

std::vector<std::pair<std::string, std::string>> ReadTemplateLines(BigIniFile& ini) {
  std::vector<std::string> names;
  ini.ReadSection(kUserTemplatesSection, names);
  std::vector<std::pair<std::string, std::string>> lines;
  for (const std::string& name : names)
    lines.emplace_back(name, ini.ReadString(kUserTemplatesSection, name, ""));
  return lines;
}

TemplateRows::TemplateRows(std::vector<std::pair<std::string, std::string>> lines) {
  for (auto& [name, text] : lines)
    rows_.push_back({static_cast<int>(rows_.size()) + 1, std::move(name), std::move(text)});
}

const TemplateRow* TemplateRows::Find(const std::string& name) const {
  const auto row = std::find_if(rows_.begin(), rows_.end(),
                                [&](const TemplateRow& r) { return SameIniKey(r.name, name); });
  return row == rows_.end() ? nullptr : &*row;
}

std::string TemplateRows::Add(const std::string& name, const std::string& text,
                              const std::string& word) {
  std::erase_if(rows_, [&](const TemplateRow& row) { return SameIniKey(row.name, name); });
  rows_.push_back({static_cast<int>(rows_.size()) + 1, name, text});
  if (name == NumberedTemplateName(word, rows_.size()))
    return NumberedTemplateName(word, rows_.size() + 1);
  return name;
}

void TemplateRows::Delete(std::size_t index, bool from_popup) {
  if (index >= rows_.size()) return;
  if (from_popup && rows_[index].text == kFirstTemplateValue) first_template_deleted_ = true;
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TemplateRows::Write(BigIniFile& ini) const {
  ini.EraseSection(kUserTemplatesSection);
  for (const TemplateRow& row : rows_) ini.WriteString(kUserTemplatesSection, row.name, row.text);
  if (first_template_deleted_)
    SettingsAccess(ini).WriteBool(Setting::kDoNotInstall1stTemplate, true);
}

}  // namespace kestrix
