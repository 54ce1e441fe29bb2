#include "EditorDlg.h"

#include "resource.h"

CEditorDlg::CEditorDlg(CMC_Setup& setup, CMC_Motion& motion, CString& text, CWnd* pParent)
    : CMC_EditMotionDlg(setup, motion, text, IDD_SLAVE_MANAGEMENT, pParent), m_data(setup, motion) {
  // Whatever the text yields opens, invalid values included; the user corrects them here.
  CString errors;
  m_data.ReadParameters(text, errors);
  m_ignoredSelection = 0;
  m_sendSelection = 0;
  m_ignoredMask = 0;
  m_timeoutRefused = false;
}

CEditorDlg::~CEditorDlg() {}

BOOL CEditorDlg::OnInitDialog() {
  // Operation 3 is kept even when its slave cannot call functions: the slave is still valid for
  // it in parameter text.
  m_data.DropUnavailableOperation(false);
  CMC_EditMotionDlg::OnInitDialog();
  if (CComboBox* pSlaves = static_cast<CComboBox*>(GetDlgItem(IDC_SLAVE)))
    m_data.FillSlaveAxisIDsCombo(pSlaves, nullptr, m_data.m_slave, 0);
  // No exchange follows: the move buttons keep the states of the load exchange above, made
  // before the lists were filled, until the next exchange.
  RefreshSlaveControls();
  return TRUE;
}

CMC_EditMotionInternalData* CEditorDlg::GetInternalData() { return &m_data; }

void CEditorDlg::OnSelEndOkTimeoutUnit() { ChangeParameterUnit(m_data.m_timeout, IDC_TIMEOUT, IDC_TIMEOUT_UNIT); }

// The operation radio buttons and the wait check box have no entry: a click reaches the base
// class's OnCommand, which makes the radio choice exclusive (disabled members included) and runs
// UpdateData(TRUE) then UpdateData(FALSE). The save direction reads the new operation into
// m_data.m_type, and the values of the old one while its controls are still enabled; the load
// direction enables the new operation's controls and the move buttons (DoDataExchange).
BEGIN_MESSAGE_MAP(CEditorDlg, CMC_EditMotionDlg)
  ON_CBN_SELENDOK(IDC_SLAVE, &CEditorDlg::OnSelEndOkSlave)
  ON_CBN_SELENDOK(IDC_TIMEOUT_UNIT, &CEditorDlg::OnSelEndOkTimeoutUnit)
  ON_LBN_SELCHANGE(IDC_IGNORED_BITS, &CEditorDlg::OnSelChangeBitList)
  ON_LBN_SELCHANGE(IDC_SEND_BITS, &CEditorDlg::OnSelChangeBitList)
  ON_BN_CLICKED(IDC_ALL_TO_SEND, &CEditorDlg::OnAllToSend)
  ON_BN_CLICKED(IDC_SELECTED_TO_SEND, &CEditorDlg::OnSelectedToSend)
  ON_BN_CLICKED(IDC_ALL_TO_IGNORED, &CEditorDlg::OnAllToIgnored)
  ON_BN_CLICKED(IDC_SELECTED_TO_IGNORED, &CEditorDlg::OnSelectedToIgnored)
END_MESSAGE_MAP()
