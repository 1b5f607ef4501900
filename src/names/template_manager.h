#pragma once
// The rows of the template manager TemplateManagerDialog and its rules: what Add, Delete and
// Clear do to them, which name the name field proposes, and what OK writes. The rows live
// only in the dialog until OK rewrites section UserTemplates.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "settings/big_ini_file.h"

namespace kestrix {

struct TemplateRow {
  int number = 0;  // shown in the "#" column; rows keep their numbers when others go
  std::string name;
  std::string text;
};

// The manager's default client size, also its minimum.
inline constexpr int kManageTemplatesWidth = 353;
inline constexpr int kManageTemplatesHeight = 257;

// Add is offered when both the trimmed text and the trimmed name are not empty.
bool CanAddTemplate(const std::string& text, const std::string& name);
// `word` (the language's "Template") + " " + number.
std::string NumberedTemplateName(const std::string& word, std::size_t number);

// The lines of section UserTemplates in file order: (name, text).
std::vector<std::pair<std::string, std::string>> ReadTemplateLines(BigIniFile& ini);

class TemplateRows {
 public:
  // The lines of section UserTemplates in file order (name, text), numbered from 1.
  explicit TemplateRows(std::vector<std::pair<std::string, std::string>> lines);

  const std::vector<TemplateRow>& Rows() const { return rows_; }
  std::size_t Count() const { return rows_.size(); }

  // The row whose name the settings file takes for `name` (it ignores letter case), or
  // null: adding `name` replaces that row, which the user is asked about first.
  const TemplateRow* Find(const std::string& name) const;
  // Removes every row Find would give for `name` and appends the new one, numbered with the
  // new row count. The name the name field shows next: the following number when `name`
  // was the proposed one, else `name` itself.
  std::string Add(const std::string& name, const std::string& text, const std::string& word);
  // Deletes a row. `from_popup`: the popup's "Delete selected", which remembers that the
  // installation's first template ("{user}") was deleted on purpose.
  void Delete(std::size_t index, bool from_popup);
  void Clear() { rows_.clear(); }

  // Whether OK must write DoNotInstall1stTemplate.
  bool FirstTemplateDeleted() const { return first_template_deleted_; }
  // OK: erases UserTemplates and writes the rows in list order (and the flag above).
  void Write(BigIniFile& ini) const;

 private:
  std::vector<TemplateRow> rows_;
  bool first_template_deleted_ = false;
};

}  // namespace kestrix
