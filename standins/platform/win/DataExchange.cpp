#include "../afxdd_.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hWndCtrl = nullptr;
  m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
  m_idLastControl = nIDC;
  m_bEditLastControl = FALSE;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hWndCtrl = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWndCtrl;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_idLastControl != 0) {
    HWND hWndCtrl = nullptr;
    m_pDlgWnd->GetDlgItem(m_idLastControl, &hWndCtrl);
    if (hWndCtrl != nullptr) {
      ::SetFocus(hWndCtrl);
      if (m_bEditLastControl) ::SendMessageA(hWndCtrl, EM_SETSEL, 0, -1);
    }
  }
  AfxThrowUserException();
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (hWndCtrl == nullptr) return;
  if (pDX->m_bSaveAndValidate) value = -1;
  int nButton = 0;
  do {
    if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (pDX->m_bSaveAndValidate) {
        if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != BST_UNCHECKED) value = nButton;
      } else {
        ::SendMessageA(hWndCtrl, BM_SETCHECK, nButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      ++nButton;
    }
    hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
  } while (hWndCtrl != nullptr && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}
