// Windows wrapped as command targets. A CWnd either owns its handle's place in the thread's
// permanent map (attached) or is a temporary wrapper that lives until the temporary maps are
// released; GetDlgItem and FromHandle hand out such temporaries.
#pragma once

#include "afxmsgmap.h"
#include "afxstr.h"

class CDataExchange;

class AFX_API CWnd : public CCmdTarget {
public:
  CWnd();
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  // The attached object of hWnd, else a temporary wrapper; null for a null handle.
  static CWnd* FromHandle(HWND hWnd);
  static CWnd* FromHandlePermanent(HWND hWnd);
  // The message that this thread's innermost window procedure is handling: all zero outside any.
  static const MSG* GetCurrentMessage();
  // The thread's active window (a temporary wrapper), or null.
  static CWnd* GetActiveWindow();
  // The window that should own a popup for hParent (null: the main window's last active popup):
  // never a child window. With pWndTop, the top-level window above it is disabled as well when it
  // is another, enabled one, and given back for the caller to enable again; else null.
  static HWND GetSafeOwner_(HWND hParent, HWND* pWndTop);
  BOOL Attach(HWND hWnd);
  HWND Detach();

  CWnd* GetDlgItem(int nID) const;
  void GetDlgItem(int nID, HWND* phWnd) const;
  int GetDlgCtrlID() const;
  void SetWindowText(LPCSTR lpszString);
  void GetWindowText(CString& rString) const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  CWnd* SetFocus();
  // Centres a top-level window on its owner (pAlternateOwner instead, when given) if the owner
  // is visible and not minimised, else in the work area of the main window's monitor; kept
  // inside that work area. A child window is centred in its parent.
  void CenterWindow(CWnd* pAlternateOwner = nullptr);
  // Whether a dialog is centred after WM_INITDIALOG; a template may place it itself.
  virtual BOOL CheckAutoCenter();
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  // A message of the modal loop for this window or one of its children, before the dialog
  // manager takes it; TRUE when it was handled here and goes no further.
  virtual BOOL PreTranslateMessage(MSG* pMsg);

  // Runs the exchange in one direction; FALSE when it failed: a refused value (the user was told)
  // or another exception, reported here. Meanwhile its controls' notifications are ignored.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  // WM_COMMAND: routes the command through the message maps; TRUE when something handled it.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()
};

class AFX_API CComboBox : public CWnd {
public:
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  int AddString(LPCSTR lpszString);
  void ResetContent();
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  int GetLBText(int nIndex, CString& rString) const;
};

class AFX_API CListBox : public CWnd {
public:
  int GetCount() const;
  int AddString(LPCSTR lpszString);
  void ResetContent();
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  // Multiple-selection lists: selects or deselects one item (-1: all of them).
  int SetSel(int nIndex, BOOL bSelect = TRUE);
  int GetSelCount() const;
  // Fills rgIndex with up to nMaxItems indexes of selected items; returns how many it wrote.
  int GetSelItems(int nMaxItems, LPINT rgIndex) const;
};

// A control's handle seen through a wrapper of a more specific class for one scope, without
// touching the handle maps: CBorrowedWnd<CComboBox> list(GetDlgItem(IDC_LIST)).
template <class TWnd>
class CBorrowedWnd : public TWnd {
public:
  explicit CBorrowedWnd(const CWnd* pWnd) { this->m_hWnd = pWnd != nullptr ? pWnd->m_hWnd : nullptr; }
  ~CBorrowedWnd() override { this->m_hWnd = nullptr; }
  CBorrowedWnd(const CBorrowedWnd&) = delete;
  CBorrowedWnd& operator=(const CBorrowedWnd&) = delete;
};

// The current application's main window, else the thread's active window; null without an
// application.
AFX_API CWnd* AfxGetMainWnd();

// Shows string resource nIDPrompt; nIDHelp (-1: nIDPrompt itself) is the help context of the
// box while it is up. Returns the button the user chose.
AFX_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
AFX_API int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
