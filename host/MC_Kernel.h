// All kernel services the element uses.
#pragma once

#include "MC_AxisData.h"
#include "MC_EditMotionInternalData.h"
#include "MC_Motion.h"
#include "MC_Parameter.h"
#include "MC_Setup.h"
#include "MC_Variable.h"
