#pragma once
// An in-memory drive system installed for one test, with a table that starts all zero.

#include <gtest/gtest.h>

#include "drives/mapped_drive_table.h"
#include "memory_drive_system.h"

class DriveTest : public ::testing::Test {
 protected:
  DriveTest() { ResetMappedDriveTable(); }
  ~DriveTest() override { ResetMappedDriveTable(); }

  static const MappedDriveEntry& Entry(char letter) { return MappedDriveTable[letter - 'A']; }

  MemoryDriveSystem drives;
  ScopedDriveSystem installed{drives};
};
