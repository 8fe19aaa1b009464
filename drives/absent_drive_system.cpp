// Builds without Windows networking (the native tools and tests) see a machine with no drive
// letters at all: nothing is connected, no letter has a root, and nothing can be mapped.

#include "platform_drive_system.h"

namespace {

class AbsentDriveSystem final : public DriveSystem {
 public:
  uint32_t GetConnection(const char*, char*, uint32_t&) override { return kErrorNotConnected; }
  uint32_t QueryDriveType(const char*) override { return kDriveNoRootDir; }
  uint32_t AddConnection(const char*, const char*, const char*, const char*, uint32_t) override {
    return kErrorNoNetwork;
  }
  uint32_t CancelConnection(const char*, uint32_t, bool) override { return kErrorNotConnected; }
};

}  // namespace

DriveSystem& PlatformDriveSystem() {
  static AbsentDriveSystem system;
  return system;
}
