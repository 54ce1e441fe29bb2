#include "../afxwnd.h"

int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, nSelect)); }
int CComboBox::AddString(LPCSTR lpszString) {
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
}
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
DWORD_PTR CComboBox::GetItemData(int nIndex) const { return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, nIndex)); }
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
  return static_cast<int>(SendMessage(CB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData)));
}

int CComboBox::GetLBText(int nIndex, CString& rString) const {
  int nLength = static_cast<int>(SendMessage(CB_GETLBTEXTLEN, nIndex));
  if (nLength < 0) {
    rString.Empty();
    return nLength;
  }
  char* p = rString.GetBufferSetLength(nLength);
  int nCopied = static_cast<int>(SendMessage(CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(p)));
  rString.ReleaseBuffer(nCopied < 0 ? 0 : nCopied);
  return nCopied;
}
