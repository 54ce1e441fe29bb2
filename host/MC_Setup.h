// The setup of one drive: whether it is a motion controller, its error register and, for a
// motion controller, its slaves. Only the kernel makes setups.
#pragma once

#include <cstdint>

#include "mckernel.h"

class CMC_Variable;

class MCK_API CMC_Setup {
public:
  virtual ~CMC_Setup();

  // Nonzero for a motion controller; the value is the drive's configured one, unchanged.
  int IsMotionController() const;
  // The bits of the drive's error register.
  uint32_t GetErrorRegMask() const;
  // The description of error-register bit nBit (0 to 31).
  CString GetErrorRegDesc(int nBit) const;
  unsigned char GetMotionControllerSlaveCount() const;
  // Nonzero with the slave's axis ID, 0 when the master reports none.
  BOOL MotionController_GetAxisIDOfSlave(unsigned char nSlave, unsigned char& nAxisID) const;
  // The variable of that name, or null. nFlags 1 searches the drive's own variables.
  CMC_Variable* FindVariable(const char* pszName, int nFlags) const;

protected:
  CMC_Setup();

private:
  CMC_Setup(const CMC_Setup&);
  CMC_Setup& operator=(const CMC_Setup&);
};

// The description function of the error-register bits.
typedef CString (CMC_Setup::*MC_PFN_ERRORREGDESC)(int nBit) const;
