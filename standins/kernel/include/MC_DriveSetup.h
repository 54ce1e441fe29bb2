// The setup of one of this kernel's drives, configured by the drive networks and the tests.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "MC_DriveVariable.h"
#include "MC_Setup.h"

class MCK_API CMC_DriveSetup : public CMC_Setup {
public:
  CMC_DriveSetup();
  ~CMC_DriveSetup() override;

  // One control-loop period in milliseconds: the time unit "IU".
  double GetLoopPeriodMs() const { return m_loopPeriodMs; }

  void SetMotionController(int nValue);
  void SetLoopPeriodMs(double dPeriod);
  void SetErrorRegMask(uint32_t nMask);
  void SetErrorRegDesc(int nBit, const char* pszText);
  void AddVariable(const char* pszName);
  void AddSlave(unsigned char nAxisID);

private:
  // The host's view answers from these.
  friend class CMC_Setup;

  int m_motionController;
  double m_loopPeriodMs;
  uint32_t m_errorRegMask;
  std::vector<CString> m_errorRegDesc;
  std::vector<std::unique_ptr<CMC_DriveVariable>> m_variables;
  std::vector<unsigned char> m_slaveAxisIDs;
};
