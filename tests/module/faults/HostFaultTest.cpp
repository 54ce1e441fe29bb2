// The translation export facing a faulty host: slaves that the master cannot resolve, and a
// function look-up that disagrees with the program's list of functions. Nothing may crash, and
// no element that cannot be translated may be reported as translated.
#include <gtest/gtest.h>

#include "MC_FaultHooks.h"
#include "TestNetworks.h"
#include "TranslateUnderTest.h"

namespace {
CString Invalid(const char* key) {
  CString line;
  line.Format("The value of parameter %s is invalid.\r\n", key);
  return line;
}

// What the FindFunction hooks below answer with, and how often they were asked.
int g_findCalls = 0;
int g_answerFrom = 0;  // the calls before this one find what the program has; later ones nothing

int FindNothing(const CMC_Motion*, const char*, int) {
  ++g_findCalls;
  return -1;
}
int FindEverything(const CMC_Motion*, const char*, int) {
  ++g_findCalls;
  return 0;
}
int LoseLater(const CMC_Motion*, const char*, int nFound) {
  ++g_findCalls;
  return g_findCalls < g_answerFrom ? nFound : -1;
}
int NumberFromTen(const CMC_Motion*, const char*, int nFound) {
  ++g_findCalls;
  return nFound < 0 ? nFound : nFound + 10;
}

class HostFaults : public ::testing::Test {
protected:
  void SetUp() override {
    m_network = LoadStandardNetwork();
    m_translate = m_export.Get();
    ASSERT_NE(m_translate, nullptr);
    g_findCalls = 0;
  }
  void TearDown() override { MC_SetFindFunctionHook(nullptr); }
  CString Translate(const char* text) {
    CString in(text), out("left over");
    m_result = m_translate(&m_network->GetMasterSetup(), &m_network->GetMasterMotion(), &in, &out);
    return out;
  }
  CTranslateUnderTest m_export;
  std::unique_ptr<CMC_DriveNetwork> m_network;
  PFN_TranslateMotionSequence m_translate = nullptr;
  int m_result = -1;
};
}  // namespace

TEST_F(HostFaults, SlavesTheHostCannotGiveAreRefusedForEveryOperation) {
  // 4: no axis data; 5: no axis ID; 6: axis data without setup; 9: past the last slave.
  for (int slave : {4, 5, 6, 9})
    for (int type : {1, 2, 3}) {
      CString text;
      text.Format("Type=%d;Slave=%d;MER_MASK=0x1;Function=\"Home\";", type, slave);
      CString out = Translate(text);
      EXPECT_EQ(m_result, 0) << text.GetString();
      EXPECT_NE(out.Find("is invalid.\r\n"), -1) << text.GetString() << ": " << out.GetString();
      EXPECT_EQ(out.Find("  "), -1) << "no generated line: " << out.GetString();
    }
}

TEST_F(HostFaults, AFunctionTheHostDoesNotFindIsNotCalled) {
  MC_SetFindFunctionHook(FindNothing);
  EXPECT_EQ(Translate("Type=2;Slave=0;Function=\"Home\";"), Invalid("Function"));
  EXPECT_EQ(m_result, 0);
  EXPECT_EQ(g_findCalls, 1);
}

TEST_F(HostFaults, AProgramWithoutFunctionsIsNotSearched) {
  MC_SetFindFunctionHook(FindEverything);  // claims every name, though slave H has no functions
  EXPECT_EQ(Translate("Type=2;Slave=7;Function=\"Home\";"), Invalid("Function"));
  EXPECT_EQ(m_result, 0);
  EXPECT_EQ(g_findCalls, 0);
}

TEST_F(HostFaults, AFunctionLostAfterValidationRefusesTheElement) {
  MC_SetFindFunctionHook(LoseLater);
  g_answerFrom = 2;  // found while validating, gone when the line is generated
  EXPECT_EQ(Translate("Type=2;Slave=0;Function=\"Home\";Wait=1;"), Invalid("Function"));
  EXPECT_EQ(m_result, 0);
}

TEST_F(HostFaults, AFunctionNameWithAControlCharacterIsNotWrittenIntoALine) {
  // A host built in code, not by the loader that refuses such names.
  for (const char* name : {"Line\r\nTWO", "Del\x7F", "Tab\t", "\tTab", "\nLF"}) {
    m_network->GetSlaveMotion(0)->AddFunction(name);
    CString text;
    text.Format("Type=2;Slave=0;Function=\"%s\";Wait=1;", name);
    EXPECT_EQ(Translate(text), Invalid("Function")) << name;
    EXPECT_EQ(m_result, 0);
  }
}

TEST_F(HostFaults, TheHostsFunctionNumberIsCalledUnchanged) {
  // How the host numbers functions is its own, even past the count of its list.
  MC_SetFindFunctionHook(NumberFromTen);
  EXPECT_EQ(Translate("Type=2;Slave=0;Function=\"Stop\";"), "  (A) { FUNCTION 13; } //Call function Stop on slave A\r\n");
  EXPECT_EQ(m_result, 1);
}
