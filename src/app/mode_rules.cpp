#include "app/mode_rules.h"

#include "base/text_utils.h"
#include "create/directory_structure.h"

namespace kestrix {

CarriedText CarryNameIntoList(std::string_view name_text, std::string_view list_text) {
  CarriedText carried;
  const bool piped = name_text.find('|') != std::string_view::npos;
  const bool starred = name_text.find('*') != std::string_view::npos;
  // Every "|" part is a line and the "*" names inside a part are "*" lines under it, so
  // "a|b*c" gives a, b, *c.
  if (piped || (starred && Trim(name_text) == Trim(list_text))) {
    const std::string lines = ReplaceAll(name_text, "|", kLineBreak);
    carried.list = starred ? Trim(ReplaceAll(lines, "*", Concat({kLineBreak, "*"}))) : lines;
    carried.clear_saved_selection = true;
  }
  return carried;
}

namespace {

// The lines a creation run makes of a list, as PlanList reads them.
std::vector<std::string> PlannedLineTexts(std::string_view list_text) {
  std::vector<std::string> texts;
  for (const PlannedLine& line : PlanList(PrepareListRunText(list_text)).lines)
    texts.push_back(line.text);
  return texts;
}

}  // namespace

NormalLine NormalLineFromList(std::string_view list_text) {
  std::vector<std::string> parts;  // one "|" part per top-level line
  for (const std::string& raw : SplitLines(PrepareListRunText(list_text))) {
    const std::string line = Trim(raw);
    if (line.empty()) continue;
    if (line.front() != '*') {
      parts.push_back(Join(StarSeparatedNames(line), "*"));
      continue;
    }
    if (line.find('*', 1) != std::string::npos) return {false, line};
    // Lines before any top-level one hang below the current path: a part of its own.
    if (parts.empty()) parts.emplace_back();
    parts.back() += line;
  }
  const std::string name = Join(parts, "|");
  // The name is read back as OK reads it; a list it would not make again stays a list.
  const std::string carried = CarryNameIntoList(name, name).list.value_or(name);
  if (PlannedLineTexts(carried) != PlannedLineTexts(list_text))
    return {false, Trim(NameFromList(PrepareListRunText(list_text)))};
  return {true, name};
}

int CountNonBlankLines(std::string_view list_text) {
  int count = 0;
  for (const std::string& line : SplitLines(list_text))
    if (!IsBlank(line)) ++count;
  return count;
}

ListState ListStateFor(int non_blank_lines) {
  ListState state;  // nothing to create: OK disabled
  if (non_blank_lines == 0) return state;
  state.ok_enabled = true;
  if (non_blank_lines == 1) {
    state.preview_single = true;
    state.check_single_target = true;
    return state;
  }
  state.more_visible = true;
  state.enterdir_enabled = false;
  state.enterdir_uncheck = true;
  state.ok_caption_reset = true;
  return state;
}

std::string NameFromList(std::string_view list_text) {
  if (IsBlank(list_text)) return {};
  std::vector<std::string> lines = SplitLines(list_text);
  return lines.empty() ? std::string() : lines.front();
}

std::string ListWithFirstLine(std::string_view list_text, std::string_view name) {
  std::vector<std::string> lines = SplitLines(list_text);
  if (lines.empty())
    lines.emplace_back(name);
  else
    lines.front() = std::string(name);
  // Only line 0 changes: an empty last line (a loaded or pasted list ends with one for the
  // caret) stays.
  std::string text = JoinLines(lines);
  if (list_text.ends_with(kLineBreak)) text += kLineBreak;
  return text;
}

OkButtonState DirExistsState(bool directory_exists, std::string_view name_text) {
  if (!directory_exists) return {false, true};
  if (Trim(name_text).empty()) return {false, false};
  return {true, true};
}

std::string SingleTargetPath(std::string_view current_path, std::string_view text,
                             bool path_field_open, std::string_view path_field_text) {
  if (path_field_open) return Concat({path_field_text, "\\", text});
  return Concat({current_path, text});
}

InitialModeAction InitialModeFor(InitialMode initial_mode, bool window_extended) {
  switch (initial_mode) {
    case InitialMode::kNormal:
      return window_extended ? InitialModeAction::kExtended : InitialModeAction::kNormal;
    case InitialMode::kExtended:
      return InitialModeAction::kExtended;
    case InitialMode::kBatch:
      return InitialModeAction::kBatch;
    case InitialMode::kUnchanged:
      break;
  }
  return InitialModeAction::kUnchanged;
}

LayoutOutput ComputeLayout(const LayoutInput& input) {
  LayoutOutput out;
  const int input_bottom = input.input_top + input.input_height;
  out.quick_top = input_bottom + 3;
  out.buttons_top = input_bottom + 5;
  out.divider_top = input_bottom + 11;
  const int ok_bottom = out.buttons_top + input.ok_height;
  if (!input.batch_mode) {
    out.panelfix1_top = ok_bottom + 6;
    out.additional_top = out.panelfix1_top + 2;
  } else {
    // The group sits where the caption strip of the options group stood (2 pixels below
    // it); taking that place from the buttons rather than from the strip's current top
    // keeps a repeated layout in Batch mode from walking down the window.
    const int batch_top = ok_bottom + 6 + 2;
    out.batch_top = batch_top;
    out.panelfix2_top = ok_bottom + 6;
    const int batch_bottom = batch_top + input.batch_height;
    out.panelfix1_top = batch_bottom + 6;
    out.additional_top = batch_bottom + 7;
  }
  out.additional_height = input.templates_bottom + 7;
  out.window_height = out.additional_top + out.additional_height + (input.vista_or_later ? 33 : 37);
  return out;
}

ActivationAction ActivationFor(bool activated_before, bool from_other_program,
                               bool focus_was_inside) {
  if (!activated_before || !from_other_program) return ActivationAction::kFormActivate;
  return focus_was_inside ? ActivationAction::kRestoreFocus : ActivationAction::kFocusInput;
}

}  // namespace kestrix
