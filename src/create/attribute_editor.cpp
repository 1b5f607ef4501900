#include "create/attribute_editor.h"

#include <algorithm>

namespace kestrix {

namespace {

// The member that holds the attribute, const or not with the set.
template <typename Set>
auto Flag(Set& set, DirAttribute attribute) -> decltype(&set.read_only) {
  switch (attribute) {
    case DirAttribute::kReadOnly:
      return &set.read_only;
    case DirAttribute::kArchive:
      return &set.archive;
    case DirAttribute::kHidden:
      return &set.hidden;
    case DirAttribute::kSystem:
      return &set.system;
  }
  return &set.read_only;
}

std::string TitleWithTag(std::string_view app_title, std::string_view middle,
                         const DirAttributeSet& set) {
  std::string title(app_title);
  title += middle;
  title += AttributeTag(set);
  return title;
}

}  // namespace

const AttributeMenuEntry kAttributeMenuEntries[4] = {
    {DirAttribute::kReadOnly, "Attrib_ReadOnly", lng::program::kAttribReadOnly},
    {DirAttribute::kArchive, "Attrib_Archive", lng::program::kAttribArchive},
    {DirAttribute::kHidden, "Attrib_Hidden", lng::program::kAttribHidden},
    {DirAttribute::kSystem, "Attrib_System", lng::program::kAttribSystem},
};

char AttributeLetter(DirAttribute attribute) {
  switch (attribute) {
    case DirAttribute::kReadOnly:
      return 'r';
    case DirAttribute::kArchive:
      return 'a';
    case DirAttribute::kHidden:
      return 'h';
    case DirAttribute::kSystem:
      return 's';
  }
  return '-';
}

bool HasAttribute(const DirAttributeSet& set, DirAttribute attribute) {
  return *Flag(set, attribute);
}

void SetAttribute(DirAttributeSet& set, DirAttribute attribute, bool on) {
  *Flag(set, attribute) = on;
}

std::string AttributeTag(const DirAttributeSet& set) {
  std::string letters;
  for (DirAttribute attribute : kDirAttributeOrder)
    letters += HasAttribute(set, attribute) ? AttributeLetter(attribute) : '-';
  if (letters == "----") return {};
  return "[" + letters + "]";
}

std::string AttributeLetters(const DirAttributeSet& set) {
  std::string letters;
  for (DirAttribute attribute : kDirAttributeOrder)
    if (HasAttribute(set, attribute)) letters += AttributeLetter(attribute);
  return letters;
}

DirAttributeSet AttributesFromLetters(std::string_view text) {
  DirAttributeSet set;
  for (char c : text) {
    char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    for (DirAttribute attribute : kDirAttributeOrder)
      if (lower == AttributeLetter(attribute)) SetAttribute(set, attribute, true);
  }
  return set;
}

std::string NormalModeTitle(std::string_view app_title, const DirAttributeSet& set) {
  return TitleWithTag(app_title, " ", set);
}

std::string ExtendedModeTitle(std::string_view app_title, const DirAttributeSet& set) {
  return TitleWithTag(app_title, std::string(" ") + kProgramVersion + " ", set);
}

std::string AttributeChangeTitle(std::string_view app_title, InputMode mode,
                                 const DirAttributeSet& set) {
  if (mode == InputMode::kNormal) return NormalModeTitle(app_title, set);
  return TitleWithTag(app_title, std::string(" v") + kProgramVersion + " ", set);
}

LetterKeyDecision FilterAttributeLetter(char typed, std::string_view text,
                                        std::size_t selection_start, std::size_t selection_length) {
  LetterKeyDecision decision;
  if (typed == kCharCtrlA) {
    decision.select_all = true;
    return decision;
  }
  if (typed == kCharBackspace) {
    decision.accept = true;
    return decision;
  }
  bool letter = typed == 'r' || typed == 'a' || typed == 'h' || typed == 's';
  if (!letter) return decision;
  bool whole_text_selected = selection_start == 0 && selection_length >= text.size();
  decision.accept = whole_text_selected || text.find(typed) == std::string_view::npos;
  return decision;
}

const char* AttributeImageResource(int image_index) {
  if (image_index == kAttributeImageHot) return "ICON_Attrib_HOVER";
  if (image_index == kAttributeImageEditing) return "ICON_Attrib_EDIT";
  return "ICON_Attrib_NORMAL";
}

AttributeUpdate AttributeEditor::ToggleFromMenu(DirAttribute attribute, std::string_view app_title,
                                                InputMode mode) {
  SetAttribute(set_, attribute, !HasAttribute(set_, attribute));
  return Updated(app_title, mode);
}

std::string AttributeEditor::OpenField() {
  field_open_ = true;
  image_ = kAttributeImageEditing;
  return AttributeLetters(set_);
}

AttributeUpdate AttributeEditor::FieldChanged(std::string_view text, std::string_view app_title,
                                              InputMode mode) {
  set_ = AttributesFromLetters(text);
  return Updated(app_title, mode);
}

void AttributeEditor::CloseField() {
  field_open_ = false;
  image_ = kAttributeImageNormal;
}

void AttributeEditor::PointerEntered() {
  image_ = kAttributeImageHot;
}

void AttributeEditor::PointerLeft() {
  image_ = field_open_ ? kAttributeImageEditing : kAttributeImageNormal;
}

AttributeUpdate AttributeEditor::Updated(std::string_view app_title, InputMode mode) const {
  AttributeUpdate update;
  update.title = AttributeChangeTitle(app_title, mode, set_);
  update.field_open = field_open_;
  if (field_open_) update.field_text = AttributeLetters(set_);
  return update;
}

}  // namespace kestrix
