#include "dialog_init_data.h"

namespace {

// The 16-bit numbers under which the resource stores its string additions.
constexpr WORD kListBoxAddString16 = 0x0401;
constexpr WORD kComboBoxAddString16 = 0x0403;

WORD ReadWord(const uint8_t* at) {
  return static_cast<WORD>(at[0] | at[1] << 8);
}
DWORD ReadDword(const uint8_t* at) {
  return static_cast<DWORD>(ReadWord(at)) | static_cast<DWORD>(ReadWord(at + 2)) << 16;
}

}  // namespace

std::vector<DialogInitEntry> ParseDialogInitData(const uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeaderSize = 2 + 2 + 4;
  std::vector<DialogInitEntry> entries;
  std::size_t at = 0;
  while (size - at >= 2) {
    WORD controlId = ReadWord(data + at);
    if (controlId == 0 || size - at < kHeaderSize) break;
    WORD message = ReadWord(data + at + 2);
    DWORD length = ReadDword(data + at + 4);
    at += kHeaderSize;
    if (length > size - at) break;
    const char* text = reinterpret_cast<const char*>(data + at);
    std::size_t textLength = 0;
    while (textLength < length && text[textLength] != '\0') ++textLength;
    at += length;

    UINT translated = message == kComboBoxAddString16  ? CB_ADDSTRING
                      : message == kListBoxAddString16 ? LB_ADDSTRING
                                                       : 0;
    if (translated) entries.push_back({controlId, translated, std::string(text, textLength)});
  }
  return entries;
}

BOOL ExecuteDialogInitData(HWND dialog, HINSTANCE module, UINT templateId) {
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(templateId),
                                MAKEINTRESOURCEA(kDialogInitResourceType));
  if (!found) return FALSE;
  HGLOBAL loaded = ::LoadResource(module, found);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data) return FALSE;
  for (const DialogInitEntry& entry :
       ParseDialogInitData(static_cast<const uint8_t*>(data), ::SizeofResource(module, found))) {
    ::SendDlgItemMessageA(dialog, entry.controlId, entry.message, 0,
                          reinterpret_cast<LPARAM>(entry.data.c_str()));
  }
  return TRUE;
}
