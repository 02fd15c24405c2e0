#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstdint>
#include <ctime>

#include "TextFormats.h"

TEST(FormatN, GroupsThousandsAndAlignsRight)
{
    EXPECT_EQ(FormatN(0, 8), "       0");
    EXPECT_EQ(FormatN(999, 3), "999");
    EXPECT_EQ(FormatN(1000, 8), "   1,000");
    EXPECT_EQ(FormatN(int64_t{1234567890123}, 15), "1,234,567,890,123");
    EXPECT_EQ(FormatN(123456, 3), "123,456");  // wider than the field: not cut
    EXPECT_EQ(FormatN(-1, 5), "   -1");
    EXPECT_EQ(FormatN(-1234567, 12), "  -1,234,567");
    EXPECT_EQ(FormatN(INT64_MIN, 0), "-9,223,372,036,854,775,808");
}

TEST(FormatN, RoundsFractionsHalfAwayFromZero)
{
    EXPECT_EQ(FormatN(2.5, 5), "    3");
    EXPECT_EQ(FormatN(2.49, 5), "    2");
    EXPECT_EQ(FormatN(-2.5, 5), "   -3");
    EXPECT_EQ(FormatN(1234.6, 5), "1,235");
}

class LocalTimeTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override
    {
        unsetenv("TZ");
        tzset();
    }
    static std::chrono::system_clock::time_point At(std::time_t seconds)
    {
        return std::chrono::system_clock::from_time_t(seconds);
    }
};

TEST_F(LocalTimeTexts, DatesCarryEnglishWeekdays)
{
    // 2024-03-09 07:05:02 UTC, a Saturday; 2000-01-02 23:59:59, a Sunday.
    EXPECT_EQ(DateWeekTimeText(At(1709967902)), "24/03/09 Sat 07:05:02");
    EXPECT_EQ(DateTimeWeekText(At(1709967902)), "24/03/09 07:05:02 Sat");
    EXPECT_EQ(DateWeekTimeText(At(946857599)), "00/01/02 Sun 23:59:59");
    EXPECT_EQ(WeekdayText(1), "Mon");
    EXPECT_EQ(WeekdayText(7), "");
}
