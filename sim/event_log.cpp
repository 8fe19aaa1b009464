#include "sim/event_log.h"

#include <ctime>

int64_t MonotonicMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

std::string HexText(const uint8_t* bytes, size_t length) {
  static const char digits[] = "0123456789abcdef";
  std::string text;
  text.reserve(length * 2);
  for (size_t i = 0; i < length; ++i) {
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
  }
  return text;
}

EventLog::~EventLog() {
  if (file_ != stdout) std::fclose(file_);
}

bool EventLog::Open(const std::string& path) {
  startMs_ = MonotonicMilliseconds();
  if (path.empty()) return true;
  FILE* file = std::fopen(path.c_str(), "a");
  if (!file) return false;
  file_ = file;
  return true;
}

void EventLog::Write(const std::string& line) {
  std::fprintf(file_, "%s t=%lld\n", line.c_str(),
               static_cast<long long>(MonotonicMilliseconds() - startMs_));
  std::fflush(file_);
}
