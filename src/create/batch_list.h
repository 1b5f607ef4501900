#pragma once
// Batch mode's numbered series: prefix + number + suffix for every value from a start to
// an end value with a step, written as an Extended list. The window's fields hand their
// values in as plain data; nothing here knows about controls.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrix {

// Ranges of the four number fields (their up/down controls).
inline constexpr int kBatchBoundMin = 0;
inline constexpr int kBatchBoundMax = 10000;
inline constexpr int kBatchStepMin = 1;
inline constexpr int kBatchStepMax = 10000;
inline constexpr int kBatchDigitsMin = 1;
inline constexpr int kBatchDigitsMax = 10;

// Which radio button is checked; kNone makes no entries.
enum class NumberForm { kNone, kDecimal, kRoman, kAbc };

// The values of the batch fields, with the window's initial values.
struct BatchFields {
  int from = 1;
  int to = 3;
  int step = 1;
  int digits = 1;  // minimum decimal digits; Roman and ABC ignore it
  std::string prefix;
  std::string suffix;  // may carry subdirectories: "x*raw*jpg"
  NumberForm form = NumberForm::kDecimal;
};

// At least `digits` digits, padded with leading zeros ("%.*d").
std::string FormatDecimal(int value, int digits);
// Greedy Roman numerals without an upper limit (4000 is "MMMM"); 0 or less gives "".
std::string FormatRoman(int value);
// Bijective base 26: 1 "A", 26 "Z", 27 "AA", 703 "AAA", 10000 "NTP"; 0 or less gives "".
std::string FormatAbc(int value);

// The suffix as list text: every "*" starts a subdirectory line.
std::string ExpandSuffix(std::string_view suffix);

// One entry per value (each entry may span several lines through the suffix; a "*" leading
// the prefix, which no line above would be parent to, is left out). The series
// runs downward when from >= to and upward otherwise, and reaches `to` only when it lies on
// the step grid. Out-of-range values are clamped to the field ranges first, so a series has
// at most 10001 entries and always ends.
std::vector<std::string> GenerateBatchEntries(const BatchFields& fields);
// The list text of GenerateBatchDirList: the entries joined by line breaks.
std::string GenerateBatchDirList(const BatchFields& fields);

// The direction btn_sign shows: descending while start > end.
bool IsDescending(int from, int to);

// --- The number fields as texts --------------------------------------------------------

enum class BatchField { kFrom, kTo, kStep, kDigits };

// The texts of edit_from, edit_to, edit_stepby and edit_digits.
struct BatchFieldTexts {
  std::string from = "1";
  std::string to = "3";
  std::string step = "1";
  std::string digits = "1";
};

// What a change of one number field asks of the window.
struct BatchFieldChange {
  // When set, the field gets this text with the caret at its end, nothing else happens,
  // and the change it causes runs the handler again. (For edit_to the window moves the
  // caret only when it corrected an empty text.)
  std::optional<std::string> corrected;
  bool regenerate = false;            // run GenerateBatchDirList
  std::optional<bool> descending;     // start or end changed: btn_sign shows this direction
  std::optional<std::string> digits;  // automatic digits: edit_digits gets this text
};

// The field handler's rules: numeric texts are corrected in place, never refused. Empty
// start or end becomes "0" and above 10000 "10000"; a step that is empty or 0 becomes "1"
// and above 10000 "10000"; digits that are empty or below 1 become "1" and above 10 "10".
// A pasted text with other characters keeps only its digits (or becomes the minimum).
// Nothing regenerates while `filling` (the prefill) runs. With `digits_auto` a change of
// start or end sets the digits to the length of the end text (ascending) or of the start
// text (descending).
BatchFieldChange OnBatchFieldChange(BatchField field, const BatchFieldTexts& texts,
                                    bool digits_auto, bool filling);

// The value of a field text: its digits read as a number, saturating far above any range;
// 0 when it has none.
int ReadFieldValue(std::string_view text);

// The number fields read as values (clamped to their ranges) with the other fields.
BatchFields ReadBatchFields(const BatchFieldTexts& texts, std::string prefix, std::string suffix,
                            NumberForm form);

// --- Prefill from the user's list ------------------------------------------------------

// What entering Batch mode takes from the last line of the user's list. Unset members keep
// the field's current value.
struct BatchPrefill {
  std::optional<int> from;
  std::optional<int> to;
  std::optional<std::string> prefix;
  std::optional<std::string> suffix;
};

// Trailing digits (4, 3, 2 or 1 of them, the longest first) give start = value + 1, end =
// start + 2 and the rest of the line as prefix ("Disc 07" -> "Disc ", 8, 10); else leading
// digits likewise with the rest as suffix ("2010 report" -> 2011, 2013, " report"); else the
// line becomes the prefix. A line with "*" counts as the path the list makes of it, its
// levels above the last going before the prefix ("beta", "*Disc 07" -> "beta\Disc ").
// Start and end are clamped to 0..10000. nullopt when the list has no lines, only blank
// ones, or ends with a blank line.
std::optional<BatchPrefill> PrefillFromList(const std::vector<std::string>& pre_batch_lines);

// --- Prefix and suffix drop-downs ------------------------------------------------------

enum class AffixList { kPrefix, kSuffix };

// The items of cmbx_prefix or cmbx_suffix: the non-blank lines of the user's list (all of
// them, or for a long list its first 16 lines in order and its last 15 from the last one
// upward; long is more than 30 lines for the prefix, 30 or more for the suffix), each text
// kept only at its last place, each cut to the text after its first "="; then the values of
// the PrefixList or SuffixList settings section in file order, as they are.
std::vector<std::string> BuildAffixItems(const std::vector<std::string>& pre_batch_lines,
                                         const std::vector<std::string>& settings_values,
                                         AffixList which);

// --- Multi-line suffix editor ----------------------------------------------------------

// The editor's text for a suffix: trimmed, every "*" starting a line; when that holds no
// "*" a line "* " + the trimmed `subdir_caption` + " 1" is added.
std::string SuffixToEditorText(std::string_view suffix, std::string_view subdir_caption);
// The suffix for an editor text: trimmed, line breaks removed ("x", "*a", "*b" -> "x*a*b").
std::string SuffixFromEditorText(std::string_view editor_text);

}  // namespace kestrix
