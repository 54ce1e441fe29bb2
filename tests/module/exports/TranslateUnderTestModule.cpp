// The fault tests of the Windows build drive the export of the real SlaveManagement.dll.
#include <gtest/gtest.h>

#include "ElementModule.h"
#include "TranslateUnderTest.h"

CTranslateUnderTest::CTranslateUnderTest() : m_pModule(new CElementModule) {
  CString error;
  PFN_TranslateMotionSequence pfn = nullptr;
  PFN_GetDefaultParameters pfnDefaults = nullptr;
  if (m_pModule->Load(CElementModule::GetDefaultPath(), error) && m_pModule->Resolve("TranslateMotionSequence", pfn, error) &&
      m_pModule->Resolve("GetDefaultParameters", pfnDefaults, error)) {
    m_pfn = pfn;
    m_pfnDefaults = pfnDefaults;
  } else
    ADD_FAILURE() << error.GetString();
}

CTranslateUnderTest::~CTranslateUnderTest() { delete m_pModule; }
