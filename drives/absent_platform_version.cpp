// Builds without Windows have no Windows version to report.

#include "platform_version.h"

bool QueryPlatformVersion(PlatformVersion&) {
  return false;
}
