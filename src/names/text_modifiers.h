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

// Swaps the case of A-Z, a-z and the nine accented vowel pairs of the code page
// (0xC1 0xC9 0xCD 0xD3 0xD6 0xD5 0xDA 0xDC 0xDB and 0xE1 0xE9 0xED 0xF3 0xF6 0xF5 0xFA 0xFC
// 0xFB); every other character stays, including other accented letters.
std::string InvertCase(std::string_view text, const CharCase& char_case);

// Casing for the letters InvertCase touches, without the platform: in the code pages the
// program meets, each of those upper- and lower-case letters lies 0x20 apart.
class PortableCharCase : public CharCase {
 public:
  char ToUpper(char c) const override;
  char ToLower(char c) const override;
};

struct ModifiedText {
  std::string text;
  TextSelection selection;  // the selection to restore (the one the field had before)
};

// Runs the modifier named by a quick button ("FNC_SpaceToDot", "FNC_DotToSpace",
// "FNC_InvertCase") on the field's text. The careful variants apply in Normal mode when
// `intelli_modifiers` is on; in Extended mode blanks always all become dots and dots only
// carefully become blanks. Any other name leaves the text as it is. The caller puts the
// text back, restores the returned selection and runs the field's change handler.
ModifiedText ProcessTextModifier(std::string_view function_name, std::string_view text,
                                 TextSelection selection, InputMode mode, bool intelli_modifiers,
                                 const CharCase& char_case);

}  // namespace kestrix
