// The application's dialog colours answer the colour requests of the surface, labels, group
// boxes and buttons, and leave edit fields, scroll bars and message boxes to the system.

#include "test_dialog.h"

namespace {

constexpr COLORREF kBackground = RGB(0, 98, 147);
constexpr COLORREF kText = RGB(255, 255, 255);
constexpr COLORREF kUntouched = RGB(1, 2, 3);

struct ColorCase {
  const char* what;
  UINT message;
  int control;  // 0: the dialog itself
  bool coloured;
};

struct Answer {
  LRESULT brush;
  COLORREF background;
  COLORREF text;
};

Answer Ask(CDialog& dialog, const ColorCase& c) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  ::SetBkColor(dc, kUntouched);
  ::SetTextColor(dc, kUntouched);
  HWND asking = c.control ? ::GetDlgItem(dialog.m_hWnd, c.control) : dialog.m_hWnd;
  // Through the window procedure, as the controls ask.
  LRESULT brush =
      dialog.SendMessage(c.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(asking));
  Answer answer{brush, ::GetBkColor(dc), ::GetTextColor(dc)};
  ::DeleteDC(dc);
  return answer;
}

const ColorCase kCases[] = {
    {"dialog surface", WM_CTLCOLORDLG, 0, true},
    {"label", WM_CTLCOLORSTATIC, IDC_LABEL, true},
    {"group box", WM_CTLCOLORSTATIC, IDC_GROUP, true},
    {"push button", WM_CTLCOLORBTN, IDC_CLOSE_BUTTON, true},
    {"edit field", WM_CTLCOLOREDIT, IDC_NAME, false},
    {"read-only edit field asking as a label", WM_CTLCOLORSTATIC, IDC_READ_ONLY, false},
    {"IP address field", WM_CTLCOLORSTATIC, IDC_ADDRESS, false},
    {"combo box asking as a label", WM_CTLCOLORSTATIC, IDC_CHOICE, false},
    {"scroll bar", WM_CTLCOLORSCROLLBAR, 0, false},
    {"message box", WM_CTLCOLORMSGBOX, 0, false},
};

TEST_F(DialogTest, ColourRequestsAnsweredWithTheApplicationColours) {
  app.SetDialogBkColor(kBackground, kText);
  CTestDialog dialog;
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    for (const ColorCase& c : kCases) {
      SCOPED_TRACE(c.what);
      Answer answer = Ask(live, c);
      if (c.coloured) {
        EXPECT_EQ(answer.brush, reinterpret_cast<LRESULT>(app.DialogBackgroundBrush()));
        EXPECT_EQ(answer.background, kBackground);
        EXPECT_EQ(answer.text, kText);
      } else {
        EXPECT_NE(answer.brush, reinterpret_cast<LRESULT>(app.DialogBackgroundBrush()));
        EXPECT_NE(answer.background, kBackground);
        EXPECT_NE(answer.text, kText);
      }
    }
    live.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);

  LOGBRUSH brush{};
  ASSERT_TRUE(::GetObjectA(app.DialogBackgroundBrush(), sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, kBackground);
}

TEST_F(DialogTest, WithoutDialogColoursTheSystemAnswers) {
  CTestDialog dialog;
  SetDialogScript(IDD_TEST, [&](CDialog& live) {
    Answer answer = Ask(live, kCases[1]);
    EXPECT_NE(answer.text, kText);
    EXPECT_NE(answer.background, kBackground);
    live.EndDialog(IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
