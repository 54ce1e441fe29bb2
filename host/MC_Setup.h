// The setup of one drive: whether it is a motion controller, its control loop, its error
// register and, for a motion controller, its slaves.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "mckernel.h"

class CMC_Variable;

class MCK_API CMC_Setup {
public:
  CMC_Setup();
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
  // One control-loop period in milliseconds: the time unit "IU".
  double GetLoopPeriodMs() const;

  // Configuration, used by the kernel's drive networks.
  void SetMotionController(int nValue);
  void SetLoopPeriodMs(double dPeriod);
  void SetErrorRegMask(uint32_t nMask);
  void SetErrorRegDesc(int nBit, const char* pszText);
  void AddVariable(const char* pszName);
  void AddSlave(unsigned char nAxisID);

private:
  CMC_Setup(const CMC_Setup&);
  CMC_Setup& operator=(const CMC_Setup&);

  int m_motionController;
  double m_loopPeriodMs;
  uint32_t m_errorRegMask;
  std::vector<CString> m_errorRegDesc;
  std::vector<std::unique_ptr<CMC_Variable>> m_variables;
  std::vector<unsigned char> m_slaveAxisIDs;
};

// The description function of the error-register bits.
typedef CString (CMC_Setup::*MC_PFN_ERRORREGDESC)(int nBit) const;
