#include "data_exchange.h"

#include "ui_seam.h"

HWND CDataExchange::PrepareCtrl(int id) {
  HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
  if (!control) m_failed = true;
  m_hWndLastControl = control;
  return control;
}

void CDataExchange::Fail() {
  m_failed = true;
  if (m_hWndLastControl) {
    ::SetFocus(m_hWndLastControl);
    ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (pDX->Failed() || control.m_hWnd) return;
  HWND child = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
  if (!child) {
    pDX->m_hWndLastControl = nullptr;
    pDX->Fail();
    return;
  }
  control.Attach(child);
  pDX->m_pDlgWnd->state().bound[id] = &control;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
  if (pDX->Failed()) return;
  HWND field = pDX->PrepareCtrl(id);
  if (!field) return;
  CWnd wrapper(field);
  if (pDX->m_bSaveAndValidate) {
    value = wrapper.GetWindowText();
  } else {
    wrapper.SetWindowText(value);
  }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars) {
  if (pDX->Failed() || !pDX->m_hWndLastControl) return;
  if (!pDX->m_bSaveAndValidate) {
    ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, maxChars, 0);
    return;
  }
  if (value.GetLength() <= maxChars) return;
  CString prompt;
  prompt.Format("Please enter no more than %d characters.", maxChars);
  ShowMessageBox(pDX->m_pDlgWnd->m_hWnd, prompt, "Warning", MB_OK | MB_ICONWARNING);
  pDX->Fail();
}
