// Reading the element's parameter text with validation against the master and the slave, and
// writing it back.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "InternalData.h"
#include "TestNetworks.h"

namespace {
CString Invalid(const char* key) {
  CString line;
  line.Format("The value of parameter %s is invalid.\r\n", key);
  return line;
}

class ElementParameters : public ::testing::Test {
protected:
  void SetUp() override { m_network = LoadStandardNetwork(); }
  std::unique_ptr<CInternalData> Data() {
    return std::make_unique<CInternalData>(m_network->GetMasterSetup(), m_network->GetMasterMotion());
  }
  // Reads text into a fresh element; the errors land in m_errors.
  std::unique_ptr<CInternalData> Read(const char* text, int expected) {
    auto data = Data();
    CString t(text);
    m_errors = "stale text from an earlier call";
    EXPECT_EQ(data->ReadParameters(t, m_errors), expected) << text << "\n" << m_errors.GetString();
    EXPECT_EQ(t, text) << "the parameter text is not changed by reading";
    return data;
  }
  std::unique_ptr<CMC_DriveNetwork> m_network;
  CString m_errors;
};
}  // namespace

TEST_F(ElementParameters, InitSlavesReadsNoSlave) {
  auto data = Read("Type=0;ATIME=250[ms];Slave=3;", 1);
  EXPECT_EQ(m_errors, "");
  EXPECT_EQ(data->m_type, InitSlaves);
  EXPECT_EQ(data->m_slave, -1);
  EXPECT_EQ(data->m_timeout.PrintValue(), "250");
  EXPECT_EQ(data->m_timeout.GetSelectedUnit(), "ms");
  EXPECT_EQ(data->m_timeoutUsed, 1);
  Read("Type=0;", 1);  // the timeout is optional
}

TEST_F(ElementParameters, AbortNeedsOnlyASlaveWithAxisID) {
  for (int slave : {0, 2, 7}) {  // functions, no program, a program without functions
    CString text;
    text.Format("Type=3;ATIME=5[s];Slave=%d;", slave);
    auto data = Read(text, 1);
    EXPECT_EQ(data->m_slave, slave);
  }
}

TEST_F(ElementParameters, SlaveWithoutAxisIDIsOneInvalidLine) {
  for (const char* text : {"Type=3;Slave=5;", "Type=3;Slave=9;"}) {  // axis ID 0; index N itself
    auto data = Read(text, 0);
    EXPECT_EQ(m_errors, Invalid("Slave")) << text;
  }
  auto data = Read("Type=1;Slave=5;MER_MASK=0x0;", 0);
  EXPECT_EQ(m_errors, Invalid("Slave"));
  EXPECT_EQ(data->m_slaveSetup, m_network->GetSlaveSetup(5)) << "the slave is still resolved";
  Read("Type=3;Slave=10;", 0);
  EXPECT_EQ(m_errors, "Parameter Slave: 10 is out of range (0 to 9).\r\n") << "the host's error stands alone";
}

TEST_F(ElementParameters, AbortOnASlaveThatResolvesToNothingIsInvalid) {
  // The master gives axis IDs 5 and 7, but the first has no axis data and the second no setup:
  // a program line for them would name no slave.
  for (const char* text : {"Type=3;Slave=4;", "Type=3;Slave=6;"}) {
    auto data = Read(text, 0);
    EXPECT_EQ(m_errors, Invalid("Slave")) << text;
    EXPECT_EQ(data->m_slave, -1);
  }
}

TEST_F(ElementParameters, ErrorMaskMustFitTheSlave) {
  Read("Type=1;Slave=0;MER_MASK=0x0;", 1);
  auto data = Read("Type=1;Slave=0;MER_MASK=0xFF;", 1);
  EXPECT_EQ(data->m_errorMask, 0xFFu);
  struct Case {
    const char* text;
    const char* why;
  } cases[] = {
      {"Type=1;Slave=0;MER_MASK=0x100;", "a bit the slave lacks"},
      {"Type=1;Slave=1;MER_MASK=0x4;", "a bit inside the slave's range that it lacks"},
      {"Type=1;Slave=2;MER_MASK=0x0;", "a slave without MER_MASK"},
      {"Type=1;Slave=8;MER_MASK=0x1;", "a slave without variables"},
  };
  for (const Case& c : cases) {
    Read(c.text, 0);
    EXPECT_EQ(m_errors, Invalid("MER_MASK")) << c.why;
  }
  Read("Type=1;Slave=4;MER_MASK=0x1;", 0);  // the slave is dropped: no slave resolved
  EXPECT_EQ(m_errors, Invalid("MER_MASK"));
  Read("Type=1;Slave=0;MER_MASK=0xZZ;", 0);
  EXPECT_EQ(m_errors, "Parameter MER_MASK: \"0xZZ\" is not a hexadecimal number (0x and hexadecimal digits).\r\n");
}

TEST_F(ElementParameters, FunctionMustExistOnACallableSlave) {
  auto data = Read("Type=2;Slave=1;Function=\"F11\";", 1);
  EXPECT_EQ(data->m_functionName, "F11");
  EXPECT_EQ(data->m_waitForCompletion, 0) << "a missing Wait is no error";
  struct Case {
    const char* text;
    const char* why;
  } cases[] = {
      {"Type=2;Slave=0;Function=\"Nope\";", "a function the slave lacks"},
      {"Type=2;Slave=0;Function=\"home\";", "names are case-sensitive"},
      {"Type=2;Slave=3;Function=\"Sync\";", "a slave that is a motion controller"},
      {"Type=2;Slave=7;Function=\"Home\";", "a slave without functions"},
      {"Type=2;Slave=2;Function=\"Home\";", "a slave without program"},
  };
  for (const Case& c : cases) {
    Read(c.text, 0);
    EXPECT_EQ(m_errors, Invalid("Function")) << c.why;
  }
  Read("Type=2;Slave=8;Function=\"Go\";Wait=1;", 1);  // IsMotionController 2 is no motion controller
  Read("Type=2;Slave=0;Function=Home;", 0);
  EXPECT_EQ(m_errors, "Parameter Function: \"Home\" is not a text in double quotes.\r\n");
}

TEST_F(ElementParameters, WaitIsOptionalAndSilent) {
  EXPECT_EQ(Read("Type=2;Slave=0;Function=\"Home\";Wait=1;", 1)->m_waitForCompletion, 1);
  EXPECT_EQ(Read("Type=2;Slave=0;Function=\"Home\";Wait=2;", 1)->m_waitForCompletion, 0);
  EXPECT_EQ(Read("Type=2;Slave=0;Function=\"Home\";Wait=x;", 1)->m_waitForCompletion, 0);
}

TEST_F(ElementParameters, TimeoutIsValidatedForEveryOperation) {
  const char* rest[] = {"", "Slave=0;MER_MASK=0x1;", "Slave=0;Function=\"Home\";", "Slave=0;"};
  for (int type = 0; type < 4; ++type) {
    CString text;
    text.Format("Type=%d;ATIME=-2[ms];%s", type, rest[type]);
    Read(text, 0);
    EXPECT_EQ(m_errors, "Parameter ATIME: -2[ms] is out of range (0 to 2147483647 control-loop periods).\r\n") << type;
  }
}

TEST_F(ElementParameters, EveryBadKeyGivesOneGroupInKeyOrder) {
  Read("Function=\"Nope\";Slave=5;ATIME=5[h];Type=2;", 0);
  EXPECT_EQ(m_errors, "Parameter ATIME: unknown unit \"h\" (s, ms or IU).\r\n" + Invalid("Slave") + Invalid("Function"));
  Read("Type=1;MER_MASK=0x1000000;Slave=x;ATIME=1[s];ATIME=2[s];", 0);
  EXPECT_EQ(m_errors, CString("Parameter ATIME is given more than once.\r\n") +
                          "Parameter Slave: \"x\" is not a whole number.\r\n" + Invalid("MER_MASK"));
  auto data = Read("Type=9;Slave=0;", 0);  // a bad type leaves InitSlaves: nothing else is read
  EXPECT_EQ(m_errors, "Parameter Type: 9 is out of range (0 to 3).\r\n");
  EXPECT_EQ(data->m_slave, -1);
  Read("", 0);
  EXPECT_EQ(m_errors, "Parameter Type is missing.\r\n");
}

TEST_F(ElementParameters, WritesTheItemsOfTheOperationInOrder) {
  auto data = Read("Type=0;ATIME=5[s];", 1);
  CString text;
  data->WriteParameters(text);
  EXPECT_EQ(text, "Type=0;ATIME=5[s];");
  data->m_type = CallFunction;
  data->m_slave = 0;
  data->m_functionName = "Home";
  data->m_waitForCompletion = 1;
  text.Empty();
  data->WriteParameters(text);
  EXPECT_EQ(text, "Type=2;Slave=0;Function=\"Home\";Wait=1;");
  for (int type : {AbortFunction, NoOperation}) {
    data->m_type = type;
    text.Empty();
    data->WriteParameters(text);
    CString expected;
    expected.Format("Type=%d;Slave=0;", type);
    EXPECT_EQ(text, expected);
  }
  text = "Keep=1;";  // not emptied first
  data->m_type = SendErrorMask;
  data->m_errorMask = 0xA0;
  data->WriteParameters(text);
  EXPECT_EQ(text, "Keep=1;Type=1;Slave=0;MER_MASK=0xA0;");
}

TEST_F(ElementParameters, WrittenFieldsReadBackTheSame) {
  std::mt19937 random(20533);
  const int slaves[] = {0, 1, 2, 3, 5, 7, 8};  // every slave that resolves
  const char* const units[] = {"s", "ms", "IU"};
  const char alphabet[] = "aZ09 _\"\";=[]\r\n\t\x01\xe9";
  const char* const stale[] = {"Type=3;", "Slave=2;", "Function=\"x;y\";", "Wait=1;", "MER_MASK=0x5;",
                               "ATIME=2[ms];", "Other=\"q\";", "X=1;", " ", "Type=1;"};
  for (int round = 0; round < 3000; ++round) {
    CString text;
    for (int i = static_cast<int>(random() % 6); i > 0; --i) text += stale[random() % 10];
    auto source = Data();
    CString ignored, before(text);
    source->ReadParameters(before, ignored);  // as the editor does: the timeout learns its item
    source->m_type = static_cast<int>(random() % 4);
    source->m_slave = slaves[random() % 7];
    source->m_errorMask = static_cast<uint32_t>(random());
    source->m_waitForCompletion = static_cast<int>(random() % 2);
    std::string name;
    // Any byte but NUL, which no name can hold.
    for (int i = static_cast<int>(random() % 12); i > 0; --i) name += alphabet[random() % (sizeof alphabet - 1)];
    source->m_functionName = CString(name.data(), static_cast<int>(name.size()));
    ASSERT_TRUE(source->m_timeout.SelectUnit(units[random() % 3]));
    source->m_timeout.SetValue(random() % 2 ? static_cast<double>(random() % 100000)
                                            : std::uniform_real_distribution<double>(0, 1000)(random));
    source->WriteParameters(text);

    auto copy = Data();
    CString errors, written(text);
    copy->ReadParameters(written, errors);
    SCOPED_TRACE(testing::Message() << "round " << round << ": " << text.GetString() << "\n" << errors.GetString());
    ASSERT_EQ(copy->m_type, source->m_type);
    if (source->m_type == InitSlaves) {
      ASSERT_EQ(copy->m_timeout.GetValue(), source->m_timeout.GetValue());
      ASSERT_EQ(copy->m_timeout.GetSelectedUnit(), source->m_timeout.GetSelectedUnit());
      continue;
    }
    ASSERT_EQ(copy->m_slave, source->m_slave);
    if (source->m_type == SendErrorMask) {
      ASSERT_EQ(copy->m_errorMask, source->m_errorMask);
    }
    if (source->m_type == CallFunction) {
      ASSERT_EQ(copy->m_functionName.GetLength(), source->m_functionName.GetLength());
      ASSERT_EQ(std::memcmp(copy->m_functionName, source->m_functionName, name.size()), 0);
      ASSERT_EQ(copy->m_waitForCompletion, source->m_waitForCompletion);
    }
  }
}
