// Prints what GetWindowsVersion answers in this process, as "result|name|code", so that a test
// can start it under each release that Wine imitates.

#include <cstdio>
#include <string>

#include "drives/windows_version.h"

int main() {
  std::string name;
  int code = -1;
  const int result = GetWindowsVersion(name, code);
  std::printf("%d|%s|%d\n", result, name.c_str(), code);
  return 0;
}
