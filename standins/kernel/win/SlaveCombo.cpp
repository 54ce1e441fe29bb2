// Slave lists: the axis IDs of a motion controller's slaves, each entry carrying its slave index.
#include "afxwin.h"

#include "MC_AxisData.h"
#include "MC_EditMotionInternalData.h"
#include "MC_Motion.h"
#include "MC_Setup.h"

namespace {
const char kNoSlaveText[] = " ";
const int kNoSlave = -1;

bool PassesFilter(CMC_Motion& motion, int nSlave, MC_PFN_SLAVEFILTER pfnFilter) {
  if (pfnFilter == nullptr) return true;
  CMC_AxisData* pAxis = motion.GetMotionControllerSlaveAxis(nSlave);
  CMC_Setup* pSetup = pAxis != nullptr ? pAxis->GetAxisSetup() : nullptr;
  return pSetup != nullptr && pfnFilter(pSetup) != 0;
}

void AddEntry(CComboBox* pCombo, LPCSTR lpszText, int nSlave, int nSelectSlave) {
  int nIndex = pCombo->AddString(lpszText);
  if (nIndex < 0) return;
  pCombo->SetItemData(nIndex, static_cast<DWORD_PTR>(static_cast<INT_PTR>(nSlave)));
  if (nSlave == nSelectSlave) pCombo->SetCurSel(nIndex);
}
}  // namespace

void CMC_EditMotionInternalData::FillSlaveAxisIDsCombo(CComboBox* pCombo, MC_PFN_SLAVEFILTER pfnFilter,
                                                       int nSelectSlave, int nOptions) {
  if (pCombo == nullptr || pCombo->m_hWnd == nullptr) return;
  pCombo->ResetContent();
  if (!(nOptions & MC_SLAVECOMBO_NO_NONE_ENTRY)) AddEntry(pCombo, kNoSlaveText, kNoSlave, nSelectSlave);
  int nCount = m_setup.GetMotionControllerSlaveCount();
  for (int nSlave = 0; nSlave < nCount; ++nSlave) {
    unsigned char nAxisID = 0;
    if (!m_setup.MotionController_GetAxisIDOfSlave(static_cast<unsigned char>(nSlave), nAxisID) || nAxisID == 0) continue;
    if (!PassesFilter(m_motion, nSlave, pfnFilter)) continue;
    CString text;
    text.Format("%u", static_cast<unsigned>(nAxisID));
    AddEntry(pCombo, text, nSlave, nSelectSlave);
  }
}

int CMC_EditMotionInternalData::GetComboSelSlaveAxisID(CComboBox* pCombo) {
  if (pCombo == nullptr || pCombo->m_hWnd == nullptr) return kNoSlave;
  int nSel = pCombo->GetCurSel();
  if (nSel < 0) return kNoSlave;
  return static_cast<int>(static_cast<INT_PTR>(pCombo->GetItemData(nSel)));
}
