// What a motion controller's program knows of one slave axis.
#pragma once

#include "mckernel.h"

class CMC_Setup;
class CMC_Motion;

class MCK_API CMC_AxisData {
public:
  // The slave's own setup and motion program; either may be null.
  virtual CMC_Setup* GetAxisSetup() = 0;
  virtual CMC_Motion* GetAxisMotion() = 0;
  virtual ~CMC_AxisData();

protected:
  CMC_AxisData();

private:
  CMC_AxisData(const CMC_AxisData&);
  CMC_AxisData& operator=(const CMC_AxisData&);
};
