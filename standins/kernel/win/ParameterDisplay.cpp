// Physical values in an edit with a unit list.
#include "KernelStrings.h"
#include "MC_EditMotionDlg.h"
#include "MC_Parameter.h"
#include "TimeValue.h"

namespace {
// The edit's text as a time in the parameter's unit; blanks around the number are allowed.
MC_TIME_CHECK ReadTime(const CString& text, const CMC_Parameter& parameter, double& value) {
  CString trimmed(text);
  trimmed.Trim();
  return MC_CheckTime(trimmed, trimmed.GetLength(), parameter, value);
}

CString SelectedUnit(CComboBox& units) {
  CString unit;
  int nSel = units.GetCurSel();
  if (nSel >= 0) units.GetLBText(nSel, unit);
  return unit;
}

void SelectUnit(CComboBox& units, const CString& selected) {
  int nSel = -1;
  for (int i = 0, n = units.GetCount(); i < n && nSel < 0; ++i) {
    CString unit;
    units.GetLBText(i, unit);
    if (unit == selected) nSel = i;
  }
  units.SetCurSel(nSel);
}

// The range a time may take, in the unit the user sees.
void ShowTimeRange(const CMC_Parameter& parameter) {
  CMC_Parameter max(parameter);
  max.SetValue(MC_MaxTime(parameter));
  CString message;
  message.Format(IDS_MC_NUMBER_REQUIRED, static_cast<const char*>(max.PrintValue()),
                 static_cast<const char*>(parameter.GetSelectedUnit()));
  AfxMessageBox(message, MB_ICONEXCLAMATION, IDS_MC_NUMBER_REQUIRED);
}
}  // namespace

void CMC_EditMotionDlg::ShowParameter(CMC_Parameter& parameter, int nEditID, int nUnitID, BOOL bEnable, int nOptions) {
  SetChildText(nEditID, parameter.PrintValue());
  CBorrowedWnd<CComboBox> units(GetDlgItem(nUnitID));
  if (units.m_hWnd != nullptr) {
    if (nOptions & MC_SHOWPARAM_FILL_UNITS) {
      units.ResetContent();
      for (int i = 0; i < CMC_Parameter::GetUnitCount(); ++i) units.AddString(CMC_Parameter::GetUnitName(i));
    }
    SelectUnit(units, parameter.GetSelectedUnit());
  }
  EnableChild(nEditID, bEnable);
  EnableChild(nUnitID, bEnable);
}

void CMC_EditMotionDlg::UpdateParameter(CDataExchange* pDX, CMC_Parameter& parameter, int nEditID) {
  if (!pDX->m_bSaveAndValidate || GetDlgItem(nEditID) == nullptr) return;
  pDX->PrepareEditCtrl(nEditID);
  double value = 0.0;
  if (ReadTime(GetChildText(nEditID), parameter, value) != MC_TIME_VALID) {
    ShowTimeRange(parameter);
    pDX->Fail();
  }
  parameter.SetValue(value);
}

void CMC_EditMotionDlg::ChangeParameterUnit(CMC_Parameter& parameter, int nEditID, int nUnitID) {
  CBorrowedWnd<CComboBox> units(GetDlgItem(nUnitID));
  if (units.m_hWnd == nullptr) return;
  CString unit = SelectedUnit(units);
  if (CMC_Parameter::FindUnit(unit) < 0) return;
  // What the edit shows is what the user means, typed or not yet taken. A text that is no time
  // in its unit cannot be converted: the unit goes back, and the text stays to be corrected.
  double value = 0.0;
  if (ReadTime(GetChildText(nEditID), parameter, value) != MC_TIME_VALID) {
    ShowTimeRange(parameter);
    SelectUnit(units, parameter.GetSelectedUnit());
    if (CWnd* pEdit = GetDlgItem(nEditID)) {
      pEdit->SetFocus();
      pEdit->SendMessage(EM_SETSEL, 0, -1);
    }
    return;
  }
  parameter.SetValue(value);
  parameter.ConvertToUnit(unit);
  SetChildText(nEditID, parameter.PrintValue());
}
