#include "NxDateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

NxDateTime Fields(uint16_t y, uint8_t mo, uint8_t d, uint8_t h, uint8_t mi, uint8_t s, uint8_t ds, char dir = '+',
                  uint8_t uh = 0, uint8_t um = 0) {
    NxDateTime dt(std::string{});
    dt.Year = y, dt.Month = mo, dt.Day = d, dt.Hour = h, dt.Minutes = mi, dt.Seconds = s, dt.DeciSeconds = ds;
    dt.Direction = dir, dt.UtcHours = uh, dt.UtcMinutes = um;
    return dt;
}

} // namespace

TEST(NxDateTime, TextFormsBothWays) {
    struct Case { NxDateTime dt; const char* text; };
    const Case cases[] = {
        {Fields(2010, 4, 19, 13, 5, 0, 0, '-', 5, 30), "2010-4-19,13:5:0.0,-5:30"},
        {Fields(2010, 4, 19, 13, 5, 0, 0, '+', 8, 0), "2010-4-19,13:5:0.0,+8:0"},
        {Fields(2010, 4, 19, 13, 5, 0, 0), "2010-4-19,13:5:0.0"},
        {Fields(1999, 12, 31, 23, 59, 60, 9), "1999-12-31,23:59:60.9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.dt.ToString(), c.text);
        NxDateTime parsed(std::string{});
        EXPECT_TRUE(parsed.Parse(c.text)) << c.text;
        EXPECT_EQ(parsed, c.dt) << c.text;
    }
}

TEST(NxDateTime, ZeroOffsetIsNotShown) {
    EXPECT_EQ(Fields(2010, 4, 19, 13, 5, 0, 0, '-', 0, 0).ToString(), "2010-4-19,13:5:0.0");
    // A direction octet that is neither sign leaves the offset out as well.
    EXPECT_EQ(Fields(2010, 4, 19, 13, 5, 0, 0, 0, 8, 0).ToString(), "2010-4-19,13:5:0.0");
}

TEST(NxDateTime, IncompleteTextsKeepWhatTheyGaveAndReportIt) {
    NxDateTime dt(std::string{});
    EXPECT_FALSE(dt.Parse("2010-4-19"));
    EXPECT_EQ(dt, Fields(2010, 4, 19, 0, 0, 0, 0));
    EXPECT_FALSE(dt.Parse("yesterday"));
    EXPECT_EQ(dt, Fields(0, 0, 0, 0, 0, 0, 0));
    // Numbers are cut to their field's width.
    EXPECT_TRUE(dt.Parse("70000-4-19,13:5:0.0,+300:0"));
    EXPECT_EQ(dt.Year, 70000 % 65536);
    EXPECT_EQ(dt.UtcHours, 300 % 256);
}

TEST(NxDateTime, WireOctetsCarryTheYearMostSignificantFirst) {
    const NxDateTime dt = Fields(2010, 4, 19, 13, 5, 0, 0, '+', 8, 0);
    const std::string wire("\x07\xDA\x04\x13\x0D\x05\x00\x00+\x08\x00", 11);
    EXPECT_EQ(dt.ToOctets(), wire);
    EXPECT_EQ(NxDateTime::FromOctets(wire), dt);
    // The short form without offset, and values too short to be one.
    EXPECT_EQ(NxDateTime::FromOctets(wire.substr(0, 8)), Fields(2010, 4, 19, 13, 5, 0, 0));
    EXPECT_FALSE(NxDateTime::FromOctets(wire.substr(0, 7)).has_value());
    EXPECT_FALSE(NxDateTime::FromOctets("").has_value());

    NxDateTime swapped = dt;
    swapped.SwapYear();
    EXPECT_EQ(swapped.Year, 0xDA07);
}

TEST(NxDateTime, DefaultIsNowWithoutOffset) {
    const NxDateTime now;
    EXPECT_GE(now.Year, 2020);
    EXPECT_GE(now.Month, 1);
    EXPECT_LE(now.Month, 12);
    EXPECT_EQ(now.Direction, '+');
    EXPECT_EQ(now.UtcHours, 0);
}

TEST(GeneralRealFormat, FormatsLikeTheClassLibrary) {
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {0, "0"},
        {1, "1"},
        {4094, "4094"},
        {-2.25, "-2.25"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {123456789012345, "123456789012345"},
        {1e15, "1E15"},
        {1e20, "1E20"},
        {-1.5e20, "-1.5E20"},
        {0.0001, "0.0001"},
        {0.00012, "0.00012"},
        {0.00001, "1E-5"},
        {1.5e-7, "1.5E-7"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::nan(""), "NAN"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FloatToText(c.value), c.text) << c.text;
}

TEST(GeneralRealFormat, ReadsWholeNumbersOnly) {
    struct Case { const char* text; double value; };
    const Case good[] = {{"1", 1}, {" 1.5 ", 1.5}, {"+2", 2}, {"-3e2", -300}, {"1E-5", 1e-5}, {".5", 0.5}, {"5.", 5}};
    for (const Case& c : good) {
        auto value = TextToFloat(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
    }
    EXPECT_TRUE(std::isinf(*TextToFloat("INF")));
    EXPECT_LT(*TextToFloat("-inf"), 0);
    EXPECT_TRUE(std::isnan(*TextToFloat("NAN")));
    for (const char* bad : {"", " ", "abc", "1.2.3", "1,5", "0x10", "1e", "e5", ".", "1 2", "1e999", "--1"})
        EXPECT_FALSE(TextToFloat(bad).has_value()) << bad;
}

TEST(DateTimeNumber, FormatsDaysSinceTheBaseDate) {
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {0, "1899/12/30 00:00:00"},
        {1.75, "1899/12/31 18:00:00"},
        {36526, "2000/01/01 00:00:00"},
        {36526.5, "2000/01/01 12:00:00"},
        {-1.25, "1899/12/29 06:00:00"},  // before the base date the fraction still counts forward
        {-693593, "0001/01/01 00:00:00"},
        {2958465.99998, "9999/12/31 23:59:58"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateTimeNumberToText(c.value), c.text) << c.text;
    for (double bad : {-693594.0, 2958466.0, 1e300, std::nan(""), std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(DateTimeNumberToText(bad).has_value()) << bad;
}

TEST(DateTimeNumber, ReadsTheDateTimeFormBack) {
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"2000/01/01 12:00:00", 36526.5},
        {"2000/1/1", 36526},
        {" 2000/01/01 06:00 ", 36526.25},
        {"1899/12/29 06:00:00", -1.25},
        {"2000/02/29 00:00:00", 36585},
    };
    for (const Case& c : cases) {
        auto value = TextToDateTimeNumber(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
    }
    const char* text = "2010/04/19 13:05:07";
    EXPECT_EQ(DateTimeNumberToText(*TextToDateTimeNumber(text)), text);
    for (const char* bad : {"", "abc", "2010-4-19", "2010/13/01", "2010/02/30", "1999/02/29", "0/01/01",
                            "2010/04/19 24:00", "2010/04/19 12:60", "2010/04/19 12", "2010/04/19x", "12345/1/1"})
        EXPECT_FALSE(TextToDateTimeNumber(bad).has_value()) << bad;
}

TEST(DateTimeNumber, NowIsToday) {
    const double now = NowDateTimeNumber();
    const NxDateTime today;
    const std::string text = *DateTimeNumberToText(now);
    char date[16];
    std::snprintf(date, sizeof date, "%04d/%02d/%02d", today.Year, today.Month, today.Day);
    // Equal unless the test runs across midnight.
    EXPECT_TRUE(text.rfind(date, 0) == 0 || now - std::floor(now) < 0.001) << text;
}
