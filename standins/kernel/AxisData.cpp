#include "MC_DriveAxisData.h"

CMC_AxisData::CMC_AxisData() = default;
CMC_AxisData::~CMC_AxisData() = default;

CMC_DriveAxisData::CMC_DriveAxisData(CMC_Setup* pSetup, CMC_Motion* pMotion) : m_pSetup(pSetup), m_pMotion(pMotion) {}
CMC_DriveAxisData::~CMC_DriveAxisData() = default;
CMC_Setup* CMC_DriveAxisData::GetAxisSetup() { return m_pSetup; }
CMC_Motion* CMC_DriveAxisData::GetAxisMotion() { return m_pMotion; }
