// Native core build: string resources come from tables that libraries register at start-up.
#include <vector>

#include "../StringResource.h"
#include "../afxstr.h"

namespace {
struct Table {
  const AFX_STRING_ENTRY* entries;
  std::size_t count;
};
std::vector<Table>& Tables() {
  static std::vector<Table> tables;
  return tables;
}
}  // namespace

void AfxRegisterStringTable(const AFX_STRING_ENTRY* pEntries, std::size_t nCount) {
  Tables().push_back({pEntries, nCount});
}

BOOL AfxLoadStringResource(UINT nID, CString& rString) {
  for (const Table& t : Tables())
    for (std::size_t i = 0; i < t.count; ++i)
      if (t.entries[i].nID == nID) {
        rString = t.entries[i].pszText;
        return TRUE;
      }
  return FALSE;
}
