#pragma once
// Ctrl+Tab in the name fields: each press selects the next word of the text, so that a
// name built from a template can be filled in part by part.
//
// Word stops are 1-based positions of the separators (bytes of the UTF-8 text; every
// separator is ASCII), the form the main window keeps them in (WordStops, PathWordStops).
// This file is the one place that turns them into 0-based selections.
#include <optional>
#include <string_view>
#include <vector>

#include "names/text_modifiers.h"

namespace kestrix {

// The word stops of the Normal-mode name: every position k from 1 to length - 1 holding a
// blank, ".", "_", "\", "/", "|", or a "-" not preceded by a blank; then the position of the
// last "-" (0 when there is none) when the list is still empty or that position lies
// beyond the last stop. A name without separators thus has the single stop 0.
// nullopt for a text shorter than 2 characters: the previous list stays.
std::optional<std::vector<int>> BuildWordStops(std::string_view text);

// The word stops of the path field: the positions of every "\" and "/". nullopt unless
// the trimmed text has at least 2 characters and is an absolute path (the previous list
// stays).
std::optional<std::vector<int>> BuildPathWordStops(std::string_view text);

enum class SelectionField {
  kName,  // the Normal-mode name field
  kPath,  // the current-path field, where only "\" and "/" separate words
};

// SelectionCursor: the number of the next word to select. It lives as long as the main
// window, starts at 0 and is shared by all fields.
struct WordCursor {
  int next_word = 0;
};

// One press of Ctrl+Tab on `text` with the field's current selection. Returns the
// selection to apply, or nullopt when the stop list does not fit the text (empty, or its
// last stop lies beyond the end) and nothing is to be selected. Brackets are honoured: a
// word starting with "[", "(" or "{" selects what lies inside up to the closing bracket,
// and a closing bracket at the end of a word is left out; an empty result selects one
// character.
std::optional<TextSelection> IntelligentSelection(std::string_view text, TextSelection current,
                                                  SelectionField field,
                                                  const std::vector<int>& stops,
                                                  WordCursor& cursor);

}  // namespace kestrix
