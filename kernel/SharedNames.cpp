#include "SharedNames.h"

namespace {
const int kMaxNames = 32;

struct SharedNameTable {
  CString names[kMaxNames];
  int count = 0;
};

// Built on first use and kept for the life of the process; the kernel runs on one thread.
SharedNameTable& Table() {
  static SharedNameTable table;
  return table;
}
}  // namespace

CString MC_SharedName(const char* pszName) {
  SharedNameTable& table = Table();
  for (int i = 0; i < table.count; ++i)
    if (table.names[i][0] == pszName[0] && table.names[i] == pszName) return table.names[i];
  if (table.count == kMaxNames) return CString(pszName);
  table.names[table.count] = pszName;
  return table.names[table.count++];
}
