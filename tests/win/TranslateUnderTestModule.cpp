// The fault tests of the Windows build drive the export of the real SlaveManagement.dll.
#include <gtest/gtest.h>

#include "ElementExports.h"
#include "ElementModule.h"
#include "TranslateUnderTest.h"

PFN_TRANSLATE_UNDER_TEST GetTranslateUnderTest() {
  // Loaded once and kept for the life of the test process.
  static CElementModule* s_pModule = nullptr;
  static PFN_TranslateMotionSequence s_pfn = nullptr;
  if (s_pModule == nullptr) {
    s_pModule = new CElementModule;
    CString error;
    if (!s_pModule->Load(CElementModule::GetDefaultPath(), error) ||
        !s_pModule->Resolve("TranslateMotionSequence", s_pfn, error))
      ADD_FAILURE() << error.GetString();
  }
  return s_pfn;
}
