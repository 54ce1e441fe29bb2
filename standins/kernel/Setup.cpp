#include "MC_DriveSetup.h"

#include <cstring>

namespace {
// Every setup is one of this kernel's drives: only the kernel derives from the host class, whose
// constructor is protected, and a setup comes to an element from the host alone.
const CMC_DriveSetup& Drive(const CMC_Setup& setup) { return static_cast<const CMC_DriveSetup&>(setup); }
}  // namespace

CMC_Setup::CMC_Setup() = default;
CMC_Setup::~CMC_Setup() = default;

int CMC_Setup::IsMotionController() const { return Drive(*this).m_motionController; }

uint32_t CMC_Setup::GetErrorRegMask() const { return Drive(*this).m_errorRegMask; }

CString CMC_Setup::GetErrorRegDesc(int nBit) const {
  const std::vector<CString>& descriptions = Drive(*this).m_errorRegDesc;
  if (nBit >= 0 && static_cast<std::size_t>(nBit) < descriptions.size() && !descriptions[nBit].IsEmpty())
    return descriptions[nBit];
  return CString("Reserved");
}

unsigned char CMC_Setup::GetMotionControllerSlaveCount() const {
  return static_cast<unsigned char>(Drive(*this).m_slaveAxisIDs.size());
}

BOOL CMC_Setup::MotionController_GetAxisIDOfSlave(unsigned char nSlave, unsigned char& nAxisID) const {
  const std::vector<unsigned char>& axisIDs = Drive(*this).m_slaveAxisIDs;
  if (nSlave >= axisIDs.size() || axisIDs[nSlave] == 0) return FALSE;
  nAxisID = axisIDs[nSlave];
  return TRUE;
}

CMC_Variable* CMC_Setup::FindVariable(const char* pszName, int nFlags) const {
  // Flag 1 asks for the drive's own variables, the only ones this kernel's drives have.
  if (pszName == nullptr || !(nFlags & 1)) return nullptr;
  for (const auto& v : Drive(*this).m_variables)
    if (v->GetName() == pszName) return v.get();
  return nullptr;
}

CMC_DriveSetup::CMC_DriveSetup() : m_motionController(0), m_loopPeriodMs(1.0), m_errorRegMask(0) {}
CMC_DriveSetup::~CMC_DriveSetup() = default;

void CMC_DriveSetup::SetMotionController(int nValue) { m_motionController = nValue; }
void CMC_DriveSetup::SetLoopPeriodMs(double dPeriod) { m_loopPeriodMs = dPeriod; }
void CMC_DriveSetup::SetErrorRegMask(uint32_t nMask) { m_errorRegMask = nMask; }

void CMC_DriveSetup::SetErrorRegDesc(int nBit, const char* pszText) {
  if (nBit < 0 || nBit > 31) return;
  if (m_errorRegDesc.size() <= static_cast<std::size_t>(nBit)) m_errorRegDesc.resize(nBit + 1);
  m_errorRegDesc[nBit] = pszText;
}

void CMC_DriveSetup::AddVariable(const char* pszName) { m_variables.push_back(std::make_unique<CMC_DriveVariable>(pszName)); }

void CMC_DriveSetup::AddSlave(unsigned char nAxisID) { m_slaveAxisIDs.push_back(nAxisID); }
