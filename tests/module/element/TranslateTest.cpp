// Motion-program lines from parameter text, through the two working exports.
#include <gtest/gtest.h>

#include <cstring>

#include "ElementExports.h"
#include "InternalData.h"
#include "TestNetworks.h"

namespace {
class Translate : public ::testing::Test {
protected:
  void SetUp() override {
    m_network = LoadTestNetwork(R"({ "master": { "setup": { "motionController": 1 }, "slaves": [
      { "axisId": 1, "setup": { "errorMask": "0xFFFFFFFF", "variables": ["MER_MASK"] },
        "motion": { "functions": ["Jog", "MoveAbs", "Stop", "Home", "Say hi"] } },
      { "axisId": 2, "setup": { "errorMask": "0xF0F3", "variables": ["MER_MASK"] }, "motion": { "functions": ["F0"] } },
      { "axisId": 3, "setup": {}, "motion": null },
      { "axisId": 4, "setup": null } ] } })");
  }
  // The export's out for text; m_result is what it returned.
  CString Run(const char* text) {
    CString in(text), out("left over from before");
    m_result = TranslateMotionSequence(&m_network->GetMasterSetup(), &m_network->GetMasterMotion(), &in, &out);
    return out;
  }
  std::unique_ptr<CMC_DriveNetwork> m_network;
  int m_result = -1;
};
}  // namespace

TEST_F(Translate, InitSlavesGivesTimeoutThenInit) {
  EXPECT_EQ(Run("Type=0;ATIME=5[s];"),
            "  TIMEOUT 5000; // Set wait timeout to 5[s]\r\n  INITSLAVES; //Initialize the slaves\r\n");
  EXPECT_EQ(m_result, 1);
  m_network->GetMasterSetup().SetLoopPeriodMs(0.5);
  EXPECT_EQ(Run("Type=0;ATIME=0.25[ms];"),
            "  TIMEOUT 1; // Set wait timeout to 0.25[ms]\r\n  INITSLAVES; //Initialize the slaves\r\n");
  EXPECT_EQ(Run("Type=0;ATIME=12[IU];"),
            "  TIMEOUT 12; // Set wait timeout to 12[IU]\r\n  INITSLAVES; //Initialize the slaves\r\n");
}

// The same text gives the same line on every architecture: a count of periods is rounded as
// the number it is, halves away from zero, and s and ms take the same double arithmetic (the
// cases of s and ms are ones where extended precision rounds the other way).
TEST_F(Translate, TimeoutsRoundAlikeOnEveryArchitecture) {
  const struct {
    double loopPeriodMs;
    const char* time;
    const char* periods;
  } cases[] = {
      {0.3, "5.5[IU]", "6"},          {0.3, "0.5[IU]", "1"},        {0.3, "2147483646.5[IU]", "2147483647"},
      {0.7, "4.4999[IU]", "4"},       {0.2, "0.4099[s]", "2049"},   {0.2, "409.9[ms]", "2049"},
      {0.2, "1.6391[s]", "8195"},     {0.2, "819.3[ms]", "4096"},   {0.3, "1[s]", "3333"},
      {0.125, "0.0625[ms]", "1"},
  };
  for (const auto& c : cases) {
    m_network->GetMasterSetup().SetLoopPeriodMs(c.loopPeriodMs);
    CString text, line;
    text.Format("Type=0;ATIME=%s;", c.time);
    line.Format("  TIMEOUT %s; // Set wait timeout to %s\r\n  INITSLAVES; //Initialize the slaves\r\n", c.periods, c.time);
    EXPECT_EQ(Run(text), line) << "on a loop of " << c.loopPeriodMs << " ms";
  }
  for (double loop : {0.1, 0.2, 0.3, 0.6, 0.7, 0.9, 1.1, 0.0829606350106947}) {
    m_network->GetMasterSetup().SetLoopPeriodMs(loop);
    int roundedDown = 0;
    for (int whole = 0; whole < 600; ++whole) {
      CString text, periods;
      text.Format("Type=0;ATIME=%d.5[IU];", whole);
      periods.Format("  TIMEOUT %d;", whole + 1);
      roundedDown += std::strncmp(Run(text), periods, periods.GetLength()) != 0;
    }
    EXPECT_EQ(roundedDown, 0) << "halves in IU on a loop of " << loop << " ms";
  }
}

TEST_F(Translate, GivesTheDocumentedLines) {
  EXPECT_EQ(Run("Type=1;Slave=1;MER_MASK=0xA0;"), "  (B) { MER_MASK = 0xA0; } //Set send error mask on slave B\r\n");
  EXPECT_EQ(Run("Type=2;Slave=0;Function=\"Home\";Wait=1;"),
            "  (A) { FUNCTION 3; } //Call function Home on slave A\r\n  WOF(A); //Wait for function completion\r\n");
  EXPECT_EQ(Run("Type=2;Slave=0;Function=\"Home\";Wait=0;"), "  (A) { FUNCTION 3; } //Call function Home on slave A\r\n");
  EXPECT_EQ(Run("Type=2;Slave=0;Function=\"Jog\";"), "  (A) { FUNCTION 0; } //Call function Jog on slave A\r\n");
  EXPECT_EQ(Run("Type=2;Slave=0;Function=\"Say hi\";"), "  (A) { FUNCTION 4; } //Call function Say hi on slave A\r\n");
  EXPECT_EQ(Run("Type=3;Slave=2;"), "  (C) { ABORT; } //Abort last function call on slave C\r\n");
  EXPECT_EQ(m_result, 1);
}

TEST_F(Translate, MasksPrintInUpperCaseHexWithoutLeadingZeros) {
  EXPECT_EQ(Run("Type=1;Slave=0;MER_MASK=0x0;"), "  (A) { MER_MASK = 0x0; } //Set send error mask on slave A\r\n");
  EXPECT_EQ(Run("Type=1;Slave=0;MER_MASK=0x00ff;"), "  (A) { MER_MASK = 0xFF; } //Set send error mask on slave A\r\n");
  EXPECT_EQ(Run("Type=1;Slave=0;MER_MASK=0xFFFFFFFF;"),
            "  (A) { MER_MASK = 0xFFFFFFFF; } //Set send error mask on slave A\r\n");
}

TEST_F(Translate, InvalidParametersGiveOnlyTheErrorLines) {
  EXPECT_EQ(Run("Type=2;Slave=0;Function=\"Nope\";Wait=1;"), "The value of parameter Function is invalid.\r\n");
  EXPECT_EQ(m_result, 0);
  EXPECT_EQ(Run("Type=3;Slave=3;"), "The value of parameter Slave is invalid.\r\n");  // dropped: no "(@)"
  EXPECT_EQ(m_result, 0);
  EXPECT_EQ(Run("Type=0;ATIME=1[s]"), "Parameter ATIME: ';' is missing after the value.\r\n");
  EXPECT_EQ(m_result, 0);
}

// The form the element's interface gives: the export's lines, and none outside 0 to 3.
TEST_F(Translate, GenerateCodeGivesTheLinesOfTheOperationsOnly) {
  CInternalData data(m_network->GetMasterSetup(), m_network->GetMasterMotion());
  for (const char* text : {"Type=0;ATIME=5[s];", "Type=1;Slave=1;MER_MASK=0xA0;", "Type=2;Slave=0;Function=\"Home\";Wait=1;",
                           "Type=3;Slave=2;"}) {
    CString in(text), errors;
    EXPECT_EQ(data.ReadParameters(in, errors), 1) << text;
    EXPECT_EQ(data.GenerateCode(), Run(text)) << text;
  }
  for (int type : {-1, 4, 1000}) {
    data.m_type = type;
    EXPECT_EQ(data.GenerateCode(), "") << type;
  }
}

TEST_F(Translate, DefaultTextIsInitSlavesWithFiveSeconds) {
  CString out("a non-empty string to be replaced");
  GetDefaultParameters(&m_network->GetMasterSetup(), &m_network->GetMasterMotion(), &out);
  EXPECT_EQ(out, "Type=0;ATIME=5[s];");
  EXPECT_EQ(Run(out), "  TIMEOUT 5000; // Set wait timeout to 5[s]\r\n  INITSLAVES; //Initialize the slaves\r\n");
  CMC_DriveSetup plain;  // not a motion controller: the same text
  CMC_DriveMotion motion;
  GetDefaultParameters(&plain, &motion, &out);
  EXPECT_EQ(out, "Type=0;ATIME=5[s];");
}

TEST_F(Translate, NullPointersFromAFaultyHostDoNoHarm) {
  CMC_Setup* setup = &m_network->GetMasterSetup();
  CMC_Motion* motion = &m_network->GetMasterMotion();
  CString text("Type=3;Slave=0;"), out("old");
  EXPECT_EQ(TranslateMotionSequence(nullptr, motion, &text, &out), 0);
  EXPECT_EQ(out, "");
  out = "old";
  EXPECT_EQ(TranslateMotionSequence(setup, nullptr, &text, &out), 0);
  EXPECT_EQ(out, "");
  out = "old";
  EXPECT_EQ(TranslateMotionSequence(setup, motion, nullptr, &out), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(TranslateMotionSequence(setup, motion, &text, nullptr), 0);
  out = "old";
  GetDefaultParameters(nullptr, motion, &out);
  EXPECT_EQ(out, "");
  out = "old";
  GetDefaultParameters(setup, nullptr, &out);
  EXPECT_EQ(out, "");
  GetDefaultParameters(setup, motion, nullptr);
}

// The lines are written into the caller's out: a kept out gives the same bytes as a fresh one,
// and an out that shares its text with another string leaves that string alone.
TEST_F(Translate, OutIsWrittenWithoutTouchingWhatItShares) {
  const char* const texts[] = {"Type=0;ATIME=5[s];", "Type=2;Slave=0;Function=\"Home\";Wait=1;", "Type=3;Slave=7;",
                               "Type=1;Slave=1;MER_MASK=0xA0;"};
  CString kept;
  for (const char* text : texts) {
    CString in(text), fresh = Run(text);
    int result = m_result;
    CString other("shared text"), out(other);
    EXPECT_EQ(TranslateMotionSequence(&m_network->GetMasterSetup(), &m_network->GetMasterMotion(), &in, &out), result);
    EXPECT_EQ(out, fresh) << text;
    EXPECT_EQ(other, "shared text") << text;
    EXPECT_EQ(TranslateMotionSequence(&m_network->GetMasterSetup(), &m_network->GetMasterMotion(), &in, &kept), result);
    EXPECT_EQ(kept, fresh) << text;
  }
}
