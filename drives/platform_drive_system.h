#pragma once
// The drive system of the platform the program is built for.

#include "drive_system.h"

DriveSystem& PlatformDriveSystem();
