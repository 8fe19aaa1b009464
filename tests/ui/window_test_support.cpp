#include "window_test_support.h"

#include "drives/mapped_drive_table.h"
#include "net/discovery.h"
#include "net/endpoint.h"
#include "net/link_state.h"
#include "ui/program_launcher.h"

// Keep in step with window_tests_lan.conf.
const std::vector<LanAdapter> kLanAdapters = {
    {"NAS-STUDIO", "10.213.1.10", "255.255.255.0", "10.213.1.254"},
    {"NAS-LOBBY", "10.213.1.11", "255.255.255.0", "10.213.1.254"},
    {"OFFICE-DISK", "10.213.2.20", "255.255.0.0", "10.213.0.1"},
    {"SHELF-1", "10.213.1.31", "255.255.255.0", "10.213.1.1"},
    {"SHELF-2", "10.213.1.32", "255.255.255.0", "10.213.1.1"},
    {"SHELF-3", "10.213.1.33", "255.255.255.0", "10.213.1.1"},
    {"SHELF-4", "10.213.1.34", "255.255.255.0", "10.213.1.1"},
    {"SHELF-5", "10.213.1.35", "255.255.255.0", "10.213.1.1"},
    {"SHELF-6", "10.213.1.36", "255.255.255.0", "10.213.1.1"},
};

void WindowTest::SetUp() {
  ResetDeviceLinkState();
  ResetMappedDriveTable();
  SetActiveDriveSystem(&drives);
  SetMessageBoxObserver([this](HWND, const char* text, const char* caption, UINT type) {
    boxes.push_back({text, caption, type});
    return IDOK;
  });
  SetProgramLauncher([this](const char* commandLine, unsigned showCommand) {
    launches.push_back({commandLine, showCommand});
  });
}

void WindowTest::TearDown() {
  // Balances the program's NetworkStartup when the window ended without closing the endpoint;
  // a second shutdown after Exit or close finds nothing left to close.
  NetworkShutdown();
  ClearIdleActions();
  ClearDialogScripts();
  SetProgramLauncher({});
  SetMessageBoxObserver({});
  SetActiveDriveSystem(nullptr);
}

BOOL WindowTest::RunProgram(const std::function<void(CMainDialog& window)>& body) {
  CUtilityApp app;
  endedByTest = false;
  SetDialogScript(IDD_MAIN_DIALOG, [this, &body](CDialog& dialog) {
    RunWhenIdle([this, &body, &dialog] {
      body(static_cast<CMainDialog&>(dialog));
      // What body posted (keys, a close) is handled first; then the window is ended unless
      // that ended it already.
      const HWND window = dialog.m_hWnd;
      RunWhenIdle([this, &dialog, window] {
        if (!::IsWindow(window) || !dialog.IsRunningModal()) return;
        endedByTest = true;
        dialog.EndDialog(IDCANCEL);
      });
    });
  });
  const BOOL result = app.InitInstance();
  ClearIdleActions();
  EXPECT_EQ(app.m_pMainWnd, nullptr) << "the main-window pointer outlived the window";
  return result;
}

void Click(CWnd& window, int id) {
  window.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(window.m_hWnd, id)));
}

void PressKey(UINT virtualKey) {
  HWND focus = ::GetFocus();
  ASSERT_NE(focus, nullptr) << "no window has the keyboard focus";
  ::PostMessageA(focus, WM_KEYDOWN, virtualKey, 1);
  ::PostMessageA(focus, WM_KEYUP, virtualKey, 1 | 0xC0000000);
}

void RepaintNow(CWnd& window) {
  ::RedrawWindow(window.m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

std::vector<std::string> ListRows(CListCtrl& list) {
  const HWND header = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
  const int columns = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  std::vector<std::string> rows;
  for (int row = 0; row < list.GetItemCount(); ++row) {
    std::string text;
    for (int column = 0; column < columns; ++column) {
      if (column > 0) text += '|';
      text += list.GetItemText(row, column).str();
    }
    rows.push_back(text);
  }
  return rows;
}

std::vector<int> SelectedRows(CListCtrl& list) {
  std::vector<int> rows;
  for (int row = 0; row < list.GetItemCount(); ++row)
    if (list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) rows.push_back(row);
  return rows;
}

void SelectRow(CListCtrl& list, int row) {
  list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

int AdaptersAnsweringNow() {
  SearchAdapters();
  return static_cast<int>(g_link.adapterList.count);
}
