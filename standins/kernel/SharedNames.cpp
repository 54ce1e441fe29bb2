#include "SharedNames.h"

#include <atomic>
#include <cstring>
#include <mutex>

namespace {
const int kMaxNames = 32;

// Names are only ever added, under the lock, each one complete before count takes it in: the
// names below count never change again, so any thread looks them up without the lock.
struct SharedNameTable {
  CString names[kMaxNames];
  std::atomic<int> count{0};
  std::mutex adding;
};

// Built on first use and kept for the life of the process.
SharedNameTable& Table() {
  static SharedNameTable table;
  return table;
}

int FindName(const SharedNameTable& table, int nFrom, int nTo, const char* pszName) {
  for (int i = nFrom; i < nTo; ++i) {
    const char* name = table.names[i].GetString();
    if (name[0] == pszName[0] && std::strcmp(name, pszName) == 0) return i;
  }
  return -1;
}
}  // namespace

CString MC_SharedName(const char* pszName) {
  SharedNameTable& table = Table();
  int count = table.count.load(std::memory_order_acquire);
  int found = FindName(table, 0, count, pszName);
  if (found >= 0) return table.names[found];
  std::lock_guard<std::mutex> lock(table.adding);
  int now = table.count.load(std::memory_order_relaxed);
  found = FindName(table, count, now, pszName);  // added by another thread meanwhile
  if (found >= 0) return table.names[found];
  if (now == kMaxNames) return CString(pszName);
  table.names[now] = pszName;
  table.count.store(now + 1, std::memory_order_release);
  return table.names[now];
}
