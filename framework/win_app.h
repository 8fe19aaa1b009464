#pragma once
// CWinApp: the one application object. The program defines one static object of a class
// derived from it; the framework's WinMain calls its InitInstance.

#include "message_map.h"

class CWnd;

// Command id of the help command (a Help button, for instance).
constexpr UINT ID_HELP = 0xE146;

class CWinApp : public CCmdTarget {
 public:
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  // Returns FALSE to end the program at once (WinMain then runs ExitInstance and returns its
  // status); TRUE runs a message loop until WM_QUIT.
  virtual BOOL InitInstance();
  // The process exit status.
  virtual int ExitInstance();

  // The colours of every CDialog of the program: the dialog surface, labels, group boxes and
  // buttons answer their colour requests with them; edit fields, scroll bars and message
  // boxes keep the system colours.
  void SetDialogBkColor(COLORREF background = RGB(192, 192, 192), COLORREF text = RGB(0, 0, 0));
  // Three-dimensional controls are built in from Windows 4.0 on: nothing to do.
  BOOL Enable3dControlsStatic() { return TRUE; }
  // The help command. The program ships no help file, so there is nothing to open.
  void OnHelp() {}

  // Set by the program; cleared by the framework when that window or its dialog object goes.
  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance;
  const char* m_pszAppName;

  bool HasDialogColors() const { return m_dialogBrush != nullptr; }
  HBRUSH DialogBackgroundBrush() const { return m_dialogBrush; }
  COLORREF DialogBackgroundColor() const { return m_dialogBackground; }
  COLORREF DialogTextColor() const { return m_dialogText; }

 private:
  HBRUSH m_dialogBrush = nullptr;
  COLORREF m_dialogBackground = 0;
  COLORREF m_dialogText = 0;
};

// The application object, or nullptr before it is constructed or after it is destroyed.
CWinApp* GetApp();

// The program hosts no embedded controls; the call keeps the start-up sequence and does
// nothing else.
void AfxEnableControlContainer();
