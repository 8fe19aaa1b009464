#pragma once
// The version query of the platform the program is built for.

#include "windows_version.h"

// False when the platform does not answer.
bool QueryPlatformVersion(PlatformVersion& version);
