#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "cli/password_prompt.h"

std::optional<std::string> PromptForPassword(const char* prompt) {
  if (!isatty(STDIN_FILENO)) return std::nullopt;
  std::fputs(prompt, stderr);
  std::fflush(stderr);
  termios saved;
  tcgetattr(STDIN_FILENO, &saved);
  termios silent = saved;
  silent.c_lflag &= ~tcflag_t(ECHO);
  tcsetattr(STDIN_FILENO, TCSANOW, &silent);
  std::string password;
  std::getline(std::cin, password);
  tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  std::fputs("\n", stderr);
  return password;
}
