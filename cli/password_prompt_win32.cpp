#include <windows.h>

#include <cstdio>
#include <io.h>
#include <iostream>

#include "cli/password_prompt.h"

std::optional<std::string> PromptForPassword(const char* prompt) {
  if (!_isatty(_fileno(stdin))) return std::nullopt;
  std::fputs(prompt, stderr);
  std::fflush(stderr);
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD saved = 0;
  GetConsoleMode(input, &saved);
  SetConsoleMode(input, saved & ~DWORD(ENABLE_ECHO_INPUT));
  std::string password;
  std::getline(std::cin, password);
  SetConsoleMode(input, saved);
  std::fputs("\n", stderr);
  return password;
}
