#include "../afxmem.h"
#include "../afxmsgmap.h"

CCmdTarget::CCmdTarget() = default;
CCmdTarget::~CCmdTarget() = default;

void* CCmdTarget::operator new(std::size_t nSize) { return AfxAllocMemory(nSize); }
void CCmdTarget::operator delete(void* p) { AfxFreeMemory(p); }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode) {
  for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e)
      if (e->nMessage == WM_COMMAND && e->nCode == static_cast<UINT>(nCode) && nID >= e->nID && nID <= e->nLastID) {
        (this->*(e->pfn))();
        return TRUE;
      }
  return FALSE;
}
