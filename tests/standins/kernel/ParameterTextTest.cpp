// The kernel's parameter text: the item syntax, the read errors and the in-place writes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "MC_DriveMotion.h"
#include "MC_DriveSetup.h"
#include "MC_Kernel.h"
#include "ParameterTextReader.h"

namespace {
class ParameterText : public ::testing::Test {
protected:
  CString Radio(const char* text, int& field, int min = 0, int max = 3) {
    CString t(text);
    return m_data.ReadRadioParam(t, "Type", field, min, max);
  }
  CString Data(const char* text, CMC_Parameter& field, int& present) {
    CString t(text);
    return m_data.ReadOptionalDataParam(t, "ATIME", nullptr, nullptr, field, present);
  }
  CMC_DriveSetup m_setup;
  CMC_DriveMotion m_motion;
  CMC_EditMotionInternalData m_data{m_setup, m_motion};
};
}  // namespace

TEST_F(ParameterText, ReadsIntegersWithBlanksAroundTheSeparators) {
  int field = -1;
  EXPECT_EQ(Radio("Type=2;", field), "");
  EXPECT_EQ(field, 2);
  EXPECT_EQ(Radio(" Slave = 7 ;\r\n Type =\t3 ; ", field), "");
  EXPECT_EQ(field, 3);
  EXPECT_EQ(Radio("type=1;Type=+0;", field), "");  // keys are case-sensitive
  EXPECT_EQ(field, 0);
}

TEST_F(ParameterText, EachReadFaultIsOneLineNamingTheKey) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"", "Parameter Type is missing.\r\n"},
      {"Types=1;", "Parameter Type is missing.\r\n"},
      {"Type=1;Type=1;", "Parameter Type is given more than once.\r\n"},
      {"Type;", "Parameter Type has no '=' after its name.\r\n"},
      {"Type=1", "Parameter Type: ';' is missing after the value.\r\n"},
      {"Type=1 Slave=2;", "Parameter Type: ';' is missing after the value.\r\n"},
      {"Type=\"1;", "Parameter Type: the text in double quotes has no closing quote.\r\n"},
      {"Type=x1;", "Parameter Type: \"x1\" is not a whole number.\r\n"},
      {"Type=;", "Parameter Type: \"\" is not a whole number.\r\n"},
      {"Type=\"1\";", "Parameter Type: \"1\" is not a whole number.\r\n"},
      {"Type=1.0;", "Parameter Type: \"1.0\" is not a whole number.\r\n"},
      {"Type=4;", "Parameter Type: 4 is out of range (0 to 3).\r\n"},
      {"Type=-1;", "Parameter Type: -1 is out of range (0 to 3).\r\n"},
      {"Type=99999999999999999999999;", "Parameter Type: 99999999999999999999999 is out of range (0 to 3).\r\n"},
      {"Type=\x01\xff\r;", "Parameter Type: \"??\" is not a whole number.\r\n"},
      {"Type=1234567890123456789012345678901234567890x;",
       "Parameter Type: \"12345678901234567890123456789012...\" is not a whole number.\r\n"},
  };
  for (const Case& c : cases) {
    int field = 2;
    EXPECT_EQ(Radio(c.text, field), c.error) << c.text;
    EXPECT_EQ(field, 2) << "a failed read keeps the field: " << c.text;
  }
}

TEST_F(ParameterText, OneBadItemHidesNoOther) {
  int field = 0;
  EXPECT_EQ(Radio("Slave=1 Type=2;", field), "");  // Slave lacks its ';', Type still stands
  EXPECT_EQ(field, 2);
  EXPECT_EQ(Radio("Function=\"a;b\";Type=3;", field), "");  // ';' inside a string
  EXPECT_EQ(field, 3);
  EXPECT_EQ(Radio("Junk \"x=;\";;Type=1;", field), "");
  EXPECT_EQ(field, 1);
}

TEST_F(ParameterText, OptionalRadioIsSilent) {
  CString text("Wait=7;");
  int field = 1;
  m_data.ReadOptionalRadioParam(text, "Wait", field, 0, 1);
  EXPECT_EQ(field, 1);
  text = "Wait=0;";
  m_data.ReadOptionalRadioParam(text, "Wait", field, 0, 1);
  EXPECT_EQ(field, 0);
  text = "";
  m_data.ReadOptionalRadioParam(text, "Wait", field, 0, 1);
  EXPECT_EQ(field, 0);
}

TEST_F(ParameterText, HexaAcceptsEitherCaseAndChecksTheRange) {
  uint32_t mask = 7;
  CString text("MER_MASK=0xa0;");
  EXPECT_EQ(m_data.ReadHexaParam(text, "MER_MASK", mask, 0, 0xFFFFFFFFu), "");
  EXPECT_EQ(mask, 0xA0u);
  text = "MER_MASK=0XFFFFFFFF;";
  EXPECT_EQ(m_data.ReadHexaParam(text, "MER_MASK", mask, 0, 0xFFFFFFFFu), "");
  EXPECT_EQ(mask, 0xFFFFFFFFu);
  text = "MER_MASK=0x100000000;";
  EXPECT_EQ(m_data.ReadHexaParam(text, "MER_MASK", mask, 0, 0xFFFFFFFFu),
            "Parameter MER_MASK: 0x100000000 is out of range (0x0 to 0xFFFFFFFF).\r\n");
  text = "MER_MASK=0x1000000000000000000;";
  EXPECT_NE(m_data.ReadHexaParam(text, "MER_MASK", mask, 0, 0xFFFFFFFFu).Find("out of range"), -1);
  for (const char* bad : {"MER_MASK=160;", "MER_MASK=0x;", "MER_MASK=0xG1;", "MER_MASK=\"0x1\";"}) {
    text = bad;
    CString error = m_data.ReadHexaParam(text, "MER_MASK", mask, 0, 0xFFFFFFFFu);
    EXPECT_NE(error.Find("is not a hexadecimal number"), -1) << bad;
  }
  EXPECT_EQ(mask, 0xFFFFFFFFu);
}

TEST_F(ParameterText, StringsAreQuotedWithDoubledQuotes) {
  CString field("old");
  CString text("Function=\"Say \"\"Hi\"\"; now\";");
  EXPECT_EQ(m_data.ReadStringParam(text, "Function", field), "");
  EXPECT_EQ(field, "Say \"Hi\"; now");
  text = "Function=\"\";";
  EXPECT_EQ(m_data.ReadStringParam(text, "Function", field), "");
  EXPECT_EQ(field, "");
  text = "Function=Home;";
  EXPECT_EQ(m_data.ReadStringParam(text, "Function", field),
            "Parameter Function: \"Home\" is not a text in double quotes.\r\n");
  text = "Function=\"Home;";
  EXPECT_EQ(m_data.ReadStringParam(text, "Function", field),
            "Parameter Function: the text in double quotes has no closing quote.\r\n");
  text = CString("Function=\"F5\0x\";", 16);  // would be taken as F5 wherever a name is a const char*
  EXPECT_EQ(m_data.ReadStringParam(text, "Function", field),
            "Parameter Function: the text in double quotes holds a NUL character.\r\n");
  EXPECT_EQ(field, "");
}

TEST_F(ParameterText, TimesCarryTheirUnit) {
  CMC_Parameter field(m_setup);
  int present = -1;
  EXPECT_EQ(Data("ATIME=250[ms];", field, present), "");
  EXPECT_EQ(present, 1);
  EXPECT_EQ(field.PrintValue(), "250");
  EXPECT_EQ(field.GetSelectedUnit(), "ms");
  EXPECT_EQ(field.PrintValueForQEL(), "250");
  EXPECT_EQ(field.GetName(), "ATIME");
  EXPECT_EQ(Data("ATIME=1.5e1[IU];", field, present), "");
  EXPECT_EQ(field.PrintValue(), "15");
  EXPECT_EQ(Data("ATIME=-0[s];", field, present), "");
  EXPECT_EQ(field.PrintValue(), "0");
  EXPECT_FALSE(std::signbit(field.GetValue()));

  EXPECT_EQ(Data("Type=0;", field, present), "");  // optional: absent is no error
  EXPECT_EQ(present, 0);
  EXPECT_EQ(field.PrintValue(), "0");
}

// A time that does not read keeps the field's value; a finite one out of range still gives its
// number and unit, for an editor to show and refuse.
TEST_F(ParameterText, TimeFaultsKeepTheOldValue) {
  struct Case {
    const char* text;
    const char* error;
    const char* value;
  } cases[] = {
      {"ATIME=5;", "Parameter ATIME: \"5\" is not a number with its unit in square brackets.\r\n", "3"},
      {"ATIME=[s];", "Parameter ATIME: \"[s]\" is not a number with its unit in square brackets.\r\n", "3"},
      {"ATIME=inf[s];", "Parameter ATIME: \"inf[s]\" is not a number with its unit in square brackets.\r\n", "3"},
      {"ATIME=0x10[s];", "Parameter ATIME: \"0x10[s]\" is not a number with its unit in square brackets.\r\n", "3"},
      {"ATIME=5[min];", "Parameter ATIME: unknown unit \"min\" (s, ms or IU).\r\n", "3"},
      {"ATIME=5[S];", "Parameter ATIME: unknown unit \"S\" (s, ms or IU).\r\n", "3"},
      {"ATIME=-1[s];", "Parameter ATIME: -1[s] is out of range (0 to 2147483647 control-loop periods).\r\n", "-1"},
      {"ATIME=1e999[ms];", "Parameter ATIME: 1e999[ms] is out of range (0 to 2147483647 control-loop periods).\r\n", "3"},
      {"ATIME=2147484[s];", "Parameter ATIME: 2147484[s] is out of range (0 to 2147483647 control-loop periods).\r\n", "2147484"},
      {"ATIME=1[s];ATIME=2[s];", "Parameter ATIME is given more than once.\r\n", "3"},
  };
  for (const Case& c : cases) {
    CMC_Parameter field(m_setup);
    field.SetValue(3);
    int present = -1;
    EXPECT_EQ(Data(c.text, field, present), c.error) << c.text;
    EXPECT_EQ(present, 1) << c.text;
    EXPECT_EQ(field.PrintValue(), c.value) << c.text;
    EXPECT_EQ(field.GetSelectedUnit(), "s") << c.text;
  }
  CMC_Parameter field(m_setup);
  int present = 0;
  EXPECT_EQ(Data("ATIME=2147483[s];", field, present), "");  // the largest whole second on a 1 ms loop
  CString text("ATIME=5[s\0];", 12);  // a NUL inside the unit is no unit
  EXPECT_NE(m_data.ReadOptionalDataParam(text, "ATIME", nullptr, nullptr, field, present).Find("unknown unit"), -1);
}

TEST_F(ParameterText, QualifiedNamesAndDefaultUnit) {
  EXPECT_EQ(CMC_EditMotionInternalData::GetDataParamName("ATIME", nullptr, nullptr), "ATIME");
  EXPECT_EQ(CMC_EditMotionInternalData::GetDataParamName("ATIME", "X", ""), "ATIME_X");
  EXPECT_EQ(CMC_EditMotionInternalData::GetDataParamName("ATIME", "X", "2"), "ATIME_X_2");
  EXPECT_EQ(m_data.GetDefaultUnit("ATIME", nullptr, nullptr), "s");
  CMC_Parameter field(m_setup);
  int present = 0;
  CString text("ATIME=1[s];ATIME_X=2[ms];");
  EXPECT_EQ(m_data.ReadOptionalDataParam(text, "ATIME", "X", nullptr, field, present), "");
  EXPECT_EQ(field.PrintValue(), "2");
  EXPECT_EQ(field.GetName(), "ATIME_X");
}

TEST_F(ParameterText, WritesReplaceInPlaceOrAppend) {
  CString text;
  m_data.WriteRadioParam(text, "Type", 2);
  EXPECT_EQ(text, "Type=2;");
  m_data.WriteHexaParam(text, "MER_MASK", 0xA0);
  m_data.WriteStringParam(text, "Function", CString("a \"b\""));
  EXPECT_EQ(text, "Type=2;MER_MASK=0xA0;Function=\"a \"\"b\"\"\";");
  m_data.WriteRadioParam(text, "Type", -1);
  EXPECT_EQ(text, "Type=-1;MER_MASK=0xA0;Function=\"a \"\"b\"\"\";");

  text = "X=1; Type = 3 ;Y=\"Type=0;\"; Type=4;Z=2;";  // later duplicates go
  m_data.WriteRadioParam(text, "Type", 1);
  EXPECT_EQ(text, "X=1; Type=1;Y=\"Type=0;\"; Z=2;");
  text = "X=1";  // a last item left open is closed before the new one
  m_data.WriteRadioParam(text, "Type", 0);
  EXPECT_EQ(text, "X=1;Type=0;");
  text = "X=\"open";
  m_data.WriteRadioParam(text, "Type", 0);
  EXPECT_EQ(text, "X=\"open\";Type=0;");
  text = "Type=1 Slave=2;";
  m_data.WriteRadioParam(text, "Type", 0);
  EXPECT_EQ(text, "Type=0;Slave=2;");
  // Dropping a duplicate closes the item before it, which would otherwise run on into the item
  // after it and bring a third Type to light.
  text = "Type;=\"\"Type=1\"\"Type";
  m_data.WriteRadioParam(text, "Type", 0);
  EXPECT_EQ(text, "Type=0;=\"\";\"\"Type");
  int field = -1;
  EXPECT_EQ(m_data.ReadRadioParam(text, "Type", field, 0, 3), "");
  EXPECT_EQ(field, 0);
}

TEST_F(ParameterText, TimesAreWrittenUnderTheirItemName) {
  CMC_Parameter field(m_setup);
  CString text("Type=0;");
  m_data.WriteDataParam(text, field);  // never read: no item name, nothing written
  EXPECT_EQ(text, "Type=0;");
  int present = 0;
  CString source("ATIME=0.25[ms];");
  ASSERT_EQ(m_data.ReadOptionalDataParam(source, "ATIME", nullptr, nullptr, field, present), "");
  m_data.WriteDataParam(text, field);
  EXPECT_EQ(text, "Type=0;ATIME=0.25[ms];");
  m_motion.AddToElemParameters(text, "ATIME", "s", "5");
  EXPECT_EQ(text, "Type=0;ATIME=5[s];");
}

TEST_F(ParameterText, ReadsAnyBytesWithoutFault) {
  // Every byte value, NUL included, around and inside items.
  CString text;
  for (int i = 0; i < 256; ++i) {
    char ch = static_cast<char>(i);
    text.Append(&ch, 1);
    text += "=;\"";
  }
  int field = 0;
  CString copy(text);
  m_data.ReadRadioParam(copy, "Type", field, 0, 3);
  CString name;
  m_data.ReadStringParam(copy, "\"", name);
  m_data.WriteRadioParam(copy, "Type", 1);
  EXPECT_EQ(m_data.ReadRadioParam(copy, "Type", field, 0, 3), "");
  EXPECT_EQ(field, 1);
}

TEST_F(ParameterText, AWrittenItemAlwaysReadsBack) {
  // Texts of the syntax's own characters in any order: whatever stands there, an item written
  // into it reads back, and the reads stay within the text.
  const char alphabet[] = "Type=;\" \r\n\"=;x0[s]";
  unsigned seed = 1;
  for (int round = 0; round < 5000; ++round) {
    CString text;
    seed = seed * 1103515245u + 12345u;
    for (int n = static_cast<int>(seed >> 16) % 40; n > 0; --n) {
      seed = seed * 1103515245u + 12345u;
      text += alphabet[(seed >> 16) % (sizeof alphabet - 1)];
    }
    CString before(text);
    int field = 0;
    CString name;
    m_data.ReadRadioParam(text, "Type", field, 0, 3);
    m_data.ReadStringParam(text, "x", name);
    m_data.WriteRadioParam(text, "Type", 2);
    ASSERT_EQ(m_data.ReadRadioParam(text, "Type", field, 0, 3), "") << before.GetString() << " -> " << text.GetString();
    ASSERT_EQ(field, 2);
  }
}

// The reads of one text share what one pass over it found; a changed text must be read anew
// however it changed, and a text of many items must read as well as a short one.
TEST_F(ParameterText, ReadsFollowTheTextHoweverItChanges) {
  CString text("Type=1;Slave=2;");
  int type = -1, slave = -1;
  EXPECT_EQ(m_data.ReadRadioParam(text, "Type", type, 0, 3), "");
  EXPECT_EQ(type, 1);
  text.SetAt(5, '3');  // in place, same length
  EXPECT_EQ(m_data.ReadRadioParam(text, "Type", type, 0, 3), "");
  EXPECT_EQ(type, 3);
  text.Truncate(7);  // keeps the buffer
  text += "Slave=4;";
  EXPECT_EQ(m_data.ReadRadioParam(text, "Slave", slave, 0, 9), "");
  EXPECT_EQ(slave, 4);
  m_data.WriteRadioParam(text, "Slave", 5);
  EXPECT_EQ(m_data.ReadRadioParam(text, "Slave", slave, 0, 9), "");
  EXPECT_EQ(slave, 5);
  CString other("Slave=6;");
  EXPECT_EQ(m_data.ReadRadioParam(other, "Slave", slave, 0, 9), "");
  EXPECT_EQ(slave, 6);
  EXPECT_EQ(m_data.ReadRadioParam(text, "Type", type, 0, 3), "");
  EXPECT_EQ(type, 3);
  EXPECT_STREQ(text, "Type=3;Slave=5;");

  CString many;
  for (int i = 0; i < 40; ++i) many.AppendFormat("X%d=%d;", i, i);
  many += "Type=2;Slave=7;";
  EXPECT_EQ(m_data.ReadRadioParam(many, "Type", type, 0, 3), "");
  EXPECT_EQ(m_data.ReadRadioParam(many, "Slave", slave, 0, 9), "");
  EXPECT_EQ(type, 2);
  EXPECT_EQ(slave, 7);
  many += "Type=1;";
  EXPECT_EQ(m_data.ReadRadioParam(many, "Type", type, 0, 3), "Parameter Type is given more than once.\r\n");
}

// The index has room for the items there are, however long they are: 18 items in 10 MB, their
// values full of separators inside the quotes.
TEST(TextItemIndex, RoomFollowsTheItemsNotTheLength) {
  CString filler(';', 10 * 1000 * 1000 / 17), text;
  for (int i = 0; i < 17; ++i) text.AppendFormat("N%d=\"%s\";", i, filler.GetString());
  text += "Type=2;";
  CTextItemIndex index;
  MC_PARAM_ITEM item;
  EXPECT_EQ(index.Find(text, "Type", 4, item), 1);
  EXPECT_EQ(CString(item.value, item.valueLength), "2");
  EXPECT_EQ(index.Find(text, "N16", 3, item), 1);
  EXPECT_EQ(item.valueLength, filler.GetLength());
  EXPECT_LE(index.GetCapacity(), 2 * 18);
}

// An element's index goes back to the thread with the element, its text and its room on the heap
// let go, also with more elements reading at once than the thread has indexes for.
TEST(TextItemIndex, GoesBackWithItsElement) {
  CMC_DriveSetup setup;
  CMC_DriveMotion motion;
  long long live = AfxGetLiveAllocationCount();
  {
    CString texts[6];
    std::unique_ptr<CMC_EditMotionInternalData> data[6];
    for (int i = 0; i < 6; ++i) {
      for (int j = 0; j < 20; ++j) texts[i].AppendFormat("N%d=%d;", j, j);
      texts[i].AppendFormat("Type=%d;", i);
      data[i] = std::make_unique<CMC_EditMotionInternalData>(setup, motion);
    }
    for (int round = 0; round < 2; ++round)
      for (int i = 0; i < 6; ++i) {
        int type = -1;
        EXPECT_EQ(data[i]->ReadRadioParam(texts[i], "Type", type, 0, 9), "");
        EXPECT_EQ(type, i);
      }
  }
  EXPECT_EQ(AfxGetLiveAllocationCount(), live);
}

// Short decimals are converted without the C library: they must give its double exactly.
TEST_F(ParameterText, TimesReadAsTheCLibraryReadsThem) {
  const char* const numbers[] = {"5",     "0.1",   "0.3",      "2.675",       "123456.789012345", "2147483647",
                                 "0.000000000000001", "0.1234567890123456", "98765.4321098765", "1.5e1", "+12.50", ".5", "7."};
  for (const char* number : numbers) {
    CMC_Parameter field(m_setup);
    int present = -1;
    CString text;
    text.Format("ATIME=%s[IU];", number);
    Data(text, field, present);
    double expected = std::strtod(number, nullptr);
    double value = field.GetValue();
    EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << number;
  }
}
