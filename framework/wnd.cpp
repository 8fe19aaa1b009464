#include "wnd.h"

#include <vector>

#include "data_exchange.h"
#include "menu.h"
#include "ui_seam.h"

CWnd::~CWnd() = default;

CWnd::WindowState& CWnd::state() {
  if (!m_state) m_state = std::make_unique<WindowState>();
  return *m_state;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  m_hWnd = nullptr;
  return hWnd;
}

CWnd* CWnd::GetDlgItem(int id) {
  HWND child = ::GetDlgItem(m_hWnd, id);
  if (!child) return nullptr;
  WindowState& children = state();
  auto bound = children.bound.find(id);
  if (bound != children.bound.end() && bound->second->m_hWnd == child) return bound->second;
  std::unique_ptr<CWnd>& wrapper = children.wrappers[child];
  if (!wrapper) wrapper = std::make_unique<CWnd>(child);
  return wrapper.get();
}

void CWnd::ReleaseChildren() {
  if (!m_state) return;
  for (auto& [id, control] : m_state->bound) control->Detach();
  m_state->bound.clear();
  m_state->wrappers.clear();
}

CString CWnd::GetWindowText() const {
  int length = ::GetWindowTextLengthA(m_hWnd);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  int copied = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
  return CString(std::string(buffer.data(), copied > 0 ? copied : 0));
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
  return ShowMessageBox(m_hWnd, text, caption ? caption : "Error", type);
}

CMenu* CWnd::GetSystemMenu(BOOL revert) {
  return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert));
}

BOOL CWnd::DestroyWindow() {
  return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CWnd::Default() {
  if (!m_state || !m_state->current || !m_hWnd) return 0;
  const CurrentMessage message = *m_state->current;
  // The dialog window procedure first calls our dialog procedure again with the same
  // message; the flag makes that call decline, so the default handling runs.
  m_state->passToDefault = true;
  LRESULT result = ::DefDlgProcA(m_hWnd, message.message, message.wParam, message.lParam);
  if (m_state) m_state->passToDefault = false;
  return result;
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return !exchange.Failed();
}

void CWnd::DoDataExchange(CDataExchange*) {}
