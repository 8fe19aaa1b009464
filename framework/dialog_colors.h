#pragma once
// Which colour requests of a dialog the application's dialog colours answer.

#include "win32_headers.h"

// True for the dialog surface, labels, group boxes and buttons. False for edit fields, combo
// boxes and IP address fields (disabled or read-only, they ask as a label does, so the asking
// control's class decides), list boxes, scroll bars and message boxes.
bool UsesDialogColors(UINT message, HWND control);
