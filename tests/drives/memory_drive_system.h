#pragma once
// A drive system held in memory for tests: connections and drive types are set up by the test,
// the calls behave like the platform's (sizes, error codes), and every call is recorded in order.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "drives/drive_system.h"

struct DriveCall {
  enum class Kind { kGetConnection, kQueryDriveType, kAddConnection, kCancelConnection };
  Kind kind = Kind::kGetConnection;
  std::string name;                     // local name, root path or name to cancel, as given
  std::string remoteName;               // AddConnection
  std::optional<std::string> password;  // AddConnection; nullopt for a null pointer
  std::optional<std::string> userName;  // AddConnection; nullopt for a null pointer
  uint32_t flags = 0;                   // AddConnection, CancelConnection
  bool force = false;                   // CancelConnection
  uint32_t sizeGiven = 0;               // GetConnection: the size on entry
  uint32_t result = 0;
};

class MemoryDriveSystem final : public DriveSystem {
 public:
  // Set-up. Letters are 'A' to 'Z'.
  void Connect(char letter, const std::string& remoteName);
  // Fixes the type reported for the letter; without it a connected letter reports kDriveRemote
  // and a free one kDriveNoRootDir.
  void SetDriveType(char letter, uint32_t type);
  // GetConnection of the letter then returns result without writing anything.
  void FailConnectionQuery(char letter, uint32_t result);
  // CancelConnection of the letter then returns result and keeps the connection.
  void FailCancel(char letter, uint32_t result);
  // AddConnection then fails with kErrorLogonFailure unless given exactly these credentials.
  void RequireCredentials(const std::string& userName, const std::string& password);

  // State and record.
  std::optional<std::string> ConnectionOf(char letter) const;
  const std::vector<DriveCall>& Calls() const { return calls_; }
  std::vector<DriveCall> CallsOf(DriveCall::Kind kind) const;
  void ClearCalls() { calls_.clear(); }

  uint32_t GetConnection(const char* localName, char* remoteName, uint32_t& size) override;
  uint32_t QueryDriveType(const char* rootPath) override;
  uint32_t AddConnection(const char* localName, const char* remoteName, const char* password,
                         const char* userName, uint32_t flags) override;
  uint32_t CancelConnection(const char* name, uint32_t flags, bool force) override;

 private:
  struct Letter {
    std::optional<std::string> connection;
    std::optional<uint32_t> driveType;
    std::optional<uint32_t> queryFailure;
    std::optional<uint32_t> cancelFailure;
  };
  static size_t IndexOf(char letter);
  Letter& At(char letter);
  Letter* Find(const char* localName, bool rootAllowed);
  uint32_t Record(DriveCall call);

  std::array<Letter, 26> letters_;
  std::optional<std::pair<std::string, std::string>> requiredCredentials_;
  std::vector<DriveCall> calls_;
};

// Installs a drive system for the lifetime of this object, then restores the platform's.
class ScopedDriveSystem {
 public:
  explicit ScopedDriveSystem(DriveSystem& system) { SetActiveDriveSystem(&system); }
  ~ScopedDriveSystem() { SetActiveDriveSystem(nullptr); }
  ScopedDriveSystem(const ScopedDriveSystem&) = delete;
  ScopedDriveSystem& operator=(const ScopedDriveSystem&) = delete;
};
