#include "MC_Parameter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "MC_DriveSetup.h"
#include "SharedNames.h"
#include "ThreadTexts.h"
#include "TimeValue.h"

namespace {
const char* const kUnitNames[] = {"s", "ms", "IU"};
enum { kSeconds, kMilliseconds, kLoopPeriods, kUnitCount };

// Every setup is one of this kernel's drives, which know their control loop.
double LoopPeriodMs(const CMC_Setup* pSetup) { return static_cast<const CMC_DriveSetup*>(pSetup)->GetLoopPeriodMs(); }
}  // namespace

CMC_Parameter::CMC_Parameter(CMC_Setup& setup) : m_pSetup(&setup), m_value(0.0), m_unit(0) {}
CMC_Parameter::~CMC_Parameter() = default;

int CMC_Parameter::GetUnitCount() { return kUnitCount; }

const char* CMC_Parameter::GetUnitName(int nUnit) {
  return nUnit >= 0 && nUnit < kUnitCount ? kUnitNames[nUnit] : "";
}

int CMC_Parameter::FindUnit(const char* pszUnit) {
  if (pszUnit == nullptr) return -1;
  for (int i = 0; i < kUnitCount; ++i)
    if (std::strcmp(kUnitNames[i], pszUnit) == 0) return i;
  return -1;
}

double CMC_Parameter::MillisecondsPerUnit(int nUnit) const {
  switch (nUnit) {
    case kMilliseconds: return 1.0;
    case kLoopPeriods: return LoopPeriodMs(m_pSetup);
    default: return 1000.0;
  }
}

double CMC_Parameter::GetSeconds() const { return m_unit == kSeconds ? m_value : m_value * MillisecondsPerUnit(m_unit) / 1000.0; }

BOOL CMC_Parameter::SelectUnit(const char* pszUnit) {
  int unit = FindUnit(pszUnit);
  if (unit < 0) return FALSE;
  m_unit = unit;
  return TRUE;
}

BOOL CMC_Parameter::ConvertToUnit(const char* pszUnit) {
  int unit = FindUnit(pszUnit);
  if (unit < 0) return FALSE;
  // A time the reader accepts stays accepted in the new unit, if need be as its largest time.
  const bool accepted = MC_IsTimeInRange(*this);
  const double value = MC_ScaleTime(m_value, MillisecondsPerUnit(m_unit), MillisecondsPerUnit(unit));
  m_unit = unit;
  m_value = value;
  if (accepted && !MC_IsTimeInRange(*this)) m_value = MC_MaxTime(*this);
  return TRUE;
}

CString CMC_Parameter::GetSelectedUnit() const { return MC_SharedName(GetUnitName(m_unit)); }

namespace {
// A whole number below dLimit (at most 1e18) written out as "%.0f" would write it, without the
// formatter's cost. False for what needs the formatter: a fraction, a large value, negative zero.
bool PrintWhole(double dValue, double dLimit, char* buffer, int& nLength) {
  if (!(std::fabs(dValue) < dLimit) || dValue != std::trunc(dValue) || (dValue == 0 && std::signbit(dValue))) return false;
  long long whole = static_cast<long long>(dValue);
  unsigned long long magnitude = whole < 0 ? 0ull - static_cast<unsigned long long>(whole) : static_cast<unsigned long long>(whole);
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  nLength = 0;
  if (whole < 0) buffer[nLength++] = '-';
  while (n > 0) buffer[nLength++] = digits[--n];
  buffer[nLength] = '\0';
  return true;
}

CString Printed(CString& slot, const char* buffer) {
  int n = static_cast<int>(std::strlen(buffer));
  return MC_ReusedText(slot, n, [&](char* p) {
    std::memcpy(p, buffer, static_cast<std::size_t>(n));
    return n;
  });
}
}  // namespace

CString CMC_Parameter::PrintValue() const {
  // The fewest decimals that read back as the same double; exponent form only for values that
  // plain decimals cannot carry.
  char buffer[64];
  int length = 0;
  if (PrintWhole(m_value, 1e15, buffer, length)) return Printed(MC_GetThreadTexts().printedValue, buffer);
  if (std::fabs(m_value) < 1e15) {
    for (int decimals = 0; decimals <= 17; ++decimals) {
      std::snprintf(buffer, sizeof buffer, "%.*f", decimals, m_value);
      if (std::strtod(buffer, nullptr) == m_value) return Printed(MC_GetThreadTexts().printedValue, std::strcmp(buffer, "-0") == 0 ? "0" : buffer);
    }
  }
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, m_value);
    if (std::strtod(buffer, nullptr) == m_value) break;
  }
  return Printed(MC_GetThreadTexts().printedValue, buffer);
}

double CMC_Parameter::GetControlLoopPeriods() const {
  // A count of periods is the number it is; the others are divided by the period once.
  if (m_unit == kLoopPeriods) return m_value;
  return m_value * MillisecondsPerUnit(m_unit) / LoopPeriodMs(m_pSetup);
}

CString CMC_Parameter::PrintValueForQEL() const {
  double periods = std::round(GetControlLoopPeriods());
  char buffer[400];  // room for the largest double written out in full
  int length = 0;
  if (!PrintWhole(periods, 1e18, buffer, length)) std::snprintf(buffer, sizeof buffer, "%.0f", periods);
  return Printed(MC_GetThreadTexts().printedForQEL, buffer);
}
