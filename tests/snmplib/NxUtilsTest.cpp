#include "NxUtils.h"

#include <gtest/gtest.h>

TEST(JoinPath, JoinsWithOneSeparator) {
    EXPECT_EQ(JoinPath("/dir", "f.txt"), "/dir/f.txt");
    EXPECT_EQ(JoinPath("/dir/", "f.txt"), "/dir/f.txt");
    EXPECT_EQ(JoinPath("", "f.txt"), "f.txt");
}

TEST(NxBinaryString, OwnsACopyOfItsBytes) {
    NxBinaryString empty;
    EXPECT_EQ(empty.Length(), 0);
    EXPECT_EQ(empty.Data(), nullptr);
    char bytes[] = {1, 2, 3};
    NxBinaryString s(bytes, 3);
    bytes[0] = 9;
    ASSERT_EQ(s.Length(), 3);
    EXPECT_EQ(s.Data()[0], 1);
    NxBinaryString copy = s;
    s.Clear();
    EXPECT_EQ(copy.Length(), 3);
}

TEST(NxNumList, ParsesDelimitedNumbers) {
    struct Case { char delimiter; const char* text; std::vector<int32_t> items; };
    const Case cases[] = {
        {',', "0,2,15", {0, 2, 15}},
        {',', "3.7", {3}},             // the fraction is dropped
        {',', "3.7,4", {3, 4}},
        {',', "", {}},
        {'.', "1.3.6.1", {1, 3, 6, 1}},
        {',', "1,,2", {1, 0, 2}},      // an empty item is 0
        {',', "4294967295", {-1}},     // wraps in 32 bits
    };
    for (const Case& c : cases) {
        NxNumList list;
        list.Delimiter = c.delimiter;
        list.Parse(c.text);
        EXPECT_EQ(list.Items(), c.items) << c.text;
        EXPECT_EQ(list.CountItems(c.text), static_cast<int32_t>(c.items.size())) << c.text;
    }
}

TEST(NxNumList, ParsingAgainReplacesTheItems) {
    NxNumList list;
    list.Parse("1.2.3");
    list.Parse("7");
    EXPECT_EQ(list.Items(), std::vector<int32_t>{7});
    EXPECT_EQ(list.IndexOf(7), 0);
    EXPECT_EQ(list.IndexOf(1), -1);
}

TEST(NxNumList, UnsignedRangeCheck) {
    NxUNumList list;
    list.Delimiter = ',';
    EXPECT_TRUE(list.AllInRange(1, 4094));  // empty
    list.Parse("1,4094,20");
    EXPECT_TRUE(list.AllInRange(1, 4094));
    EXPECT_FALSE(list.AllInRange(2, 4094));
    list.Parse("4294967295");
    EXPECT_FALSE(list.AllInRange(0, 4094));  // compared unsigned
}
