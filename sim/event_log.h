#pragma once
// The simulator's log: one line per event, flushed at once so that a test can wait for a line.

#include <cstdint>
#include <cstdio>
#include <string>

class EventLog {
 public:
  EventLog() = default;
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;
  ~EventLog();

  // Appends to the file at `path`, or writes to standard output when it is empty.
  bool Open(const std::string& path);
  // Writes the line with the milliseconds since start appended as " t=MS".
  void Write(const std::string& line);

 private:
  FILE* file_ = stdout;
  int64_t startMs_ = 0;
};

int64_t MonotonicMilliseconds();

// "0123abcd..." of the bytes.
std::string HexText(const uint8_t* bytes, size_t length);
