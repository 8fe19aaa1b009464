// The program as a whole: the start-up order of CUtilityApp::InitInstance, the dialog colours
// that it sets, and the launcher that Configuration uses by default.

#include <cstdio>
#include <fstream>
#include <string>

#include "net/link_state.h"
#include "ui/about_dialog.h"
#include "ui/program_launcher.h"
#include "window_test_support.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 98, 147);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Asks `dialog` for the colours of `control` as the control itself would, and checks the
// answer: a brush of the dialog blue, white text on a blue background.
void ExpectDialogColours(HWND dialog, UINT message, HWND control, const char* what) {
  SCOPED_TRACE(what);
  HDC dc = ::GetDC(dialog);
  ::SetTextColor(dc, RGB(1, 2, 3));
  ::SetBkColor(dc, RGB(4, 5, 6));
  const auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(
      dialog, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  ASSERT_NE(brush, nullptr);
  LOGBRUSH style{};
  ASSERT_NE(::GetObjectA(brush, sizeof style, &style), 0);
  EXPECT_EQ(style.lbStyle, UINT(BS_SOLID));
  EXPECT_EQ(style.lbColor, kBlue);
  EXPECT_EQ(::GetTextColor(dc), kWhite);
  EXPECT_EQ(::GetBkColor(dc), kBlue);
  ::ReleaseDC(dialog, dc);
}

HWND ChildWithText(HWND dialog, const char* text) {
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char found[64] = "";
    ::GetWindowTextA(child, found, sizeof found);
    if (std::string(found) == text) return child;
  }
  ADD_FAILURE() << "no child \"" << text << '"';
  return nullptr;
}

TEST_F(WindowTest, StartOpensTheEndpointThenRunsTheMainWindowAndReturnsFalse) {
  CWnd* mainWindowSeen = nullptr;
  int rowsWhenShown = -1;
  const BOOL result = RunProgram([&](CMainDialog& window) {
    mainWindowSeen = GetApp()->m_pMainWnd;
    EXPECT_EQ(mainWindowSeen, &window);
    // The first search ran before the window was shown; it needs the endpoint.
    rowsWhenShown = window.m_adapterList.GetItemCount();
    EXPECT_STRNE(g_link.localAddressText, "");
  });
  EXPECT_EQ(result, FALSE);
  EXPECT_EQ(rowsWhenShown, int(kLanAdapters.size()));
}

TEST_F(WindowTest, DialogsAnswerWithTheBlueBackgroundAndWhiteText) {
  RunProgram([](CMainDialog& window) {
    const HWND main = window.m_hWnd;
    ExpectDialogColours(main, WM_CTLCOLORDLG, main, "main window surface");
    ExpectDialogColours(main, WM_CTLCOLORSTATIC, ChildWithText(main, "Netmask :"), "label");
    ExpectDialogColours(main, WM_CTLCOLORSTATIC, ChildWithText(main, "Link Info"), "group box");
    ExpectDialogColours(main, WM_CTLCOLORBTN, ::GetDlgItem(main, IDC_EXIT), "button");

    // And on the screen: a point of the surface outside every control.
    HDC screen = ::GetDC(main);
    EXPECT_EQ(::GetPixel(screen, 1, 1), kBlue);
    ::ReleaseDC(main, screen);

    SetDialogScript(IDD_ABOUTBOX, [](CDialog& about) {
      ExpectDialogColours(about.m_hWnd, WM_CTLCOLORDLG, about.m_hWnd, "About surface");
      ExpectDialogColours(about.m_hWnd, WM_CTLCOLORSTATIC,
                          ChildWithText(about.m_hWnd, "Quorvane Dunmere"), "About label");
      about.EndDialog(IDOK);
    });
    Click(window, IDC_ABOUT);

    SetDialogScript(IDD_LOGIN, [](CDialog& login) {
      ExpectDialogColours(login.m_hWnd, WM_CTLCOLORDLG, login.m_hWnd, "login surface");
      ExpectDialogColours(login.m_hWnd, WM_CTLCOLORSTATIC,
                          ChildWithText(login.m_hWnd, "Password :"), "login label");
      login.EndDialog(IDCANCEL);
    });
    CDialog login(IDD_LOGIN);
    EXPECT_EQ(login.DoModal(), IDCANCEL);
  });
}

// The one test that starts a real program: WinExec with the command line, hidden.
TEST(ProgramLauncher, ByDefaultStartsTheCommandLine) {
  char directory[MAX_PATH] = "";
  ASSERT_NE(::GetTempPathA(sizeof directory, directory), 0u);
  const std::string marker =
      std::string(directory) + "dunmere-launch-" + std::to_string(::GetCurrentProcessId()) + ".txt";
  std::remove(marker.c_str());

  LaunchProgram(("cmd.exe /c echo started> \"" + marker + "\"").c_str(), SW_HIDE);

  std::string content;
  for (int waited = 0; waited < 30000 && content.empty(); waited += 100) {
    ::Sleep(100);
    std::ifstream file(marker);
    std::getline(file, content);
  }
  std::remove(marker.c_str());
  EXPECT_EQ(content.substr(0, 7), "started");
}

}  // namespace
