#pragma once
// Taking the foreground and reading another process's keyboard focus despite the system's
// foreground lock.
#include "platform/win32/windows_api.h"

namespace kestrix {

// Restores an iconic window and makes it the foreground window; whether it now is.
bool ForceForeground(HWND window);

// The window with the keyboard focus in the foreground window's thread; 0 when this
// thread cannot attach to it.
HWND GetForeignFocus();

}  // namespace kestrix
