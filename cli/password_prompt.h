#pragma once
// Reads a password from the terminal without echo.

#include <optional>
#include <string>

// The typed line, or nothing when standard input is not a terminal.
std::optional<std::string> PromptForPassword(const char* prompt);
