#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "MC_Parameter.h"
#include "MC_Setup.h"
#include "TimeValue.h"

TEST(CMC_Parameter, FreshValueIsZeroSeconds) {
  CMC_Setup setup;
  CMC_Parameter p(setup);
  EXPECT_EQ(p.PrintValue(), "0");
  EXPECT_EQ(p.GetSelectedUnit(), "s");
  EXPECT_EQ(p.PrintValueForQEL(), "0");
}

TEST(CMC_Parameter, MotionLanguageTextCountsControlLoopPeriods) {
  CMC_Setup setup;
  CMC_Parameter p(setup);
  p.SetValue(5);
  EXPECT_EQ(p.PrintValueForQEL(), "5000");
  setup.SetLoopPeriodMs(0.5);
  EXPECT_EQ(p.PrintValueForQEL(), "10000");
  ASSERT_TRUE(p.SelectUnit("IU"));
  p.SetValue(7);
  EXPECT_EQ(p.PrintValueForQEL(), "7");
  EXPECT_EQ(p.PrintValue(), "7");
}

TEST(CMC_Parameter, ConvertingKeepsThePhysicalValue) {
  CMC_Setup setup;
  CMC_Parameter p(setup);
  p.SetValue(5);
  ASSERT_TRUE(p.ConvertToUnit("ms"));
  EXPECT_EQ(p.PrintValue(), "5000");
  EXPECT_EQ(p.GetSelectedUnit(), "ms");
  p.SetValue(5);
  ASSERT_TRUE(p.ConvertToUnit("s"));
  EXPECT_EQ(p.PrintValue(), "0.005");
  EXPECT_FALSE(p.ConvertToUnit("min"));
  EXPECT_EQ(p.GetSelectedUnit(), "s");
}

TEST(CMC_Parameter, DisplayTextIsTheShortestDecimal) {
  CMC_Setup setup;
  CMC_Parameter p(setup);
  p.SetValue(0.1);
  EXPECT_EQ(p.PrintValue(), "0.1");
  p.SetValue(2.5);
  EXPECT_EQ(p.PrintValue(), "2.5");
  p.SetValue(1.0 / 3.0);
  EXPECT_EQ(p.PrintValue(), "0.3333333333333333");
}

namespace {
struct TimeCase {
  double loopPeriodMs;
  const char* unit;
  const char* text;
  MC_TIME_CHECK expected;
};
}  // namespace

// The one rule that the parameter text and the editor's timeout both apply.
TEST(MC_CheckTime, AcceptsPlainDecimalsUpToTheLargestPeriodCount) {
  const TimeCase cases[] = {
      {1, "s", "2147483.647", MC_TIME_VALID},     {1, "s", "2147483.648", MC_TIME_OUT_OF_RANGE},
      {1, "ms", "2147483647", MC_TIME_VALID},     {1, "ms", "2147483648", MC_TIME_OUT_OF_RANGE},
      {1, "IU", "2147483647", MC_TIME_VALID},     {1, "IU", "2147483648", MC_TIME_OUT_OF_RANGE},
      {0.5, "s", "1073741.8235", MC_TIME_VALID},  {0.5, "s", "1073741.824", MC_TIME_OUT_OF_RANGE},
      {0.5, "ms", "1073741823.5", MC_TIME_VALID}, {0.5, "ms", "1073741824", MC_TIME_OUT_OF_RANGE},
      {0.5, "IU", "2147483647", MC_TIME_VALID},   {0.5, "IU", "2147483648", MC_TIME_OUT_OF_RANGE},
      {2, "s", "4294967.294", MC_TIME_VALID},     {2, "s", "4294967.296", MC_TIME_OUT_OF_RANGE},
      {1, "s", "0", MC_TIME_VALID},               {1, "s", "-0", MC_TIME_VALID},
      {1, "s", "-1", MC_TIME_OUT_OF_RANGE},       {1, "s", "1e300", MC_TIME_OUT_OF_RANGE},
      {1, "s", "1e400", MC_TIME_OUT_OF_RANGE},    {1, "s", "3000000", MC_TIME_OUT_OF_RANGE},
      {1, "s", "0x10", MC_TIME_NOT_A_NUMBER},     {1, "s", "inf", MC_TIME_NOT_A_NUMBER},
      {1, "s", "nan", MC_TIME_NOT_A_NUMBER},      {1, "s", "", MC_TIME_NOT_A_NUMBER},
      {1, "s", "1.5e", MC_TIME_NOT_A_NUMBER},     {1, "s", " 1", MC_TIME_NOT_A_NUMBER},
  };
  for (const TimeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " " << c.unit << " on a loop of " << c.loopPeriodMs << " ms");
    CMC_Setup setup;
    setup.SetLoopPeriodMs(c.loopPeriodMs);
    CMC_Parameter unit(setup);
    ASSERT_TRUE(unit.SelectUnit(c.unit));
    double value = -7;
    EXPECT_EQ(MC_CheckTime(c.text, static_cast<int>(std::strlen(c.text)), unit, value), c.expected);
    if (c.expected == MC_TIME_VALID) {
      EXPECT_FALSE(std::signbit(value));
    }
  }
}

TEST(MC_CheckTime, TheLargestTimeShownIsAccepted) {
  for (double loop : {1.0, 0.5, 0.3, 0.125, 3.0}) {
    for (const char* unitName : {"s", "ms", "IU"}) {
      SCOPED_TRACE(testing::Message() << unitName << " on a loop of " << loop << " ms");
      CMC_Setup setup;
      setup.SetLoopPeriodMs(loop);
      CMC_Parameter max(setup);
      max.SelectUnit(unitName);
      max.SetValue(MC_MaxTime(max));
      CString shown = max.PrintValue();
      double value = 0;
      EXPECT_EQ(MC_CheckTime(shown, shown.GetLength(), max, value), MC_TIME_VALID) << shown;
      EXPECT_EQ(max.PrintValueForQEL(), "2147483647");
    }
  }
}
