#pragma once
// The placeholder dialog TPlaceholders: asks for a replacement of each placeholder that
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

class TPlaceholders : public Dialog {
 public:
  TPlaceholders(const LanguageTable& language, std::vector<std::string> placeholders,
                std::string structure);

  // After Apply: the structure with the placeholders replaced.
  const std::optional<std::string>& Substituted() const { return substituted_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOk() override;

 private:
  std::string Text(const LanguageKey& key) const { return language_.Text(key); }
  HWND Item(int id) const { return GetDlgItem(hwnd(), id); }
  void ShowPlaceholder(const std::string& replacement);
  void btn_nextClick();
  void btn_previousClick();
  void btn_acceptClick();

  const LanguageTable& language_;
  PlaceholderSession session_;
  std::string structure_;
  std::optional<std::string> substituted_;
  Edit replacement_;
};

}  // namespace kestrix
