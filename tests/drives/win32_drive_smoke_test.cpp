// The real drive and version calls under Windows (here: Wine): the table refreshes, the
// system drive is never offered, and the version query decodes the release the system claims.

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drives/drive_combo.h"
#include "drives/drive_system.h"
#include "drives/mapped_drive_table.h"
#include "drives/windows_version.h"

namespace {

TEST(Win32DriveSystemTest, RefreshesTheTableFromTheRealConnections) {
  ResetMappedDriveTable();
  RefreshMappedDrives();
  for (int index = 0; index < kDriveLetterCount; ++index) {
    const MappedDriveEntry& entry = MappedDriveTable[index];
    EXPECT_EQ((std::string{static_cast<char>('A' + index), ':'}), entry.drive);
    // Whatever the machine has, an entry is either cleared or a usable mapping.
    if (entry.server[0] == '\0') {
      EXPECT_STREQ("", entry.share) << entry.drive;
    }
  }
  EXPECT_FALSE(IsMapped(MappedDriveTable['C' - 'A']));
}

TEST(Win32DriveSystemTest, TheSystemDriveIsFixedAndNeverOffered) {
  DriveSystem& drives = ActiveDriveSystem();
  EXPECT_EQ(kDriveFixed, drives.QueryDriveType("C:"));

  RefreshMappedDrives();
  const DriveComboItems items = ComputeDriveComboItems();
  ASSERT_FALSE(items.texts.empty());
  for (const std::string& text : items.texts) {
    ASSERT_GE(text.size(), 2u);
    EXPECT_GE(text[0], 'D') << text;
    EXPECT_EQ(':', text[1]) << text;
    const uint32_t type = drives.QueryDriveType(text.substr(0, 2).c_str());
    EXPECT_TRUE(type != kDriveFixed && type != kDriveCdRom && type != kDriveRamDisk &&
                type != kDriveRemovable)
        << text << " has type " << type;
  }
  EXPECT_GE(items.selectedIndex, 0);
}

TEST(Win32DriveSystemTest, QueriesOfAFreeLetterFailWithoutHarm) {
  DriveSystem& drives = ActiveDriveSystem();
  const char* freeLetter = nullptr;
  for (const char* letter : {"Q:", "R:", "S:", "T:"}) {
    if (drives.QueryDriveType(letter) == kDriveNoRootDir) {
      freeLetter = letter;
      break;
    }
  }
  ASSERT_NE(nullptr, freeLetter) << "no free letter among Q: to T:";

  char remoteName[256] = "untouched";
  uint32_t size = sizeof remoteName;
  EXPECT_NE(kNoError, drives.GetConnection(freeLetter, remoteName, size));
  EXPECT_NE(kNoError, drives.CancelConnection(freeLetter, kConnectUpdateProfile, false));
  // Loopback only, and not remembered: nothing leaves the machine or stays in the profile.
  EXPECT_NE(kNoError, drives.AddConnection(freeLetter, "\\\\127.0.0.1\\dunmere-none", "", "", 0));
}

bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// The directory of this test program, where the probe is built beside it.
std::string OwnDirectory() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory(path, length);
  return directory.substr(0, directory.find_last_of("\\/") + 1);
}

// Runs a program and returns what it printed.
std::string RunAndCapture(const std::string& program) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return "pipe failed";
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\"";
  const BOOL started = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  std::string output = started ? "" : "start failed";
  char chunk[256];
  DWORD count = 0;
  while (ReadFile(readEnd, chunk, sizeof chunk, &count, nullptr) && count > 0) {
    output.append(chunk, count);
  }
  CloseHandle(readEnd);
  if (started) {
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  return output;
}

// Wine answers the version query as the release set for the program in its registry.
class WineReleaseForProgram {
 public:
  explicit WineReleaseForProgram(const std::string& programFile)
      : key_("Software\\Wine\\AppDefaults\\" + programFile) {}
  ~WineReleaseForProgram() { RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str()); }

  bool Set(const std::string& release) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    const LONG result =
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(release.c_str()),
                       static_cast<DWORD>(release.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
  }

 private:
  std::string key_;
};

TEST(Win32WindowsVersionTest, DecodesTheReleaseThatTheSystemClaims) {
  if (!RunningUnderWine()) GTEST_SKIP() << "only Wine can pretend to be another release";
  const std::string probeFile = "windows_version_probe.exe";
  WineReleaseForProgram release(probeFile);

  struct Expectation {
    const char* wineRelease;
    const char* printed;
  };
  // Wine's 95-family answers carry major and minor in the high 16 bits of the build number.
  const Expectation expectations[] = {
      {"win95", "1|Windows 95|1"},
      {"win98", "1|Windows 98 SE|6"},
      {"winme", "1|Windows ME|7"},
      {"nt351", "1|Windows NT 3.51|101"},
      {"nt40", "1|Windows NT 4|102"},
      {"win2k", "1|Windows 2000|103"},
      {"winxp", "1|Windows XP|104"},
      {"win2003", "1|unknown Windows version|0"},
      {"vista", "1|unknown Windows version|0"},
  };
  for (const Expectation& expectation : expectations) {
    SCOPED_TRACE(expectation.wineRelease);
    ASSERT_TRUE(release.Set(expectation.wineRelease));
    EXPECT_EQ(std::string(expectation.printed) + "\r\n",  // text-mode output
              RunAndCapture(OwnDirectory() + probeFile));
  }
}

TEST(Win32WindowsVersionTest, UnfixingGoesBackToTheRealQuery) {
  std::string name;
  int code = -1;
  FixPlatformVersion(std::nullopt);
  EXPECT_EQ(0, GetWindowsVersion(name, code));
  UnfixPlatformVersion();
  EXPECT_EQ(1, GetWindowsVersion(name, code));
}

}  // namespace
