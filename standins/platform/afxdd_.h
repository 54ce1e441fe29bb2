// Dialog data exchange: one pass between a dialog's controls and its data, in one direction.
#pragma once

#include "afxexcept.h"
#include "afxwnd.h"

class AFX_API CDataExchange {
public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls into data
  CWnd* m_pDlgWnd;

  // Names the control whose value is exchanged next, for Fail to return the focus to.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  // Ends the exchange: the focus goes to the prepared control (an edit's text selected) and
  // UpdateData reports the failure. Throws CUserException*.
  [[noreturn]] void Fail();

  int m_idLastControl = 0;
  BOOL m_bEditLastControl = FALSE;
};

// The radio group that starts at nIDC (a WS_GROUP control) and runs up to the next WS_GROUP
// control: value is the position of the checked radio button among the group's radio buttons,
// -1 when none is checked. Other controls inside the group are skipped.
AFX_API void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
