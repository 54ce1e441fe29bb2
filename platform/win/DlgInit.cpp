// Dialog initialisation data: records of (control ID, message, data length, data) ended by a
// zero control ID, applied to the controls right after they are created.
#include <cstring>

#include "../afxdlgs.h"

namespace {
const LPCSTR kDlgInitType = MAKEINTRESOURCEA(240);
// The 16-bit message codes the data uses; translated to today's list and combo messages.
const WORD kDlgInitListAddString = 0x0401;
const WORD kDlgInitComboAddString = 0x0403;

template <class T>
T ReadAt(const BYTE* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
}  // namespace

BOOL CDialog::ExecuteDlgInit(LPCSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, kDlgInitType);
  if (hInst == nullptr) return TRUE;  // nothing to apply
  HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, kDlgInitType);
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
    UINT message = nMsg == kDlgInitListAddString ? LB_ADDSTRING : nMsg == kDlgInitComboAddString ? CB_ADDSTRING : nMsg;
    if (::SendDlgItemMessageA(m_hWnd, nIDC, message, 0, reinterpret_cast<LPARAM>(pData)) < 0 &&
        (message == LB_ADDSTRING || message == CB_ADDSTRING))
      bSuccess = FALSE;
    p = pData + nLength;
  }
  return bSuccess;
}
