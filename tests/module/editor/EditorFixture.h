// The editor built directly on a drive network, its element data set as a parameter text would
// leave it, and run modally under a dialog robot.
#pragma once

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>

#include "DialogRobot.h"
#include "EditorDlg.h"
#include "MC_EditDialogChoices.h"
#include "TestNetworks.h"
#include "resource.h"

class EditorTest : public ::testing::Test {
public:
  // The dialog is built in memory that holds no zeros, as a host's stack may: whatever it leaves
  // unset shows (volatile: the bytes are stored although the constructor overwrites them).
  static void* operator new(std::size_t size) {
    auto* p = static_cast<volatile unsigned char*>(::operator new(size));
    for (std::size_t i = 0; i < size; ++i) p[i] = 0xA5;
    return const_cast<unsigned char*>(p);
  }

protected:
  // The element as read from text: the operation and the slave, resolved.
  void Element(int type, int slave) {
    m_dlg.m_data.m_type = type;
    m_dlg.m_data.m_slave = slave;
    m_dlg.m_data.ResolveSlave();
  }
  // Runs the dialog under the base dialog's choices in m_choices.
  INT_PTR Run(const CDialogRobot::Script& script) { return RunDialog(m_dlg, m_robot, script); }
  // The editor on a parameter text, built as the editing export builds it.
  INT_PTR RunOn(CString& text, const CDialogRobot::Script& script) {
    CEditorDlg dlg(m_net->GetMasterSetup(), m_net->GetMasterMotion(), text, nullptr);
    CDialogRobot robot;
    return RunDialog(dlg, robot, script);
  }
  // Runs body once under each combination of the base dialog's choices, set in m_choices: bit i
  // of the combination moves the table's choice i off its default, so the defaults come first.
  void ForEveryHostChoice(const std::function<void()>& body) {
    const std::size_t n = std::size(kEditDialogChoices);
    for (unsigned combination = 0; combination < (1u << n); ++combination) {
      std::string trace;
      for (std::size_t i = 0; i < n; ++i) {
        const MC_EDITDLG_CHOICE& choice = kEditDialogChoices[i];
        const bool moved = (combination >> i) & 1u;
        m_choices.*choice.pMember = moved ? !choice.nDefault : choice.nDefault;
        trace += std::string(i ? " " : "") + choice.pszOption + " " + (moved ? choice.pszOtherWord : choice.pszDefaultWord);
      }
      SCOPED_TRACE(trace);
      body();
    }
    m_choices = MC_GetEditDialogChoices();
  }
  // The editor on the text under each host choice: the script must end it with OK, which writes
  // exactly pszWritten.
  void ExpectOkWritesUnderEveryHostChoice(const char* pszText, const CDialogRobot::Script& script, const char* pszWritten) {
    ForEveryHostChoice([&] {
      CString text(pszText);
      EXPECT_EQ(RunOn(text, script), IDOK);
      EXPECT_STREQ(text, pszWritten);
    });
  }
  INT_PTR RunDialog(CEditorDlg& dlg, CDialogRobot& robot, const CDialogRobot::Script& script) {
    const MC_EDITDLG_CHOICES defaults = MC_GetEditDialogChoices();
    MC_SetEditDialogChoices(m_choices);
    INT_PTR result = robot.Run([&dlg] { return dlg.DoModal(); }, script);
    MC_SetEditDialogChoices(defaults);
    return result;
  }

  // When m_checkInput is set, and whether clicks exchange: the defaults unless a test says.
  MC_EDITDLG_CHOICES m_choices = MC_GetEditDialogChoices();
  std::unique_ptr<CMC_DriveNetwork> m_net = LoadStandardNetwork();
  CString m_text;
  CEditorDlg m_dlg{m_net->GetMasterSetup(), m_net->GetMasterMotion(), m_text, nullptr};
  CDialogRobot m_robot;
};

// Controls whose enable state follows the operation, in the order of the state table.
inline const std::vector<int>& StateControls() {
  static const std::vector<int> ids = {IDC_TIMEOUT,         IDC_TIMEOUT_UNIT,        IDC_SEND_BITS,
                                       IDC_IGNORED_BITS,    IDC_ALL_TO_IGNORED,      IDC_ALL_TO_SEND,
                                       IDC_SELECTED_TO_IGNORED, IDC_SELECTED_TO_SEND, IDC_FUNCTION, IDC_WAIT};
  return ids;
}
inline const std::vector<int>& Radios() {
  static const std::vector<int> ids = {IDC_INIT_SLAVES, IDC_SEND_ERROR_MASK, IDC_CALL_FUNCTION, IDC_ABORT_FUNCTION};
  return ids;
}
// The move buttons in the order >>, <<, >, <.
inline const std::vector<int>& MoveButtons() {
  static const std::vector<int> ids = {IDC_ALL_TO_IGNORED, IDC_ALL_TO_SEND, IDC_SELECTED_TO_IGNORED, IDC_SELECTED_TO_SEND};
  return ids;
}
