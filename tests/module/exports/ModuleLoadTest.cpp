// The module as the host sees it: loaded by path, its exports found by their plain names.
#include <gtest/gtest.h>

#include <cstring>

#include "ElementExports.h"
#include "ModuleTest.h"
#include "TestNetworks.h"

namespace {
class ModuleExports : public CModuleTest {
protected:
  void SetUp() override {
    CModuleTest::SetUp();
    ResolveExport("GetName", m_getName);
    ResolveExport("GetClassName", m_getClassName);
    ResolveExport("GetOrderID", m_getOrderID);
    ResolveExport("IsEnabled", m_isEnabled);
  }
  PFN_GetName m_getName = nullptr;
  PFN_GetClassName m_getClassName = nullptr;
  PFN_GetOrderID m_getOrderID = nullptr;
  PFN_IsEnabled m_isEnabled = nullptr;
};
}  // namespace

TEST_F(ModuleExports, DescribeTheElement) {
  EXPECT_STREQ(m_getName(), "Slave Management");
  EXPECT_STREQ(m_getClassName(), "Assignment && Data Transfer");
  EXPECT_EQ(m_getOrderID(), 20533);
  // Static texts: the same address on every call.
  EXPECT_EQ(m_getName(), m_getName());
}

TEST_F(ModuleExports, EnabledExactlyOnMotionControllers) {
  auto net = LoadStandardNetwork();
  EXPECT_EQ(m_isEnabled(&net->GetMasterSetup()), 1);
  EXPECT_EQ(m_isEnabled(net->GetSlaveSetup(0)), 0);
  EXPECT_EQ(m_isEnabled(net->GetSlaveSetup(8)), 2);  // the kernel's value passes unchanged
  CMC_DriveSetup odd;
  odd.SetMotionController(-7);
  EXPECT_EQ(m_isEnabled(&odd), -7);
  EXPECT_EQ(m_isEnabled(nullptr), 0);  // a faulty host's null is no motion controller
}

TEST(ModuleFile, ExportsOnlyTheElementFunctions) {
  HMODULE h = ::LoadLibraryExA(CElementModule::GetDefaultPath(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(h, nullptr);
  auto* base = reinterpret_cast<const BYTE*>(h);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
#define EXPORT_NAME(name, result, parameters) #name,
  const char* const known[] = {ELEMENT_EXPORTS(EXPORT_NAME)};
#undef EXPORT_NAME
  CString all;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    const char* name = reinterpret_cast<const char*>(base + names[i]);
    all.AppendFormat("%s ", name);
    bool isKnown = false;
    for (const char* k : known) isKnown = isKnown || std::strcmp(k, name) == 0;
    EXPECT_TRUE(isKnown) << "unexpected export " << name;
  }
  ::FreeLibrary(h);
  for (const char* name : known) {
    CString word;
    word.Format("%s ", name);
    EXPECT_NE(all.Find(word), -1) << name;
  }
  EXPECT_EQ(all.Find('@'), -1) << "decorated names: " << all.GetString();
}
