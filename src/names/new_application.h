#pragma once
// The rules of the new-application dialog NewApplicationDialog: the example each method puts
// into the fields, the fields' corrections and key filters, the menu caption preview, the
// identifier check and the file OK writes. The dialog holds the fields in a plain struct
// and shows what these functions make of it.
#include <string>

#include "names/user_apps.h"
#include "platform/file_system.h"

namespace kestrix {

struct NewAppFields {
  int method = kMethodWindowText;  // 0, 2 or 3
  std::string window_class;
  bool class_enabled = true;
  std::string window_caption;
  bool caption_enabled = false;
  std::string dw_data = "$1010B";
  std::string cb_data = "4";
  bool copy_data_enabled = false;  // edit_dwdata and edit_cbdata
  bool trim = true;
  bool cut_left = true;
  std::string cut_from = ". ";
  bool cut_right = true;
  std::string cut_to = " - Winamp";
  bool extract_file_name = false;
  bool remove_extension = false;
  std::string id = "xxct";
  std::string name = "User defined";
};

// A radio button chose `method`. The class field gets the method's example only while it is
// empty or still holds an example, so a class the user typed stays; the fields each method
// uses are enabled whatever the class holds.
void PrepareMethod(NewAppFields& fields, int method);

// A cut field was typed into: its box follows whether the text is blank.
inline bool CutBoxFor(const std::string& text) {
  return !text.empty() && text.find_first_not_of(" \t") != std::string::npos;
}

// What an emptied field becomes ("$0", "0", "xxct"); the text itself otherwise.
enum class NewAppField { kDwData, kCbData, kId };
std::string CorrectedField(NewAppField field, const std::string& text);

// The key filters: the characters each field takes (backspace always).
bool AcceptsDwDataChar(char c);
bool AcceptsIdChar(char c);
inline constexpr int kMaxIdLength = 4;

// rp_preview: "{" + the identifier trimmed and in lower case + "} - " + the trimmed name.
std::string MenuCaptionPreview(const std::string& id, const std::string& name);
// The live value as the Preview panel shows it: every "&" doubled.
std::string PreviewCaption(const std::string& value);

// The definition the fields describe, as the file will hold it.
UserApplication ApplicationOf(const NewAppFields& fields);

// OK refuses an identifier whose file exists or that a built-in player token uses (the
// comparison is exact).
bool IdentifierTaken(FileSystem& files, const std::string& program_dir, const std::string& id);

// Writes "Plugins\app_" + ID + ".ini", creating the folder when missing. `author` is the
// user name, `date` "dd-mm-yyyy". Throws InOutError when the file cannot be written.
void WriteNewApplication(FileSystem& files, const std::string& program_dir,
                         const NewAppFields& fields, const std::string& author,
                         const std::string& date);

}  // namespace kestrix
