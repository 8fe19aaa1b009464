#pragma once
// The dialog-initialisation resource (type 240, named like its dialog template): messages that
// load initial data into the template's controls, typically the strings of a combo box. The
// dialog manager does not process it; CDialog::OnInitDialog does.
//
// Layout, little-endian and unpadded, repeated until a control id of 0:
//   WORD control id, WORD message, DWORD data length, BYTE data[length]
// Messages use the 16-bit numbering: 0x0401 adds a list-box string, 0x0403 a combo-box string;
// the data is the string (its terminating zero may be missing).
//
// In a .rc file (windres wants a comma between all items, line ends included):
//   IDD_MY_DIALOG 240
//   BEGIN
//       IDC_MY_COMBO, 0x0403, 9L, "Disabled\0",
//       IDC_MY_COMBO, 0x0403, 8L, "Enabled\0",
//       0
//   END

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "win32_headers.h"

constexpr WORD kDialogInitResourceType = 240;

struct DialogInitEntry {
  int controlId;
  UINT message;      // already translated to the Win32 message
  std::string data;  // text of the entry, without its terminating zero
};

// Reads the entries in order. Stops at the terminator, at the end of the data, or at an entry
// that runs past the end (that entry is dropped). Entries with a message other than the two
// string additions are skipped.
std::vector<DialogInitEntry> ParseDialogInitData(const uint8_t* data, std::size_t size);

// Sends every entry of the resource for `templateId` to the dialog's controls. Returns FALSE
// when the template has no such resource.
BOOL ExecuteDialogInitData(HWND dialog, HINSTANCE module, UINT templateId);
