// How an exception tells the user what went wrong: its own message, else a prompt string.
#include "../afxexcept.h"
#include "../StringResource.h"
#include "../afxres.h"
#include "../afxwnd.h"

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError != nullptr && nMaxError != 0) *lpszError = '\0';
  return FALSE;
}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  return AfxLoadString(AFX_IDS_MEMORY_EXCEPTION, lpszError, nMaxError) > 0;
}

int CException::ReportError(UINT nType, UINT nMessageID) {
  // On the stack: the memory exception is reported when there is no memory to be had.
  char szErrorMessage[512];
  UINT nHelpContext = 0;
  if (GetErrorMessage(szErrorMessage, sizeof szErrorMessage, &nHelpContext))
    return AfxMessageBox(szErrorMessage, nType, nHelpContext);
  return AfxMessageBox(nMessageID != 0 ? nMessageID : AFX_IDP_NO_ERROR_AVAILABLE, nType, nHelpContext);
}
