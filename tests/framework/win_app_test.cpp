// The application object: the framework's WinMain, the accessor and the dialog colours.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework.h"

namespace {

class CRecordingApp : public CWinApp {
 public:
  std::vector<std::string> calls;
  BOOL InitInstance() override {
    calls.push_back("InitInstance");
    // Anything the loop would take must stay queued: WinMain runs no loop after FALSE.
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_USER + 7, 0, 0);
    return FALSE;
  }
  int ExitInstance() override {
    calls.push_back("ExitInstance");
    return 7;
  }
};

TEST(WinAppTest, WinMainEndsWithExitInstanceWhenInitInstanceReturnsFalse) {
  CRecordingApp app;
  EXPECT_EQ(::WinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOW), 7);
  EXPECT_EQ(app.calls, (std::vector<std::string>{"InitInstance", "ExitInstance"}));
  MSG left;
  EXPECT_TRUE(::PeekMessageA(&left, nullptr, WM_USER + 7, WM_USER + 7, PM_REMOVE));
}

TEST(WinAppTest, TheAccessorFollowsTheObjectsLifetime) {
  {
    CWinApp app;
    EXPECT_EQ(GetApp(), &app);
    EXPECT_TRUE(app.Enable3dControlsStatic());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
  }
  EXPECT_EQ(GetApp(), nullptr);
}

TEST(WinAppTest, SetDialogBkColorReplacesTheColours) {
  CWinApp app;
  EXPECT_FALSE(app.HasDialogColors());
  app.SetDialogBkColor(RGB(1, 2, 3), RGB(4, 5, 6));
  app.SetDialogBkColor(RGB(0, 98, 147), RGB(255, 255, 255));
  ASSERT_TRUE(app.HasDialogColors());
  EXPECT_EQ(app.DialogBackgroundColor(), RGB(0, 98, 147));
  EXPECT_EQ(app.DialogTextColor(), RGB(255, 255, 255));
  LOGBRUSH brush{};
  ASSERT_TRUE(::GetObjectA(app.DialogBackgroundBrush(), sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, RGB(0, 98, 147));
}

}  // namespace
