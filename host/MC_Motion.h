// The motion program of one drive: its functions and, on a motion controller, the axis data of
// its slaves. Only the kernel makes motion programs.
#pragma once

#include "mckernel.h"

class CMC_AxisData;

class MCK_API CMC_Motion {
public:
  virtual ~CMC_Motion();

  // The slave's axis data, or null when the program has none for it.
  CMC_AxisData* GetMotionControllerSlaveAxis(int nSlave) const;
  int GetFunctionsCount() const;
  // The name of function nIndex, counted from 0; empty when there is none.
  CString GetFunctionName(int nIndex) const;
  // The number of the function of that name, negative when absent.
  int FindFunction(const char* pszName) const;
  // Puts the physical-value item "name=value[unit];" into element parameter text.
  void AddToElemParameters(CString& text, const char* pszName, const char* pszUnit, const char* pszValue);

protected:
  CMC_Motion();

private:
  CMC_Motion(const CMC_Motion&);
  CMC_Motion& operator=(const CMC_Motion&);
};
