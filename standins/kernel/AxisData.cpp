#include "MC_AxisData.h"

CMC_AxisData::CMC_AxisData(CMC_Setup* pSetup, CMC_Motion* pMotion) : m_pSetup(pSetup), m_pMotion(pMotion) {}
CMC_AxisData::~CMC_AxisData() = default;
CMC_Setup* CMC_AxisData::GetAxisSetup() { return m_pSetup; }
CMC_Motion* CMC_AxisData::GetAxisMotion() { return m_pMotion; }
