#pragma once
// The entries of the template combo box cmbox_Templates: the "none" entry, the four
// built-in templates and the user's templates, and what choosing one applies.
#include <optional>
#include <string>
#include <vector>

#include "settings/language_table.h"

namespace kestrix {

struct BuiltInTemplate {
  std::string caption;  // as listed: "[1] - New Folder with Date (%Y.%N.%D)"
  std::string text;     // as applied
  // How many leading characters of the applied text get selected (the word typing
  // replaces); 0 puts the caret at the end.
  std::size_t select_length = 0;
};

// The "none" entry's caption.
std::string NoTemplateCaption(const LanguageTable& language);
// Entries 1 to 4 in their order.
std::vector<BuiltInTemplate> BuiltInTemplates(const LanguageTable& language);
// "[" + the name's first character upper-cased (in any script) + "] - " + the trimmed name.
std::string UserTemplateCaption(const std::string& name);

// What a chosen entry applies.
struct TemplateChoice {
  enum class Kind { kNothing, kBuiltIn, kUser } kind = Kind::kNothing;
  std::size_t built_in = 0;  // index into BuiltInTemplates
  std::string user_name;     // the text after the first " - "
};
TemplateChoice ChooseTemplate(const std::string& entry_text,
                              const std::vector<BuiltInTemplate>& built_ins);

// Selection by key: among the entries from the second on, the last whose name (trimmed,
// after the first " - ") begins with the character `key`; 0 (the "none" entry) when none does.
std::size_t TemplateIndexForKey(const std::vector<std::string>& entries, char32_t key);

}  // namespace kestrix
