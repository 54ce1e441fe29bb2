// The module's start and end as the platform sees them: its own module state, the caller's
// state restored, and its resources found through the resource chain.
#include <gtest/gtest.h>

#include "ElementModule.h"
#include "afxwin.h"
#include "resource.h"

namespace {
bool ChainHolds(AFX_MODULE_STATE* pState, HMODULE h) {
  for (CDynLinkLibrary* p = pState->m_pFirstLibrary; p; p = p->m_pNextDLL)
    if (p->m_hModule == h) return true;
  return false;
}
}  // namespace

TEST(ModuleState, LoadKeepsTheCallersStateAndBuildsTheModulesOwn) {
  AFX_MODULE_STATE mine(FALSE);
  AFX_MAINTAIN_STATE use(&mine);
  HMODULE h = ::LoadLibraryA(CElementModule::GetDefaultPath());
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(AfxGetModuleState(), &mine);
  EXPECT_FALSE(ChainHolds(&mine, h)) << "the module links into its own chain, not the caller's";

  AFX_MODULE_STATE* pModuleState = AfxFindModuleState(h);
  ASSERT_NE(pModuleState, nullptr);
  EXPECT_NE(pModuleState, &mine);
  EXPECT_TRUE(pModuleState->m_bDLL);
  EXPECT_TRUE(pModuleState->m_bWinInitialised);
  ASSERT_NE(pModuleState->m_pCurrentWinApp, nullptr);
  EXPECT_EQ(pModuleState->m_pCurrentWinApp->m_hInstance, h);
  EXPECT_EQ(pModuleState->m_pCurrentWinApp->m_pszAppName, nullptr);
  EXPECT_STREQ(pModuleState->m_pCurrentWinApp->m_lpCmdLine, "");
  EXPECT_TRUE(ChainHolds(pModuleState, h));
  {
    AFX_MAINTAIN_STATE inModule(pModuleState);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_SLAVE_MANAGEMENT), RT_DIALOG), h);
  }
  EXPECT_EQ(AfxGetModuleState(), &mine);

  ASSERT_TRUE(::FreeLibrary(h));
  EXPECT_EQ(AfxGetModuleState(), &mine);
  EXPECT_EQ(AfxFindModuleState(h), nullptr) << "the module's state ends with the module";
}

TEST(ModuleState, TheHostFindsTheTemplateAndTheKernelStringsFromItsOwnState) {
  CElementModule module;
  CString error;
  ASSERT_TRUE(module.Load(CElementModule::GetDefaultPath(), error)) << error.GetString();
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_SLAVE_MANAGEMENT), RT_DIALOG), module.GetHandle());
  CString text;
  ASSERT_TRUE(text.LoadString(20048));
  EXPECT_NE(text.Find("%s"), -1);
  EXPECT_TRUE(text.LoadString(20037));
  EXPECT_FALSE(text.LoadString(20049));
  module.Unload();
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_SLAVE_MANAGEMENT), RT_DIALOG), nullptr);
}

TEST(ModuleState, LoadsAndUnloadsRepeatedly) {
  AFX_MODULE_STATE* before = AfxGetModuleState();
  for (int i = 0; i < 5; ++i) {
    HMODULE h = ::LoadLibraryA(CElementModule::GetDefaultPath());
    ASSERT_NE(h, nullptr);
    ASSERT_NE(AfxFindModuleState(h), nullptr);
    ASSERT_TRUE(::FreeLibrary(h));
    EXPECT_EQ(AfxFindModuleState(h), nullptr);
  }
  EXPECT_EQ(AfxGetModuleState(), before);
}

TEST(ModuleState, ThreadEndRunsInTheModulesStateAndLeavesTheCallersAlone) {
  CElementModule module;
  CString error;
  ASSERT_TRUE(module.Load(CElementModule::GetDefaultPath(), error));
  AFX_MODULE_STATE* before = AfxGetModuleState();
  AFX_MODULE_STATE* pModuleState = AfxFindModuleState(module.GetHandle());
  ASSERT_NE(pModuleState, nullptr);
  const LONG moduleEnded = pModuleState->m_nThreadsTerminated, callerEnded = before->m_nThreadsTerminated;
  static int s_deleted;
  s_deleted = 0;
  HANDLE thread = ::CreateThread(nullptr, 0, [](LPVOID) -> DWORD {
    AfxAddTempObject(new int(7), [](void* p) {
      delete static_cast<int*>(p);
      ++s_deleted;
    });
    return AfxGetTempObjectCount() == 1 ? 0 : 1;
  }, nullptr, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  ::WaitForSingleObject(thread, INFINITE);
  DWORD code = 99;
  ::GetExitCodeThread(thread, &code);
  ::CloseHandle(thread);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(s_deleted, 1) << "the thread's temporary objects end with it";
  // The platform's own entry point ends the data too: only the count tells that the module's step ran.
  EXPECT_GE(pModuleState->m_nThreadsTerminated, moduleEnded + 1) << "the module's thread-end step ran in its own state";
  EXPECT_EQ(before->m_nThreadsTerminated, callerEnded);
  EXPECT_EQ(AfxGetModuleState(), before);
}
