#include "ui/utility_app.h"

#include "net/endpoint.h"
#include "ui/main_dialog.h"

CUtilityApp::CUtilityApp() = default;

CUtilityApp::~CUtilityApp() = default;

const MessageMap* CUtilityApp::GetMessageMap() const {
  static const MessageMapEntry entries[] = {
      MapCommand(BN_CLICKED, ID_HELP, &CWinApp::OnHelp),
  };
  static const MessageMap map = MakeMessageMap(&CCmdTarget::messageMap, entries);
  return &map;
}

BOOL CUtilityApp::InitInstance() {
  AfxEnableControlContainer();
  // Before the window: its initialisation searches for adapters at once. Ends the process with
  // status 1 when the socket layer cannot start.
  NetworkStartup();
  Enable3dControlsStatic();

  CMainDialog dialog;
  m_pMainWnd = &dialog;
  SetDialogBkColor(kDialogBackground, kDialogText);
  // Every end of the window (Exit, close, Enter, Esc, or a template that fails) ends the run.
  dialog.DoModal();
  return FALSE;
}
