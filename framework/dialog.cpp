#include "dialog.h"

#include "dialog_colors.h"
#include "dialog_init_data.h"
#include "ui_seam_hooks.h"
#include "win_app.h"

namespace {

void EnsureCommonControls() {
  static bool done = false;
  if (done) return;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_INTERNET_CLASSES};
  done = ::InitCommonControlsEx(&classes) != FALSE;
}

HINSTANCE ResourceModule() {
  return ::GetModuleHandleA(nullptr);
}

// Messages whose answer a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool ReturnsAnswerDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG: return true;
    default: return false;
  }
}

}  // namespace

const MessageMap CDialog::messageMap = [] {
  static const MessageMapEntry entries[] = {
      MapCommand(BN_CLICKED, IDOK, &CDialog::OnOK),
      MapCommand(BN_CLICKED, IDCANCEL, &CDialog::OnCancel),
  };
  return MakeMessageMap(&CCmdTarget::messageMap, entries);
}();

const MessageMap* CDialog::GetMessageMap() const {
  return &messageMap;
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
  // Only when a run was cut short; the members are gone already, so no message may reach us.
  if (m_hWnd) {
    ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
    ::DestroyWindow(m_hWnd);
  }
  // A dialog that never got a window (its template failed) is not cleared at WM_NCDESTROY.
  CWinApp* app = GetApp();
  if (app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

HWND CDialog::OwnerWindow() const {
  HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  CWinApp* app = GetApp();
  if (!owner && app && app->m_pMainWnd && app->m_pMainWnd != this) {
    owner = app->m_pMainWnd->m_hWnd;
  }
  return owner && ::IsWindow(owner) ? owner : nullptr;
}

int CDialog::DoModal() {
  if (m_continueModal || m_hWnd) return -1;  // already running
  EnsureCommonControls();
  HINSTANCE module = ResourceModule();
  if (!::FindResourceA(module, MAKEINTRESOURCEA(m_templateId), RT_DIALOG)) return -1;

  HWND owner = OwnerWindow();
  bool enableOwner = owner && ::IsWindowEnabled(owner);
  if (enableOwner) ::EnableWindow(owner, FALSE);
  m_modalResult = -1;
  m_continueModal = true;
  HWND created = ::CreateDialogParamA(module, MAKEINTRESOURCEA(m_templateId), owner,
                                      &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  if (!created) {
    m_continueModal = false;
    if (enableOwner) ::EnableWindow(owner, TRUE);
    return -1;
  }
  if (m_continueModal) {
    // The dialog manager shows a dialog whose template lacks WS_VISIBLE only in DialogBox.
    ::ShowWindow(m_hWnd, SW_SHOW);
    RunDialogScript(*this);
    RunModalLoop();
  }

  // Hide before enabling the owner, so activation goes back to it and not elsewhere.
  if (m_hWnd) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (enableOwner) ::EnableWindow(owner, TRUE);
  if (owner && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
  if (m_hWnd) ::DestroyWindow(m_hWnd);
  return m_modalResult == -1 ? IDCANCEL : m_modalResult;
}

void CDialog::RunModalLoop() {
  MSG message;
  while (m_continueModal) {
    if (!::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && RunNextIdleAction()) continue;
    BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      // WM_QUIT (or a broken queue): end this run and leave the quit for the outer loop.
      if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
      m_continueModal = false;
      break;
    }
    if (!m_hWnd || !::IsDialogMessageA(m_hWnd, &message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
}

void CDialog::EndDialog(int result) {
  m_modalResult = result;
  m_continueModal = false;
}

BOOL CDialog::OnInitDialog() {
  ExecuteDialogInitData(m_hWnd, ResourceModule(), m_templateId);
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

void CDialog::OnWindowGone() {
  ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
  ReleaseChildren();
  m_hWnd = nullptr;
  m_continueModal = false;
  CWinApp* app = GetApp();
  if (app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* dialog;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lParam);
    ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
    dialog->m_hWnd = hWnd;
  } else {
    dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
  }
  // Messages before WM_INITDIALOG (WM_SETFONT ...) find no dialog object yet.
  return dialog ? dialog->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  WindowState& window = state();
  if (window.passToDefault) {
    window.passToDefault = false;
    return FALSE;
  }
  if (message == WM_NCDESTROY) {
    OnWindowGone();
    return FALSE;
  }

  HWND hWnd = m_hWnd;
  const CurrentMessage current{message, wParam, lParam};
  const CurrentMessage* outer = window.current;
  window.current = &current;
  LRESULT answer = 0;
  bool handled;
  if (message == WM_INITDIALOG) {
    answer = OnInitDialog();
    handled = true;
  } else {
    handled = DispatchMessageMap(message, wParam, lParam, answer);
    // Commands that the dialog does not handle go on to the application (ID_HELP ...).
    CWinApp* app = GetApp();
    if (!handled && message == WM_COMMAND && app) {
      handled = app->DispatchMessageMap(message, wParam, lParam, answer);
    }
    if (!handled && app && app->HasDialogColors() &&
        UsesDialogColors(message, reinterpret_cast<HWND>(lParam))) {
      HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetBkColor(dc, app->DialogBackgroundColor());
      ::SetTextColor(dc, app->DialogTextColor());
      answer = reinterpret_cast<LRESULT>(app->DialogBackgroundBrush());
      handled = true;
    }
  }
  window.current = outer;

  if (!handled) return FALSE;
  if (ReturnsAnswerDirectly(message)) return answer;
  if (::IsWindow(hWnd)) ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, answer);
  return TRUE;
}
