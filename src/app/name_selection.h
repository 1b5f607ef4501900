#pragma once
// Where the caret goes when the main window shows with an active prefix or suffix: the
// suggested name inside the name field is selected, so typing replaces only that part.
#include <cstddef>
#include <string>

#include "base/text_selection.h"
#include "settings/settings_model.h"

namespace kestrix {

// The first occurrence of `selected_name` in `field_text`; the start of the field with
// nothing selected when the name is empty or not in the text.
TextSelection SuggestedNameSelection(const std::string& field_text,
                                     const std::string& selected_name);

// Only with an active prefix or suffix, and only when the field shows the host's item
// rather than the custom name.
bool SelectsSuggestedNameOnShow(bool prefix_active, bool suffix_active,
                                SuggestedName suggested_name);

}  // namespace kestrix
