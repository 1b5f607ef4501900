#include "create/batch_list.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "base/text_utils.h"
#include "create/directory_structure.h"

namespace kestrix {

std::string FormatDecimal(int value, int digits) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*d", std::clamp(digits, 0, 32), value);
  return buffer;
}

std::string FormatRoman(int value) {
  struct Numeral {
    int value;
    const char* letters;
  };
  static constexpr Numeral kNumerals[] = {
      {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
      {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
  std::string result;
  for (const Numeral& numeral : kNumerals) {
    while (value >= numeral.value) {
      result += numeral.letters;
      value -= numeral.value;
    }
  }
  return result;
}

std::string FormatAbc(int value) {
  std::string result;
  while (value > 0) {
    const int r = (value - 1) % 26;
    result.insert(result.begin(), static_cast<char>('A' + r));
    value = (value - r) / 26;
  }
  return result;
}

std::string ExpandSuffix(std::string_view suffix) {
  return ReplaceAll(suffix, "*", std::string(kLineBreak) + "*");
}

namespace {

std::string FormatNumber(int value, const BatchFields& fields) {
  switch (fields.form) {
    case NumberForm::kDecimal:
      return FormatDecimal(value, fields.digits);
    case NumberForm::kRoman:
      return FormatRoman(value);
    case NumberForm::kAbc:
      return FormatAbc(value);
    case NumberForm::kNone:
      break;
  }
  return {};
}

}  // namespace

std::vector<std::string> GenerateBatchEntries(const BatchFields& fields) {
  std::vector<std::string> entries;
  if (fields.form == NumberForm::kNone) return entries;
  BatchFields f = fields;
  f.from = std::clamp(f.from, kBatchBoundMin, kBatchBoundMax);
  f.to = std::clamp(f.to, kBatchBoundMin, kBatchBoundMax);
  f.step = std::clamp(f.step, kBatchStepMin, kBatchStepMax);
  f.digits = std::clamp(f.digits, kBatchDigitsMin, kBatchDigitsMax);

  const std::string suffix = ExpandSuffix(f.suffix);
  // An entry is a top-level line: a "*" before its name would be shown but not made, since
  // no line above it is its parent.
  std::string prefix = f.prefix;
  const std::size_t star = prefix.find_first_not_of(" \t");
  if (star != std::string::npos && prefix[star] == '*')
    prefix.erase(0, prefix.find_first_not_of("* \t"));
  const auto add = [&](int i) { entries.push_back(prefix + FormatNumber(i, f) + suffix); };
  if (f.from >= f.to) {
    for (int i = f.from; i >= f.to; i -= f.step) add(i);
  } else {
    for (int i = f.from; i <= f.to; i += f.step) add(i);
  }
  return entries;
}

std::string GenerateBatchDirList(const BatchFields& fields) {
  return JoinLines(GenerateBatchEntries(fields));
}

bool IsDescending(int from, int to) {
  return from > to;
}

int ReadFieldValue(std::string_view text) {
  constexpr int kSaturation = 1000000000;
  int value = 0;
  for (char c : text) {
    if (!IsAsciiDigit(c)) continue;
    value = value >= kSaturation / 10 ? kSaturation : value * 10 + (c - '0');
  }
  return value;
}

namespace {

struct FieldRule {
  const char* when_empty;
  int min;
  int max;
};

FieldRule RuleFor(BatchField field) {
  switch (field) {
    case BatchField::kFrom:
    case BatchField::kTo:
      return {"0", kBatchBoundMin, kBatchBoundMax};
    case BatchField::kStep:
      return {"1", kBatchStepMin, kBatchStepMax};
    case BatchField::kDigits:
      break;
  }
  return {"1", kBatchDigitsMin, kBatchDigitsMax};
}

const std::string& TextOf(BatchField field, const BatchFieldTexts& texts) {
  switch (field) {
    case BatchField::kFrom:
      return texts.from;
    case BatchField::kTo:
      return texts.to;
    case BatchField::kStep:
      return texts.step;
    case BatchField::kDigits:
      break;
  }
  return texts.digits;
}

std::optional<std::string> Correct(const std::string& text, const FieldRule& rule) {
  std::string digits;
  for (char c : text) {
    if (IsAsciiDigit(c)) digits.push_back(c);
  }
  if (digits.empty()) return std::string(rule.when_empty);
  if (digits != text) return digits;
  const int value = ReadFieldValue(text);
  if (value < rule.min) return std::to_string(rule.min);
  if (value > rule.max) return std::to_string(rule.max);
  return std::nullopt;
}

}  // namespace

BatchFieldChange OnBatchFieldChange(BatchField field, const BatchFieldTexts& texts,
                                    bool digits_auto, bool filling) {
  BatchFieldChange change;
  change.corrected = Correct(TextOf(field, texts), RuleFor(field));
  if (change.corrected) return change;

  change.regenerate = !filling;
  if (field == BatchField::kFrom || field == BatchField::kTo) {
    const bool descending = IsDescending(ReadFieldValue(texts.from), ReadFieldValue(texts.to));
    change.descending = descending;
    if (digits_auto) {
      change.digits = std::to_string(descending ? texts.from.size() : texts.to.size());
    }
  }
  return change;
}

BatchFields ReadBatchFields(const BatchFieldTexts& texts, std::string prefix, std::string suffix,
                            NumberForm form) {
  BatchFields fields;
  fields.from = std::clamp(ReadFieldValue(texts.from), kBatchBoundMin, kBatchBoundMax);
  fields.to = std::clamp(ReadFieldValue(texts.to), kBatchBoundMin, kBatchBoundMax);
  fields.step = std::clamp(ReadFieldValue(texts.step), kBatchStepMin, kBatchStepMax);
  fields.digits = std::clamp(ReadFieldValue(texts.digits), kBatchDigitsMin, kBatchDigitsMax);
  fields.prefix = std::move(prefix);
  fields.suffix = std::move(suffix);
  fields.form = form;
  return fields;
}

std::optional<BatchPrefill> PrefillFromList(const std::vector<std::string>& pre_batch_lines) {
  if (pre_batch_lines.empty()) return std::nullopt;
  std::string line = pre_batch_lines.back();
  if (IsBlank(line)) return std::nullopt;
  // A line with "*" has its place in the tree ("*gamma" below "beta" is beta\gamma): the
  // series keeps that place, in names without the "*" that the made names lack.
  std::string head;
  if (line.find('*') != std::string::npos) {
    std::vector<std::string> levels;
    for (std::string& level : SplitLevels(PlanList(JoinLines(pre_batch_lines)).lines.back().text))
      if (!level.empty()) levels.push_back(std::move(level));
    if (levels.empty()) return std::nullopt;
    line = levels.back();
    levels.pop_back();
    for (const std::string& level : levels) head += level + "\\";
  }

  const auto all_digits = [](std::string_view part) {
    return std::all_of(part.begin(), part.end(), IsAsciiDigit);
  };
  const auto numbered = [](std::string_view digits) {
    BatchPrefill prefill;
    const int start = ReadFieldValue(digits) + 1;
    prefill.from = std::clamp(start, kBatchBoundMin, kBatchBoundMax);
    prefill.to = std::clamp(start + 2, kBatchBoundMin, kBatchBoundMax);
    return prefill;
  };

  const std::string_view l = line;
  for (std::size_t n = 4; n >= 1; --n) {
    if (l.size() >= n && all_digits(l.substr(l.size() - n))) {
      BatchPrefill prefill = numbered(l.substr(l.size() - n));
      prefill.prefix = head + std::string(l.substr(0, l.size() - n));
      return prefill;
    }
  }
  for (std::size_t n = 4; n >= 1; --n) {
    if (l.size() >= n && all_digits(l.substr(0, n))) {
      BatchPrefill prefill = numbered(l.substr(0, n));
      prefill.suffix = std::string(l.substr(n));
      if (!head.empty()) prefill.prefix = head;
      return prefill;
    }
  }
  BatchPrefill prefill;
  prefill.prefix = head + line;
  return prefill;
}

std::vector<std::string> BuildAffixItems(const std::vector<std::string>& pre_batch_lines,
                                         const std::vector<std::string>& settings_values,
                                         AffixList which) {
  const std::size_t count = pre_batch_lines.size();
  const bool is_long = which == AffixList::kPrefix ? count > 30 : count >= 30;

  std::vector<std::string> taken;
  const auto take = [&](const std::string& line) {
    if (!IsBlank(line)) taken.push_back(line);
  };
  if (is_long) {
    for (std::size_t i = 0; i < 16; ++i) take(pre_batch_lines[i]);
    for (std::size_t i = count; i-- > count - 15;) take(pre_batch_lines[i]);
  } else {
    for (const std::string& line : pre_batch_lines) take(line);
  }

  // Each text keeps its last place: walk backwards, keep first sightings, turn around.
  std::vector<std::string> items;
  std::set<std::string> seen;
  for (auto it = taken.rbegin(); it != taken.rend(); ++it) {
    if (seen.insert(*it).second) items.push_back(*it);
  }
  std::reverse(items.begin(), items.end());

  for (std::string& item : items) {
    const std::size_t equals = item.find('=');
    if (equals != std::string::npos) item.erase(0, equals + 1);
  }
  items.insert(items.end(), settings_values.begin(), settings_values.end());
  return items;
}

std::string SuffixToEditorText(std::string_view suffix, std::string_view subdir_caption) {
  std::string text = ReplaceAll(Trim(suffix), "*", std::string(kLineBreak) + "*");
  if (text.find('*') == std::string::npos) {
    std::vector<std::string> lines = SplitLines(text);
    lines.push_back("* " + Trim(subdir_caption) + " 1");
    text = JoinLines(lines);
  }
  return text;
}

std::string SuffixFromEditorText(std::string_view editor_text) {
  std::string suffix = Trim(editor_text);
  std::erase_if(suffix, [](char c) { return c == '\r' || c == '\n'; });
  return suffix;
}

}  // namespace kestrix
