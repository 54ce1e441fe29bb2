// The kernel's message strings: one definition for the resource script and the native build.
#pragma once

#include "MC_Messages.h"

#define IDS_MC_NUMBER_REQUIRED 20050

#define IDS_MC_SLAVE_REQUIRED_TEXT "Please choose a slave for this operation."
#define IDS_MC_INVALID_VALUE_TEXT "The value of parameter %s is invalid."
#define IDS_MC_NUMBER_REQUIRED_TEXT "Please enter a number from 0 to %s %s."
