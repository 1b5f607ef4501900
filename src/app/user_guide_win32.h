#pragma once
// The user guide the program carries, help_eng.html beside the program: the place the
// windows' links lead to, opened at one of its sections. And the one way the windows hand a
// file or an address to the shell.
#include <string>
#include <string_view>

#include "platform/win32/windows_api.h"

namespace kestrix {

// Section names: the guide's anchors.
inline constexpr char kGuideManualInstall[] = "manual-install";
inline constexpr char kGuideLanguages[] = "languages";
inline constexpr char kGuideTranslating[] = "translating";
inline constexpr char kGuideVersions[] = "versions";
inline constexpr char kGuideProblems[] = "problems";

// Opens the guide at `section` in the program that shows .html files. False when the
// guide is not beside the program or nothing could open it.
bool OpenUserGuideSection(HWND owner, std::string_view section);

// Opens `file` (a document, a program or an address) as the shell does, with `parameters`
// and in `directory` when given. Whether the shell could.
bool ShellOpen(HWND owner, const std::string& file, const std::string& parameters = {},
               const std::string& directory = {});

}  // namespace kestrix
