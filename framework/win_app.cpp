#include "win_app.h"

#include "wnd.h"

namespace {

CWinApp* theApp = nullptr;

}  // namespace

CWinApp* GetApp() {
  return theApp;
}

void AfxEnableControlContainer() {}

CWinApp::CWinApp(const char* appName)
    : m_hInstance(::GetModuleHandleA(nullptr)), m_pszAppName(appName) {
  theApp = this;
}

CWinApp::~CWinApp() {
  if (m_dialogBrush) ::DeleteObject(m_dialogBrush);
  if (theApp == this) theApp = nullptr;
}

BOOL CWinApp::InitInstance() {
  return TRUE;
}

int CWinApp::ExitInstance() {
  return 0;
}

void CWinApp::SetDialogBkColor(COLORREF background, COLORREF text) {
  if (m_dialogBrush) ::DeleteObject(m_dialogBrush);
  m_dialogBrush = ::CreateSolidBrush(background);
  m_dialogBackground = background;
  m_dialogText = text;
}

// The program's entry point. It lives beside the application object so that linking the
// program's CWinApp also brings it in.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CWinApp* app = GetApp();
  if (!app) return 1;
  app->m_hInstance = instance;
  if (app->InitInstance()) {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
  return app->ExitInstance();
}
