// The motion program of one of this kernel's drives, configured by the drive networks and the
// tests.
#pragma once

#include <vector>

#include "MC_Motion.h"

class MCK_API CMC_DriveMotion : public CMC_Motion {
public:
  CMC_DriveMotion();
  ~CMC_DriveMotion() override;

  void AddFunction(const char* pszName);
  // The axis data are borrowed.
  void SetSlaveAxis(int nSlave, CMC_AxisData* pAxis);

private:
  // The host's view answers from these.
  friend class CMC_Motion;

  std::vector<CString> m_functions;
  std::vector<CMC_AxisData*> m_slaveAxes;
};
