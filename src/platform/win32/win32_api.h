#pragma once
// <windows.h> for files that also use the window seam: it maps FindWindow and GetWindowText
// onto their A/W functions, which would rename the seam's methods of the same names.
#include <windows.h>

#undef FindWindow
#undef GetWindowText
