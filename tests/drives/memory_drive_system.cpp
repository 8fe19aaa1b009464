#include "memory_drive_system.h"

#include <cctype>
#include <cstring>
#include <stdexcept>

namespace {

// \\server\share with a non-empty server and share.
bool IsUncName(const std::string& name) {
  if (name.size() < 5 || name.compare(0, 2, "\\\\") != 0) return false;
  const size_t separator = name.find('\\', 2);
  return separator != std::string::npos && separator > 2 && separator + 1 < name.size();
}

std::optional<std::string> TextOrNull(const char* text) {
  if (text == nullptr) return std::nullopt;
  return std::string(text);
}

DriveCall NewCall(DriveCall::Kind kind, const char* name) {
  DriveCall call;
  call.kind = kind;
  call.name = TextOrNull(name).value_or("");
  return call;
}

}  // namespace

size_t MemoryDriveSystem::IndexOf(char letter) {
  const int upper = std::toupper(static_cast<unsigned char>(letter));
  if (upper < 'A' || upper > 'Z') throw std::invalid_argument("not a drive letter");
  return static_cast<size_t>(upper - 'A');
}

MemoryDriveSystem::Letter& MemoryDriveSystem::At(char letter) {
  return letters_[IndexOf(letter)];
}

// The letter named by "X:" (or "X:\" for a root path), in either case; nullptr otherwise.
MemoryDriveSystem::Letter* MemoryDriveSystem::Find(const char* localName, bool rootAllowed) {
  if (localName == nullptr) return nullptr;
  const std::string name(localName);
  const bool letterAndColon =
      name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
  if (!letterAndColon) return nullptr;
  if (name.size() == 2 || (rootAllowed && name == name.substr(0, 2) + "\\")) return &At(name[0]);
  return nullptr;
}

uint32_t MemoryDriveSystem::Record(DriveCall call) {
  calls_.push_back(call);
  return call.result;
}

void MemoryDriveSystem::Connect(char letter, const std::string& remoteName) {
  At(letter).connection = remoteName;
}

void MemoryDriveSystem::SetDriveType(char letter, uint32_t type) {
  At(letter).driveType = type;
}

void MemoryDriveSystem::FailConnectionQuery(char letter, uint32_t result) {
  At(letter).queryFailure = result;
}

void MemoryDriveSystem::FailCancel(char letter, uint32_t result) {
  At(letter).cancelFailure = result;
}

void MemoryDriveSystem::RequireCredentials(const std::string& userName,
                                           const std::string& password) {
  requiredCredentials_ = std::make_pair(userName, password);
}

std::optional<std::string> MemoryDriveSystem::ConnectionOf(char letter) const {
  return letters_[IndexOf(letter)].connection;
}

std::vector<DriveCall> MemoryDriveSystem::CallsOf(DriveCall::Kind kind) const {
  std::vector<DriveCall> matching;
  for (const DriveCall& call : calls_) {
    if (call.kind == kind) matching.push_back(call);
  }
  return matching;
}

uint32_t MemoryDriveSystem::GetConnection(const char* localName, char* remoteName, uint32_t& size) {
  DriveCall call = NewCall(DriveCall::Kind::kGetConnection, localName);
  call.sizeGiven = size;
  Letter* letter = Find(localName, false);
  if (letter == nullptr) {
    call.result = kErrorBadDevice;
  } else if (letter->queryFailure) {
    call.result = *letter->queryFailure;
  } else if (!letter->connection) {
    call.result = kErrorNotConnected;
  } else if (letter->connection->size() + 1 > size) {
    // Like the platform: the name does not fit with its terminator, so nothing is written
    // and the capacity needed comes back in size.
    size = static_cast<uint32_t>(letter->connection->size() + 1);
    call.result = kErrorMoreData;
  } else {
    std::memcpy(remoteName, letter->connection->c_str(), letter->connection->size() + 1);
    call.result = kNoError;
  }
  return Record(call);
}

uint32_t MemoryDriveSystem::QueryDriveType(const char* rootPath) {
  DriveCall call = NewCall(DriveCall::Kind::kQueryDriveType, rootPath);
  const Letter* letter = Find(rootPath, true);
  if (letter == nullptr) {
    call.result = kDriveNoRootDir;
  } else if (letter->driveType) {
    call.result = *letter->driveType;
  } else {
    call.result = letter->connection ? kDriveRemote : kDriveNoRootDir;
  }
  return Record(call);
}

uint32_t MemoryDriveSystem::AddConnection(const char* localName, const char* remoteName,
                                          const char* password, const char* userName,
                                          uint32_t flags) {
  DriveCall call = NewCall(DriveCall::Kind::kAddConnection, localName);
  call.remoteName = TextOrNull(remoteName).value_or("");
  call.password = TextOrNull(password);
  call.userName = TextOrNull(userName);
  call.flags = flags;
  Letter* letter = Find(localName, false);
  const bool credentialsAccepted =
      !requiredCredentials_ || (call.userName == requiredCredentials_->first &&
                                call.password == requiredCredentials_->second);
  if (letter == nullptr) {
    call.result = kErrorBadDevice;
  } else if (letter->connection || (letter->driveType && IsLocalMedium(*letter->driveType))) {
    call.result = kErrorAlreadyAssigned;
  } else if (!IsUncName(call.remoteName)) {
    call.result = kErrorBadNetName;
  } else if (!credentialsAccepted) {
    call.result = kErrorLogonFailure;
  } else {
    letter->connection = call.remoteName;
    call.result = kNoError;
  }
  return Record(call);
}

uint32_t MemoryDriveSystem::CancelConnection(const char* name, uint32_t flags, bool force) {
  DriveCall call = NewCall(DriveCall::Kind::kCancelConnection, name);
  call.flags = flags;
  call.force = force;
  Letter* letter = Find(name, false);
  if (letter == nullptr || !letter->connection) {
    call.result = kErrorNotConnected;
  } else if (letter->cancelFailure) {
    call.result = *letter->cancelFailure;
  } else {
    letter->connection.reset();
    call.result = kNoError;
  }
  return Record(call);
}
