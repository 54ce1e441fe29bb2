#include <gtest/gtest.h>

#include "MC_Parameter.h"
#include "MC_Setup.h"

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
