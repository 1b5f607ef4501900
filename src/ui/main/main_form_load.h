#pragma once
// The Load button of the main window and its menu: a name-list file (the host's focused
// text file, or one chosen in the open dialog), the user's structures with their
// placeholder dialog, and the structure of the host's focused folder. It owns the
// structures found and the menu built from them.
#include <functional>
#include <string>
#include <vector>

#include "app/launch_decision.h"
#include "create/name_list_loading.h"
#include "platform/code_page.h"
#include "platform/message_box.h"
#include "ui/main/main_form_layout.h"
#include "ui/main/main_form_preview.h"

namespace kestrix {

class Dialog;

class LoadFromFileMenu {
 public:
  struct Wiring {
    ControlSet& controls;
    const MainMode& mode;
    StartupValues& app;
    SettingsModel& settings;
    FileSystem& files;
    CodePage& code_page;
    MessageBoxes& message_boxes;
    WindowSystem& windows;
    NamePreview& preview;
    MainLayout& layout;
    std::function<const LanguageTable&()> language;
    std::function<void()> change_to_ext;
    std::function<void(const std::string& name)> change_to_normal;
    std::function<void()> turn_off_batch;
    std::function<int(Dialog&)> run_own_dialog;
  };
  explicit LoadFromFileMenu(Wiring wiring) : w_(std::move(wiring)) {}

  void Attach(HWND form) { form_ = form; }
  // The structures named in the settings, read at each activation; the button shows when
  // there are some.
  void DiscoverStructures();
  bool HasStructures() const { return !structures_.empty(); }
  // WM_COMMAND from the Load button; whether it was the button's.
  bool OnCommand(ControlId id, int code);
  void ShowLoadMenu();
  // Loads a name-list file: with `browse` through the open-file dialog starting in `path`,
  // else the file at `path` itself.
  void ShowOpenDialogAndLoadFile(const std::string& path, bool browse);

 private:
  std::string FocusedFolder() const;
  void ToggleStructureClearList();
  void InsertIntoList(const std::string& lines);
  void ShowListEnd();
  void LoadStoredStructure(int number);
  void LoadFolderStructure(const std::string& folder);

  Wiring w_;
  HWND form_ = nullptr;
  std::vector<std::string> structures_;
  SelectFileMenu select_file_menu_;
};

}  // namespace kestrix
