#pragma once
// The batch group `grp_batchDir` of the main window: the number fields corrected in
// place, the series written into the list, the direction button, the prefill from the
// list the user had, the prefix and suffix drop-downs and the suffix editor. It owns its
// state; the list itself belongs to the window, which it writes through `set_list`.
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "window/control_set.h"

namespace kestrix {

class BatchGroup {
 public:
  // `show_direction` shows the direction button for a descending series or not.
  BatchGroup(ControlSet& controls, std::function<void(const std::string&)> set_list,
             std::function<void(bool descending)> show_direction)
      : controls_(controls),
        set_list_(std::move(set_list)),
        show_direction_(std::move(show_direction)) {}

  // Batch mode begins: the number fields take digits only and their changes count from
  // now on, while the window makes room for the group.
  void Opening();
  // Shows the group, fills it from the list the user had and writes the series.
  void Open();
  // Hides the group with its suffix editor.
  void Close();

  // The list as the user had it before batch mode, kept while the series replaces it.
  void KeepUserList(std::vector<std::string> lines) { user_list_ = std::move(lines); }
  const std::vector<std::string>& UserList() const { return user_list_; }

  // WM_COMMAND from a control of the group; whether it was one. `affix_settings` gives the
  // PrefixList or SuffixList of the settings file; `subdir` is the language's "Subdir".
  bool OnCommand(ControlId id, int code,
                 const std::function<std::vector<std::string>(bool prefix)>& affix_settings,
                 const std::string& subdir);
  // A drop-down choice of the prefix or suffix is complete, or an arrow changed a number.
  void GenerateBatchDirList();
  // The suffix editor lost the focus or Escape was pressed in it.
  void CloseSuffixEditor();
  // WM_NOTIFY to the window `form`: an up-down arrow is about to change its number.
  void OnNotify(HWND form, const NMHDR* header) const;
  // The arrow of the up-down `id` changed its number: the list takes the focus again.
  void UpDownDone(ControlId id) const;

 private:
  void BatchFieldEdited(ControlId id);
  void ToggleStepSign();
  void UpdateSignButton();
  void PrefillBatchFields();
  void OpenAffixList(ControlId id, const std::vector<std::string>& settings_values);
  void ToggleSuffixEditor(const std::string& subdir);
  void SuffixesChanged();
  void PickNumberForm(ControlId id);
  void ListCaretToEnd() const;

  ControlSet& controls_;
  std::function<void(const std::string&)> set_list_;
  std::function<void(bool descending)> show_direction_;
  std::vector<std::string> user_list_;
  bool open_ = false;
  // The fields are being filled by the program: their change handlers only correct.
  bool filling_ = false;
  bool digits_only_ = false;
};

}  // namespace kestrix
