// String resources on Windows, found through the current module state's resource chain in the
// order of AfxFindResourceHandle. The table is read in place (LoadStringW with a zero buffer
// size), so no length limit applies to a CString.
#include "../afxwindows.h"

#include "../StringResource.h"
#include "../afxstate.h"
#include "../afxstr.h"

namespace {
// The string's UTF-16 text inside the table of module h; 0 characters when it has none.
int FindTextIn(HINSTANCE h, UINT nID, const wchar_t*& pText) {
  pText = nullptr;
  int nChars = h != nullptr ? ::LoadStringW(h, nID, reinterpret_cast<LPWSTR>(&pText), 0) : 0;
  return pText != nullptr && nChars > 0 ? nChars : 0;
}

int FindText(UINT nID, const wchar_t*& pText) { return FindTextIn(AfxFindStringResourceHandle(nID), nID, pText); }

BOOL AssignText(const wchar_t* pText, int nChars, CString& rString) {
  if (nChars == 0) return FALSE;
  int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pText, nChars, nullptr, 0, nullptr, nullptr);
  char* p = rString.GetBufferSetLength(nBytes);
  ::WideCharToMultiByte(CP_ACP, 0, pText, nChars, p, nBytes, nullptr, nullptr);
  rString.ReleaseBuffer(nBytes);
  return TRUE;
}
}  // namespace

BOOL AfxLoadStringResource(UINT nID, CString& rString) {
  const wchar_t* pText;
  int nChars = FindText(nID, pText);
  return AssignText(pText, nChars, rString);
}

int AfxLoadString(UINT nIDS, LPSTR lpszBuf, UINT nMaxBuf) {
  if (lpszBuf == nullptr || nMaxBuf == 0) return 0;
  const wchar_t* pText;
  int nChars = FindText(nIDS, pText);
  int nBytes = nChars > 0 ? ::WideCharToMultiByte(CP_ACP, 0, pText, nChars, lpszBuf, static_cast<int>(nMaxBuf) - 1, nullptr, nullptr) : 0;
  lpszBuf[nBytes] = '\0';
  return nBytes;
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID) {
  const wchar_t* pText;
  int nChars = FindTextIn(hInstance, nID, pText);
  return AssignText(pText, nChars, *this);
}
