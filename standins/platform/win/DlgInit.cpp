// Dialog initialisation data: records of (control ID, message, data length, data) ended by a
// zero control ID, applied to the controls right after they are created.
#include <cstring>

#include "../afxdlgs.h"
#include "../afxres.h"

namespace {
template <class T>
T ReadAt(const BYTE* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
}  // namespace

BOOL CDialog::ExecuteDlgInit(LPCSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
  if (hInst == nullptr) return TRUE;  // nothing to apply
  HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_DLGINIT);
  HGLOBAL hData = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
  const BYTE* p = hData != nullptr ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
  if (p == nullptr) return FALSE;
  const BYTE* pEnd = p + ::SizeofResource(hInst, hResource);
  BOOL bSuccess = TRUE;
  while (p + sizeof(WORD) <= pEnd) {
    WORD nIDC = ReadAt<WORD>(p);
    if (nIDC == 0) break;
    if (p + 8 > pEnd) return FALSE;
    WORD nMsg = ReadAt<WORD>(p + 2);
    DWORD nLength = ReadAt<DWORD>(p + 4);
    const BYTE* pData = p + 8;
    if (nLength > static_cast<DWORD>(pEnd - pData)) return FALSE;
    UINT message = nMsg == AFX_LB_ADDSTRING ? LB_ADDSTRING : nMsg == AFX_CB_ADDSTRING ? CB_ADDSTRING : nMsg;
    if (::SendDlgItemMessageA(m_hWnd, nIDC, message, 0, reinterpret_cast<LPARAM>(pData)) < 0 &&
        (message == LB_ADDSTRING || message == CB_ADDSTRING))
      bSuccess = FALSE;
    p = pData + nLength;
  }
  return bSuccess;
}
