// Base of every element's editor dialog: keeps the caller's parameter text and writes the
// element data back into it on OK, and offers control access by ID and the display of physical
// values in an edit with a unit list. Window side of the kernel.
#pragma once

#include "afxwin.h"

#include "mckernel.h"

class CMC_Setup;
class CMC_Motion;
class CMC_Parameter;
class CMC_EditMotionInternalData;

class MCK_API CMC_EditMotionDlg : public CDialog {
public:
  CMC_EditMotionDlg(CMC_Setup& setup, CMC_Motion& motion, CString& text, UINT nIDTemplate, CWnd* pParent);
  ~CMC_EditMotionDlg() override;

  // The element data that OK writes into the parameter text; null writes nothing.
  virtual CMC_EditMotionInternalData* GetInternalData();

  // Controls by ID; a missing control reads as disabled, empty and unchecked. Disabling the
  // control that has the focus first moves the focus to the next enabled tab stop.
  void EnableChild(int nID, BOOL bEnable);
  BOOL IsChildEnabled(int nID) const;
  CString GetChildText(int nID) const;
  void SetChildText(int nID, LPCSTR lpszText);
  BOOL GetChildCheck(int nID) const;
  void SetChildCheck(int nID, BOOL bCheck);

  // Shows the value in the edit and selects its unit in the unit list (filled with the kernel's
  // units when nOptions has MC_SHOWPARAM_FILL_UNITS); enables both by bEnable.
  void ShowParameter(CMC_Parameter& parameter, int nEditID, int nUnitID, BOOL bEnable, int nOptions);
  // Save direction only: takes the number in the edit into the parameter, in its unit. A text
  // that parameter text would not read as a time in that unit is refused with a message that
  // gives the range, and a failed exchange.
  void UpdateParameter(CDataExchange* pDX, CMC_Parameter& parameter, int nEditID);
  // Applies the unit now selected in the list, keeping the physical value shown in the edit. A
  // text that is no time in its unit is refused with the range, and the unit selected again.
  void ChangeParameterUnit(CMC_Parameter& parameter, int nEditID, int nUnitID);

  // Buttons take no BM_CLICK while disabled.
  BOOL OnInitDialog() override;

protected:
  // Save exchange with m_checkInput set; on success the element data writes the text and the
  // dialog ends with IDOK, else it stays open.
  void OnOK() override;
  // A click on an enabled radio button or check box that no handler takes runs the save and,
  // when it passes, the load exchange, so that what depends on the choice follows it at once.
  // Whether a click exchanges at all is the host's choice.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  CMC_Setup& m_setup;
  CMC_Motion& m_motion;
  CString& m_text;
  // Nonzero while the exchange may insist on complete input: during OK's exchange, and for the
  // dialog's whole life where the host chooses so.
  int m_checkInput;

  DECLARE_MESSAGE_MAP()
};

#define MC_SHOWPARAM_FILL_UNITS 0x0001
