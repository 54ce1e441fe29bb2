#include "MC_DriveMotion.h"

#include <cstring>

#include "MC_AxisData.h"
#include "MC_FaultHooks.h"
#include "ParameterTextWriter.h"

namespace {
// Every motion program is one of this kernel's: only the kernel derives from the host class, whose
// constructor is protected, and a program comes to an element from the host alone.
const CMC_DriveMotion& Drive(const CMC_Motion& motion) { return static_cast<const CMC_DriveMotion&>(motion); }
}  // namespace

CMC_Motion::CMC_Motion() = default;
CMC_Motion::~CMC_Motion() = default;

CMC_AxisData* CMC_Motion::GetMotionControllerSlaveAxis(int nSlave) const {
  const std::vector<CMC_AxisData*>& axes = Drive(*this).m_slaveAxes;
  if (nSlave < 0 || static_cast<std::size_t>(nSlave) >= axes.size()) return nullptr;
  return axes[nSlave];
}

int CMC_Motion::GetFunctionsCount() const { return static_cast<int>(Drive(*this).m_functions.size()); }

CString CMC_Motion::GetFunctionName(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetFunctionsCount()) return CString();
  return Drive(*this).m_functions[nIndex];
}

int CMC_Motion::FindFunction(const char* pszName) const {
  const std::vector<CString>& functions = Drive(*this).m_functions;
  int found = -1;
  int length = pszName != nullptr ? static_cast<int>(std::strlen(pszName)) : 0;
  // Lengths first: most names of a program differ in length or in their first character.
  for (std::size_t i = 0; pszName != nullptr && i < functions.size() && found < 0; ++i) {
    const CString& name = functions[i];
    if (name.GetLength() == length && name[0] == pszName[0] &&
        std::memcmp(name.GetString(), pszName, static_cast<std::size_t>(length)) == 0)
      found = static_cast<int>(i);
  }
  MC_PFN_FINDFUNCTION_HOOK pfnHook = MC_GetFindFunctionHook();
  return pfnHook != nullptr ? pfnHook(this, pszName, found) : found;
}

void CMC_Motion::AddToElemParameters(CString& text, const char* pszName, const char* pszUnit, const char* pszValue) {
  CString value(pszValue);
  value += '[';
  value += pszUnit;
  value += ']';
  MC_SetParameterItem(text, pszName, value, value.GetLength());
}

CMC_DriveMotion::CMC_DriveMotion() = default;
CMC_DriveMotion::~CMC_DriveMotion() = default;

void CMC_DriveMotion::AddFunction(const char* pszName) { m_functions.emplace_back(pszName); }

void CMC_DriveMotion::SetSlaveAxis(int nSlave, CMC_AxisData* pAxis) {
  if (nSlave < 0) return;
  if (m_slaveAxes.size() <= static_cast<std::size_t>(nSlave)) m_slaveAxes.resize(nSlave + 1, nullptr);
  m_slaveAxes[nSlave] = pAxis;
}
