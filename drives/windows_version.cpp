#include "windows_version.h"

#include "platform_version.h"

namespace {

constexpr uint32_t kPlatform95Family = 1;
constexpr uint32_t kPlatformNtFamily = 2;
constexpr uint32_t kPlatformCe = 3;

bool fixed = false;
std::optional<PlatformVersion> fixedAnswer;

std::optional<PlatformVersion> AskPlatform() {
  if (fixed) return fixedAnswer;
  PlatformVersion version{};
  if (!QueryPlatformVersion(version)) return std::nullopt;
  return version;
}

WindowsRelease Decode95Family(uint32_t major, uint32_t minor, uint32_t build) {
  if (major != 4) return {kUnknownWindowsVersion, 0};
  if (minor < 10) {
    if (build == 950) return {"Windows 95", 1};
    if (build >= 951 && build <= 1080) return {"Windows 95 SP1", 2};
    if (build > 1080) return {"Windows 95 OSR2", 3};
  } else if (minor == 10) {
    if (build == 1998) return {"Windows 98", 4};
    if (build >= 1999 && build <= 2182) return {"Windows 98 SP1", 5};
    if (build >= 2183) return {"Windows 98 SE", 6};
  } else if (minor == 90) {
    return {"Windows ME", 7};
  }
  return {kUnknownWindowsVersion, 0};
}

WindowsRelease DecodeNtFamily(uint32_t major, uint32_t minor) {
  if (major == 3 && minor == 51) return {"Windows NT 3.51", 101};
  if (major == 4 && minor == 0) return {"Windows NT 4", 102};
  if (major == 5 && minor == 0) return {"Windows 2000", 103};
  if (major == 5 && minor == 1) return {"Windows XP", 104};
  return {kUnknownWindowsVersion, 0};
}

}  // namespace

WindowsRelease DecodeWindowsVersion(uint32_t platformId, uint32_t majorVersion,
                                    uint32_t minorVersion, uint32_t buildNumber) {
  switch (platformId) {
    case kPlatform95Family:
      // The 95 family puts major and minor in the high 16 bits of the build number.
      return Decode95Family(majorVersion, minorVersion, buildNumber & 0xFFFFu);
    case kPlatformNtFamily: return DecodeNtFamily(majorVersion, minorVersion);
    case kPlatformCe: return {"Windows CE", 201};
    default: return {kUnknownWindowsVersion, 0};
  }
}

int GetWindowsVersion(std::string& name, int& code) {
  name = kUnknownWindowsVersion;
  code = 0;
  const std::optional<PlatformVersion> version = AskPlatform();
  if (!version) return 0;
  const WindowsRelease release = DecodeWindowsVersion(version->platformId, version->majorVersion,
                                                      version->minorVersion, version->buildNumber);
  name = release.name;
  code = release.code;
  return 1;
}

void FixPlatformVersion(std::optional<PlatformVersion> answer) {
  fixed = true;
  fixedAnswer = answer;
}

void UnfixPlatformVersion() {
  fixed = false;
  fixedAnswer.reset();
}
