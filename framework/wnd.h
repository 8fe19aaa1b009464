#pragma once
// CWnd: a window handle that the object does not own, with one-line senders for the calls the
// dialogs make. Child windows reached through GetDlgItem are the bound control members (see
// DDX_Control) or, for unbound ones, wrappers kept until the window is destroyed.

#include <map>
#include <memory>

#include "cstring_class.h"
#include "message_map.h"

class CDataExchange;
class CMenu;

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  void Attach(HWND hWnd) { m_hWnd = hWnd; }
  HWND Detach();

  // The bound member for a control bound with DDX_Control, else a wrapper owned by this
  // window; nullptr when there is no such child.
  CWnd* GetDlgItem(int id);
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  HWND SetFocus() { return ::SetFocus(m_hWnd); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
  void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
  CString GetWindowText() const;

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
  }

  // Every message box of the program goes through here (ShowMessageBox in ui_seam.h).
  // A null caption reads "Error".
  int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

  // The system menu (without revert), or nullptr when the window has none.
  CMenu* GetSystemMenu(BOOL revert);

  virtual BOOL DestroyWindow();

  // Passes the message being handled right now to the window's default handling and returns
  // its result. Outside a handler it does nothing and returns 0.
  LRESULT Default();

  // Runs DoDataExchange: FALSE loads the members into the controls, TRUE saves and
  // validates. Returns FALSE when validation failed.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);

  // What a window run by the framework keeps beside its handle; made on first use, so a
  // control wrapper stays a bare handle.
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  struct WindowState {
    std::map<int, CWnd*> bound;  // control id -> member bound by DDX_Control
    std::map<HWND, std::unique_ptr<CWnd>> wrappers;
    const CurrentMessage* current = nullptr;  // the message a handler is running for
    bool passToDefault = false;  // the next call of the dialog procedure is Default()'s
  };
  WindowState& state();

  // Detaches bound controls and drops child wrappers once the window is gone.
  void ReleaseChildren();

 private:
  friend void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
  std::unique_ptr<WindowState> m_state;
};
