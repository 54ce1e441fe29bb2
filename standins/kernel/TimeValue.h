// What the number of a time may be. One rule for the parameter text and the editor, so that the
// editor confirms exactly the times that the text reads back.
#pragma once

#include "MC_Parameter.h"
#include "mckernel.h"

// The motion language counts a time in control-loop periods with a signed 32-bit integer.
const double kMC_MaxControlLoopPeriods = 2147483647.0;

enum MC_TIME_CHECK { MC_TIME_VALID, MC_TIME_NOT_A_NUMBER, MC_TIME_OUT_OF_RANGE };

// Reads p[0..n) as a time in the unit selected in unit, on unit's drive: a plain decimal
// (MC_ParseDecimal), finite, from 0 to kMC_MaxControlLoopPeriods periods. value receives the
// number whenever it reads as one, negative zero made zero.
MCK_API MC_TIME_CHECK MC_CheckTime(const char* p, int n, const CMC_Parameter& unit, double& value);
// The largest time in the unit selected in unit, as the display shows it.
MCK_API double MC_MaxTime(const CMC_Parameter& unit);
// True when the time is from 0 to kMC_MaxControlLoopPeriods periods, as MC_CheckTime accepts it.
MCK_API bool MC_IsTimeInRange(const CMC_Parameter& time);
// The number of a time in a unit of toMs milliseconds, given in one of fromMs: exact where the
// two relate by a power of ten (the decimal point moves), else one multiplication and division.
MCK_API double MC_ScaleTime(double value, double fromMs, double toMs);
