// Tests of the real module: loaded by path the way the host loads it, exports found by name.
#pragma once

#include <gtest/gtest.h>

#include "ElementModule.h"

class CModuleTest : public ::testing::Test {
protected:
  void SetUp() override {
    CString error;
    ASSERT_TRUE(m_module.Load(CElementModule::GetDefaultPath(), error)) << error.GetString();
  }
  // A fatal failure here skips the test body, so no test calls a missing export.
  template <class PFN>
  void ResolveExport(const char* pszExport, PFN& pfn) {
    CString error;
    ASSERT_TRUE(m_module.Resolve(pszExport, pfn, error)) << error.GetString();
  }

  CElementModule m_module;
};
