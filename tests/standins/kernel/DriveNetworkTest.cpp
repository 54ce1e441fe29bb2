#include <gtest/gtest.h>

#include "MC_DriveVariable.h"
#include "TestNetworks.h"

namespace {
CString Refusal(const char* pszJson) {
  CString error;
  EXPECT_FALSE(CMC_DriveNetwork::LoadText(pszJson, "net.json", error));
  return error;
}
}  // namespace

TEST(DriveNetwork, BuildsTheMasterAndItsSlaves) {
  auto net = LoadStandardNetwork();
  ASSERT_TRUE(net);
  CMC_Setup& master = net->GetMasterSetup();
  EXPECT_EQ(master.IsMotionController(), 1);
  EXPECT_EQ(master.GetMotionControllerSlaveCount(), 9);
  unsigned char axis = 99;
  EXPECT_TRUE(master.MotionController_GetAxisIDOfSlave(1, axis));
  EXPECT_EQ(axis, 2);
  axis = 99;
  EXPECT_FALSE(master.MotionController_GetAxisIDOfSlave(5, axis));  // axis ID 0: none reported
  EXPECT_FALSE(master.MotionController_GetAxisIDOfSlave(9, axis));   // past the last slave
  EXPECT_EQ(axis, 99);
  EXPECT_EQ(master.GetErrorRegDesc(1), "Short");
  EXPECT_EQ(master.GetErrorRegDesc(30), "Reserved");
  EXPECT_EQ(master.GetErrorRegDesc(-1), "Reserved");

  CMC_Motion& program = net->GetMasterMotion();
  EXPECT_EQ(program.GetMotionControllerSlaveAxis(4), nullptr);  // "axisData": false
  ASSERT_NE(program.GetMotionControllerSlaveAxis(6), nullptr);
  EXPECT_EQ(program.GetMotionControllerSlaveAxis(6)->GetAxisSetup(), nullptr);
  EXPECT_EQ(program.GetMotionControllerSlaveAxis(2)->GetAxisMotion(), nullptr);
  EXPECT_EQ(program.GetMotionControllerSlaveAxis(-1), nullptr);

  CMC_Motion* b = net->GetSlaveMotion(1);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->GetFunctionsCount(), 12);
  EXPECT_EQ(b->FindFunction("F10"), 10);
  EXPECT_LT(b->FindFunction("f10"), 0);
  EXPECT_EQ(b->GetFunctionName(11), "F11");
  EXPECT_EQ(b->GetFunctionName(12), "");
  EXPECT_EQ(net->GetSlaveSetup(1)->GetErrorRegMask(), 0xF0F3u);
  ASSERT_NE(net->GetSlaveSetup(0)->FindVariable("MER_MASK", 1), nullptr);
  EXPECT_EQ(static_cast<CMC_DriveVariable*>(net->GetSlaveSetup(0)->FindVariable("MER_MASK", 1))->GetName(), "MER_MASK");
  EXPECT_EQ(net->GetSlaveSetup(2)->FindVariable("MER_MASK", 1), nullptr);
}

TEST(DriveNetwork, TheBuiltInNetworkLoads) {
  auto net = CMC_DriveNetwork::LoadDefault();
  ASSERT_TRUE(net);
  EXPECT_NE(net->GetMasterSetup().IsMotionController(), 0);
  EXPECT_GE(net->GetSlaveCount(), 4);
}

TEST(DriveNetwork, RefusesBrokenFilesWithTheReason) {
  EXPECT_NE(Refusal("{ \"master\": ").Find("net.json: not valid JSON"), -1);
  EXPECT_NE(Refusal("[]").Find("net.json: document"), -1);
  EXPECT_NE(Refusal("{}").Find("has no \"master\""), -1);
  EXPECT_NE(Refusal(R"({"master": {"slaves": [{"axisId": 256}]}})").Find("master.slaves[0].axisId: must lie between 0 and 255"), -1);
  EXPECT_NE(Refusal(R"({"master": {"slaves": [{"axisId": "1"}]}})").Find("must be an integer"), -1);
  EXPECT_NE(Refusal(R"({"master": {"setup": {"errorMask": "0x1FFFFFFFF"}}})").Find("master.setup.errorMask"), -1);
  EXPECT_NE(Refusal(R"({"master": {"setup": {"loopPeriodMs": 0}}})").Find("positive"), -1);
  EXPECT_NE(Refusal(R"({"master": {"motion": {"functions": ["Home", "Home"]}}})").Find("twice"), -1);
  EXPECT_NE(Refusal(R"({"master": {"slaves": {}}})").Find("must be an array"), -1);
}

// Names and descriptions go into generated lines: a control character would break them.
TEST(DriveNetwork, RefusesNamesWithControlCharactersAndEmptyNames) {
  const struct {
    const char* json;
    const char* where;
  } cases[] = {
      {R"({"master": {"slaves": [{"motion": {"functions": ["Home", "Line\r\nTWO"]}}]}})",
       "net.json: master.slaves[0].motion.functions[1]: holds a control character"},
      {R"({"master": {"motion": {"functions": ["Tab\there"]}}})", "master.motion.functions[0]: holds a control character"},
      {R"({"master": {"motion": {"functions": ["Nul\u0000"]}}})", "master.motion.functions[0]: holds a control character"},
      {R"({"master": {"setup": {"errorBits": ["Bus", "Del\u007f"]}}})", "master.setup.errorBits[1]: holds a control character"},
      {R"({"master": {"slaves": [{"setup": {"variables": ["MER_MASK", "X\n"]}}]}})",
       "master.slaves[0].setup.variables[1]: holds a control character"},
      {R"({"master": {"setup": {"variables": [""]}}})", "master.setup.variables[0]: must be a non-empty text"},
      {R"({"master": {"motion": {"functions": [""]}}})", "master.motion.functions[0]: must be a non-empty text"},
  };
  for (const auto& c : cases) {
    CString error = Refusal(c.json);
    EXPECT_NE(error.Find(c.where), -1) << error.GetString();
    EXPECT_EQ(error.Find("\n"), -1) << "one line: " << error.GetString();
  }
  // Blanks, non-ASCII bytes and empty descriptions stay allowed.
  CString error;
  EXPECT_TRUE(CMC_DriveNetwork::LoadText(R"({"master": {"setup": {"errorBits": ["", "Über Temp"]},
      "motion": {"functions": ["Go Home"]}}})", "net.json", error)) << error.GetString();
}

TEST(DriveNetwork, RefusesMoreSlavesThanLetters) {
  CString json = "{\"master\": {\"slaves\": [";
  for (int i = 0; i < 27; ++i) json += i ? ",{\"axisId\": 1}" : "{\"axisId\": 1}";
  json += "]}}";
  EXPECT_NE(Refusal(json).Find("at most 26"), -1);
}
