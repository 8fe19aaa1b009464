#pragma once
// Starting another program from the window (the adapter's web page in the browser). Tests
// install a launcher that records the command line instead of starting anything.

#include <functional>

using ProgramLauncher = std::function<void(const char* commandLine, unsigned showCommand)>;

// Runs the command line with the installed launcher, by default WinExec. Its result is not
// examined: a program that fails to start is not reported.
void LaunchProgram(const char* commandLine, unsigned showCommand);

// Installs `launcher` (an empty one restores WinExec); returns the previous one.
ProgramLauncher SetProgramLauncher(ProgramLauncher launcher);
