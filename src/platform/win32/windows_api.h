#pragma once
// <windows.h> for the Win32 side of the seam, without the A/W name macros that would
// rename the seam's own methods (FileSystem::CreateDirectory, CopyFile, DeleteFile,
// RemoveDirectory; WindowSystem::FindWindow, GetWindowText). Win32 code calls the wide "W"
// functions by their full names, converting with platform/win32/wide_text.h. Include this
// instead of <windows.h> wherever a seam header is used.
#include <windows.h>

#undef CreateDirectory
#undef CopyFile
#undef DeleteFile
#undef RemoveDirectory
#undef FindWindow
#undef GetWindowText
