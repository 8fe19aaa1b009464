#pragma once
// CDialog: a dialog from a template in the program's resources, run modally by DoModal with
// the framework's own modal loop, so that DestroyWindow of the dialog ends the run as
// EndDialog does. One static dialog procedure serves every dialog: it stores `this` at
// WM_INITDIALOG, answers the colour requests with the application's dialog colours and hands
// every other message to the message map.

#include "data_exchange.h"
#include "wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // Creates the dialog, runs it until it ends and returns its end code: IDOK, IDCANCEL (also
  // when the window was destroyed without an end code), or -1 when the template cannot be
  // created. A dialog without a parent is owned by the application's main window.
  virtual int DoModal();
  // Ends the modal run with `result` once the current message has been handled.
  void EndDialog(int result);

  UINT GetTemplateId() const { return m_templateId; }
  bool IsRunningModal() const { return m_continueModal; }

  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;  // IDOK -> OnOK, IDCANCEL -> OnCancel

 protected:
  // Base: runs the template's dialog-initialisation data, then UpdateData(FALSE). Returns
  // TRUE so that the dialog manager puts the focus on the first tab stop.
  virtual BOOL OnInitDialog();
  // Base: saves and validates (UpdateData(TRUE)); ends with IDOK unless validation failed.
  virtual void OnOK();
  // Base: ends with IDCANCEL.
  virtual void OnCancel();

 private:
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnWindowGone();
  void RunModalLoop();
  HWND OwnerWindow() const;

  UINT m_templateId;
  CWnd* m_pParentWnd;
  bool m_continueModal = false;
  int m_modalResult = -1;
};
