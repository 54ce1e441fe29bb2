// Base of every element's data: keeps the setup and motion program of the drive being
// programmed, and offers the parameter-text operations.
#pragma once

#include <cstdint>

#include "mckernel.h"

class CMC_Setup;
class CMC_Motion;
class CComboBox;

// Chooses which slaves a slave list offers: nonzero for a slave setup to list.
typedef int (*MC_PFN_SLAVEFILTER)(CMC_Setup* pSlaveSetup);
// FillSlaveAxisIDsCombo option: no entry for "no slave".
#define MC_SLAVECOMBO_NO_NONE_ENTRY 0x0001

class MCK_API CMC_EditMotionInternalData {
public:
  CMC_EditMotionInternalData(CMC_Setup& setup, CMC_Motion& motion);
  virtual ~CMC_EditMotionInternalData();
  CMC_EditMotionInternalData(const CMC_EditMotionInternalData&) = delete;
  CMC_EditMotionInternalData& operator=(const CMC_EditMotionInternalData&) = delete;

  // Reads parameter text into the element; nonzero when valid, else the error lines in errors.
  // The base reads nothing: it empties errors and answers 1.
  virtual int ReadParameters(CString& text, CString& errors);
  // Writes the element into parameter text; the base writes nothing.
  virtual void WriteParameters(CString& text);

  // Fills a slave list with the axis IDs of the master's slaves, after one entry (a blank) for
  // "no slave" unless nOptions has MC_SLAVECOMBO_NO_NONE_ENTRY, and selects nSelectSlave (-1:
  // the "no slave" entry). Slaves the master reports no axis ID for are not offered; with a
  // filter, neither are slaves without a setup or refused by it. Window side only.
  void FillSlaveAxisIDsCombo(CComboBox* pCombo, MC_PFN_SLAVEFILTER pfnFilter, int nSelectSlave, int nOptions);
  // The slave index of the list's selection; -1 for "no slave" or no selection.
  int GetComboSelSlaveAxisID(CComboBox* pCombo);

  CMC_Setup& m_setup;
  CMC_Motion& m_motion;
};
