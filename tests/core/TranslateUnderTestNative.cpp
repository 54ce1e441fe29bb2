// The fault tests of the native build drive the element's export function directly.
#include "Exports.h"
#include "TranslateUnderTest.h"

PFN_TRANSLATE_UNDER_TEST GetTranslateUnderTest() { return &TranslateMotionSequence; }
