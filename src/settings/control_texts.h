#pragma once
// Window texts as data: each window lists which of its controls shows which language text,
// and one call sets them all from the current table. The window supplies the setter
// (SetWindowTextA for a caption, its tooltip for a hint, ModifyMenuA for a menu item), so
// this stays free of window code.
#include <functional>
#include <span>
#include <string>

#include "settings/language_keys.h"
#include "settings/language_table.h"

namespace kestrix {

enum class TextTarget { kCaption, kHint, kMenuItem };

struct ControlText {
  int control_id;  // the control's id (or the menu item's command id)
  TextTarget target;
  LanguageKey key;
};

using ControlTextSetter = std::function<void(const ControlText& entry, const std::string& text)>;

// Looks up every entry (trimmed, English default) and hands it to `set`, in table order.
inline void ApplyControlTexts(const LanguageTable& table, std::span<const ControlText> entries,
                              const ControlTextSetter& set) {
  for (const ControlText& entry : entries) set(entry, table.Text(entry.key));
}

}  // namespace kestrix
