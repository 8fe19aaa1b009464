// The About box: opened from the About button and from the system-menu item, modal over the
// main window, closed by OK, Enter, Esc and the close box, any number of times.

#include <string>

#include "window_test_support.h"

namespace {

enum class Opener { kButton, kSystemMenu, kSystemMenuWithLowBits };
enum class Closer { kOkButton, kEnter, kEsc, kCloseBox };

void Open(CMainDialog& window, Opener opener) {
  switch (opener) {
    case Opener::kButton: Click(window, IDC_ABOUT); break;
    case Opener::kSystemMenu: window.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX); break;
    // The system keeps the low four bits of a command for itself.
    case Opener::kSystemMenuWithLowBits:
      window.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3);
      break;
  }
}

void Close(CDialog& about, Closer closer) {
  switch (closer) {
    case Closer::kOkButton: Click(about, IDOK); break;
    case Closer::kEnter: PressKey(VK_RETURN); break;
    case Closer::kEsc: PressKey(VK_ESCAPE); break;
    case Closer::kCloseBox: about.PostMessage(WM_SYSCOMMAND, SC_CLOSE); break;
  }
}

std::string WindowText(HWND window) {
  char text[128] = "";
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

// What one opening of the box saw.
struct Opening {
  HWND about = nullptr;
  bool ownerEnabledWhileOpen = true;
  std::string caption;
  std::vector<std::string> texts;
  bool hasIcon = false;
};

// Opens the box, closes it from inside its own modal loop and returns what was seen.
Opening OpenAndClose(CMainDialog& window, Opener opener, Closer closer) {
  Opening seen;
  SetDialogScript(IDD_ABOUTBOX, [&seen, &window, closer](CDialog& about) {
    seen.about = about.m_hWnd;
    seen.ownerEnabledWhileOpen = window.IsWindowEnabled() != FALSE;
    seen.caption = about.GetWindowText().str();
    for (HWND child = ::GetWindow(about.m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      if (::SendMessageA(child, STM_GETICON, 0, 0)) {
        seen.hasIcon = true;  // its window text is the icon's resource ordinal
      } else {
        seen.texts.push_back(WindowText(child));
      }
    }
    RunWhenIdle([&about, closer] { Close(about, closer); });
    // Runs only if the box is still open once the close has been handled.
    const HWND box = about.m_hWnd;
    RunWhenIdle([box] {
      if (!::IsWindow(box)) return;
      ADD_FAILURE() << "the About box did not close";
      ::SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
    });
  });
  Open(window, opener);
  SetDialogScript(IDD_ABOUTBOX, {});
  return seen;
}

TEST_F(WindowTest, AboutBoxOpensFromButtonAndSystemMenuAndClosesEveryWay) {
  const Opener openers[] = {Opener::kButton, Opener::kSystemMenu, Opener::kSystemMenuWithLowBits};
  const Closer closers[] = {Closer::kOkButton, Closer::kEnter, Closer::kEsc, Closer::kCloseBox};
  RunProgram([&](CMainDialog& window) {
    for (Opener opener : openers) {
      for (Closer closer : closers) {
        SCOPED_TRACE("opener " + std::to_string(int(opener)) + ", closer " +
                     std::to_string(int(closer)));
        const Opening seen = OpenAndClose(window, opener, closer);
        ASSERT_NE(seen.about, nullptr) << "no About box opened";
        EXPECT_FALSE(seen.ownerEnabledWhileOpen) << "the box is modal over the main window";
        EXPECT_FALSE(::IsWindow(seen.about));
        EXPECT_TRUE(window.IsWindowEnabled()) << "the main window reacts again";
        EXPECT_EQ(seen.caption, "Quorvane Ambrel");
        EXPECT_EQ(seen.texts,
                  (std::vector<std::string>{"Quorvane Dunmere", "OK", "Version : 1.5.0.0"}));
        EXPECT_TRUE(seen.hasIcon);
      }
    }
    // The main window still works after all those openings.
    Click(window, IDC_CONFIGURATION);
  });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Please select an adapter to configure.");
}

TEST_F(WindowTest, SystemMenuEndsWithASeparatorAndTheAboutItem) {
  RunProgram([](CMainDialog& window) {
    HMENU menu = ::GetSystemMenu(window.m_hWnd, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    char text[64] = "";
    ::GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "About Dunmere(&A)...");
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), UINT(IDM_ABOUTBOX));
    EXPECT_TRUE(::GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
  });
}

}  // namespace
