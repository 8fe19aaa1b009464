#include "ui/program_launcher.h"

#include <utility>

#include <windows.h>

namespace {

ProgramLauncher& InstalledLauncher() {
  static ProgramLauncher launcher;
  return launcher;
}

}  // namespace

void LaunchProgram(const char* commandLine, unsigned showCommand) {
  if (InstalledLauncher()) {
    InstalledLauncher()(commandLine, showCommand);
    return;
  }
  ::WinExec(commandLine, showCommand);
}

ProgramLauncher SetProgramLauncher(ProgramLauncher launcher) {
  return std::exchange(InstalledLauncher(), std::move(launcher));
}
