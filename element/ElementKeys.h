// The element's parameter keys. "MER_MASK" is also the slave variable that takes the error mask
// and the variable the generated text assigns.
#pragma once

enum ElementKey { kKeyType, kKeySlave, kKeyFunction, kKeyWait, kKeyTimeout, kKeyErrorMask, kKeyCount };

extern const char* const g_elementKeys[kKeyCount];
