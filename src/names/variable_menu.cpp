#include "names/variable_menu.h"

#include "base/text_utils.h"
#include "names/replacements.h"

namespace kestrix {

std::vector<EnvironmentMenuEntry> EnvironmentMenuEntries(Environment& environment) {
  std::vector<std::string> references = EnvironmentList(environment, true);
  std::vector<EnvironmentMenuEntry> entries;
  for (size_t i = 1; i < references.size(); ++i)
    entries.push_back({Concat({"envVar_", std::to_string(i)}), references[i]});
  return entries;
}

std::string UserAppMenuCaption(const std::string& id, const std::string& menu_name) {
  const std::string token = Concat({"{", id, "}"});
  std::string caption = Concat({token, " - "});
  for (size_t blanks = 2; caption.size() < 13; ++blanks)
    caption = Concat({token, std::string(blanks, ' '), "- "});
  return Concat({caption, Trim(menu_name)});
}

std::string TokenFromEnvironmentCaption(const std::string& caption) {
  return Trim(ReplaceAll(caption, "&", ""));
}

std::string TokenFromUserAppCaption(const std::string& caption) {
  std::string text = Trim(ReplaceAll(caption, "&", ""));
  size_t open = text.find('{');
  size_t close = text.find('}');
  // As a 1-based copy between the two positions: an absent brace counts as position 0.
  size_t begin = open == std::string::npos ? 0 : open + 1;
  size_t end = close == std::string::npos ? 0 : close;
  std::string inner = end > begin ? text.substr(begin, end - begin) : std::string();
  inner = ReplaceAll(ReplaceAll(inner, "{", ""), "}", "");
  return Concat({"{", Trim(inner), "}"});
}

}  // namespace kestrix
