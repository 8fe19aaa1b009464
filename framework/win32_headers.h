#pragma once
// The Win32 headers as the framework needs them: ANSI entry points, list views and IP address
// controls of comctl32 5.8.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0500
#endif

#include <windows.h>
#include <commctrl.h>
