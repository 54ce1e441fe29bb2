// The element's parameter keys. "MER_MASK" is also the slave variable that takes the error mask
// and the variable the generated text assigns.
#pragma once

#include "afx.h"

enum ElementKey { kKeyType, kKeySlave, kKeyFunction, kKeyWait, kKeyTimeout, kKeyErrorMask, kKeyCount };

extern const char* const g_elementKeys[kKeyCount];

// The line that reports the key's value as invalid: the host's message 20048 and "\r\n".
CString InvalidValueLine(ElementKey key);
