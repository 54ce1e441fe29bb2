// <windows.h> as the platform includes it: the Windows API's LoadString macro would rename the
// string class's method in some translation units and not in others.
#pragma once

#include <windows.h>

#ifdef LoadString
#  undef LoadString
#endif
