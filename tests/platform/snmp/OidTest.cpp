#include "SnmpTypes.h"

#include <gtest/gtest.h>

using snmp::Oid;

TEST(Oid, ParsesAndPrintsDottedText) {
    struct Case { const char* text; std::optional<std::string> printed; };
    const Case cases[] = {
        {"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.1.0"},
        {".1.3.6", "1.3.6"},
        {"1.3.6.", "1.3.6.0"},           // trailing dot: last sub-id 0
        {"", ""},
        {"1..3", std::nullopt},
        {"1.3.x", std::nullopt},
        {"1.3.-1", std::nullopt},
        {"1.3.4294967296", std::nullopt}, // beyond 32 bits
        {"1.3.4294967295", "1.3.4294967295"},
        {".", std::nullopt},
        {"..1", std::nullopt},
        {"1.3..", std::nullopt},
        {"1.3 ", std::nullopt},
        {"+1.3", std::nullopt},
    };
    for (const auto& c : cases) {
        auto oid = Oid::Parse(c.text);
        ASSERT_EQ(oid.has_value(), c.printed.has_value()) << c.text;
        if (oid) {
            EXPECT_EQ(oid->ToString(), *c.printed) << c.text;
        }
    }
}

TEST(Oid, PrefixIsDecidedAtSubIdBoundaries) {
    auto column = *Oid::Parse("1.3.6.1.1.1");
    EXPECT_TRUE(Oid::Parse("1.3.6.1.1.1.5")->StartsWith(column));
    EXPECT_TRUE(column.StartsWith(column));
    EXPECT_FALSE(Oid::Parse("1.3.6.1.1.10.5")->StartsWith(column));
    EXPECT_FALSE(Oid::Parse("1.3.6.1.1")->StartsWith(column));
}

TEST(DottedText, EveryOctetInItsPlace) {
    struct Case { uint32_t address; const char* text; };
    const Case cases[] = {
        {0x00000000u, "0.0.0.0"},
        {0xFFFFFFFFu, "255.255.255.255"},
        {0x0A002710u, "10.0.39.16"},
        {0x7F000001u, "127.0.0.1"},
        {0xC0A80164u, "192.168.1.100"},
    };
    for (const Case& c : cases) EXPECT_EQ(snmp::DottedText(c.address), c.text);
}
