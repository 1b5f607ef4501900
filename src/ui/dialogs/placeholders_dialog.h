#pragma once
// The placeholder dialog PlaceholdersDialog: asks for a replacement of each placeholder that
// occurs in an inserted structure (Next, Previous), and Apply gives back the structure
// with them substituted. The session's rules are create/user_structures.h.
#include <optional>
#include <string>
#include <vector>

#include "create/user_structures.h"
#include "settings/language_table.h"
#include "window/controls.h"
#include "window/dialog.h"

namespace kestrix {

class PlaceholdersDialog : public Dialog {
 public:
  PlaceholdersDialog(const LanguageTable& language, std::vector<std::string> placeholders,
                     std::string structure);

  // After Apply: the structure with the placeholders replaced.
  const std::optional<std::string>& Substituted() const { return substituted_; }

 protected:
  bool OnInit() override;
  bool OnCommand(ControlId id, int code, HWND control) override;
  void OnOk() override;

 private:
  std::string Text(const LanguageKey& key) const { return language_.Text(key); }
  HWND Item(ControlId id) const { return ::kestrix::Item(hwnd(), id); }
  void ShowPlaceholder(const std::string& replacement);
  void ShowNextPlaceholder();
  void ShowPreviousPlaceholder();
  void AcceptPlaceholders();

  const LanguageTable& language_;
  PlaceholderSession session_;
  std::string structure_;
  std::optional<std::string> substituted_;
  Edit replacement_;
};

}  // namespace kestrix
