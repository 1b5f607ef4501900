#pragma once
// The quick modifiers of the name fields: blanks to dots, dots to blanks, inverted case.
// They rewrite the selected part of the text, or all of it when nothing is selected.
#include <cstddef>
#include <string>
#include <string_view>

#include "base/text_selection.h"
#include "names/input_mode.h"
#include "platform/char_case.h"

namespace kestrix {

// Every blank becomes "." (and back).
std::string SpaceToDot(std::string_view text);
std::string DotToSpace(std::string_view text);

// The careful variants change only a single blank (or dot) between two other characters:
// the one before is not the same mark (or there is none) and the one after exists and is
// not the same mark. Runs of two or more and a mark at the end stay.
std::string SpaceToDotCareful(std::string_view text);
std::string DotToSpaceCareful(std::string_view text);

// Swaps the case of each character of every script: one that lower-casing changes (an
// upper- or title-case letter: "Ł", "Ǆ", "ǅ") is lowered, one that upper-casing changes is
// raised, every other character stays. Malformed bytes stay as they are.
std::string InvertCase(std::string_view text, const CharCase& char_case);

// Casing by Unicode's simple mappings (base/unicode_case.h), without the platform's locale.
class PortableCharCase : public CharCase {
 public:
  char32_t ToUpper(char32_t c) const override;
  char32_t ToLower(char32_t c) const override;
};

struct ModifiedText {
  std::string text;
  TextSelection selection;  // the selection to restore (the one the field had before)
};

// Runs the modifier named by a quick button ("FNC_SpaceToDot", "FNC_DotToSpace",
// "FNC_InvertCase") on the field's text. The careful variants apply in Normal mode when
// `intelli_modifiers` is on; in Extended mode blanks always all become dots and dots only
// carefully become blanks. Any other name leaves the text as it is. The caller puts the
// text back, restores the returned selection and runs the field's change handler. The
// selection counts bytes of the UTF-8 text, as TextSelection does; a start or end inside a
// character moves back to its start.
ModifiedText ProcessTextModifier(std::string_view function_name, std::string_view text,
                                 TextSelection selection, InputMode mode, bool intelli_modifiers,
                                 const CharCase& char_case);

}  // namespace kestrix
