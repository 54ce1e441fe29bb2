#include "MC_Motion.h"

#include <cstring>

#include "MC_AxisData.h"
#include "MC_FaultHooks.h"
#include "ParameterTextWriter.h"

CMC_Motion::CMC_Motion() = default;
CMC_Motion::~CMC_Motion() = default;

CMC_AxisData* CMC_Motion::GetMotionControllerSlaveAxis(int nSlave) const {
  if (nSlave < 0 || static_cast<std::size_t>(nSlave) >= m_slaveAxes.size()) return nullptr;
  return m_slaveAxes[nSlave];
}

int CMC_Motion::GetFunctionsCount() const { return static_cast<int>(m_functions.size()); }

CString CMC_Motion::GetFunctionName(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetFunctionsCount()) return CString();
  return m_functions[nIndex];
}

int CMC_Motion::FindFunction(const char* pszName) const {
  int found = -1;
  int length = pszName != nullptr ? static_cast<int>(std::strlen(pszName)) : 0;
  // Lengths first: most names of a program differ in length or in their first character.
  for (std::size_t i = 0; pszName != nullptr && i < m_functions.size() && found < 0; ++i) {
    const CString& name = m_functions[i];
    if (name.GetLength() == length && name[0] == pszName[0] &&
        std::memcmp(name.GetString(), pszName, static_cast<std::size_t>(length)) == 0)
      found = static_cast<int>(i);
  }
  MC_PFN_FINDFUNCTION_HOOK pfnHook = MC_GetFindFunctionHook();
  return pfnHook != nullptr ? pfnHook(this, pszName, found) : found;
}

void CMC_Motion::AddFunction(const char* pszName) { m_functions.emplace_back(pszName); }

void CMC_Motion::SetSlaveAxis(int nSlave, CMC_AxisData* pAxis) {
  if (nSlave < 0) return;
  if (m_slaveAxes.size() <= static_cast<std::size_t>(nSlave)) m_slaveAxes.resize(nSlave + 1, nullptr);
  m_slaveAxes[nSlave] = pAxis;
}

void CMC_Motion::AddToElemParameters(CString& text, const char* pszName, const char* pszUnit, const char* pszValue) {
  CString value(pszValue);
  value += '[';
  value += pszUnit;
  value += ']';
  MC_SetParameterItem(text, pszName, value, value.GetLength());
}
