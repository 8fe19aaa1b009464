#pragma once
// CPaintDC: BeginPaint on construction, EndPaint on destruction.

#include "win32_headers.h"

class CWnd;

class CPaintDC {
 public:
  explicit CPaintDC(CWnd* window);
  ~CPaintDC();
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC m_hDC;
  PAINTSTRUCT m_ps;

  HDC GetSafeHdc() const { return m_hDC; }
  BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

 private:
  HWND m_hWnd;
};
