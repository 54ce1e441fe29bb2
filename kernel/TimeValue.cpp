#include "TimeValue.h"

#include <cfloat>
#include <cmath>

#include "ParameterValueText.h"

namespace {
// Units of a decimal size (s, ms) on a loop period such as 0.3 ms cannot hit the limit exactly in
// binary: the bound a few rounding steps wide accepts the largest time the display shows.
const double kMaxPeriodsWithRounding = kMC_MaxControlLoopPeriods * (1.0 + 8 * DBL_EPSILON);
}  // namespace

MC_TIME_CHECK MC_CheckTime(const char* p, int n, const CMC_Parameter& unit, double& value) {
  double number = 0.0;
  if (!MC_ParseDecimal(p, n, number)) return MC_TIME_NOT_A_NUMBER;
  value = number == 0.0 ? 0.0 : number;
  if (!std::isfinite(value) || value < 0.0) return MC_TIME_OUT_OF_RANGE;
  CMC_Parameter time(unit);
  time.SetValue(value);
  double periods = time.GetControlLoopPeriods();
  return periods <= kMaxPeriodsWithRounding ? MC_TIME_VALID : MC_TIME_OUT_OF_RANGE;
}

double MC_MaxTime(const CMC_Parameter& unit) {
  // Divided once, so that a unit that is a whole number of periods or a power of ten of them
  // gives the limit as the decimal it is (2147483.647 s on a 1 ms loop).
  CMC_Parameter one(unit);
  one.SetValue(1.0);
  return kMC_MaxControlLoopPeriods / one.GetControlLoopPeriods();
}
