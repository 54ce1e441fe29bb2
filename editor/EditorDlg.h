// The modal editor of one "Slave Management" element: the operation, the wait timeout, the slave,
// the error mask split over two bit lists, the function to call and whether to wait for it.
#pragma once

#include <cstdint>

#include "InternalData.h"
#include "MC_EditMotionDlg.h"
#include "MC_Kernel.h"

class CEditorDlg : public CMC_EditMotionDlg {
public:
  // Reads the parameter text into the element data; invalid values open as far as they read.
  CEditorDlg(CMC_Setup& setup, CMC_Motion& motion, CString& text, CWnd* pParent);
  ~CEditorDlg() override;

  BOOL OnInitDialog() override;
  CMC_EditMotionInternalData* GetInternalData() override;

  CInternalData m_data;
  // The don't-send list and the two selections; they never reach the parameter text.
  uint32_t m_ignoredMask;
  uint32_t m_sendSelection;
  uint32_t m_ignoredSelection;

protected:
  void DoDataExchange(CDataExchange* pDX) override;

  // Bit lists: one item per bit, in ascending bit order, its item data the bit's mask value.
  // Every caller passes CMC_Setup::GetErrorRegDesc; the description function stays a parameter so
  // that the list does not decide where a bit's text comes from.
  void FillBitList(int nListID, uint32_t bits, uint32_t selected, MC_PFN_ERRORREGDESC pfnDescription);
  void ReadBitListMasks(int nListID, uint32_t& bits, uint32_t& selected);

  // Re-derives everything that depends on the slave: the operations it allows, the bit lists,
  // the function list.
  void RefreshSlaveControls();
  void FillFunctionCombo();

  void OnSelEndOkSlave();
  void OnSelEndOkTimeoutUnit();
  void OnSelChangeBitList();
  void OnAllToSend();
  void OnSelectedToSend();
  void OnAllToIgnored();
  void OnSelectedToIgnored();

  DECLARE_MESSAGE_MAP()

private:
  // The frame of the four move handlers: the masks change between a save and a load exchange.
  template <class TMove>
  void MoveBits(int nButtonID, TMove move);
  void FillBothBitLists();
  // Reads both lists into the four masks. A bit that neither list holds (a string a list
  // refused, a filling that stopped short) keeps the side it was on: the lists only show it.
  void ReadBothBitLists();
  // Each move button is enabled while its list has bits to give.
  void EnableMoveButtons();
  // Takes the timeout's text; a refusal finds its box enabled, and it stays so while refused.
  void ReadTimeout(CDataExchange* pDX);
  void EnableTimeout(BOOL bEnable);
  // Fails the save exchange with the message, the named control enabled and given the focus.
  // The prompt is the host's string nIDPrompt, or the module's own where hStrings names the
  // module: a module the host loaded later may hold strings of the same numbers.
  void RefuseInput(CDataExchange* pDX, int nIDC, UINT nIDPrompt, HINSTANCE hStrings = nullptr);

  // Set while the timeout's text does not read as a time: its box stays enabled meanwhile, so
  // that every refusal of it can be answered, whatever the operation.
  bool m_timeoutRefused;
};
