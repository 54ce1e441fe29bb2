#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "MC_Parameter.h"
#include "MC_DriveSetup.h"
#include "TimeValue.h"

TEST(CMC_Parameter, FreshValueIsZeroSeconds) {
  CMC_DriveSetup setup;
  CMC_Parameter p(setup);
  EXPECT_EQ(p.PrintValue(), "0");
  EXPECT_EQ(p.GetSelectedUnit(), "s");
  EXPECT_EQ(p.PrintValueForQEL(), "0");
}

TEST(CMC_Parameter, MotionLanguageTextCountsControlLoopPeriods) {
  CMC_DriveSetup setup;
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

// Units related by a power of ten convert exactly, as their decimals do; others show no noise.
TEST(CMC_Parameter, ConvertingKeepsThePhysicalValue) {
  const struct {
    double loopPeriodMs;
    const char* from;
    double value;
    const char* to;
    const char* shown;
  } cases[] = {
      {1, "s", 5, "ms", "5000"},           {1, "ms", 5, "s", "0.005"},
      {1, "s", 2147483.647, "IU", "2147483647"}, {1, "s", 2147483.647, "ms", "2147483647"},
      {1, "IU", 2147483647, "s", "2147483.647"}, {0.1, "s", 0.0003, "IU", "3"},
      {0.1, "IU", 3, "ms", "0.3"},         {10, "ms", 0.7, "IU", "0.07"},
      {0.3, "IU", 7, "s", "0.0021"},       {0.3, "ms", 0.6, "IU", "2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " " << c.from << " to " << c.to << " on a loop of " << c.loopPeriodMs);
    CMC_DriveSetup setup;
    setup.SetLoopPeriodMs(c.loopPeriodMs);
    CMC_Parameter p(setup);
    ASSERT_TRUE(p.SelectUnit(c.from));
    p.SetValue(c.value);
    ASSERT_TRUE(p.ConvertToUnit(c.to));
    EXPECT_EQ(p.PrintValue(), c.shown);
    EXPECT_EQ(p.GetSelectedUnit(), c.to);
  }
  CMC_DriveSetup setup;
  CMC_Parameter p(setup);
  EXPECT_FALSE(p.ConvertToUnit("min"));
  EXPECT_EQ(p.GetSelectedUnit(), "s");
}

TEST(CMC_Parameter, DisplayTextIsTheShortestDecimal) {
  CMC_DriveSetup setup;
  CMC_Parameter p(setup);
  p.SetValue(0.1);
  EXPECT_EQ(p.PrintValue(), "0.1");
  p.SetValue(2.5);
  EXPECT_EQ(p.PrintValue(), "2.5");
  p.SetValue(1.0 / 3.0);
  EXPECT_EQ(p.PrintValue(), "0.3333333333333333");
}

namespace {
MC_TIME_CHECK CheckTime(double loopPeriodMs, const char* unitName, const char* text, double& value) {
  CMC_DriveSetup setup;
  setup.SetLoopPeriodMs(loopPeriodMs);
  CMC_Parameter unit(setup);
  EXPECT_TRUE(unit.SelectUnit(unitName));
  return MC_CheckTime(text, static_cast<int>(std::strlen(text)), unit, value);
}
}  // namespace

// The one rule that the parameter text and the editor's timeout both apply: 2^31-1 control-loop
// periods are accepted, one more is not, whatever the unit and the loop period.
TEST(MC_CheckTime, AcceptsUpToTheLargestPeriodCountInEveryUnit) {
  const struct {
    double loopPeriodMs;
    const char* unit;
    const char* largest;
    const char* oneMore;
  } boundaries[] = {
      {1, "s", "2147483.647", "2147483.648"},    {1, "ms", "2147483647", "2147483648"},
      {1, "IU", "2147483647", "2147483648"},     {0.5, "s", "1073741.8235", "1073741.824"},
      {0.5, "ms", "1073741823.5", "1073741824"}, {0.5, "IU", "2147483647", "2147483648"},
      {2, "s", "4294967.294", "4294967.296"},
  };
  for (const auto& b : boundaries) {
    SCOPED_TRACE(testing::Message() << b.unit << " on a loop of " << b.loopPeriodMs << " ms");
    double value = 0;
    EXPECT_EQ(CheckTime(b.loopPeriodMs, b.unit, b.largest, value), MC_TIME_VALID) << b.largest;
    EXPECT_EQ(CheckTime(b.loopPeriodMs, b.unit, b.oneMore, value), MC_TIME_OUT_OF_RANGE) << b.oneMore;
  }
}

// Plain decimals only, finite and zero or more: what the C library would also take is refused.
TEST(MC_CheckTime, TakesOnlyThePlainDecimalSyntax) {
  for (const char* text : {"0x10", "inf", "nan", "", "1.5e", " 1", "1,5"}) {
    double value = 0;
    EXPECT_EQ(CheckTime(1, "s", text, value), MC_TIME_NOT_A_NUMBER) << text;
  }
  for (const char* text : {"-1", "1e300", "1e400", "3000000"}) {
    double value = 0;
    EXPECT_EQ(CheckTime(1, "s", text, value), MC_TIME_OUT_OF_RANGE) << text;
  }
  double value = -7;
  EXPECT_EQ(CheckTime(1, "s", "-0", value), MC_TIME_VALID);
  EXPECT_FALSE(std::signbit(value)) << "no negative zero";
}

// The largest time is accepted as shown, and stays accepted in every other unit.
TEST(MC_CheckTime, TheLargestTimeShownIsAccepted) {
  for (double loop : {1.0, 0.5, 0.3, 0.125, 3.0, 0.0829606350106947}) {
    for (const char* unitName : {"s", "ms", "IU"}) {
      for (const char* otherUnit : {"s", "ms", "IU"}) {
        SCOPED_TRACE(testing::Message() << unitName << " then " << otherUnit << " on a loop of " << loop << " ms");
        CMC_DriveSetup setup;
        setup.SetLoopPeriodMs(loop);
        CMC_Parameter max(setup);
        max.SelectUnit(unitName);
        max.SetValue(MC_MaxTime(max));
        CString shown = max.PrintValue();
        double value = 0;
        EXPECT_EQ(MC_CheckTime(shown, shown.GetLength(), max, value), MC_TIME_VALID) << shown;
        EXPECT_EQ(max.PrintValueForQEL(), "2147483647");
        max.ConvertToUnit(otherUnit);
        shown = max.PrintValue();
        EXPECT_EQ(MC_CheckTime(shown, shown.GetLength(), max, value), MC_TIME_VALID) << shown;
      }
    }
  }
}
