// DDX_Control binding, DDX_Text and DDV_MaxChars in both directions on a real dialog.

#include <string>

#include "test_dialog.h"

namespace {

const std::string k16(16, 'a');
const std::string k17(17, 'b');

TEST_F(DialogTest, BoundControlsAreWhatGetDlgItemReturns) {
  CTestDialog dialog;
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    EXPECT_EQ(dialog.m_nameEdit.m_hWnd, ::GetDlgItem(live.m_hWnd, IDC_NAME));
    EXPECT_EQ(live.GetDlgItem(IDC_NAME), &dialog.m_nameEdit);
    EXPECT_EQ(live.GetDlgItem(IDC_LIST), &dialog.m_list);

    CWnd* unbound = live.GetDlgItem(IDC_PASSWORD);
    ASSERT_NE(unbound, nullptr);
    EXPECT_EQ(unbound->m_hWnd, ::GetDlgItem(live.m_hWnd, IDC_PASSWORD));
    EXPECT_EQ(live.GetDlgItem(IDC_PASSWORD), unbound) << "one wrapper per child";
    EXPECT_EQ(live.GetDlgItem(4242), nullptr);

    // A later exchange does not bind again.
    HWND bound = dialog.m_nameEdit.m_hWnd;
    live.UpdateData(FALSE);
    EXPECT_EQ(dialog.m_nameEdit.m_hWnd, bound);
    live.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_nameEdit.m_hWnd, nullptr) << "detached when the window is gone";

  // A second run binds to the new window.
  HWND secondRunName = nullptr;
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    secondRunName = ::GetDlgItem(live.m_hWnd, IDC_NAME);
    EXPECT_EQ(dialog.m_nameEdit.m_hWnd, secondRunName);
    live.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_NE(secondRunName, nullptr);
}

TEST_F(DialogTest, LoadingSetsTextsAndLimitsTheFields) {
  CTestDialog dialog;
  dialog.m_name = "admin";
  dialog.m_password = "secret";
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    EXPECT_EQ(live.GetDlgItem(IDC_NAME)->GetWindowText(), "admin");
    EXPECT_EQ(live.GetDlgItem(IDC_PASSWORD)->GetWindowText(), "secret");
    EXPECT_EQ(dialog.m_nameEdit.SendMessage(EM_GETLIMITTEXT), 16);
    EXPECT_EQ(live.GetDlgItem(IDC_PASSWORD)->SendMessage(EM_GETLIMITTEXT), 16);

    // Typing stops at the limit.
    ::SetFocus(dialog.m_nameEdit.m_hWnd);
    dialog.m_nameEdit.SetWindowText("");
    for (char ch : k17) dialog.m_nameEdit.SendMessage(WM_CHAR, ch, 1);
    EXPECT_EQ(dialog.m_nameEdit.GetWindowText().GetLength(), 16);
    live.EndDialog(IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(DialogTest, SavingATooLongTextFailsWithThePromptAndKeepsTheDialogOpen) {
  CTestDialog dialog;
  bool openAfterFirstOk = false;
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    // Set directly: the limit stops typing, not a program's own text.
    live.GetDlgItem(IDC_NAME)->SetWindowText(k16.c_str());
    live.GetDlgItem(IDC_PASSWORD)->SetWindowText(k17.c_str());
    live.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    openAfterFirstOk = live.IsRunningModal();

    live.GetDlgItem(IDC_PASSWORD)->SetWindowText(k16.c_str());
    live.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(openAfterFirstOk);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Please enter no more than 16 characters.");
  EXPECT_EQ(boxes[0].caption, "Warning");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
  EXPECT_EQ(dialog.m_name, k16.c_str());
  EXPECT_EQ(dialog.m_password, k16.c_str());
}

TEST_F(DialogTest, FailedValidationFocusesTheFieldAndStopsTheExchange) {
  CTestDialog dialog;
  dialog.m_password = "before";
  HWND focus = nullptr;
  HWND nameField = nullptr;
  BOOL saved = TRUE;
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    nameField = ::GetDlgItem(live.m_hWnd, IDC_NAME);
    ::SetWindowTextA(nameField, k17.c_str());
    ::SetWindowTextA(::GetDlgItem(live.m_hWnd, IDC_PASSWORD), "after");
    saved = live.UpdateData(TRUE);
    focus = ::GetFocus();
    live.EndDialog(IDCANCEL);
  });
  ASSERT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_FALSE(saved);
  EXPECT_EQ(focus, nameField);
  EXPECT_EQ(dialog.m_name, k17.c_str()) << "the exchange had read the field before checking";
  EXPECT_EQ(dialog.m_password, "before") << "fields after the failing one are not saved";
  EXPECT_EQ(boxes.size(), 1u);
}

}  // namespace
