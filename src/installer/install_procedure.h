#pragma once
// The installation and the uninstallation, once the host is closed, as the installer
// window runs them step by step. Host files are read and written whole through
// BigIniFile, whose flush replaces a file only once the new content is complete: each
// host file ends either as it was or fully changed. Failures come back as results or as
// InOutError naming the file; the window shows them.
#include <cstdint>
#include <string>

#include "installer/host_file_edits.h"
#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/resources.h"

namespace kestrix {

struct InstallPaths {
  std::string host_dir;      // COMMANDER_PATH, without trailing "\"
  std::string relative_exe;  // "Kestrix\tc Kestrix.exe"
  std::string wincmd_ini;    // COMMANDER_INI
  std::string running_exe;   // the program that runs the installer

  std::string Target() const { return host_dir + "\\" + relative_exe; }
  // The directory of the target, without trailing "\".
  std::string InstallDir() const;
  // Beside the target: same base name, another extension (".ini", ".lst").
  std::string BesideTarget(const std::string& extension) const;
  std::string UsercmdIni() const { return HostFileBeside(wincmd_ini, "usercmd.ini"); }
  std::string FsPluginIni() const { return HostFileBeside(wincmd_ini, "fsplugin.ini"); }
};

// A file operation that failed: the file and the Windows error code.
struct FileFailure {
  std::string path;
  uint32_t code = kErrorSuccess;
  bool Failed() const { return code != kErrorSuccess; }
};

// The documents unpacked beside the installed program: resource name and file name.
struct Document {
  const char* resource;
  const char* file_name;
};
inline constexpr Document kDocuments[] = {
    {"readme", "readme.txt"}, {"whatsnew", "whatsnew.txt"}, {"help_ENG", "help_eng.html"}};

class InstallProcedure {
 public:
  InstallProcedure(FileSystem& fs, Resources& resources, CodePage& code_page, InstallPaths paths)
      : fs_(fs), resources_(resources), code_page_(code_page), paths_(std::move(paths)) {}

  const InstallPaths& Paths() const { return paths_; }

  // wincmd.old and usercmd.old beside wincmd.ini, before an install or an uninstall edits
  // them. A missing file needs no backup; an existing one that cannot be copied is the
  // failure (nothing may change then), naming the host file when it cannot be read, else
  // the backup.
  FileFailure BackupHostFiles();
  // Creates the target's directory and copies the running program there. The copy onto
  // itself (the installer runs from its installed place) counts as done.
  FileFailure CopyProgram();

  // Uninstall: the program (true when it went), then its settings file (true when it
  // went), then the history list, the documents still as the installation unpacked them,
  // and the directory when it is empty.
  bool DeleteProgram();
  bool DeleteSettings();
  void RemoveLeftovers();

  // Step 3. Each writes its file (if it changed) and throws InOutError when it cannot.
  void UpdateFsPlugin();
  void UpdateKeyBinding(const KeyBinding& binding);
  // Whether the settings file beside the target says not to install em_KestrixEnter.
  bool SkipEnterCommand();
  // Install: writes the commands; returns whether em_KestrixEnter was written.
  bool InstallUserCommands(bool skip_enter_command);
  void UninstallUserCommands();
  void WriteSettings(const std::string& language, bool enter_command_installed,
                     const std::string& first_template_name);
  void UnpackDocuments();

 private:
  FileSystem& fs_;
  Resources& resources_;
  CodePage& code_page_;
  InstallPaths paths_;
};

// Creates every missing level of `directory`; the first failure's code.
uint32_t ForceDirectories(FileSystem& fs, const std::string& directory);

// An earlier installation: `button` (em_Kestrix's button, expanded) when it names an
// existing file below the host's directory, else the first "*Kestrix*.exe" in the host's
// tree (a directory's files before its subdirectories, at most kProgramSearchDepth levels
// down, never through a junction or a symbolic link); empty when there is none. The
// result is relative to the host's directory, a path IsAllowedTargetPath takes.
inline constexpr int kProgramSearchDepth = 8;
std::string FindInstalledProgram(FileSystem& fs, const std::string& host_dir,
                                 const std::string& button);

// What the installer window finds when it opens: the key bound to em_Kestrix and the
// program an earlier installation put below the host's directory (FindInstalledProgram,
// em_Kestrix's button defaulting to `default_relative_exe`; empty when none was found).
// The user's own commands, whatever they start, are not looked at.
struct EarlierInstallation {
  ExistingKey key;
  std::string relative_exe;
};
EarlierInstallation FindEarlierInstallation(FileSystem& fs, Environment& environment,
                                            BigIniFile& wincmd, BigIniFile& usercmd,
                                            const std::string& host_dir,
                                            const std::string& default_relative_exe);

// A host file the INI component cannot read: UTF-16 without its byte-order mark (zero
// bytes in single-byte text). With the mark it is read and written in its own encoding.
bool IsUnmarkedUtf16(const std::string& content);

}  // namespace kestrix
