// The in-memory system stands in for the platform in the drive and window tests, so it has to
// answer like the platform does.

#include <cstring>

#include <gtest/gtest.h>

#include "memory_drive_system.h"

namespace {

TEST(MemoryDriveSystemTest, GetConnectionFillsTheBufferOrReportsTheNeededSize) {
  MemoryDriveSystem drives;
  drives.Connect('G', "\\\\SRV\\music");
  char buffer[16];
  std::memset(buffer, '#', sizeof buffer);

  uint32_t size = 12;  // exactly the name and its terminator
  EXPECT_EQ(kNoError, drives.GetConnection("G:", buffer, size));
  EXPECT_STREQ("\\\\SRV\\music", buffer);

  std::memset(buffer, '#', sizeof buffer);
  size = 11;
  EXPECT_EQ(kErrorMoreData, drives.GetConnection("g:", buffer, size));
  EXPECT_EQ(12u, size);
  EXPECT_EQ('#', buffer[0]);

  EXPECT_EQ(kErrorNotConnected, drives.GetConnection("H:", buffer, size));
  EXPECT_EQ(kErrorBadDevice, drives.GetConnection("G:\\", buffer, size));
}

TEST(MemoryDriveSystemTest, AddAndCancelChangeTheConnectionsLikeThePlatform) {
  MemoryDriveSystem drives;
  drives.SetDriveType('D', kDriveFixed);
  drives.RequireCredentials("admin", "secret");

  EXPECT_EQ(kErrorLogonFailure, drives.AddConnection("G:", "\\\\SRV\\music", "", "", 1));
  EXPECT_EQ(kErrorBadNetName, drives.AddConnection("G:", "\\\\SRV", "secret", "admin", 1));
  EXPECT_EQ(kErrorAlreadyAssigned,
            drives.AddConnection("D:", "\\\\SRV\\music", "secret", "admin", 1));
  EXPECT_EQ(kDriveNoRootDir, drives.QueryDriveType("G:"));
  EXPECT_EQ(kNoError, drives.AddConnection("G:", "\\\\SRV\\music", "secret", "admin", 1));
  EXPECT_EQ("\\\\SRV\\music", drives.ConnectionOf('G'));
  EXPECT_EQ(kDriveRemote, drives.QueryDriveType("G:"));
  EXPECT_EQ(kErrorAlreadyAssigned,
            drives.AddConnection("G:", "\\\\SRV\\other", "secret", "admin", 1));

  drives.FailCancel('G', kErrorOpenFiles);
  EXPECT_EQ(kErrorOpenFiles, drives.CancelConnection("G:", 1, false));
  EXPECT_TRUE(drives.ConnectionOf('G'));
  EXPECT_EQ(kErrorNotConnected, drives.CancelConnection("", 1, false));
  EXPECT_EQ(kErrorNotConnected, drives.CancelConnection("H:", 1, false));
}

// Only a letter that a local medium occupies is taken; a letter whose type says it has no
// root (or is unknown, or already a network drive) can be mapped like an untyped free one.
TEST(MemoryDriveSystemTest, OnlyLocalMediaRefuseAMapping) {
  const struct {
    uint32_t type;
    uint32_t result;
  } cases[] = {
      {kDriveUnknown, kNoError},
      {kDriveNoRootDir, kNoError},
      {kDriveRemote, kNoError},
      {kDriveRemovable, kErrorAlreadyAssigned},
      {kDriveFixed, kErrorAlreadyAssigned},
      {kDriveCdRom, kErrorAlreadyAssigned},
      {kDriveRamDisk, kErrorAlreadyAssigned},
  };
  for (const auto& example : cases) {
    MemoryDriveSystem drives;
    drives.SetDriveType('G', example.type);
    EXPECT_EQ(example.result, drives.AddConnection("G:", "\\\\SRV\\music", "", "", 1))
        << "type " << example.type;
  }
}

TEST(MemoryDriveSystemTest, RecordsEveryCallWithItsArgumentsAndResult) {
  MemoryDriveSystem drives;
  drives.AddConnection("G:", "\\\\SRV\\music", "", nullptr, kConnectUpdateProfile);
  drives.CancelConnection("G:", kConnectUpdateProfile, false);
  drives.QueryDriveType("G:");

  const auto& calls = drives.Calls();
  ASSERT_EQ(3u, calls.size());
  EXPECT_EQ(DriveCall::Kind::kAddConnection, calls[0].kind);
  EXPECT_EQ("G:", calls[0].name);
  EXPECT_EQ("\\\\SRV\\music", calls[0].remoteName);
  EXPECT_EQ(std::optional<std::string>(""), calls[0].password);
  EXPECT_EQ(std::nullopt, calls[0].userName);
  EXPECT_EQ(kConnectUpdateProfile, calls[0].flags);
  EXPECT_EQ(kNoError, calls[0].result);
  EXPECT_EQ(DriveCall::Kind::kCancelConnection, calls[1].kind);
  EXPECT_FALSE(calls[1].force);
  EXPECT_EQ(kNoError, calls[1].result);
  EXPECT_EQ(DriveCall::Kind::kQueryDriveType, calls[2].kind);
  EXPECT_EQ(kDriveNoRootDir, calls[2].result);
  EXPECT_EQ(1u, drives.CallsOf(DriveCall::Kind::kCancelConnection).size());
}

}  // namespace
