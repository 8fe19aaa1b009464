// Modal runs of real dialogs: creation failure, the ways a run ends, the main-window pointer,
// ownership of nested dialogs, the default handling of the current message, dialog-init data.

#include <string>

#include "test_dialog.h"

namespace {

void Click(CWnd& dialog, int id) {
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, id)));
}

// Paints itself through CPaintDC, as a minimised main window draws its icon.
class CPaintingDialog : public CDialog {
 public:
  CPaintingDialog() : CDialog(IDD_PLAIN) {}
  int paints = 0;
  HDC paintedOn = nullptr;
  const MessageMap* GetMessageMap() const override {
    static const MessageMapEntry entries[] = {
        MapMessage(WM_PAINT, &CPaintingDialog::OnPaint),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
    return &map;
  }

 private:
  void OnPaint() {
    CPaintDC dc(this);
    paintedOn = dc.GetSafeHdc();
    ++paints;
  }
};

TEST_F(DialogTest, PaintHandlerValidatesThroughCPaintDCBeforeIdleActionsRun) {
  CPaintingDialog dialog;
  BOOL stillInvalid = TRUE;
  int paintsAtFirstIdle = 0;
  SetDialogScript(IDD_PLAIN, [&](CDialog& live) {
    RunWhenIdle([&] {
      paintsAtFirstIdle = dialog.paints;
      ::InvalidateRect(live.m_hWnd, nullptr, TRUE);
    });
    RunWhenIdle([&] {
      stillInvalid = ::GetUpdateRect(live.m_hWnd, nullptr, FALSE);
      live.EndDialog(IDOK);
    });
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_GE(paintsAtFirstIdle, 1) << "the first paint comes before the first idle action";
  EXPECT_GT(dialog.paints, paintsAtFirstIdle);
  EXPECT_NE(dialog.paintedOn, nullptr);
  EXPECT_FALSE(stillInvalid);
}

TEST_F(DialogTest, MissingTemplateReturnsMinusOneWithoutAWindow) {
  CDialog dialog(IDD_MISSING);
  bool scriptRan = false;
  SetDialogScript(IDD_MISSING, [&](CDialog&) { scriptRan = true; });
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_FALSE(scriptRan);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, AMainWindowWhoseTemplateFailsIsNotLeftBehindAsTheMainWindow) {
  {
    CDialog dialog(IDD_MISSING);
    app.m_pMainWnd = &dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
  }
  EXPECT_EQ(app.m_pMainWnd, nullptr);

  CDialog other(IDD_PLAIN);
  app.m_pMainWnd = &other;
  { CDialog gone(IDD_MISSING); }
  EXPECT_EQ(app.m_pMainWnd, &other) << "only the object that goes away is cleared";
}

TEST_F(DialogTest, ARunningDialogIsNotRunAgain) {
  CDialog dialog(IDD_PLAIN);
  int nested = 0;
  HWND window = nullptr;
  SetDialogScript(IDD_PLAIN, [&](CDialog& live) {
    window = live.m_hWnd;
    nested = live.DoModal();
    EXPECT_EQ(live.m_hWnd, window);
    live.EndDialog(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(nested, -1);
}

TEST_F(DialogTest, OkAndCancelEndTheRunWithTheirCodes) {
  struct Case {
    int button;
    int expected;
  };
  for (Case c : {Case{IDOK, IDOK}, Case{IDCANCEL, IDCANCEL}}) {
    CDialog dialog(IDD_PLAIN);
    HWND seen = nullptr;
    SetDialogScript(IDD_PLAIN, [&](CDialog& live) {
      seen = live.m_hWnd;
      EXPECT_TRUE(live.IsRunningModal());
      EXPECT_TRUE(::IsWindowVisible(live.m_hWnd));
      live.PostMessage(WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);
    });
    EXPECT_EQ(dialog.DoModal(), c.expected);
    EXPECT_FALSE(::IsWindow(seen)) << "the window is gone when DoModal returns";
    EXPECT_EQ(dialog.m_hWnd, nullptr);
  }
}

TEST_F(DialogTest, DestroyWindowInAHandlerEndsTheRunAndClearsTheMainWindow) {
  CTestDialog dialog;
  app.m_pMainWnd = &dialog;
  HWND seen = nullptr;
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    seen = live.m_hWnd;
    // Clicked from inside the modal loop, as a user would.
    RunWhenIdle([&] { Click(live, IDC_CLOSE_BUTTON); });
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.calls, std::vector<std::string>{"OnCloseButton"});
  EXPECT_FALSE(::IsWindow(seen));
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(DialogTest, EndingNormallyAlsoClearsTheMainWindowButLeavesOtherPointers) {
  CDialog other(IDD_PLAIN);
  CDialog dialog(IDD_PLAIN);
  app.m_pMainWnd = &other;
  SetDialogScript(IDD_PLAIN, [](CDialog& live) { live.EndDialog(IDOK); });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(app.m_pMainWnd, &other);

  app.m_pMainWnd = &dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(DialogTest, CloseHandlerPassingToDefaultEndsAsCancel) {
  CTestDialog dialog;
  SetDialogScript(IDD_TEST, [](CDialog& live) { live.PostMessage(WM_CLOSE); });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.calls, (std::vector<std::string>{"OnClose", "OnCancel"}));
}

TEST_F(DialogTest, DefaultOutsideAHandlerDoesNothing) {
  CTestDialog dialog;
  LRESULT result = -5;
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    result = live.Default();
    live.EndDialog(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(result, 0);
}

TEST_F(DialogTest, NestedDialogIsOwnedByTheMainWindowWhichIsDisabledMeanwhile) {
  CTestDialog mainDialog;
  app.m_pMainWnd = &mainDialog;
  HWND innerOwner = nullptr;
  BOOL mainEnabledDuringInner = TRUE;
  int innerResult = 0;
  HWND mainWindow = nullptr;
  CDialog inner(IDD_PLAIN);
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    mainWindow = live.m_hWnd;
    // The inner run's loop takes over the queue until the inner dialog ends.
    RunWhenIdle([&] { innerResult = inner.DoModal(); });
    RunWhenIdle([&] {
      mainEnabledDuringInner = ::IsWindowEnabled(mainDialog.m_hWnd);
      innerOwner = ::GetWindow(inner.m_hWnd, GW_OWNER);
      Click(inner, IDOK);
    });
    RunWhenIdle([&] {
      EXPECT_TRUE(::IsWindowEnabled(mainDialog.m_hWnd)) << "enabled again after the inner run";
      mainDialog.EndDialog(IDCANCEL);
    });
  });
  EXPECT_EQ(mainDialog.DoModal(), IDCANCEL);
  EXPECT_EQ(innerResult, IDOK);
  EXPECT_FALSE(mainEnabledDuringInner);
  EXPECT_EQ(innerOwner, mainWindow);
}

TEST_F(DialogTest, DialogInitDataFillsTheComboBeforeTheExchange) {
  CTestDialog dialog;
  std::vector<std::string> items;
  int selection = 0;
  SetDialogScript(IDD_TEST, [&](CDialog&) {
    for (int i = 0; i < dialog.m_choiceCombo.GetCount(); ++i) {
      items.push_back(dialog.m_choiceCombo.GetLBText(i).str());
    }
    selection = dialog.m_choiceCombo.GetCurSel();
    dialog.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(items, (std::vector<std::string>{"Disabled", "Enabled"}));
  EXPECT_EQ(selection, CB_ERR);
}

TEST_F(DialogTest, MessageBoxGoesThroughTheSeamOwnedByTheWindow) {
  CTestDialog dialog;
  int answer = 0;
  HWND window = nullptr;
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    window = live.m_hWnd;
    answer = live.MessageBox("Please select an adapter to configure.", "Warning",
                             MB_OK | MB_ICONWARNING);
    live.MessageBox("No caption");
    live.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(answer, IDOK);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].owner, window);
  EXPECT_EQ(boxes[0].text, "Please select an adapter to configure.");
  EXPECT_EQ(boxes[0].caption, "Warning");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
  EXPECT_EQ(boxes[1].caption, "Error");
}

TEST_F(DialogTest, AScriptRunsOnEveryRunOfItsTemplateUntilRemoved) {
  int runs = 0;
  SetDialogScript(IDD_PLAIN, [&](CDialog& live) {
    ++runs;
    live.EndDialog(IDOK);
  });
  CDialog first(IDD_PLAIN);
  CDialog second(IDD_PLAIN);
  ASSERT_EQ(first.DoModal(), IDOK);
  ASSERT_EQ(second.DoModal(), IDOK);
  EXPECT_EQ(runs, 2);

  SetDialogScript(IDD_PLAIN, nullptr);
  CDialog third(IDD_PLAIN);
  RunWhenIdle([&] { third.EndDialog(IDCANCEL); });
  EXPECT_EQ(third.DoModal(), IDCANCEL);
  EXPECT_EQ(runs, 2);
}

TEST_F(DialogTest, CommandsTheDialogDoesNotHandleGoToTheApplication) {
  struct CHelpApp : CWinApp {
    int helpCalls = 0;
    void OnHelpCommand() { ++helpCalls; }
    const MessageMap* GetMessageMap() const override {
      static const MessageMapEntry entries[] = {
          MapCommand(BN_CLICKED, ID_HELP, &CHelpApp::OnHelpCommand),
      };
      static const MessageMap map = MakeMessageMap(CWinApp::GetMessageMap(), entries);
      return &map;
    }
  } helpApp;
  CDialog dialog(IDD_PLAIN);
  SetDialogScript(IDD_PLAIN, [&](CDialog& live) {
    Click(live, ID_HELP);
    live.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(helpApp.helpCalls, 1);
}

}  // namespace
