#include "MC_EditMotionDlg.h"

#include "MC_EditDialogChoices.h"
#include "MC_EditMotionInternalData.h"

#include <commctrl.h>

namespace {
bool IsRadioButton(HWND hWnd) { return (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0; }

bool IsCheckBox(HWND hWnd) {
  LONG type = ::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

bool StartsGroup(HWND hWnd) { return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_GROUP) != 0; }

// The system's auto radio buttons uncheck only the enabled members of their group, which would
// leave a disabled choice checked beside the new one; a click makes the choice exclusive.
void UncheckOtherRadios(HWND hClicked) {
  HWND hFirst = hClicked;
  while (!StartsGroup(hFirst)) {
    HWND hPrev = ::GetWindow(hFirst, GW_HWNDPREV);
    if (hPrev == nullptr) break;
    hFirst = hPrev;
  }
  HWND h = hFirst;
  do {
    if (h != hClicked && IsRadioButton(h)) ::SendMessageA(h, BM_SETCHECK, BST_UNCHECKED, 0);
    h = ::GetWindow(h, GW_HWNDNEXT);
  } while (h != nullptr && !StartsGroup(h));
}

// Wine turns BM_CLICK on a disabled button into a click, as Windows does not. An automatic radio
// button then unchecks the rest of its group, walking it with GetNextDlgGroupItem, which passes
// over disabled members: begun from a disabled one, the walk never comes round to its end and
// spins (Wine's BUTTON_CheckAutoRadioButton). A disabled button takes no BM_CLICK here.
LRESULT CALLBACK IgnoreClickWhileDisabled(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR nID, DWORD_PTR) {
  if (nMsg == BM_CLICK && !::IsWindowEnabled(hWnd)) return 0;
  if (nMsg == WM_NCDESTROY) ::RemoveWindowSubclass(hWnd, IgnoreClickWhileDisabled, nID);
  return ::DefSubclassProc(hWnd, nMsg, wParam, lParam);
}

bool IsButton(HWND hWnd) {
  char name[16] = "";
  return ::GetClassNameA(hWnd, name, sizeof name) > 0 && ::lstrcmpiA(name, "Button") == 0;
}

// Sets the flag for one exchange and gives it back its value however the exchange ends: a host
// that keeps it set for the dialog's life keeps it set after OK's exchange too.
class CCheckInputScope {
public:
  explicit CCheckInputScope(int& flag) : m_flag(flag), m_previous(flag) { m_flag = 1; }
  ~CCheckInputScope() { m_flag = m_previous; }
  CCheckInputScope(const CCheckInputScope&) = delete;
  CCheckInputScope& operator=(const CCheckInputScope&) = delete;

private:
  int& m_flag;
  int m_previous;
};
}  // namespace

CMC_EditMotionDlg::CMC_EditMotionDlg(CMC_Setup& setup, CMC_Motion& motion, CString& text, UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_setup(setup), m_motion(motion), m_text(text), m_checkInput(0) {}

CMC_EditMotionDlg::~CMC_EditMotionDlg() = default;

CMC_EditMotionInternalData* CMC_EditMotionDlg::GetInternalData() { return nullptr; }

BOOL CMC_EditMotionDlg::OnInitDialog() {
  m_checkInput = MC_GetEditDialogChoices().bCheckInputAlways ? 1 : 0;
  BOOL bResult = CDialog::OnInitDialog();
  for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    if (IsButton(h)) ::SetWindowSubclass(h, IgnoreClickWhileDisabled, 0, 0);
  return bResult;
}

void CMC_EditMotionDlg::OnOK() {
  BOOL bValid;
  {
    CCheckInputScope checking(m_checkInput);
    bValid = UpdateData(TRUE);
  }
  if (!bValid) return;
  if (CMC_EditMotionInternalData* pData = GetInternalData()) pData->WriteParameters(m_text);
  EndDialog(IDOK);
}

BOOL CMC_EditMotionDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CDialog::OnCommand(wParam, lParam)) return TRUE;
  HWND hControl = reinterpret_cast<HWND>(lParam);
  if (HIWORD(wParam) != BN_CLICKED || hControl == nullptr || ::GetParent(hControl) != m_hWnd) return FALSE;
  bool bRadio = IsRadioButton(hControl);
  if (!bRadio && !IsCheckBox(hControl)) return FALSE;
  // A choice that is not offered is not taken, whoever sends the click.
  if (!::IsWindowEnabled(hControl)) return TRUE;
  if (bRadio && ::SendMessageA(hControl, BM_GETCHECK, 0, 0) == BST_CHECKED) UncheckOtherRadios(hControl);
  // A refused save has said why and put the focus where the input is wanted; no load follows,
  // so the click and the text typed stay as the user left them.
  if (MC_GetEditDialogChoices().bClickExchange && UpdateData(TRUE)) UpdateData(FALSE);
  return TRUE;
}

void CMC_EditMotionDlg::EnableChild(int nID, BOOL bEnable) {
  CWnd* pWnd = GetDlgItem(nID);
  if (pWnd == nullptr) return;
  // A disabled control loses the focus to no one and strands the keyboard user: the focus moves
  // on first, to the next enabled tab stop, as Tab would move it.
  HWND hFocus = ::GetFocus();
  if (!bEnable && hFocus != nullptr && (hFocus == pWnd->m_hWnd || ::IsChild(pWnd->m_hWnd, hFocus)))
    SendMessage(WM_NEXTDLGCTL, 0, FALSE);
  pWnd->EnableWindow(bEnable);
}

BOOL CMC_EditMotionDlg::IsChildEnabled(int nID) const {
  CWnd* pWnd = GetDlgItem(nID);
  return pWnd != nullptr && pWnd->IsWindowEnabled();
}

CString CMC_EditMotionDlg::GetChildText(int nID) const {
  CString text;
  if (CWnd* pWnd = GetDlgItem(nID)) pWnd->GetWindowText(text);
  return text;
}

void CMC_EditMotionDlg::SetChildText(int nID, LPCSTR lpszText) {
  if (CWnd* pWnd = GetDlgItem(nID)) pWnd->SetWindowText(lpszText);
}

BOOL CMC_EditMotionDlg::GetChildCheck(int nID) const {
  CWnd* pWnd = GetDlgItem(nID);
  return pWnd != nullptr && pWnd->SendMessage(BM_GETCHECK) == BST_CHECKED;
}

void CMC_EditMotionDlg::SetChildCheck(int nID, BOOL bCheck) {
  if (CWnd* pWnd = GetDlgItem(nID)) pWnd->SendMessage(BM_SETCHECK, bCheck ? BST_CHECKED : BST_UNCHECKED);
}

BEGIN_MESSAGE_MAP(CMC_EditMotionDlg, CDialog)
END_MESSAGE_MAP()
