#pragma once
// The new-application dialog NewApplicationDialog: a method, the window to read, the cuts and
// the menu name of a user-defined application, with its value previewed every 500 ms; OK
// writes "Plugins\app_<ID>.ini". The fields' rules are names/new_application.h.
#include <string>

#include "names/new_application.h"
#include "names/replacements.h"
#include "platform/message_box.h"
#include "settings/language_table.h"
#include "window/control_hook.h"
#include "window/controls.h"
#include "window/dialog.h"

namespace kestrix {

struct NewApplicationServices {
  const LanguageTable& language;
  MessageBoxes& message_boxes;
  // The preview's readers, the clock and the user name for the file.
  VariablePlatform& platform;
};

class NewApplicationDialog : public Dialog {
 public:
  explicit NewApplicationDialog(NewApplicationServices services);

  // The identifier written on OK.
  const std::string& WrittenId() const { return fields_.id; }

 protected:
  bool OnInit() override;
  bool OnCommand(ControlId id, int code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;
  void OnOk() override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  std::string Text(const LanguageKey& key) const { return services_.language.Text(key); }
  HWND Item(ControlId id) const { return ::kestrix::Item(hwnd(), id); }
  void ReadFields();
  void ShowFields();
  void ChooseMethod(int method);
  void RefreshPreview();
  void FieldChanged(ControlId id);
  std::optional<LRESULT> FieldKey(HWND edit, UINT message, WPARAM wparam);

  NewApplicationServices services_;
  NewAppFields fields_;
  // Fields set by the program do not run the typing rules.
  bool showing_ = false;
  ControlHook keys_{"TNewApplication", [this](HWND edit, UINT message, WPARAM wparam, LPARAM) {
                      return FieldKey(edit, message, wparam);
                    }};
};

}  // namespace kestrix
