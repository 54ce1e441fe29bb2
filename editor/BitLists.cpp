// The error mask as two lists of error-register bits: the send list holds the element's mask,
// the don't-send list the slave's other bits; four buttons move bits between them.
#include "EditorDlg.h"

#include "resource.h"

namespace {
const int kRegisterBits = 32;

uint32_t BitMask(int nBit) { return static_cast<uint32_t>(1) << nBit; }
}  // namespace

void CEditorDlg::FillBitList(int nListID, uint32_t bits, uint32_t selected, MC_PFN_ERRORREGDESC pfnDescription) {
  CWnd* pList = GetDlgItem(nListID);
  if (pList == nullptr) return;
  HWND hList = pList->m_hWnd;
  ::SendMessageA(hList, LB_RESETCONTENT, 0, 0);
  for (int nBit = 0; nBit < kRegisterBits; ++nBit) {
    const uint32_t mask = BitMask(nBit);
    if (!(bits & mask)) continue;
    CString text;
    text.Format("Bit %d: %s", nBit, static_cast<const char*>((m_data.m_setup.*pfnDescription)(nBit)));
    LRESULT nIndex = ::SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<const char*>(text)));
    // A refused string leaves the bit out of the list, and so out of the masks read back.
    if (nIndex < 0) continue;
    ::SendMessageA(hList, LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(mask));
    ::SendMessageA(hList, LB_SETSEL, (selected & mask) != 0, nIndex);
  }
}

void CEditorDlg::ReadBitListMasks(int nListID, uint32_t& bits, uint32_t& selected) {
  CWnd* pList = GetDlgItem(nListID);
  if (pList == nullptr) return;
  HWND hList = pList->m_hWnd;
  auto itemBits = [hList](WPARAM nIndex) { return static_cast<uint32_t>(::SendMessageA(hList, LB_GETITEMDATA, nIndex, 0)); };
  bits = 0;
  const LRESULT nCount = ::SendMessageA(hList, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < nCount; ++i) bits |= itemBits(static_cast<WPARAM>(i));
  selected = 0;
  const LRESULT nSelected = ::SendMessageA(hList, LB_GETSELCOUNT, 0, 0);
  if (nSelected <= 0) return;
  int* pIndexes = static_cast<int*>(AfxTryAllocMemory(static_cast<std::size_t>(nSelected) * sizeof(int)));
  if (pIndexes == nullptr) return;
  // Another count than asked for reads as no selection.
  if (::SendMessageA(hList, LB_GETSELITEMS, static_cast<WPARAM>(nSelected), reinterpret_cast<LPARAM>(pIndexes)) == nSelected)
    for (LRESULT i = 0; i < nSelected; ++i) selected |= itemBits(static_cast<WPARAM>(pIndexes[i]));
  AfxFreeMemory(pIndexes);
}

void CEditorDlg::FillBothBitLists() {
  FillBitList(IDC_SEND_BITS, m_data.m_errorMask, m_sendSelection, &CMC_Setup::GetErrorRegDesc);
  FillBitList(IDC_IGNORED_BITS, m_ignoredMask, m_ignoredSelection, &CMC_Setup::GetErrorRegDesc);
}

template <class TMove>
void CEditorDlg::MoveBits(TMove move) {
  if (!UpdateData(TRUE)) return;
  move();
  FillBothBitLists();
  UpdateData(FALSE);
}

namespace {
// The slave's whole error register, asked anew: the move buttons work only while the slave takes
// an error mask, so the setup is there.
uint32_t WholeMask(const CInternalData& data) {
  return data.m_slaveSetup != nullptr ? data.m_slaveSetup->GetErrorRegMask() : 0;
}
}  // namespace

void CEditorDlg::OnAllToIgnored() {
  MoveBits([this] {
    m_data.m_errorMask = 0;
    m_sendSelection = 0;
    m_ignoredMask = WholeMask(m_data);
    m_ignoredSelection = 0;
  });
}

void CEditorDlg::OnSelectedToIgnored() {
  MoveBits([this] {
    const uint32_t moved = m_sendSelection;
    m_data.m_errorMask &= ~moved;
    m_sendSelection = 0;
    m_ignoredMask |= moved;
    m_ignoredSelection = moved;
  });
}

void CEditorDlg::OnAllToSend() {
  MoveBits([this] {
    m_data.m_errorMask = WholeMask(m_data);
    m_sendSelection = 0;
    m_ignoredMask = 0;
    m_ignoredSelection = 0;
  });
}

void CEditorDlg::OnSelectedToSend() {
  MoveBits([this] {
    const uint32_t moved = m_ignoredSelection;
    m_data.m_errorMask |= moved;
    m_sendSelection = moved;
    m_ignoredMask &= ~moved;
    m_ignoredSelection = 0;
  });
}

void CEditorDlg::OnSelChangeBitList() {
  if (UpdateData(TRUE)) UpdateData(FALSE);
}
