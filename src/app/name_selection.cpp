#include "app/name_selection.h"

namespace kestrix {

TextSelection SuggestedNameSelection(const std::string& field_text,
                                     const std::string& selected_name) {
  if (selected_name.empty()) return {};
  size_t at = field_text.find(selected_name);
  if (at == std::string::npos) return {};
  return {at, selected_name.size()};
}

bool SelectsSuggestedNameOnShow(bool prefix_active, bool suffix_active,
                                SuggestedName suggested_name) {
  return (prefix_active || suffix_active) && suggested_name == SuggestedName::kHostItem;
}

}  // namespace kestrix
