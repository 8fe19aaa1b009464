#include <windows.h>

#include "platform_version.h"

bool QueryPlatformVersion(PlatformVersion& version) {
  // The plain structure, not the extended one: the oldest releases reject any other size.
  OSVERSIONINFOA info{};
  static_assert(sizeof info == 148, "OSVERSIONINFOA is 148 bytes");
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return false;
  version = {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
  return true;
}
