// The error mask as two lists of error-register bits: the send list holds the element's mask,
// the don't-send list the slave's other bits; four buttons move bits between them.
#include <memory>
#include <new>

#include "EditorDlg.h"

#include "resource.h"

namespace {
const int kRegisterBits = 32;

uint32_t BitMask(int nBit) { return static_cast<uint32_t>(1) << nBit; }
}  // namespace

void CEditorDlg::FillBitList(int nListID, uint32_t bits, uint32_t selected, MC_PFN_ERRORREGDESC pfnDescription) {
  CListBox* pList = static_cast<CListBox*>(GetDlgItem(nListID));
  if (pList == nullptr) return;
  pList->ResetContent();
  for (int nBit = 0; nBit < kRegisterBits; ++nBit) {
    const uint32_t mask = BitMask(nBit);
    if (!(bits & mask)) continue;
    CString text;
    text.Format("Bit %d: %s", nBit, static_cast<const char*>((m_data.m_setup.*pfnDescription)(nBit)));
    const int nIndex = pList->AddString(text);
    // A refused string leaves the bit out of the list, and so out of the masks read back.
    if (nIndex < 0) continue;
    pList->SetItemData(nIndex, mask);
    pList->SetSel(nIndex, (selected & mask) != 0);
  }
}

void CEditorDlg::ReadBitListMasks(int nListID, uint32_t& bits, uint32_t& selected) {
  CListBox* pList = static_cast<CListBox*>(GetDlgItem(nListID));
  if (pList == nullptr) return;
  auto itemBits = [pList](int nIndex) { return static_cast<uint32_t>(pList->GetItemData(nIndex)); };
  bits = 0;
  const int nCount = pList->GetCount();
  for (int i = 0; i < nCount; ++i) bits |= itemBits(i);
  selected = 0;
  const int nSelected = pList->GetSelCount();
  if (nSelected <= 0) return;
  // The editor's one allocation; without the room the selection reads as none.
  std::unique_ptr<int[]> indexes(new (std::nothrow) int[static_cast<std::size_t>(nSelected)]);
  if (!indexes) return;
  // Another count than asked for reads as no selection.
  if (pList->GetSelItems(nSelected, indexes.get()) == nSelected)
    for (int i = 0; i < nSelected; ++i) selected |= itemBits(indexes[i]);
}

void CEditorDlg::FillBothBitLists() {
  FillBitList(IDC_SEND_BITS, m_data.m_errorMask, m_sendSelection, &CMC_Setup::GetErrorRegDesc);
  FillBitList(IDC_IGNORED_BITS, m_ignoredMask, m_ignoredSelection, &CMC_Setup::GetErrorRegDesc);
}

template <class TMove>
void CEditorDlg::MoveBits(int nButtonID, TMove move) {
  // A click that reaches a disabled button (Wine sends one) has nothing to move.
  if (!IsChildEnabled(nButtonID) || !UpdateData(TRUE)) return;
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
  MoveBits(IDC_ALL_TO_IGNORED, [this] {
    m_data.m_errorMask = 0;
    m_sendSelection = 0;
    m_ignoredMask = WholeMask(m_data);
    m_ignoredSelection = 0;
  });
}

void CEditorDlg::OnSelectedToIgnored() {
  MoveBits(IDC_SELECTED_TO_IGNORED, [this] {
    const uint32_t moved = m_sendSelection;
    m_data.m_errorMask &= ~moved;
    m_sendSelection = 0;
    m_ignoredMask |= moved;
    m_ignoredSelection = moved;
  });
}

void CEditorDlg::OnAllToSend() {
  MoveBits(IDC_ALL_TO_SEND, [this] {
    m_data.m_errorMask = WholeMask(m_data);
    m_sendSelection = 0;
    m_ignoredMask = 0;
    m_ignoredSelection = 0;
  });
}

void CEditorDlg::OnSelectedToSend() {
  MoveBits(IDC_SELECTED_TO_SEND, [this] {
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
