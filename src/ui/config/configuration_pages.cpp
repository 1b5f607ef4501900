#include "ui/config/configuration_pages.h"

#include <algorithm>

namespace kestrix {

bool ConfigurationPage::Owns(ControlId id) const {
  return std::any_of(controls_.begin(), controls_.end(),
                     [id](const ControlSpec& spec) { return spec.id == id; });
}

std::vector<std::string> ConfigurationPage::Items(ControlId id) const {
  const Combo combo = ComboOf(id);
  std::vector<std::string> items;
  for (int i = 0; i < combo.Count(); ++i) items.push_back(combo.Item(i));
  return items;
}

void ConfigurationPage::Load() {
  ConfigurationValues& v = Values();
  for (const ListBinding& b : bindings_.lists) ComboOf(b.id).SetItems(v.*b.value);
  for (const TextBinding& b : bindings_.texts) Control(Item(b.id)).SetText(v.*b.value);
  for (const FlagBinding& b : bindings_.flags) {
    Box(b.id).SetChecked(v.*b.value);
    if (b.opposite != 0) Box(b.opposite).SetChecked(!(v.*b.value));
  }
  LoadMore();
}

bool ConfigurationPage::Save() {
  ConfigurationValues& v = Values();
  for (const ListBinding& b : bindings_.lists) v.*b.value = Items(b.id);
  for (const TextBinding& b : bindings_.texts) v.*b.value = Control(Item(b.id)).Text();
  for (const FlagBinding& b : bindings_.flags) v.*b.value = Box(b.id).Checked();
  SaveMore();
  return true;
}

}  // namespace kestrix
