// The program's resources: the three dialog templates as the resource holds them (styles,
// captions, fonts, controls in tab order with their places and sizes) and as Windows builds
// them, the main window's combo items, the icon, the About string and the version.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <cstdio>
#include <string>
#include <vector>

#include "window_test_support.h"

namespace {

// One item of a dialog template, as the resource holds it.
struct TemplateItem {
  int id;
  std::string className;
  std::string text;  // "#128" for an ordinal (the icon of an icon static)
  DWORD style;
  DWORD exStyle;
  int x, y, width, height;  // dialog units
};

struct DialogTemplate {
  std::string caption;
  DWORD style;
  DWORD exStyle;
  int x, y, width, height;
  int fontPoints;
  std::string fontName;
  std::vector<TemplateItem> items;
};

bool operator==(const TemplateItem& a, const TemplateItem& b) {
  return a.id == b.id && a.className == b.className && a.text == b.text && a.style == b.style &&
         a.exStyle == b.exStyle && a.x == b.x && a.y == b.y && a.width == b.width &&
         a.height == b.height;
}

std::ostream& operator<<(std::ostream& out, const TemplateItem& i) {
  return out << "{" << i.id << ", " << i.className << ", \"" << i.text << "\", style 0x" << std::hex
             << i.style << ", ex 0x" << i.exStyle << std::dec << ", " << i.x << "," << i.y << ","
             << i.width << "," << i.height << "}";
}

// Reads a DIALOGEX template (the only kind this program has) word by word.
class TemplateReader {
 public:
  explicit TemplateReader(const BYTE* data) : at_(data) {}

  WORD Word() {
    WORD v;
    std::memcpy(&v, at_, 2);
    at_ += 2;
    return v;
  }
  DWORD Dword() {
    DWORD v;
    std::memcpy(&v, at_, 4);
    at_ += 4;
    return v;
  }
  short Short() { return static_cast<short>(Word()); }
  BYTE Byte() { return *at_++; }
  void AlignToDword() {
    while (reinterpret_cast<uintptr_t>(at_) % 4) ++at_;
  }
  // A zero-terminated UTF-16 text (ASCII here).
  std::string Text() {
    std::string text;
    for (WORD c; (c = Word()) != 0;) text += static_cast<char>(c);
    return text;
  }
  // A text, or 0xFFFF and an ordinal; predefined control classes come as ordinals.
  std::string TextOrOrdinal(bool isClass) {
    WORD first;
    std::memcpy(&first, at_, 2);
    if (first != 0xFFFF) return Text();
    Word();
    const WORD ordinal = Word();
    if (isClass) {
      static const char* const kPredefined[] = {"Button",  "Edit",      "Static",
                                                "ListBox", "ScrollBar", "ComboBox"};
      if (ordinal >= 0x80 && ordinal <= 0x85) return kPredefined[ordinal - 0x80];
    }
    return "#" + std::to_string(ordinal);
  }

 private:
  const BYTE* at_;
};

std::string CanonicalClass(const std::string& name) {
  static const char* const kKnown[] = {"Button",   "Edit",       "Static",
                                       "ComboBox", WC_LISTVIEWA, WC_IPADDRESSA};
  for (const char* known : kKnown)
    if (lstrcmpiA(name.c_str(), known) == 0) return known;
  return name;
}

DialogTemplate LoadDialogTemplate(UINT id) {
  HMODULE module = ::GetModuleHandleA(nullptr);
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
  EXPECT_NE(found, nullptr);
  if (!found) return {};
  TemplateReader in(static_cast<const BYTE*>(::LockResource(::LoadResource(module, found))));
  DialogTemplate dialog;
  EXPECT_EQ(in.Word(), 1) << "DIALOGEX version";
  EXPECT_EQ(in.Word(), 0xFFFF) << "DIALOGEX signature";
  in.Dword();  // help id
  dialog.exStyle = in.Dword();
  dialog.style = in.Dword();
  const int count = in.Word();
  dialog.x = in.Short();
  dialog.y = in.Short();
  dialog.width = in.Short();
  dialog.height = in.Short();
  EXPECT_EQ(in.TextOrOrdinal(false), "") << "no menu";
  EXPECT_EQ(in.TextOrOrdinal(false), "") << "the standard dialog class";
  dialog.caption = in.Text();
  EXPECT_TRUE(dialog.style & DS_SETFONT);
  dialog.fontPoints = in.Word();
  in.Word();  // weight
  in.Byte();  // italic
  in.Byte();  // character set
  dialog.fontName = in.Text();
  for (int i = 0; i < count; ++i) {
    in.AlignToDword();
    TemplateItem item;
    in.Dword();  // help id
    item.exStyle = in.Dword();
    item.style = in.Dword();
    item.x = in.Short();
    item.y = in.Short();
    item.width = in.Short();
    item.height = in.Short();
    item.id = static_cast<int>(in.Dword());
    item.className = CanonicalClass(in.TextOrOrdinal(true));
    item.text = in.TextOrOrdinal(false);
    const WORD extra = in.Word();
    for (WORD b = 0; b < extra; ++b) in.Byte();
    dialog.items.push_back(item);
  }
  return dialog;
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kGroupBox = kChild | BS_GROUPBOX;
constexpr DWORD kLabel = kChild | WS_GROUP | SS_LEFT;
constexpr DWORD kList =
    kChild | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
constexpr DWORD kIpField = kChild | WS_TABSTOP;
constexpr DWORD kCombo = kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT;

TEST(DialogTemplates, MainWindow) {
  const DialogTemplate main = LoadDialogTemplate(IDD_MAIN_DIALOG);
  EXPECT_EQ(main.caption, "Quorvane Ambrel");
  EXPECT_EQ(main.style, DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME |
                              DS_SETFONT));
  EXPECT_EQ(main.exStyle, DWORD(WS_EX_APPWINDOW));
  EXPECT_EQ(std::vector<int>({main.x, main.y, main.width, main.height}),
            std::vector<int>({0, 0, 281, 231}));
  EXPECT_EQ(main.fontPoints, 8);
  EXPECT_EQ(main.fontName, "Arial");
  // The template order is the tab order.
  EXPECT_EQ(main.items,
            (std::vector<TemplateItem>{
                {IDC_ADAPTER_LIST, WC_LISTVIEWA, "", kList, 0, 8, 13, 216, 53},
                {IDC_REFRESH, "Button", "Refresh", kPush, 0, 228, 32, 45, 14},
                {IDC_CONFIGURATION, "Button", "Configuration", kPush, 0, 228, 51, 45, 14},
                {IDC_IP_ADDRESS, WC_IPADDRESSA, "", kIpField, 0, 55, 83, 100, 13},
                {IDC_NETMASK, WC_IPADDRESSA, "", kIpField, 0, 55, 101, 100, 13},
                {IDC_GATEWAY, WC_IPADDRESSA, "", kIpField, 0, 55, 120, 100, 13},
                {IDC_APPLY, "Button", "Apply", kPush, 0, 222, 114, 50, 14},
                {IDC_LINK_LIST, WC_LISTVIEWA, "", kList, 0, 8, 152, 164, 51},
                {IDC_CONNECT, "Button", "Connect", kPush, 0, 182, 187, 43, 14},
                {IDC_DISCONNECT, "Button", "Disconnect", kPush, 0, 230, 187, 43, 14},
                {IDC_EXIT, "Button", "Exit", kPush, 0, 234, 213, 43, 15},
                {-1, "Button", "Adapter", kGroupBox, 0, 3, 2, 275, 70},
                {-1, "Button", "LAN", kGroupBox, 0, 3, 74, 275, 64},
                {-1, "Static", "I P :", kLabel, 0, 13, 87, 14, 8},
                {-1, "Static", "Netmask :", kLabel, 0, 13, 105, 32, 8},
                {-1, "Static", "Gateway :", kLabel, 0, 13, 123, 38, 8},
                {-1, "Button", "Link Info", kGroupBox, 0, 3, 141, 275, 68},
                {IDC_DRIVE_COMBO, "ComboBox", "", kCombo, WS_EX_DLGMODALFRAME, 181, 162, 91, 110},
                {IDC_DHCP_COMBO, "ComboBox", "", kCombo, 0, 213, 85, 59, 49},
                {-1, "Static", "DHCP Client :", kLabel, 0, 170, 87, 42, 8},
                {-1, "Static", "Network Drive :", kLabel, 0, 182, 151, 51, 8},
                {IDC_ABOUT, "Button", "About", kPush, 0, 4, 213, 45, 15},
            }));
}

TEST(DialogTemplates, AboutBox) {
  const DialogTemplate about = LoadDialogTemplate(IDD_ABOUTBOX);
  EXPECT_EQ(about.caption, "Quorvane Ambrel");
  EXPECT_EQ(about.style, DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
  EXPECT_EQ(about.exStyle, 0u);
  EXPECT_EQ(std::vector<int>({about.x, about.y, about.width, about.height}),
            std::vector<int>({0, 0, 201, 59}));
  EXPECT_EQ(about.fontPoints, 9);
  EXPECT_EQ(about.fontName, "Arial");
  EXPECT_EQ(
      about.items,
      (std::vector<TemplateItem>{
          {-1, "Static", "#" + std::to_string(IDR_MAINFRAME), kChild | SS_ICON, 0, 9, 18, 20, 20},
          {-1, "Static", "Quorvane Dunmere", kLabel | SS_NOPREFIX, 0, 33, 12, 84, 8},
          {IDOK, "Button", "OK", kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 144, 36, 50,
           14},
          {-1, "Static", "Version : 1.5.0.0", kLabel, 0, 33, 36, 51, 8},
      }));
}

TEST(DialogTemplates, LoginPrompt) {
  const DialogTemplate login = LoadDialogTemplate(IDD_LOGIN);
  EXPECT_EQ(login.caption, "Login");
  EXPECT_EQ(login.style, DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
  EXPECT_EQ(std::vector<int>({login.width, login.height}), std::vector<int>({199, 75}));
  EXPECT_EQ(login.fontPoints, 8);
  EXPECT_EQ(login.fontName, "Arial");
  constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
  EXPECT_EQ(login.items,
            (std::vector<TemplateItem>{
                {-1, "Static", "User name :", kLabel, 0, 13, 21, 41, 8},
                {IDC_USER_NAME, "Edit", "", kEdit, 0, 60, 18, 69, 14},
                {-1, "Static", "Password :", kLabel, 0, 13, 42, 37, 8},
                {IDC_PASSWORD, "Edit", "", kEdit | ES_PASSWORD, 0, 60, 39, 68, 14},
                {IDOK, "Button", "OK", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 135, 21, 50, 14},
                {IDCANCEL, "Button", "Cancel", kPush, 0, 135, 38, 50, 14},
            }));
}

// The templates come out as the real controls, with the main window's dialog-init items.
TEST_F(WindowTest, MainWindowIsBuiltFromItsTemplate) {
  RunProgram([](CMainDialog& window) {
    const DialogTemplate main = LoadDialogTemplate(IDD_MAIN_DIALOG);
    size_t index = 0;
    for (HWND child = ::GetWindow(window.m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT), ++index) {
      ASSERT_LT(index, main.items.size());
      char className[64] = "";
      ::GetClassNameA(child, className, sizeof className);
      EXPECT_EQ(CanonicalClass(className), main.items[index].className);
      EXPECT_EQ(::GetDlgCtrlID(child), main.items[index].id);
      EXPECT_TRUE(::IsWindowEnabled(child)) << "no control starts disabled";
    }
    EXPECT_EQ(index, main.items.size());

    char caption[64] = "";
    ::GetWindowTextA(window.m_hWnd, caption, sizeof caption);
    EXPECT_STREQ(caption, "Quorvane Ambrel");

    ASSERT_EQ(window.m_dhcpCombo.GetCount(), 2);
    EXPECT_EQ(window.m_dhcpCombo.GetLBText(0), "Disabled");
    EXPECT_EQ(window.m_dhcpCombo.GetLBText(1), "Enabled");

    EXPECT_EQ(reinterpret_cast<HICON>(window.SendMessage(WM_GETICON, ICON_BIG)), window.m_hIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(window.SendMessage(WM_GETICON, ICON_SMALL)), window.m_hIcon);
    ICONINFO icon{};
    ASSERT_TRUE(::GetIconInfo(window.m_hIcon, &icon));
    BITMAP colour{};
    ::GetObjectA(icon.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    ::DeleteObject(icon.hbmColor);
    ::DeleteObject(icon.hbmMask);
  });
}

#pragma pack(push, 2)
struct IconDirectoryEntry {
  BYTE width, height, colourCount, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
struct IconDirectory {
  WORD reserved, type, count;
  IconDirectoryEntry entries[1];
};
#pragma pack(pop)

TEST(Resources, IconIsOne32By32ImageIn256Colours) {
  HMODULE module = ::GetModuleHandleA(nullptr);
  HRSRC group = ::FindResourceA(module, MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(14));
  ASSERT_NE(group, nullptr);
  const auto* directory =
      static_cast<const IconDirectory*>(::LockResource(::LoadResource(module, group)));
  ASSERT_EQ(directory->count, 1);
  const IconDirectoryEntry& entry = directory->entries[0];
  EXPECT_EQ(entry.width, 32);
  EXPECT_EQ(entry.height, 32);
  EXPECT_EQ(entry.colourCount, 0) << "0 stands for 256 colours";
  EXPECT_EQ(entry.bitCount, 8);

  HRSRC image = ::FindResourceA(module, MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3));
  ASSERT_NE(image, nullptr);
  const auto* header =
      static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(module, image)));
  EXPECT_EQ(header->biWidth, 32);
  EXPECT_EQ(header->biHeight, 64) << "colour rows and mask rows";
  EXPECT_EQ(header->biBitCount, 8);
  // The picture uses more than a couple of palette entries: it was really drawn.
  const auto* pixels = reinterpret_cast<const BYTE*>(header + 1) + 256 * sizeof(RGBQUAD);
  std::vector<bool> used(256);
  for (int i = 0; i < 32 * 32; ++i) used[pixels[i]] = true;
  EXPECT_GE(std::count(used.begin(), used.end(), true), 6);
}

TEST(Resources, AboutMenuString) {
  char text[64] = "";
  EXPECT_GT(::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof text), 0);
  EXPECT_STREQ(text, "About Dunmere(&A)...");
}

TEST(Resources, VersionIs1500WithProductNameDunmere) {
  char path[MAX_PATH] = "";
  ASSERT_GT(::GetModuleFileNameA(nullptr, path, sizeof path), 0u);
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(::GetFileVersionInfoA(path, 0, size, data.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010005u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010005u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);

  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  ASSERT_TRUE(::VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
  char key[64];
  std::snprintf(key, sizeof key, "\\StringFileInfo\\%04x%04x\\ProductName", translation->language,
                translation->codePage);
  char* productName = nullptr;
  ASSERT_TRUE(::VerQueryValueA(data.data(), key, reinterpret_cast<void**>(&productName), &length));
  EXPECT_STREQ(productName, "Dunmere");
}

}  // namespace
