#pragma once
// Control ids of the name-engine dialogs (template manager, placeholders, new
// application), so tests find a control by its name: GetDlgItem(dialog, kId_<name>).
// Their OK and Cancel buttons are IDOK and IDCANCEL.

namespace kestrix {

enum TemplateManagerId : int {
  kId_Template_Define = 4000,
  kId_btn_addRepTemplate,
  kId_grp_newTemplate,
  kId_Label1,
  kId_Label2,
  kId_Label3,
  kId_Template_Name,
  kId_btn_Add,
  kId_TemplateList,
  kId_lbl_TemplatePreview,
  kMenu_Deleteselected1,
  kMenu_Clearlist1,
};

enum PlaceholdersId : int {
  kId_grpbox_Placeholders = 4100,
  kId_Label21Placeholders,
  kId_Label1Placeholder,
  kId_edit_placeHolder,
  kId_Label2Replacement,
  kId_edit_Replacement,
  kId_btn_next,
  kId_btn_previous,
  kId_Label3Position,
};

enum NewApplicationId : int {
  kId_gb_Method = 4200,
  kId_rb_gettext,
  kId_rb_copydata,
  kId_rb_getwindowtext,
  kId_gb_Handles,
  kId_lbl_wndclass,
  kId_edit_wndclass,
  kId_lbl_wndcaption,
  kId_edit_wndcaption,
  kId_lbl_dwdata,
  kId_edit_dwdata,
  kId_lbl_cbdata,
  kId_edit_cbdata,
  kId_ud_cbdata,
  kId_gb_Fixes,
  kId_cb_trim,
  kId_cb_cutLeft,
  kId_edit_cutFrom,
  kId_cb_cutRight,
  kId_edit_cutTo,
  kId_cb_extractFN,
  kId_cb_removeExt,
  kId_gb_Name,
  kId_lbl_id,
  kId_rp_ID,
  kId_lbl_name,
  kId_rp_Name,
  kId_lbl_preview,
  kId_rp_preview,
  kId_gb_Preview,
  kId_Preview,
};

// The new-application dialog's preview timer.
inline constexpr int kTimer_Preview = 1;

}  // namespace kestrix
