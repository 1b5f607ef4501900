#include "installer/install_procedure.h"

#include "base/path_text.h"
#include "base/text_utils.h"
#include "settings/settings.h"

namespace kestrix {

namespace {

std::string WithoutTrailingBackslash(std::string path) {
  while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

}  // namespace

std::string InstallPaths::InstallDir() const {
  return WithoutTrailingBackslash(pathtext::ExtractFilePath(Target()));
}

std::string InstallPaths::BesideTarget(const std::string& extension) const {
  const std::string target = Target();
  return pathtext::ExtractFilePath(target) + pathtext::FileNameWithoutExt(target) + extension;
}

uint32_t ForceDirectories(FileSystem& fs, const std::string& directory) {
  const std::string path = WithoutTrailingBackslash(directory);
  if (path.empty() || fs.DirectoryExists(path)) return kErrorSuccess;
  const std::string parent = WithoutTrailingBackslash(pathtext::ExtractFilePath(path));
  if (!parent.empty() && parent != path) {
    const uint32_t code = ForceDirectories(fs, parent);
    if (code != kErrorSuccess) return code;
  }
  const uint32_t code = fs.CreateDirectory(path);
  return code == kErrorAlreadyExists ? kErrorSuccess : code;
}

namespace {

std::string SearchProgram(FileSystem& fs, const std::string& dir, int depth) {
  for (const DirEntry& entry : fs.ListDirectory(dir, "*Kestrix*.exe"))
    if (!entry.IsDirectory()) return dir + "\\" + entry.name;
  if (depth == 0) return {};
  for (const DirEntry& entry : fs.ListDirectory(dir, "*")) {
    // A junction or a link leads out of the host's tree, or back into it for ever.
    if (!entry.IsDirectory() || (entry.attributes & kAttrReparsePoint) != 0) continue;
    std::string found = SearchProgram(fs, dir + "\\" + entry.name, depth - 1);
    if (!found.empty()) return found;
  }
  return {};
}

}  // namespace

namespace {

// `path` relative to the host's directory when it lies below it ("C:\TC2\x.exe" does not
// lie below "C:\TC"); empty otherwise.
std::string BelowHost(const std::string& path, const std::string& host_dir) {
  const std::string base = pathtext::WithTrailingSeparator(host_dir);
  if (path.size() <= base.size() || !EqualsIgnoreCase(path.substr(0, base.size()), base)) return {};
  return path.substr(base.size());
}

}  // namespace

std::string FindInstalledProgram(FileSystem& fs, const std::string& host_dir,
                                 const std::string& button) {
  // A button outside the host's directory is no installation of it: installing there
  // would write a binding that cannot run.
  const std::string found = Trim(button);
  std::string relative = BelowHost(found, host_dir);
  if (relative.empty() || !fs.FileExists(found))
    relative = BelowHost(SearchProgram(fs, host_dir, kProgramSearchDepth), host_dir);
  return IsAllowedTargetPath(relative) ? relative : std::string();
}

EarlierInstallation FindEarlierInstallation(FileSystem& fs, Environment& environment,
                                            BigIniFile& wincmd, BigIniFile& usercmd,
                                            const std::string& host_dir,
                                            const std::string& default_relative_exe) {
  // The host writes the command with "%COMMANDER_PATH%"; the file is where that expands to.
  const std::string button = environment.Expand(
      usercmd.ReadString(kCommandName, "button", host_dir + "\\" + default_relative_exe));
  return {FindExistingKey(wincmd), FindInstalledProgram(fs, host_dir, button)};
}

bool IsUnmarkedUtf16(const std::string& content) {
  return !content.starts_with("\xFF\xFE") && content.find('\0') != std::string::npos;
}

FileFailure InstallProcedure::BackupHostFiles() {
  const std::string dir = pathtext::ExtractFilePath(paths_.wincmd_ini);
  const std::pair<std::string, std::string> backups[] = {
      {paths_.wincmd_ini, dir + "wincmd.old"}, {paths_.UsercmdIni(), dir + "usercmd.old"}};
  for (const auto& [from, to] : backups) {
    if (!fs_.FileExists(from)) continue;
    const uint32_t code = fs_.CopyFile(from, to, false);
    if (code == kErrorSuccess) continue;
    // The copy's code does not say which side failed: a host file that another program
    // holds is the usual one, a read-only backup the other.
    std::string content;
    const uint32_t read = fs_.ReadWholeFile(from, content);
    return read != kErrorSuccess ? FileFailure{from, read} : FileFailure{to, code};
  }
  return {};
}

FileFailure InstallProcedure::CopyProgram() {
  FileFailure failure{paths_.InstallDir(), ForceDirectories(fs_, paths_.InstallDir())};
  if (!failure.Failed())
    failure = {paths_.Target(), fs_.CopyFile(paths_.running_exe, paths_.Target(), false)};
  if (failure.Failed() &&
      AsciiLowerCase(Trim(paths_.running_exe)) == AsciiLowerCase(Trim(paths_.Target())))
    return {};
  return failure;
}

bool InstallProcedure::DeleteProgram() {
  return fs_.DeleteFile(paths_.Target()) == kErrorSuccess;
}

bool InstallProcedure::DeleteSettings() {
  return fs_.DeleteFile(paths_.BesideTarget(".ini")) == kErrorSuccess;
}

void InstallProcedure::RemoveLeftovers() {
  // The name-list history and the record of runs to take back are the program's own.
  for (const char* extension : {".lst", ".runs"}) {
    const std::string file = paths_.BesideTarget(extension);
    if (fs_.FileExists(file)) fs_.DeleteFile(file);
  }
  // What the installation unpacked goes too, so the directory can go when the user keeps
  // nothing of his own in it. A document the user changed, or another program's file of
  // that name (the host's own readme.txt), is his: it stays, and the directory with it.
  for (const Document& document : kDocuments) {
    const std::string path = paths_.InstallDir() + "\\" + document.file_name;
    std::string ours, present;
    if (resources_.ReadData(document.resource, ours) == 0 &&
        fs_.ReadWholeFile(path, present) == kErrorSuccess && ours == present)
      fs_.DeleteFile(path);
  }
  fs_.RemoveDirectory(paths_.host_dir + "\\" + kInstallSubdir);
}

void InstallProcedure::UpdateFsPlugin() {
  if (!fs_.FileExists(paths_.FsPluginIni())) return;
  BigIniFile fsplugin(fs_, paths_.FsPluginIni(), IniOwner::kHost, &code_page_);
  EnableAutoSaveList(fsplugin);
  fsplugin.UpdateFile();
}

void InstallProcedure::UpdateKeyBinding(const KeyBinding& binding) {
  if (!fs_.FileExists(paths_.wincmd_ini)) return;
  BigIniFile wincmd(fs_, paths_.wincmd_ini, IniOwner::kHost, &code_page_);
  EditKeyBinding(wincmd, binding);
  wincmd.UpdateFile();
}

bool InstallProcedure::SkipEnterCommand() {
  BigIniFile settings(fs_, paths_.BesideTarget(".ini"), IniOwner::kProgram, &code_page_);
  return settings.ReadString("Additional", "DoNotInstallEnterCmd", "False") == "True";
}

bool InstallProcedure::InstallUserCommands(bool skip_enter_command) {
  BigIniFile usercmd(fs_, paths_.UsercmdIni(), IniOwner::kHost, &code_page_);
  WriteUserCommands(usercmd, paths_.relative_exe, !skip_enter_command);
  usercmd.UpdateFile();
  return !skip_enter_command;
}

void InstallProcedure::UninstallUserCommands() {
  BigIniFile usercmd(fs_, paths_.UsercmdIni(), IniOwner::kHost, &code_page_);
  EraseUserCommands(usercmd);
  usercmd.UpdateFile();
}

void InstallProcedure::WriteSettings(const std::string& language, bool enter_command_installed,
                                     const std::string& first_template_name) {
  BigIniFile settings(fs_, paths_.BesideTarget(".ini"), IniOwner::kProgram, &code_page_);
  WriteInstallationDefaults(settings, {language, enter_command_installed, first_template_name});
}

void InstallProcedure::UnpackDocuments() {
  for (const Document& document : kDocuments) {
    std::string content;
    if (resources_.ReadData(document.resource, content) != 0) continue;
    const std::string path = paths_.InstallDir() + "\\" + document.file_name;
    const uint32_t code = fs_.WriteWholeFile(path, content);
    if (code != kErrorSuccess) throw InOutError(path, code);
  }
}

}  // namespace kestrix
