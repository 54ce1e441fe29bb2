// The translation export (and the default parameters' one) that the fault tests drive: the element's own function in the native
// build, the real module's export, loaded the way the host loads it, in the Windows build.
#pragma once

#include "ElementExports.h"

class CElementModule;

// Holds the export for its own lifetime; on Windows the module leaves the host's resource chain
// again with it, so that no later test finds the module's resources.
class CTranslateUnderTest {
public:
  CTranslateUnderTest();  // fails the test when the export cannot be had
  ~CTranslateUnderTest();
  CTranslateUnderTest(const CTranslateUnderTest&) = delete;
  CTranslateUnderTest& operator=(const CTranslateUnderTest&) = delete;

  // Null when the export could not be had.
  PFN_TranslateMotionSequence Get() const { return m_pfn; }
  PFN_GetDefaultParameters GetDefaults() const { return m_pfnDefaults; }

private:
  [[maybe_unused]] CElementModule* m_pModule = nullptr;  // the Windows build's
  PFN_TranslateMotionSequence m_pfn = nullptr;
  PFN_GetDefaultParameters m_pfnDefaults = nullptr;
};
