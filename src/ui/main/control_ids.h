#pragma once
// Every control of the main window has a fixed id, so tests (in the process and from
// outside) find a control by its name: GetDlgItem(main window, kId_<name>).
// Ids start at 2000: a combo box gives its own edit child the id 1001. The options and
// batch groups with their captions, and the divider, are painted by the window and have
// none.

namespace kestrix {

enum MainControlId : int {
  kId_lbl_s_newfolder = 2000,
  kId_lbl_s_refresh,
  kId_img_ChangeDirAttrib,
  kId_edit_Attrib,
  kId_lbl_currentPath,
  kId_lbl_newdirname,
  kId_lbl_s_more,
  kId_btn_loadFromFile,
  kId_btn_addRep,
  kId_btn_extended,
  kId_MkDir,
  kId_MkDirExt,
  kId_btn_undo,
  kId_btn_Quick1,
  kId_btn_Quick2,
  kId_btn_Quick3,
  kId_btn_Quick4,
  kId_btn_BatchDir,
  kId_btn_ok,
  kId_btn_cancel,
  kId_btn_ok_flat,
  kId_btn_cancel_flat,
  kId_option_replacements,
  kId_option_enterdir,
  kId_option_closewnd,
  kId_cmbox_Templates,
  kId_btn_options,
  kId_btn_options_flat,
  kId_lbl_from,
  kId_edit_from,
  kId_updown_from,
  kId_lbl_to,
  kId_edit_to,
  kId_updown_to,
  kId_lbl_stepby,
  kId_edit_stepby,
  kId_updown_stepby,
  kId_lbl_digits,
  kId_edit_digits,
  kId_updown_digits,
  kId_chck_digitsAuto,
  kId_btn_sign,
  kId_lbl_prefix,
  kId_cmbx_prefix,
  kId_lbl_suffix,
  kId_cmbx_suffix,
  kId_btn_setSuffix,
  kId_memo_suffix,
  kId_rb_Decimal,
  kId_rb_Roman,
  kId_rb_ABC,
  kId_edit_curdirname,
  kId_btn_treePreview,
  kId_LastControl,
};

// Menu command ids of the main window's pop-up menus.
enum MainMenuId : int {
  kMenu_ManageTemplates = 3000,
  kMenu_Configuration,
  kMenu_UserGuide,
  kMenu_About,
  kMenu_NewApp1,
  kMenu_UndoRun,
  // The variables popup's items from here, in the order they are shown.
  kMenu_VariableFirst = 3100,
};

// The window timer of the live preview.
inline constexpr int kTimer_LiveReplacements = 1;

}  // namespace kestrix
