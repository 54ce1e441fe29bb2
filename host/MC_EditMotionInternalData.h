// Base of every element's data: keeps the setup and motion program of the drive being
// programmed, and offers the parameter-text operations.
#pragma once

#include <cstdint>

#include "mckernel.h"

class CMC_Setup;
class CMC_Motion;
class CMC_Parameter;
class CComboBox;

// Chooses which slaves a slave list offers: nonzero for a slave setup to list.
typedef int (*MC_PFN_SLAVEFILTER)(CMC_Setup* pSlaveSetup);
// FillSlaveAxisIDsCombo option: no entry for "no slave".
#define MC_SLAVECOMBO_NO_NONE_ENTRY 0x0001

class MCK_API CMC_EditMotionInternalData {
public:
  CMC_EditMotionInternalData(CMC_Setup& setup, CMC_Motion& motion);
  virtual ~CMC_EditMotionInternalData();

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

  // Parameter text: a sequence of items "Key=Value;", keys case-sensitive. Each read returns
  // its error as one line ending in "\r\n" that names the key, or empty text on success; a read
  // that fails leaves the field as it was.
  CString ReadRadioParam(CString& text, const char* key, int& field, int min, int max);
  // An absent or invalid item leaves the field as it was, without an error.
  void ReadOptionalRadioParam(CString& text, const char* key, int& field, int min, int max);
  CString ReadHexaParam(CString& text, const char* key, uint32_t& field, uint32_t min, uint32_t max);
  // A text in double quotes, a double quote inside doubled; a NUL inside is a read error.
  CString ReadStringParam(CString& text, const char* key, CString& field);
  // Reads the physical value of item GetDataParamName(key, p1, p2), "number[unit]", into field,
  // which remembers the item name for WriteDataParam; present becomes 1 when the item is there,
  // else 0 (an absent item is no error). A time must be finite and from 0 to 2^31 - 1
  // control-loop periods of the field's drive; one out of that range is refused but still read
  // into the field, so that an editor shows the number the text holds.
  CString ReadOptionalDataParam(CString& text, const char* key, const char* p1, const char* p2,
                                CMC_Parameter& field, int& present);
  void WriteRadioParam(CString& text, const char* key, int value);
  void WriteHexaParam(CString& text, const char* key, uint32_t value);
  void WriteStringParam(CString& text, const char* key, const CString& value);
  // Writes the value under the item name it was read with; a value never read has none and
  // writes nothing.
  void WriteDataParam(CString& text, const CMC_Parameter& value);
  // The item name of a physical value: the key, followed by "_" p1 and "_" p2 for each
  // qualifier given (null or empty: none).
  static CString GetDataParamName(const char* key, const char*, const char*);
  // Every physical value of this kernel is a time, kept in seconds unless the text says
  // otherwise; name and setup may be null.
  CString GetDefaultUnit(const char* key, const char* name, CMC_Setup* setup);

  CMC_Setup& m_setup;
  CMC_Motion& m_motion;

private:
  CMC_EditMotionInternalData(const CMC_EditMotionInternalData&);
  CMC_EditMotionInternalData& operator=(const CMC_EditMotionInternalData&);
};
