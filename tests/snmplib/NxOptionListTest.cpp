#include "NxOptionList.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

const NxOptionPair kEnabledDisabled[] = {
    NxOptionPair::Int(1, "enabled"), NxOptionPair::Int(2, "disabled"), NxOptionPair::End()};

} // namespace

TEST(NxOptionList, IntegerListConvertsBothWays) {
    NxOptionList list(kEnabledDisabled, NxOptionList::KindInteger);
    struct Case { const char* value; const char* text; };
    for (const Case& c : {Case{"2", "disabled"}, Case{"3", "3"}, Case{"(NULL)", "(NULL)"}, Case{"abc", "abc"}})
        EXPECT_EQ(list.ValueToText(c.value), c.text) << c.value;
    // Numbers beyond 32 bits, down to the lowest 64-bit one, name no option: they pass unchanged.
    for (const char* value : {"4294967297", "-9223372036854775808", "-$8000000000000000", "0x10000000000000001"})
        EXPECT_EQ(list.ValueToText(value), value);
    EXPECT_EQ(list.TextToValue("DISABLED"), "2");
    // One sign only: a second one (which would reach the lowest 64-bit number and negate it) names no option.
    for (const char* value : {"--9223372036854775808", "-$-8000000000000000", "-0x-8000000000000000", "--2", "+-2"})
        EXPECT_EQ(list.ValueToText(value), value);
    EXPECT_EQ(list.ValueToText(" +$2"), "disabled");
    EXPECT_EQ(list.TextToValue("2"), "2");  // a value given as text passes unchanged
    EXPECT_EQ(list.IndexOfText("Enabled"), 0);
    EXPECT_EQ(list.IndexOfValue("1"), 0);
}

TEST(NxOptionList, TheLowestAndHighest32BitValuesNameTheirOptions) {
    const NxOptionPair pairs[] = {NxOptionPair::Int(INT32_MIN, "lowest"), NxOptionPair::Int(INT32_MAX, "highest"),
                                  NxOptionPair::End()};
    NxOptionList list(pairs, NxOptionList::KindInteger);
    EXPECT_EQ(list.ValueToText("-2147483648"), "lowest");
    EXPECT_EQ(list.ValueToText("-$80000000"), "lowest");
    EXPECT_EQ(list.ValueToText("2147483647"), "highest");
    EXPECT_EQ(list.ValueToText("2147483648"), "2147483648");
    EXPECT_EQ(list.ValueToText("-2147483649"), "-2147483649");
}

TEST(NxOptionList, TableWithoutPairsGivesEmptyList) {
    const NxOptionPair none[] = {NxOptionPair::End()};
    NxOptionList list(none, NxOptionList::KindInteger);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(CountOptionPairs(nullptr), 0);
}

TEST(NxOptionList, PrefixListMapsTheBeginningOnly) {
    const NxOptionPair pairs[] = {NxOptionPair::Str("ab", "XY"), NxOptionPair::End()};
    NxOptionList list(pairs, NxOptionList::KindPrefix);
    EXPECT_EQ(list.ValueToText("AB-rest"), "XY-rest");
    EXPECT_EQ(list.ValueToText("a"), "a");
    EXPECT_EQ(list.TextToValue("XY-rest"), "ab-rest");
}

TEST(NxOptionList, FirstOfTwoEqualTextsWins) {
    const NxOptionPair pairs[] = {NxOptionPair::Int(1, "same"), NxOptionPair::Int(2, "same"), NxOptionPair::End()};
    NxOptionList list(pairs, NxOptionList::KindInteger);
    EXPECT_EQ(list.TextToValue("same"), "1");
}

TEST(NxOptionList, StringListComparesValuesWithoutCase) {
    const NxOptionPair pairs[] = {NxOptionPair::Str("1.3.6.1.6.3.10.1.1.2", "MD5"), NxOptionPair::End()};
    NxOptionList list(pairs, NxOptionList::KindString);
    EXPECT_EQ(list.ValueToText("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(list.TextToValue("md5"), "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(list.ValueToText("1.3.6.1.6.3.10.1.1.9"), "1.3.6.1.6.3.10.1.1.9");
}
