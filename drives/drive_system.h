#pragma once
// The seam below the drive table and the connect/disconnect handlers: the four platform calls
// about drive letters and their network connections. The Windows build answers them with the
// real calls; tests install an in-memory system.

#include <cstdint>

// Drive types as the platform reports them.
constexpr uint32_t kDriveUnknown = 0;
constexpr uint32_t kDriveNoRootDir = 1;
constexpr uint32_t kDriveRemovable = 2;
constexpr uint32_t kDriveFixed = 3;
constexpr uint32_t kDriveRemote = 4;
constexpr uint32_t kDriveCdRom = 5;
constexpr uint32_t kDriveRamDisk = 6;

// A letter that a local disk, CD-ROM, RAM disk or removable medium occupies.
constexpr bool IsLocalMedium(uint32_t driveType) {
  return driveType == kDriveFixed || driveType == kDriveCdRom || driveType == kDriveRamDisk ||
         driveType == kDriveRemovable;
}

// Flag of AddConnection and CancelConnection: remember the change in the user's profile.
constexpr uint32_t kConnectUpdateProfile = 1;

// Results of the connection calls (0 is success; the others are the platform's error codes).
constexpr uint32_t kNoError = 0;
constexpr uint32_t kErrorBadNetName = 67;
constexpr uint32_t kErrorAlreadyAssigned = 85;
constexpr uint32_t kErrorMoreData = 234;
constexpr uint32_t kErrorBadDevice = 1200;
constexpr uint32_t kErrorNoNetwork = 1222;
constexpr uint32_t kErrorLogonFailure = 1326;
constexpr uint32_t kErrorNotConnected = 2250;
constexpr uint32_t kErrorOpenFiles = 2401;

class DriveSystem {
 public:
  virtual ~DriveSystem() = default;
  // The remote name (such as \\server\share) connected at localName (such as E:). size is the
  // buffer's capacity in characters; when the name does not fit, the result is kErrorMoreData
  // and size receives the capacity needed.
  virtual uint32_t GetConnection(const char* localName, char* remoteName, uint32_t& size) = 0;
  // The type of the drive at rootPath (one of the kDrive... codes, or another value).
  virtual uint32_t QueryDriveType(const char* rootPath) = 0;
  // Connects localName to remoteName with these credentials; the platform chooses the provider.
  virtual uint32_t AddConnection(const char* localName, const char* remoteName,
                                 const char* password, const char* userName, uint32_t flags) = 0;
  // Removes the connection of name; with force false it fails while files are open on it.
  virtual uint32_t CancelConnection(const char* name, uint32_t flags, bool force) = 0;
};

// The system that the drive code uses: the platform's unless a test installed another.
DriveSystem& ActiveDriveSystem();
// Installs a system (nullptr restores the platform's). The caller keeps ownership.
void SetActiveDriveSystem(DriveSystem* system);
