// What becomes of an exception that leaves a message handler: the application of the current
// module state reports it and answers the message; without one the message just fails.
#include "../afxapp.h"
#include "../afxexcept.h"
#include "../afxres.h"

LRESULT AfxInternalProcessWndProcException(CException*, const MSG* pMsg) {
  if (pMsg->message == WM_CREATE) return -1;  // the window is not created
  // Validated, so that a failing paint is not asked for again at once.
  if (pMsg->message == WM_PAINT) ::ValidateRect(pMsg->hwnd, nullptr);
  return 0;
}

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg) {
  if (pMsg->message == WM_CREATE || pMsg->message == WM_PAINT) return AfxInternalProcessWndProcException(e, pMsg);
  UINT nIDP = AFX_IDP_INTERNAL_FAILURE;
  LRESULT lResult = 0;
  if (pMsg->message == WM_COMMAND) {
    if (pMsg->lParam == 0) nIDP = AFX_IDP_COMMAND_FAILURE;  // a command, not a control's notification
    lResult = TRUE;  // as if handled
  }
  if (dynamic_cast<CMemoryException*>(e) != nullptr)
    e->ReportError(MB_ICONEXCLAMATION | MB_SYSTEMMODAL, nIDP);
  else if (dynamic_cast<CUserException*>(e) == nullptr)  // a user exception was reported already
    e->ReportError(MB_ICONSTOP, nIDP);
  return lResult;
}

LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg) {
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr ? pApp->ProcessWndProcException(e, pMsg) : AfxInternalProcessWndProcException(e, pMsg);
}
