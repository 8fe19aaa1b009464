#pragma once
// Which Windows release the program runs on, as a display name and a code. Callers look only
// for the substrings "NT" (prompt before mapping), "98" and "ME" (fill in the user name).

#include <cstdint>
#include <optional>
#include <string>

constexpr const char kUnknownWindowsVersion[] = "unknown Windows version";

// The four fields of the platform's version answer that the decoding reads.
struct PlatformVersion {
  uint32_t platformId;  // 1 the Windows 95 family, 2 the NT family, 3 Windows CE
  uint32_t majorVersion;
  uint32_t minorVersion;
  uint32_t buildNumber;  // on the 95 family the high 16 bits repeat major and minor
};

struct WindowsRelease {
  std::string name;
  int code;
};

// The release of a version answer; kUnknownWindowsVersion with code 0 when none applies.
WindowsRelease DecodeWindowsVersion(uint32_t platformId, uint32_t majorVersion,
                                    uint32_t minorVersion, uint32_t buildNumber);

// Sets name and code from the platform's version answer; returns 1 when the platform answered
// and 0 when it did not. The name is always set, to kUnknownWindowsVersion when no release
// applies.
int GetWindowsVersion(std::string& name, int& code);

// Fixes the answer that GetWindowsVersion receives, for tests: a version, or std::nullopt for a
// query that fails. UnfixPlatformVersion goes back to asking the platform.
void FixPlatformVersion(std::optional<PlatformVersion> answer);
void UnfixPlatformVersion();
