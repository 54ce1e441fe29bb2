// A physical value with a selectable unit. Times are the kernel's only physical values here:
// units "s", "ms" and "IU" (one control-loop period of the drive).
#pragma once

#include "mckernel.h"

class CMC_Setup;

// Copied as a value; a copy refers to the same drive.
class MCK_API CMC_Parameter {
public:
  explicit CMC_Parameter(CMC_Setup& setup);
  ~CMC_Parameter();

  // Display text: the value in the selected unit, in its shortest decimal form.
  CString PrintValue() const;
  // Motion-language text: the whole number of control-loop periods.
  CString PrintValueForQEL() const;
  // The name of the selected unit.
  CString GetSelectedUnit() const;

  // The value in the selected unit.
  double GetValue() const { return m_value; }
  void SetValue(double dValue) { m_value = dValue; }
  // Selects a unit, keeping the number (the value read from text comes with its unit).
  BOOL SelectUnit(const char* pszUnit);
  // Selects a unit, keeping the physical value (5 s becomes 5000 ms).
  BOOL ConvertToUnit(const char* pszUnit);
  double GetSeconds() const;
  // The value in control-loop periods of the drive, unrounded.
  double GetControlLoopPeriods() const;

  // The item name the value is kept under in parameter text.
  const CString& GetName() const { return m_name; }
  void SetName(const char* pszName) { m_name = pszName; }
  void SetName(const CString& name) { m_name = name; }

  static int GetUnitCount();
  static const char* GetUnitName(int nUnit);
  // The unit's index, or -1 when the kernel knows no such unit.
  static int FindUnit(const char* pszUnit);

private:
  double MillisecondsPerUnit(int nUnit) const;

  CMC_Setup* m_pSetup;
  CString m_name;
  double m_value;
  int m_unit;
};
