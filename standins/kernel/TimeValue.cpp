#include "TimeValue.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ParameterValueText.h"

namespace {
// Units of a decimal size (s, ms) on a loop period such as 0.3 ms cannot hit the limit exactly in
// binary: the bound a few rounding steps wide accepts the largest time the display shows.
const double kMaxPeriodsWithRounding = kMC_MaxControlLoopPeriods * (1.0 + 8 * DBL_EPSILON);

// The exponent k when ms is 10^k as a decimal reads into a double (0.1 ms, 1 ms, 1000 ms).
bool PowerOfTen(double ms, int& exponent) {
  static const double kPowers[] = {1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0,
                                   1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9};
  for (int i = 0; i < static_cast<int>(sizeof kPowers / sizeof kPowers[0]); ++i)
    if (kPowers[i] == ms) {
      exponent = i - 9;
      return true;
    }
  return false;
}

// value * 10^shift, taken on the shortest decimal that reads back as value, so that no binary
// noise appears (2147483.647 s is 2147483647 ms, not 2147483646.9999998).
double ShiftDecimal(double value, int shift) {
  char text[48];
  for (int precision = 0; precision <= 17; ++precision) {
    std::snprintf(text, sizeof text, "%.*e", precision, value);
    if (std::strtod(text, nullptr) == value) break;
  }
  char* exponent = std::strchr(text, 'e');
  if (exponent == nullptr) return value;  // not finite
  int power = std::atoi(exponent + 1) + shift;
  std::snprintf(exponent, sizeof text - static_cast<std::size_t>(exponent - text), "e%d", power);
  return std::strtod(text, nullptr);
}
}  // namespace

MC_TIME_CHECK MC_CheckTime(const char* p, int n, const CMC_Parameter& unit, double& value) {
  double number = 0.0;
  if (!MC_ParseDecimal(p, n, number)) return MC_TIME_NOT_A_NUMBER;
  value = number == 0.0 ? 0.0 : number;
  if (!std::isfinite(value) || value < 0.0) return MC_TIME_OUT_OF_RANGE;
  CMC_Parameter time(unit);
  time.SetValue(value);
  return MC_IsTimeInRange(time) ? MC_TIME_VALID : MC_TIME_OUT_OF_RANGE;
}

bool MC_IsTimeInRange(const CMC_Parameter& time) {
  double periods = time.GetControlLoopPeriods();
  return periods >= 0.0 && periods <= kMaxPeriodsWithRounding;
}

double MC_ScaleTime(double value, double fromMs, double toMs) {
  if (fromMs == toMs) return value;
  int fromExponent = 0, toExponent = 0;
  if (PowerOfTen(fromMs, fromExponent) && PowerOfTen(toMs, toExponent)) return ShiftDecimal(value, fromExponent - toExponent);
  double scaled = value * fromMs / toMs;
  // Other ratios leave binary noise where the decimal was meant (7 periods of 0.3 ms, 0.0021 s).
  double rounded = std::round(scaled * 1e9) / 1e9;
  return std::fabs(rounded - scaled) < 1e-9 * (1.0 + std::fabs(scaled)) ? rounded : scaled;
}

double MC_MaxTime(const CMC_Parameter& unit) {
  // Divided once, so that a unit that is a whole number of periods or a power of ten of them
  // gives the limit as the decimal it is (2147483.647 s on a 1 ms loop).
  CMC_Parameter one(unit);
  one.SetValue(1.0);
  return kMC_MaxControlLoopPeriods / one.GetControlLoopPeriods();
}
