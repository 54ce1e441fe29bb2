#include "ElementKeys.h"

const char* const g_elementKeys[kKeyCount] = {"Type", "Slave", "Function", "Wait", "ATIME", "MER_MASK"};
