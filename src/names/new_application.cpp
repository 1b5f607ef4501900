#include "names/new_application.h"

#include "base/program_version.h"
#include "base/text_utils.h"
#include "settings/big_ini_file.h"

namespace kestrix {

namespace {

constexpr char kWinampExample[] = "Winamp v1.x";
constexpr char kBsPlayerExample[] = "BSPlayer";
constexpr char kVlcExample[] = "- VLC";

const char* Bool(bool value) {
  return value ? "True" : "False";
}

}  // namespace

void PrepareMethod(NewAppFields& f, int method) {
  f.method = method;
  const bool example = f.window_class.empty() || f.window_class == kWinampExample ||
                       f.window_class == kBsPlayerExample || f.window_class == kVlcExample;
  const bool caption = method == kMethodWindowCaption;
  f.class_enabled = !caption;
  f.caption_enabled = caption;
  f.copy_data_enabled = method == kMethodCopyData;
  if (example) {
    f.window_class = method == kMethodWindowText ? kWinampExample
                     : method == kMethodCopyData ? kBsPlayerExample
                                                 : "";
    f.window_caption = caption ? kVlcExample : "";
  }
  const bool winamp = f.window_class == kWinampExample;
  f.cut_from = winamp ? ". " : "";
  f.cut_to = winamp ? " - Winamp" : "";
  f.cut_left = CutBoxFor(f.cut_from);
  f.cut_right = CutBoxFor(f.cut_to);
  f.extract_file_name = !winamp;
  f.remove_extension = !winamp;
}

std::string CorrectedField(NewAppField field, const std::string& text) {
  if (!text.empty()) return text;
  switch (field) {
    case NewAppField::kDwData:
      return "$0";
    case NewAppField::kCbData:
      return "0";
    case NewAppField::kId:
      return "xxct";
  }
  return text;
}

bool AcceptsDwDataChar(char c) {
  return c == '\b' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool AcceptsIdChar(char c) {
  return c == '\b' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string MenuCaptionPreview(const std::string& id, const std::string& name) {
  return Concat({"{", AsciiLowerCase(Trim(id)), "} - ", Trim(name)});
}

std::string PreviewCaption(const std::string& value) {
  return ReplaceAll(value, "&", "&&");
}

UserApplication ApplicationOf(const NewAppFields& f) {
  UserApplication app;
  app.menu_name = f.name;
  app.method = f.method;
  app.window_class = f.window_class;
  app.window_title = f.window_caption;
  app.dw_data = f.dw_data;
  int cb = 0;
  app.cb_data = ParseIniInteger(f.cb_data, cb) ? cb : 0;
  app.left_cut = f.cut_from;
  app.right_cut = f.cut_to;
  app.enable_trim = f.trim;
  app.extract_file_name = f.extract_file_name;
  app.remove_extension = f.remove_extension;
  return app;
}

bool IdentifierTaken(FileSystem& files, const std::string& program_dir, const std::string& id) {
  for (const char* built_in : {"aict", "bsct", "kmct", "vlct", "wact"})
    if (id == built_in) return true;
  return files.Exists(UserAppFileName(program_dir, id));
}

void WriteNewApplication(FileSystem& files, const std::string& program_dir, const NewAppFields& f,
                         const std::string& author, const std::string& date) {
  std::string folder = PluginsFolder(program_dir);
  folder.pop_back();
  if (!files.DirectoryExists(folder)) {
    const uint32_t code = files.CreateDirectory(folder);
    if (code != kErrorSuccess && code != kErrorAlreadyExists) throw InOutError(folder, code);
  }
  BigIniFile ini(files, UserAppFileName(program_dir, f.id));
  ini.WriteString("PlugInfo", "Author", Trim(author));
  ini.WriteString("PlugInfo", "Date", date);
  ini.WriteString("PlugInfo", "Version", kProgramVersion);
  ini.WriteString("Menu", "MenuName", f.name);
  ini.WriteInteger("Configuration", "MethodNum", f.method);
  ini.WriteString("Configuration", "WndClass", f.window_class);
  ini.WriteString("Configuration", "WndTitle", f.window_caption);
  ini.WriteString("Configuration", "dwData", f.dw_data);
  ini.WriteString("Configuration", "cbData", f.cb_data);
  ini.WriteString("Additional", "LeftCut", f.cut_from);
  ini.WriteString("Additional", "RightCut", f.cut_to);
  ini.WriteString("Additional", "EnableTrim", Bool(f.trim));
  ini.WriteString("Additional", "ExtractFN", Bool(f.extract_file_name));
  ini.WriteString("Additional", "RemoveExt", Bool(f.remove_extension));
  ini.UpdateFile();
}

}  // namespace kestrix
