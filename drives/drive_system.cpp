#include "drive_system.h"

#include "platform_drive_system.h"

namespace {
DriveSystem* installedSystem = nullptr;
}  // namespace

DriveSystem& ActiveDriveSystem() {
  return installedSystem != nullptr ? *installedSystem : PlatformDriveSystem();
}

void SetActiveDriveSystem(DriveSystem* system) {
  installedSystem = system;
}
