// What one of this kernel's motion controllers knows of a slave axis: its setup and program,
// borrowed.
#pragma once

#include "MC_AxisData.h"

class MCK_API CMC_DriveAxisData : public CMC_AxisData {
public:
  CMC_DriveAxisData(CMC_Setup* pSetup, CMC_Motion* pMotion);
  ~CMC_DriveAxisData() override;

  CMC_Setup* GetAxisSetup() override;
  CMC_Motion* GetAxisMotion() override;

private:
  CMC_Setup* m_pSetup;
  CMC_Motion* m_pMotion;
};
