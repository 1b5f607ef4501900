#pragma once
// Base of the program's dialogs, in the manner of a dialog procedure: OnInit makes and
// fills the controls, WM_COMMAND goes to OnCommand and WM_NOTIFY to OnNotify. OK and
// Cancel work by default: Enter and the IDOK button end it through OnOk, Escape, the
// IDCANCEL button and the close box through OnCancel. A settings dialog is made of pages
// that load when it opens and save on OK.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "window/control_table.h"
#include "window/form.h"

namespace kestrix {

// Shows the variables popup at a screen point over `owner`: the token chosen, nothing when
// it is dismissed. The dialogs that take variables ask the main window through it.
using VariableChooser = std::function<std::optional<std::string>(HWND owner, POINT at)>;

// One page of a settings dialog.
class DialogPage {
 public:
  virtual ~DialogPage() = default;
  // Shows the stored values in the page's controls.
  virtual void Load() = 0;
  // Stores the values of the page's controls; false keeps the dialog open (the page has
  // told the user why).
  virtual bool Save() = 0;
};

class Dialog : public Form {
 public:
  // Runs the dialog over `owner`, which is disabled meanwhile; the id it ended with
  // (IDCANCEL when it could not be shown).
  int ShowModal(HINSTANCE instance, HWND owner);

 protected:
  // `class_name` is also the form name the error log shows. Sizes at 96 DPI.
  Dialog(const char* class_name, const char* title, int width, int height)
      : class_name_(class_name), title_(title), width_(width), height_(height) {}

  // Makes the controls; false ends the dialog with IDCANCEL before it is shown.
  virtual bool OnInit() { return true; }
  // After the pages have loaded.
  virtual void OnLoaded() {}
  // After every page has saved, before the dialog ends with IDOK; false keeps it open.
  virtual bool OnSaved() { return true; }
  // Whether the command was handled; IDOK and IDCANCEL go to OnOk and OnCancel otherwise.
  virtual bool OnCommand(ControlId id, int code, HWND control);
  virtual LRESULT OnNotify(const NMHDR& header);
  // Saves every page and ends with IDOK when all of them could.
  virtual void OnOk();
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Each activation, before the default handling: a dialog that follows the program's
  // language reads it again here.
  virtual void OnActivate() {}
  void EndDialog(int result);

  // Pages load after OnInit and save on OK, in the order added.
  void AddPage(DialogPage& page) { pages_.push_back(&page); }
  // Makes the controls of `specs` (ui/control_table.h) with captions from `language`. Their
  // places are written for a client area of `design_width` x `design_height` at 96 DPI;
  // the anchored ones follow the window's size from then on.
  void CreateControls(std::span<const ControlSpec> specs, const LanguageTable& language,
                      int design_width = 0, int design_height = 0);
  // The client size of a window of this style with a client area written at 96 DPI.
  void SetClientSize(int width, int height);

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  const char* class_name_;
  const char* title_;
  int width_;
  int height_;
  std::vector<DialogPage*> pages_;
  AnchorResizer resizer_;
  bool ended_ = false;
  int result_ = IDCANCEL;
};

}  // namespace kestrix
