#pragma once
// User-defined applications: a token "{" + ID + "}" whose value is read from another
// program's window by one of a few fixed methods, then cut and cleaned. Each application
// is the file "Plugins\app_" + ID + ".ini" beside the executable.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/shared_memory.h"
#include "platform/window_system.h"
#include "settings/settings_model.h"

namespace kestrix {

enum UserAppMethod : int {
  kMethodWindowText = 0,    // WM_GETTEXT to the window of the class
  kMethodSharedMemory = 1,  // an AIMP-style record under a mapping name
  kMethodCopyData = 2,      // WM_COPYDATA with the address of a receive buffer
  kMethodWindowCaption = 3  // the first top-level title holding a fragment
};

// One application file as read, with every default of a missing key.
struct UserApplication {
  std::string menu_name = "n.a.";
  int method = kMethodWindowText;
  std::string window_class;
  std::string window_title;
  std::string dw_data = "$0";  // decimal, or "$" and hexadecimal digits
  int cb_data = 0;
  std::string left_cut;
  std::string right_cut;
  bool enable_trim = false;
  bool extract_file_name = false;
  bool remove_extension = false;
};

// Largest cbData the definition dialog offers; larger or negative lengths are refused.
inline constexpr int kMaxCopyDataLength = 32767;

// "Plugins\" under the program's folder (`program_dir` with or without its final "\").
std::string PluginsFolder(const std::string& program_dir);
std::string UserAppFileName(const std::string& program_dir, const std::string& id);

// The identifier a "Plugins" entry stands for: every "app_" and every ".ini" removed,
// ignoring case.
std::string UserAppIdFromFileName(std::string_view file_name);

// The identifiers of the "app_*" entries (files and folders alike) of the "Plugins" folder;
// nothing when the applications are switched off or the folder is missing.
std::vector<std::string> DiscoverUserApps(FileSystem& files, const std::string& program_dir,
                                          DisablePlugins disable_plugins);

// Reads the application's file afresh; a missing file gives every default.
UserApplication ReadUserApp(FileSystem& files, const std::string& program_dir,
                            const std::string& id);

// The identifier the copy-data method sends: the number of `dw_data`. Throws VariableError
// with a message naming the application when it is not a number.
uint32_t CopyDataIdentifier(const std::string& id, const std::string& dw_data);

struct UserAppReaders {
  WindowSystem& windows;
  SharedMemory& shared_memory;
  Locale& locale;
  WindowHandle application_window = 0;
  // The mapping the shared-memory method reads; the expansion supplies none.
  std::string mapping_name;
};

// The raw value by the application's method; "-" when the window or mapping is not found.
// Throws VariableError for a dwData that is not a number or a cbData out of range.
std::string ReadUserAppRaw(const std::string& id, const UserApplication& app,
                           UserAppReaders& readers);

// Applies the cut markers, trimming and file-name reduction. A blank result is "-" when
// `dash_when_empty` is set, else empty.
std::string CleanUserAppValue(const std::string& raw, const UserApplication& app,
                              bool dash_when_empty);

std::string EvaluateUserApp(const std::string& id, const UserApplication& app,
                            UserAppReaders& readers, bool dash_when_empty);

}  // namespace kestrix
