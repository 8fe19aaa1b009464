// The real drive calls: MPR for the connections, KERNEL32 for the drive types.

#include <windows.h>
#include <winnetwk.h>

#include "platform_drive_system.h"

namespace {

class Win32DriveSystem final : public DriveSystem {
 public:
  uint32_t GetConnection(const char* localName, char* remoteName, uint32_t& size) override {
    DWORD length = size;
    const DWORD result = WNetGetConnectionA(localName, remoteName, &length);
    size = length;
    return result;
  }

  uint32_t QueryDriveType(const char* rootPath) override { return GetDriveTypeA(rootPath); }

  uint32_t AddConnection(const char* localName, const char* remoteName, const char* password,
                         const char* userName, uint32_t flags) override {
    // Type "any" and no provider: the system picks the network that knows the server.
    NETRESOURCEA resource{};
    resource.dwType = RESOURCETYPE_ANY;
    resource.lpLocalName = const_cast<char*>(localName);
    resource.lpRemoteName = const_cast<char*>(remoteName);
    resource.lpProvider = nullptr;
    return WNetAddConnection2A(&resource, password, userName, flags);
  }

  uint32_t CancelConnection(const char* name, uint32_t flags, bool force) override {
    return WNetCancelConnection2A(name, flags, force ? TRUE : FALSE);
  }
};

}  // namespace

DriveSystem& PlatformDriveSystem() {
  static Win32DriveSystem system;
  return system;
}
