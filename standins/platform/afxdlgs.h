// Modal dialogs from templates found through the current module state's resource chain.
#pragma once

#include "afxdd_.h"
#include "afxstate.h"
#include "afxwnd.h"

class AFX_API CDialog : public CWnd {
public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Runs the dialog; the result given to EndDialog, or -1 when it could not be created.
  virtual INT_PTR DoModal();
  // Applies the template's initialisation data, then loads the controls from the data.
  virtual BOOL OnInitDialog();
  void EndDialog(int nResult);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
  // The top-level window that DoModal disabled besides the dialog's owner, or null.
  HWND m_hWndTop = nullptr;

  // The owner for DoModal (CWnd::GetSafeOwner_ of the parent), and its undoing.
  HWND PreModal();
  void PostModal();
  // No centring when the template asks the system to place the dialog (DS_CENTER,
  // DS_CENTERMOUSE, DS_ABSALIGN).
  BOOL CheckAutoCenter() override;

protected:
  virtual void OnOK();
  virtual void OnCancel();
  // Own map; then, for a command, the map of the window that owns the dialog and the
  // application's (so that Help reaches the host). WM_HELP (F1, the help mark) arrives as ID_HELP.
  BOOL OnCmdMsg(UINT nID, int nCode) override;
  BOOL ExecuteDlgInit(LPCSTR lpszResourceName);

  DECLARE_MESSAGE_MAP()

private:
  LPCDLGTEMPLATEA LoadTemplate(HINSTANCE& hInst) const;
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
};
