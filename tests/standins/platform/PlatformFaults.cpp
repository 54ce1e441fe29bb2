#include "PlatformFaults.h"

BOOL CTestDialog::OnInitDialog() {
  BOOL bResult = CDialog::OnInitDialog();
  ::GetWindowRect(m_hWnd, &m_rectAfterInit);
  if (m_onInit) m_onInit();
  ::GetWindowRect(m_hWnd, &m_rectAfterInit);
  return bResult;
}

void CTestDialog::DoDataExchange(CDataExchange*) {
  if (m_onExchange) m_onExchange();
}

void CTestDialog::OnAct() {
  ++m_acts;
  if (m_onAct) m_onAct();
}

BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
  ON_BN_CLICKED(IDC_TEST_ACT, &CTestDialog::OnAct)
END_MESSAGE_MAP()
