#include "names/template_list.h"

#include "base/text_utils.h"
#include "base/unicode_case.h"
#include "base/utf8.h"

namespace kestrix {

namespace {

// The part of an entry after its first " - ".
std::string NamePart(const std::string& entry) {
  std::size_t dash = entry.find(" - ");
  if (dash == std::string::npos) return {};
  return entry.substr(dash + 3);
}

}  // namespace

std::string NoTemplateCaption(const LanguageTable& language) {
  return language.Text(lng::templates::kNoTemplate);
}

std::vector<BuiltInTemplate> BuiltInTemplates(const LanguageTable& language) {
  const std::string with_date = language.Text(lng::templates::kNewFolderWDate);
  const std::string new_folder = language.Text(lng::templates::kNewFolder);
  const std::string weekly = language.Text(lng::templates::kWeeklyBackup);
  const std::string full_date = language.Text(lng::templates::kFullDate);
  return {
      {Concat({"[1] - ", with_date, " (%Y.%N.%D)"}), Concat({new_folder, " (%Y.%N.%D.)"}),
       new_folder.size()},
      {Concat({"[2] - ", with_date, " (%D-%N-%y)"}), Concat({new_folder, " (%D-%N-%y)"}),
       new_folder.size()},
      {Concat({"[3] - ", weekly, "_%W"}), Concat({weekly, "_%W"}), weekly.size()},
      {Concat({"[4] - ", full_date}), "%Y.%N.%D_%H.%M.%S", 0},
  };
}

std::string UserTemplateCaption(const std::string& name) {
  const std::string first = name.substr(0, name.empty() ? 0 : DecodeUtf8Char(name, 0).length);
  return Concat({"[", SimpleUpperCase(first), "] - ", Trim(name)});
}

TemplateChoice ChooseTemplate(const std::string& entry_text,
                              const std::vector<BuiltInTemplate>& built_ins) {
  TemplateChoice choice;
  for (std::size_t i = 0; i < built_ins.size(); ++i) {
    if (entry_text == built_ins[i].caption) {
      choice.kind = TemplateChoice::Kind::kBuiltIn;
      choice.built_in = i;
      return choice;
    }
  }
  if (entry_text.empty() || entry_text[0] == '-') return choice;
  choice.kind = TemplateChoice::Kind::kUser;
  choice.user_name = NamePart(entry_text);
  return choice;
}

std::size_t TemplateIndexForKey(const std::vector<std::string>& entries, char32_t key) {
  std::size_t found = 0;
  for (std::size_t i = 1; i < entries.size(); ++i) {
    std::string name = Trim(NamePart(entries[i]));
    if (!name.empty() && DecodeUtf8Char(name, 0).code == key) found = i;
  }
  return found;
}

}  // namespace kestrix
