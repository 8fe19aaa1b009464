#include "paint_dc.h"

#include "wnd.h"

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) {
  m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
  ::EndPaint(m_hWnd, &m_ps);
}
