#include <windows.h>

#include <cstdio>
#include <iostream>

#include "cli/password_prompt.h"

std::optional<std::string> PromptForPassword(const char* prompt) {
  // Only a console counts: the NUL device also passes _isatty.
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD saved = 0;
  if (!GetConsoleMode(input, &saved)) return std::nullopt;
  std::fputs(prompt, stderr);
  std::fflush(stderr);
  SetConsoleMode(input, saved & ~DWORD(ENABLE_ECHO_INPUT));
  std::string password;
  std::getline(std::cin, password);
  SetConsoleMode(input, saved);
  std::fputs("\n", stderr);
  return password;
}
