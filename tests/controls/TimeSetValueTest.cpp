// The time-setting box's value rules, without a window.
#include <gtest/gtest.h>

#include "TimeSetValue.h"

TEST(TimeSetValue, SpinStepsClampToTheRange)
{
    TimeSetValue low(30, 0);
    low.step(-SpinSteps[2]);
    EXPECT_EQ(low.value(), 0);
    low.step(-1);
    EXPECT_EQ(low.value(), 0);

    TimeSetValue high(32690, 0);
    high.step(SpinSteps[2]);
    EXPECT_EQ(high.value(), 32700);
    high.step(SpinSteps[0]);
    EXPECT_EQ(high.value(), 32700);

    // A value handed in outside the range starts at its nearer end.
    EXPECT_EQ(TimeSetValue(40000, 0).value(), 32700);
    EXPECT_EQ(TimeSetValue(-5, 0).value(), 0);
}

TEST(TimeSetValue, OnlyANonZeroValueBelowTheMinimumIsRaised)
{
    TimeSetValue three(3, 10);
    EXPECT_TRUE(three.raiseToMinimum());
    EXPECT_EQ(three.value(), 10);

    TimeSetValue zero(0, 10);
    EXPECT_FALSE(zero.raiseToMinimum());
    EXPECT_EQ(zero.value(), 0);

    TimeSetValue above(25, 10);
    EXPECT_FALSE(above.raiseToMinimum());
    EXPECT_EQ(above.value(), 25);
}
