#pragma once
// The About dialog: the product, its version and build, the version history (the resource
// "whatsnew") in a read-only scrolling field, the libraries linked in with their licenses,
// the contact label and a link to the release page (the user guide's section on new
// versions unless the settings name a page). Its size comes from and goes back to
// the settings file's WindowSize keys.
#include <functional>
#include <string>

#include "platform/file_system.h"
#include "platform/resources.h"
#include "settings/language_table.h"
#include "window/control_id.h"
#include "window/dialog.h"
#include "window/owned_font.h"

namespace kestrix {

enum class AboutControl : int {
  kProductLabel = 3200,
  kVersionLabel,
  kHistoryMemo,
  kLibrariesLabel,
  kDeveloperLabel,
  kNoteLabel,
  kContactLabel,
  kUpdateLink,
};
template <>
inline constexpr bool kIsControlEnum<AboutControl> = true;

inline constexpr char kAboutClass[] = "TAboutForm";
// Where questions and reports go: the user guide's section on problems, shown and opened
// by a click.
inline constexpr char kContactAddress[] = "help_eng.html#problems";

struct AboutContext {
  FileSystem& files;
  Resources& resources;
  std::string settings_path;
  // The interface language as it is now: asked again at every activation.
  std::function<LanguageTable()> language;
};

class AboutDialog : public Dialog {
 public:
  explicit AboutDialog(AboutContext context);
  HWND Item(ControlId id) const { return ::kestrix::Item(hwnd(), id); }

 protected:
  bool OnInit() override;
  bool OnCommand(ControlId id, int code, HWND control) override;
  void OnActivate() override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void ApplyCaptions();
  void SaveSize();

  AboutContext context_;
  LanguageTable language_;
  std::string release_page_;
  OwnedFont title_font_;
  OwnedFont link_font_;
};

// The version history as the field shows it: every line break as CR LF.
std::string HistoryText(const std::string& resource_bytes);

}  // namespace kestrix
