// The slave decides what the editor offers: the operations it allows, its error-register bits
// and the functions of its motion program.
#include "EditorDlg.h"

#include "resource.h"

namespace {
// The function list offers no more names than this, in the program's own order.
const int kMaxListedFunctions = 10;
}  // namespace

void CEditorDlg::OnSelEndOkSlave() {
  // Taken first, so that a function name typed meanwhile survives the refill. A refusal has said
  // why; the chosen slave is taken all the same, and the load exchange that ends a change of
  // slave shows the element's own values where refused ones stood.
  UpdateData(TRUE);
  CComboBox* pSlaves = static_cast<CComboBox*>(GetDlgItem(IDC_SLAVE));
  if (pSlaves == nullptr) return;
  const int nSlave = m_data.GetComboSelSlaveAxisID(pSlaves);
  if (nSlave == m_data.m_slave) return;
  m_data.m_slave = nSlave;
  m_data.ResolveSlave();
  m_data.DropUnavailableOperation(true);
  RefreshSlaveControls();
  UpdateData(FALSE);
}

void CEditorDlg::RefreshSlaveControls() {
  const int bSendErrorMask = m_data.CanSendErrorMask();
  EnableChild(IDC_SEND_ERROR_MASK, bSendErrorMask);
  EnableChild(IDC_CALL_FUNCTION, m_data.CanCallFunction());
  EnableChild(IDC_ABORT_FUNCTION, m_data.CanCallFunction());
  const uint32_t fullMask = bSendErrorMask ? m_data.m_slaveSetup->GetErrorRegMask() : 0;
  m_data.m_errorMask &= fullMask;
  m_sendSelection &= fullMask;
  m_ignoredSelection &= fullMask;
  m_ignoredMask = fullMask & ~m_data.m_errorMask;
  FillBothBitLists();
  FillFunctionCombo();
}

void CEditorDlg::FillFunctionCombo() {
  CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_FUNCTION));
  if (pCombo == nullptr) return;
  pCombo->ResetContent();
  if (m_data.m_slaveMotion == nullptr || m_data.m_slaveSetup->IsMotionController()) return;
  int nCount = m_data.m_slaveMotion->GetFunctionsCount();
  if (nCount > kMaxListedFunctions) nCount = kMaxListedFunctions;
  for (int i = 0; i < nCount; ++i) pCombo->AddString(m_data.m_slaveMotion->GetFunctionName(i));
  pCombo->SetWindowText(m_data.m_type == CallFunction ? static_cast<const char*>(m_data.m_functionName) : "");
}
