#pragma once
// The template box `cmbox_Templates` of the main window: the built-in templates in the
// language and the user's own, filled when the list opens; a pick or a typed key puts the
// template into the name field or adds it to the list. It owns whether its list is open.
#include <functional>
#include <string>
#include <vector>

#include "names/template_list.h"
#include "ui/main/main_form_preview.h"
#include "ui/main/name_history.h"

namespace kestrix {

class TemplateBox {
 public:
  struct Wiring {
    ControlSet& controls;
    const MainMode& mode;
    SettingsModel& settings;
    NameHistory& history;
    NamePreview& preview;
    std::function<const LanguageTable&()> language;
    std::string& routine;  // CurrentRoutine, for the error log
  };
  explicit TemplateBox(Wiring wiring) : w_(std::move(wiring)) {}

  // The entries in the current language, the selection kept where it can be.
  void Fill();
  // After the user's templates were edited: the list filled again, "no template" chosen.
  void Refill();
  // WM_COMMAND from the box; whether it was the box's.
  bool OnCommand(ControlId id, int code);
  // Opens the list with the focus on it.
  void Open();
  // A key typed into the closed list picks the entry it starts.
  void PickByKey(char32_t key);
  bool ListOpen() const { return list_open_; }
  void ListClosed() { list_open_ = false; }

 private:
  void TemplatePicked();

  Wiring w_;
  bool list_open_ = false;
  std::vector<BuiltInTemplate> built_in_templates_;
};

}  // namespace kestrix
