// The module's start and end as the platform sees them: its own module state, the caller's
// state restored, and its resources found through the resource chain.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ElementModule.h"
#include "afxres.h"
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
  EXPECT_STREQ(pModuleState->m_pCurrentWinApp->m_pszAppName, "SlaveManagement") << "no title string: the file name";
  EXPECT_STREQ(pModuleState->m_pCurrentWinApp->m_lpCmdLine, "");
  EXPECT_TRUE(ChainHolds(pModuleState, h));
  {
    AFX_MAINTAIN_STATE inModule(pModuleState);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_SLAVE_MANAGEMENT), RT_DIALOG), h);
    EXPECT_EQ(AfxFindStringResourceHandle(AFX_IDS_MEMORY_EXCEPTION), ::GetModuleHandleA("mcplatform.dll"))
        << "the platform's own strings are in the module's chain too";
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
  EXPECT_EQ(AfxFindStringResourceHandle(AFX_IDS_MEMORY_EXCEPTION), ::GetModuleHandleA("mcplatform.dll"));
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

namespace {
int s_deleted;

// A named WINAPI function, not a lambda: 32-bit Windows starts threads with stdcall.
DWORD WINAPI AddTempObjectThread(LPVOID) {
  AfxAddTempObject(new int(7), [](void* p) {
    delete static_cast<int*>(p);
    ++s_deleted;
  });
  return AfxGetTempObjectCount() == 1 ? 0 : 1;
}
}  // namespace

TEST(ModuleState, ThreadEndRunsInTheModulesStateAndLeavesTheCallersAlone) {
  CElementModule module;
  CString error;
  ASSERT_TRUE(module.Load(CElementModule::GetDefaultPath(), error));
  AFX_MODULE_STATE* before = AfxGetModuleState();
  AFX_MODULE_STATE* pModuleState = AfxFindModuleState(module.GetHandle());
  ASSERT_NE(pModuleState, nullptr);
  const LONG moduleEnded = pModuleState->m_nThreadsTerminated, callerEnded = before->m_nThreadsTerminated;
  s_deleted = 0;
  HANDLE thread = ::CreateThread(nullptr, 0, AddTempObjectThread, nullptr, 0, nullptr);
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

namespace {
std::string BesideTheTests(const char* pszFile) {
  std::string path = CElementModule::GetDefaultPath().GetString();
  return path.substr(0, path.find_last_of("\\/") + 1) + pszFile;
}

std::vector<HMODULE> Chain(AFX_MODULE_STATE& state) {
  std::vector<HMODULE> modules;
  for (CDynLinkLibrary* p = state.m_pFirstLibrary; p; p = p->m_pNextDLL) modules.push_back(p->m_hModule);
  return modules;
}
}  // namespace

TEST(ModuleState, AnApplicationWithoutNameTakesItsTitleElseItsFileName) {
  HMODULE hHost = ::LoadLibraryExA(BesideTheTests("mchost.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(hHost, nullptr);
  const struct {
    LPCSTR pszName;
    HMODULE hInstance;
    const char* pszExpected;
  } cases[] = {{"Named", hHost, "Named"},
               {nullptr, hHost, "Motion Host"},  // its string AFX_IDS_APP_TITLE
               {nullptr, ::GetModuleHandleA("mckernel.dll"), "mckernel"}};
  for (const auto& c : cases) {
    AFX_MODULE_STATE state(FALSE);
    AFX_MAINTAIN_STATE use(&state);
    CWinApp app(c.pszName);
    static char commandLine[] = "";
    ASSERT_TRUE(AfxWinInit(c.hInstance, nullptr, commandLine, 0));
    EXPECT_STREQ(app.m_pszAppName, c.pszExpected);
    EXPECT_STREQ(state.m_lpszCurrentAppName, c.pszExpected);
  }
  ::FreeLibrary(hHost);
}

TEST(ModuleState, ResourcesAndStringsAreSearchedFromTheRecordThatJoinedLastNonSystemOnesFirst) {
  HMODULE hLoaded = ::LoadLibraryA(CElementModule::GetDefaultPath());
  // The editor's tests carry the module's resources too.
  HMODULE hData = ::LoadLibraryExA(BesideTheTests("editor_tests.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(hLoaded, nullptr);
  ASSERT_NE(hData, nullptr);
  ASSERT_NE(hLoaded, hData);
  // Both hold the dialog template and the strings; which one the search returns tells the order.
  const struct {
    HMODULE hOwn;
    BOOL bSystemState;
    std::vector<std::pair<HMODULE, BOOL>> records;  // module, system; in the order they join
    HMODULE hExpected;
  } cases[] = {
      {hLoaded, FALSE, {{hData, FALSE}}, hLoaded},  // a non-system state's own resources come first
      {hLoaded, TRUE, {{hData, FALSE}}, hData},     // a system state's own come after the chain's
      {nullptr, FALSE, {{hData, FALSE}, {hLoaded, TRUE}}, hData},
      {nullptr, FALSE, {{hLoaded, FALSE}, {hData, FALSE}}, hData},  // the record that joined last first
      {nullptr, FALSE, {{hLoaded, TRUE}, {hData, TRUE}}, hData},
  };
  for (const auto& c : cases) {
    AFX_MODULE_STATE state(FALSE);
    AFX_MAINTAIN_STATE use(&state);
    state.m_hCurrentResourceHandle = c.hOwn;
    state.m_bSystem = c.bSystemState;
    for (const auto& record : c.records) (new CDynLinkLibrary(record.first, record.first))->m_bSystem = record.second;
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_SLAVE_MANAGEMENT), RT_DIALOG), c.hExpected);
    EXPECT_EQ(AfxFindStringResourceHandle(IDS_OPERATION_REQUIRED), c.hExpected);
  }
  ::FreeLibrary(hData);
  ::FreeLibrary(hLoaded);
}

TEST(ModuleState, EndingAnExtensionModuleRemovesItsRecordsOrAllOfThem) {
  HMODULE hMine = ::GetModuleHandleA("mckernel.dll"), hOther = ::GetModuleHandleA(nullptr);
  const struct {
    BOOL bAll;
    std::vector<HMODULE> left;
  } cases[] = {{FALSE, {hOther}}, {TRUE, {}}};
  for (const auto& c : cases) {
    AFX_MODULE_STATE state(FALSE);
    AFX_MAINTAIN_STATE use(&state);
    AFX_EXTENSION_MODULE extension = {FALSE, nullptr, nullptr};
    ASSERT_TRUE(AfxInitExtensionModule(extension, hMine));
    new CDynLinkLibrary(extension);
    new CDynLinkLibrary(hOther, hOther);
    new CDynLinkLibrary(extension);
    AfxTermExtensionModule(extension, c.bAll);
    EXPECT_EQ(Chain(state), c.left) << "bAll " << c.bAll;
  }
}

TEST(ModuleState, ALoadThatRunsOutOfMemoryFailsWholeAndTheNextOneWorks) {
  AFX_MODULE_STATE* before = AfxGetModuleState();
  const CString path = CElementModule::GetDefaultPath();
  HMODULE hLoaded = nullptr;
  // The n-th allocation of the start-up fails, for each n until a load gets through.
  long n = 1;
  for (; n <= 50 && hLoaded == nullptr; ++n) {
    AfxSetAllocFailureCountdown(n);
    hLoaded = ::LoadLibraryA(path);
    AfxSetAllocFailureCountdown(0);
    EXPECT_EQ(AfxGetModuleState(), before) << "allocation " << n;
    if (hLoaded == nullptr) EXPECT_EQ(::GetModuleHandleA("SlaveManagement.dll"), nullptr) << "allocation " << n;
  }
  ASSERT_NE(hLoaded, nullptr);
  EXPECT_GT(n, 2) << "the start-up allocates";
  EXPECT_NE(AfxFindModuleState(hLoaded), nullptr);
  ASSERT_TRUE(::FreeLibrary(hLoaded));
  EXPECT_EQ(AfxFindModuleState(hLoaded), nullptr);
}
