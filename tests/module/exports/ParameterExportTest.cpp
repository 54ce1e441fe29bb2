// The translation export through the real module, called the way the host calls it.
#include <gtest/gtest.h>

#include "ElementExports.h"
#include "ModuleTest.h"
#include "TestNetworks.h"

namespace {
class WorkingExports : public CModuleTest {
protected:
  void SetUp() override {
    CModuleTest::SetUp();
    ResolveExport("TranslateMotionSequence", m_translate);
    m_network = LoadStandardNetwork();
  }
  int Translate(const char* text, CString& out) {
    CString in(text);
    return m_translate(&m_network->GetMasterSetup(), &m_network->GetMasterMotion(), &in, &out);
  }
  PFN_TranslateMotionSequence m_translate = nullptr;
  std::unique_ptr<CMC_DriveNetwork> m_network;
};
}  // namespace

TEST_F(WorkingExports, OutIsEmptiedForBothResults) {
  CString out("old text");
  EXPECT_EQ(Translate("Type=2;Slave=1;Function=\"F7\";Wait=1;", out), 1);
  EXPECT_EQ(out, "  (B) { FUNCTION 7; } //Call function F7 on slave B\r\n  WOF(B); //Wait for function completion\r\n");
  out = "old text";
  EXPECT_EQ(Translate("Type=1;Slave=0;MER_MASK=0x100;", out), 0);
  // Message 20048 comes from the kernel's resources, found through the host's resource chain.
  EXPECT_EQ(out, "The value of parameter MER_MASK is invalid.\r\n");
}

TEST_F(WorkingExports, OneStringAsTextAndOutGivesWhatTwoGive) {
  for (const char* text : {"Type=0;ATIME=5[s];", "Type=2;Slave=1;Function=\"F7\";Wait=1;", "Type=1;Slave=0;MER_MASK=0x100;", ""}) {
    CString out;
    int result = Translate(text, out);
    CString both(text);
    EXPECT_EQ(m_translate(&m_network->GetMasterSetup(), &m_network->GetMasterMotion(), &both, &both), result) << text;
    EXPECT_EQ(both, out) << text;
  }
}

TEST_F(WorkingExports, TheHostsReadErrorStandsAlone) {
  CString out;
  EXPECT_EQ(Translate("Type=2;ATIME=1[s];ATIME=1[s];Slave=3;Function=\"Sync", out), 0);
  EXPECT_EQ(out, "Parameter ATIME is given more than once.\r\n"
                 "Parameter Function: the text in double quotes has no closing quote.\r\n");
}
