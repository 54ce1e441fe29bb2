#include <vector>

#include "../afxapp.h"

namespace {
struct TempObject {
  void* p;
  AFX_PFN_DELETE_TEMP pfnDelete;
};
struct ThreadData {
  int nLockCount = 0;
  std::vector<TempObject> temps;
};
// Plain pointer: emulated TLS must not run destructors at thread end; AfxTermThread frees it.
thread_local ThreadData* t_pData = nullptr;

ThreadData& Data() {
  if (t_pData == nullptr) t_pData = new ThreadData;
  return *t_pData;
}

void DeleteTemps(ThreadData& data) {
  std::vector<TempObject> temps;
  temps.swap(data.temps);
  for (const TempObject& t : temps) t.pfnDelete(t.p);
}
}  // namespace

void AfxAddTempObject(void* p, AFX_PFN_DELETE_TEMP pfnDelete) { Data().temps.push_back({p, pfnDelete}); }

void AfxLockTempMaps() { ++Data().nLockCount; }

BOOL AfxUnlockTempMaps(BOOL bDeleteTemps) {
  if (t_pData == nullptr) return FALSE;
  ThreadData& data = *t_pData;
  if (data.nLockCount > 0 && --data.nLockCount > 0) return FALSE;
  if (bDeleteTemps) DeleteTemps(data);
  return TRUE;
}

std::size_t AfxGetTempObjectCount() { return t_pData ? t_pData->temps.size() : 0; }

void AfxTermThread(HINSTANCE hInstTerm) {
  if (hInstTerm != nullptr) ::InterlockedIncrement(&AfxGetModuleState()->m_nThreadsTerminated);
  if (t_pData == nullptr) return;
  DeleteTemps(*t_pData);
  delete t_pData;
  t_pData = nullptr;
}
