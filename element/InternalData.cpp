#include "InternalData.h"

#include "ElementKeys.h"

CInternalData::CInternalData(CMC_Setup& setup, CMC_Motion& motion)
    : CMC_EditMotionInternalData(setup, motion),
      m_type(InitSlaves),
      m_timeoutUsed(1),
      m_timeout(m_setup),
      m_slave(-1),
      m_slaveSetup(nullptr),
      m_slaveMotion(nullptr),
      m_errorMask(0),
      m_functionName(),
      m_waitForCompletion(0) {}

CInternalData::~CInternalData() {}

void CInternalData::ResolveSlave() {
  if (m_slave < 0) {
    m_slaveSetup = nullptr;
    m_slaveMotion = nullptr;
    return;
  }
  CMC_AxisData* pAxis = m_motion.GetMotionControllerSlaveAxis(m_slave);
  m_slaveSetup = pAxis != nullptr ? pAxis->GetAxisSetup() : nullptr;
  m_slaveMotion = m_slaveSetup != nullptr ? pAxis->GetAxisMotion() : nullptr;
  if (m_slaveSetup == nullptr) m_slave = -1;
}

int CInternalData::CanSendErrorMask() {
  return m_slaveSetup != nullptr && m_slaveSetup->FindVariable(g_elementKeys[kKeyErrorMask], 1) != nullptr ? 1 : 0;
}

void CInternalData::DropUnavailableOperation(bool bAbortNeedsFunctions) {
  // Initialising the slaves needs nothing of the chosen slave.
  if ((m_type == SendErrorMask && !CanSendErrorMask()) || (m_type == CallFunction && !CanCallFunction()) ||
      (m_type == AbortFunction && bAbortNeedsFunctions && !CanCallFunction()))
    m_type = NoOperation;
}

int CInternalData::CanCallFunction() {
  // Compared with 1, not with zero: only a slave reporting exactly 1 is a motion controller here.
  return m_slaveMotion != nullptr && m_slaveMotion->GetFunctionsCount() > 0 &&
                 m_slaveSetup != nullptr && m_slaveSetup->IsMotionController() != 1 ? 1 : 0;
}
