#pragma once
// The application object: opens the network endpoint, sets the dialog colours and runs the
// main window; the program ends when that window does.

#include "framework.h"

// The colours of every dialog of the program.
constexpr COLORREF kDialogBackground = RGB(0, 98, 147);
constexpr COLORREF kDialogText = RGB(255, 255, 255);

class CUtilityApp : public CWinApp {
 public:
  CUtilityApp();
  ~CUtilityApp() override;

  const MessageMap* GetMessageMap() const override;

  // Runs the whole program inside the main window's modal loop; always returns FALSE, so the
  // framework runs no message loop of its own afterwards.
  BOOL InitInstance() override;
};
