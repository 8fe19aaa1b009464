#pragma once
// Dialog data exchange: moves values between a dialog's members and its controls, in the
// direction UpdateData asks for, and validates them on the way back.

#include "cstring_class.h"
#include "wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

  BOOL m_bSaveAndValidate;  // TRUE: controls -> members, with validation
  CWnd* m_pDlgWnd;

  // The dialog's control `id`, remembered as the field that a following DDV_ check is about
  // (DDX_Text prepares its field; DDX_Control does not). nullptr, and the exchange failed,
  // when the dialog has no such control.
  HWND PrepareCtrl(int id);
  HWND m_hWndLastControl = nullptr;

  // Marks the exchange failed and puts the focus on the last prepared field, if any. Once
  // failed, the remaining DDX_/DDV_ calls of the exchange do nothing.
  void Fail();
  bool Failed() const { return m_failed; }

 private:
  bool m_failed = false;
};

// Binds `control` to the dialog's control `id` the first time; later exchanges leave it alone.
// GetDlgItem(id) then returns `control` itself.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Loading sets the control's text; saving reads the whole text back.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// Applies to the field of the DDX_Text just before it. Loading limits the field to `maxChars`
// characters; saving fails a longer text with the prompt
// "Please enter no more than <maxChars> characters." (caption "Warning").
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);
