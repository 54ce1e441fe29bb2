// The fault tests of the native build drive the element's export function directly.
#include "TranslateUnderTest.h"

CTranslateUnderTest::CTranslateUnderTest() : m_pfn(&TranslateMotionSequence), m_pfnDefaults(&GetDefaultParameters) {}
CTranslateUnderTest::~CTranslateUnderTest() = default;
