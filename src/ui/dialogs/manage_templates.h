#pragma once
// The template manager TemplateManagerDialog: the user's templates as rows, added, chosen,
// deleted and cleared, with a preview and the variables popup; OK hands the rows back for
// section UserTemplates. What the rows become is names/template_manager.h.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "names/template_manager.h"
#include "platform/message_box.h"
#include "settings/language_table.h"
#include "window/control_hook.h"
#include "window/controls.h"
#include "window/dialog.h"

namespace kestrix {

struct ManageTemplatesServices {
  const LanguageTable& language;
  MessageBoxes& message_boxes;
  // The preview caption of a template text (the main window's automatic switching of
  // "Enable replacements" runs with it).
  std::function<std::string(const std::string& text)> preview;
  VariableChooser choose_variable;
};

class TemplateManagerDialog : public Dialog {
 public:
  // `client` is the client size to open with, in pixels; never below the minimum.
  TemplateManagerDialog(ManageTemplatesServices services,
                        std::vector<std::pair<std::string, std::string>> lines, SIZE client);

  // After the dialog: the rows as they stand (written by the caller on OK) and the client
  // size it closed with.
  const TemplateRows& Rows() const { return rows_; }
  SIZE ClientSize() const { return client_; }

 protected:
  bool OnInit() override;
  bool OnCommand(ControlId id, int code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;
  void OnOk() override;
  void OnCancel() override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  std::string Text(const LanguageKey& key) const { return services_.language.Text(key); }
  HWND Item(ControlId id) const { return ::kestrix::Item(hwnd(), id); }
  void ShowRows(int select);
  void TemplateTextChanged();
  bool AddTyped();
  void AddTemplate();
  void ShowVariablesMenu();
  void TemplateListSelectItem(int row);
  void DeleteRow(bool from_popup);
  void ClearTemplateList();
  void ShowListMenu(POINT at);
  void ResetName() const;
  int SelectedRow() const;
  std::optional<LRESULT> ComboKey(HWND edit, UINT message, WPARAM wparam);

  ManageTemplatesServices services_;
  TemplateRows rows_;
  SIZE requested_;
  SIZE client_;
  Combo define_;
  Combo name_;
  ControlId default_button_ = IDOK;
  // Row selection by the program itself (a refill) is no choice of the user.
  bool filling_ = false;
  ControlHook keys_{"TManageTemplates", [this](HWND edit, UINT message, WPARAM wparam, LPARAM) {
                      return ComboKey(edit, message, wparam);
                    }};
  ControlHook header_{
      "TManageTemplates", [](HWND, UINT message, WPARAM, LPARAM lparam) -> std::optional<LRESULT> {
        // The "#" column keeps its width.
        if (message != WM_NOTIFY) return std::nullopt;
        const auto* header = reinterpret_cast<const NMHEADERA*>(lparam);
        if ((header->hdr.code == HDN_BEGINTRACKA || header->hdr.code == HDN_BEGINTRACKW ||
             header->hdr.code == HDN_DIVIDERDBLCLICKA ||
             header->hdr.code == HDN_DIVIDERDBLCLICKW) &&
            header->iItem == 0)
          return TRUE;
        return std::nullopt;
      }};
};

}  // namespace kestrix
