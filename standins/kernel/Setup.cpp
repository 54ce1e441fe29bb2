#include "MC_Setup.h"

#include <cstring>

#include "MC_Variable.h"

CMC_Setup::CMC_Setup() : m_motionController(0), m_loopPeriodMs(1.0), m_errorRegMask(0) {}
CMC_Setup::~CMC_Setup() = default;

int CMC_Setup::IsMotionController() const { return m_motionController; }

uint32_t CMC_Setup::GetErrorRegMask() const { return m_errorRegMask; }

CString CMC_Setup::GetErrorRegDesc(int nBit) const {
  if (nBit >= 0 && static_cast<std::size_t>(nBit) < m_errorRegDesc.size() && !m_errorRegDesc[nBit].IsEmpty())
    return m_errorRegDesc[nBit];
  return CString("Reserved");
}

unsigned char CMC_Setup::GetMotionControllerSlaveCount() const {
  return static_cast<unsigned char>(m_slaveAxisIDs.size());
}

BOOL CMC_Setup::MotionController_GetAxisIDOfSlave(unsigned char nSlave, unsigned char& nAxisID) const {
  if (nSlave >= m_slaveAxisIDs.size() || m_slaveAxisIDs[nSlave] == 0) return FALSE;
  nAxisID = m_slaveAxisIDs[nSlave];
  return TRUE;
}

CMC_Variable* CMC_Setup::FindVariable(const char* pszName, int nFlags) const {
  // Flag 1 asks for the drive's own variables, the only ones this kernel's drives have.
  if (pszName == nullptr || !(nFlags & 1)) return nullptr;
  for (const auto& v : m_variables)
    if (v->GetName() == pszName) return v.get();
  return nullptr;
}

double CMC_Setup::GetLoopPeriodMs() const { return m_loopPeriodMs; }

void CMC_Setup::SetMotionController(int nValue) { m_motionController = nValue; }
void CMC_Setup::SetLoopPeriodMs(double dPeriod) { m_loopPeriodMs = dPeriod; }
void CMC_Setup::SetErrorRegMask(uint32_t nMask) { m_errorRegMask = nMask; }

void CMC_Setup::SetErrorRegDesc(int nBit, const char* pszText) {
  if (nBit < 0 || nBit > 31) return;
  if (m_errorRegDesc.size() <= static_cast<std::size_t>(nBit)) m_errorRegDesc.resize(nBit + 1);
  m_errorRegDesc[nBit] = pszText;
}

void CMC_Setup::AddVariable(const char* pszName) { m_variables.push_back(std::make_unique<CMC_Variable>(pszName)); }

void CMC_Setup::AddSlave(unsigned char nAxisID) { m_slaveAxisIDs.push_back(nAxisID); }
