// What a motion controller's program knows of one slave axis.
#pragma once

#include "mckernel.h"

class CMC_Setup;
class CMC_Motion;

class MCK_API CMC_AxisData {
public:
  CMC_AxisData(CMC_Setup* pSetup, CMC_Motion* pMotion);
  // The slave's own setup and motion program; either may be null.
  virtual CMC_Setup* GetAxisSetup();
  virtual CMC_Motion* GetAxisMotion();
  virtual ~CMC_AxisData();

private:
  CMC_Setup* m_pSetup;
  CMC_Motion* m_pMotion;
};
