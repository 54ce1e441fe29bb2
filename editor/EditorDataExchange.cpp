// The exchange between the element data and the controls. The operation and the timeout are
// read on every save; the other values only while their controls are enabled, so that the
// values of an operation not chosen survive until the dialog ends.
#include "EditorDlg.h"

#include "MC_Messages.h"
#include "resource.h"

namespace {
bool NeedsSlave(int type) { return type == SendErrorMask || type == CallFunction || type == AbortFunction; }

bool IsBlank(const CString& text) {
  CString trimmed(text);
  trimmed.Trim();
  return trimmed.IsEmpty();
}

// The module's own refusals are for OK alone: the exchange runs for the OK command then. The
// exchanges of the editor's handlers and of a base dialog's clicks run for other commands.
bool IsConfirming() {
  const MSG* pMsg = CWnd::GetCurrentMessage();
  return pMsg != nullptr && pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == IDOK;
}

// The binary that holds the editor's code, and with it the module's own string table.
HINSTANCE ModuleInstance() {
  HMODULE hModule = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ModuleInstance), &hModule);
  return hModule;
}
}  // namespace

void CEditorDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Radio(pDX, IDC_INIT_SLAVES, m_data.m_type);
  const int type = m_data.m_type;
  if (pDX->m_bSaveAndValidate) {
    if (m_checkInput && NeedsSlave(type) && m_data.m_slave < 0) RefuseInput(pDX, IDC_SLAVE, IDS_MC_SLAVE_REQUIRED);
    const bool bConfirming = IsConfirming();
    // Confirming with no operation would store a text that no translation accepts, in place of
    // the element's valid one.
    if (bConfirming && type == NoOperation) RefuseInput(pDX, IDC_INIT_SLAVES, IDS_OPERATION_REQUIRED, ModuleInstance());
    ReadTimeout(pDX);
    if (IsChildEnabled(IDC_SEND_BITS)) ReadBothBitLists();
    if (IsChildEnabled(IDC_FUNCTION)) m_data.m_functionName = GetChildText(IDC_FUNCTION);
    // OK refuses what can never translate, and keeps what may become valid when the drives'
    // programs change: a call needs a name, but the slave's program need not hold it yet.
    if (bConfirming && type == CallFunction && IsBlank(m_data.m_functionName))
      RefuseInput(pDX, IDC_FUNCTION, IDS_FUNCTION_REQUIRED, ModuleInstance());
    if (IsChildEnabled(IDC_WAIT)) m_data.m_waitForCompletion = GetChildCheck(IDC_WAIT);
    return;
  }
  ShowParameter(m_data.m_timeout, IDC_TIMEOUT, IDC_TIMEOUT_UNIT, type == InitSlaves || m_timeoutRefused, MC_SHOWPARAM_FILL_UNITS);
  const bool bMask = type == SendErrorMask;
  EnableChild(IDC_SEND_BITS, bMask);
  EnableChild(IDC_IGNORED_BITS, bMask);
  EnableMoveButtons();
  const bool bCall = type == CallFunction;
  EnableChild(IDC_FUNCTION, bCall);
  SetChildText(IDC_FUNCTION, bCall ? static_cast<const char*>(m_data.m_functionName) : "");
  EnableChild(IDC_WAIT, bCall);
  SetChildCheck(IDC_WAIT, bCall && m_data.m_waitForCompletion != 0);
}

void CEditorDlg::ReadTimeout(CDataExchange* pDX) {
  // Read for every operation, so it may be refused while another operation has disabled its
  // box: enabled for the read, it takes the refusal's focus, and the flag keeps it enabled
  // through the load exchanges until a save reads it.
  const BOOL bWasEnabled = IsChildEnabled(IDC_TIMEOUT);
  if (!bWasEnabled) EnableTimeout(TRUE);
  m_timeoutRefused = true;
  UpdateParameter(pDX, m_data.m_timeout, IDC_TIMEOUT);
  m_timeoutRefused = false;
  if (!bWasEnabled) EnableTimeout(FALSE);
}

void CEditorDlg::EnableTimeout(BOOL bEnable) {
  EnableChild(IDC_TIMEOUT, bEnable);
  EnableChild(IDC_TIMEOUT_UNIT, bEnable);
}

void CEditorDlg::ReadBothBitLists() {
  const uint32_t send = m_data.m_errorMask, ignored = m_ignoredMask;
  ReadBitListMasks(IDC_SEND_BITS, m_data.m_errorMask, m_sendSelection);
  ReadBitListMasks(IDC_IGNORED_BITS, m_ignoredMask, m_ignoredSelection);
  // Only a bit that exactly one list holds is read from the lists; one that neither holds, or
  // both (a refill that stopped between them), stays where the masks had it.
  const uint32_t listedOnce = m_data.m_errorMask ^ m_ignoredMask;
  m_data.m_errorMask = (m_data.m_errorMask & listedOnce) | (send & ~listedOnce);
  m_ignoredMask = (m_ignoredMask & listedOnce) | (ignored & ~listedOnce);
  m_sendSelection &= m_data.m_errorMask;
  m_ignoredSelection &= m_ignoredMask;
}

void CEditorDlg::RefuseInput(CDataExchange* pDX, int nIDC, UINT nIDPrompt, HINSTANCE hStrings) {
  // Enabled first: where no exchange followed the click that chose the operation, its controls
  // are still disabled, and the user could not do what the message asks.
  EnableChild(nIDC, TRUE);
  pDX->PrepareCtrl(nIDC);
  if (hStrings == nullptr) {
    AfxMessageBox(nIDPrompt, MB_ICONEXCLAMATION, static_cast<UINT>(-1));
  } else {
    CString prompt;
    prompt.LoadString(hStrings, nIDPrompt);
    AfxMessageBox(prompt, MB_ICONEXCLAMATION, nIDPrompt);
  }
  pDX->Fail();
}

void CEditorDlg::EnableMoveButtons() {
  const bool bMask = m_data.m_type == SendErrorMask;
  EnableChild(IDC_ALL_TO_IGNORED, bMask && m_data.m_errorMask != 0);
  EnableChild(IDC_ALL_TO_SEND, bMask && m_ignoredMask != 0);
  EnableChild(IDC_SELECTED_TO_IGNORED, bMask && m_sendSelection != 0);
  EnableChild(IDC_SELECTED_TO_SEND, bMask && m_ignoredSelection != 0);
}
