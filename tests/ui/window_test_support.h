#pragma once
// Runs the real program window under Wine, on the virtual LAN that run_window_tests.sh makes,
// with dunmere-sim answering as the adapters of window_tests_lan.conf. Message boxes and
// program launches are recorded, never shown or started; drive connections come from memory.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "memory_drive_system.h"
#include "ui/main_dialog.h"
#include "ui/res/resource.h"
#include "ui/utility_app.h"

// One adapter of window_tests_lan.conf, as its search reply lists it.
struct LanAdapter {
  const char* name;
  const char* ip;
  const char* netmask;
  const char* gateway;
};

// The adapters of window_tests_lan.conf in the order the simulator sends its replies.
extern const std::vector<LanAdapter> kLanAdapters;

struct RecordedBox {
  std::string text;
  std::string caption;
  UINT type;
};

struct RecordedLaunch {
  std::string commandLine;
  unsigned showCommand;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the program as WinMain would (CUtilityApp::InitInstance) and calls body with the live
  // main window from inside its modal loop, once the window is shown and its first paints are
  // done. The window is ended with IDCANCEL afterwards unless body ended it (endedByTest then
  // says so). Returns what InitInstance returned.
  BOOL RunProgram(const std::function<void(CMainDialog& window)>& body);

  bool endedByTest = false;
  MemoryDriveSystem drives;
  std::vector<RecordedBox> boxes;
  std::vector<RecordedLaunch> launches;
};

// A button click as the control sends it.
void Click(CWnd& window, int id);
// Posts a key press to the window that has the keyboard focus, so that the running modal
// loop's dialog handling sees it as typed.
void PressKey(UINT virtualKey);
// Repaints the window and its children now (WM_PAINT handled before this returns).
void RepaintNow(CWnd& window);

// The texts of every row of a list view, cells joined by '|'.
std::vector<std::string> ListRows(CListCtrl& list);
// Rows whose state has LVIS_SELECTED.
std::vector<int> SelectedRows(CListCtrl& list);
void SelectRow(CListCtrl& list, int row);

// Runs a search on the endpoint as it is now and returns how many adapters answered.
int AdaptersAnsweringNow();
