#include "NxRawOctets.h"

#include "Exception.h"
#include "NxSNMPVar.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.HelpContext;
    }
    return 0;
}

} // namespace

TEST(NxRawOctets, ValueTextsRoundTripThroughTheirOctets) {
    struct Case { int32_t syntax; const char* text; std::string octets; };
    const Case cases[] = {
        {sxBoolean, "true", Bytes({1, 0, 0, 0})},
        {sxBoolean, "false", Bytes({0, 0, 0, 0})},
        {sxInteger, "-2", Bytes({0xFE, 0xFF, 0xFF, 0xFF})},
        {sxOctetStr, "0A1B", Bytes({0x0A, 0x1B})},
        {sxObjectId, "1.3.6", Bytes({1, 0, 0, 0, 3, 0, 0, 0, 6, 0, 0, 0})},
        {sxIpAddress, "192.168.0.1", Bytes({192, 168, 0, 1})},
        {sxCounter, "4294967295", Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
        {sxTimeTicks, "0:02:03.45", Bytes({0x39, 0x30, 0, 0})},  // 12,345 hundredths
        {sxTimeTicks, "1 day 0:00:00.00", Bytes({0x00, 0xD6, 0x83, 0x00})},
        {sxTimeTicks, "2 days, 0:00:01.00", Bytes({0x64, 0xAC, 0x07, 0x01})},
        {sxCounter64, "4294967296", Bytes({0, 0, 0, 0, 1, 0, 0, 0})},
        {sxDouble, "1.5", Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F})},
        {sxMacAddress, "00112233AABB", Bytes({0, 0x11, 0x22, 0x33, 0xAA, 0xBB})},
        {sxDateTime, "2010-4-19,13:5:0.0,-5:30", Bytes({0x07, 0xDA, 4, 19, 13, 5, 0, 0, '-', 5, 30})},
        {sxDateTime, "2010-4-19,13:5:0.0", Bytes({0x07, 0xDA, 4, 19, 13, 5, 0, 0, '+', 0, 0})},
        {sxBcDateTime, "1899/12/31 12:00:00", Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F})},  // 1.5
        {sxDisplayStr, "abc", "abc"},
        {sxInetAddress, "10.0.0.1", Bytes({10, 0, 0, 1})},
        {sxBool8, "true", Bytes({1})},
        {sxInt8, "-1", Bytes({0xFF})},
        {sxUInt8, "255", Bytes({0xFF})},
        {sxBool16, "true", Bytes({0, 1})},
        {sxInt16, "-2", Bytes({0xFF, 0xFE})},
        {sxUInt16, "515", Bytes({2, 3})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextToRaw(c.text, c.syntax), c.octets) << c.syntax << " " << c.text;
        EXPECT_EQ(RawToText(c.octets, c.syntax), c.text) << c.syntax << " " << c.text;
    }
}

TEST(NxRawOctets, TextReadingRules) {
    EXPECT_EQ(TextToRaw("  12 ", sxInteger), Bytes({12, 0, 0, 0}));  // blanks around a number
    EXPECT_EQ(TextToRaw("+7", sxGauge), Bytes({7, 0, 0, 0}));
    EXPECT_EQ(TextToRaw("ABC", sxOctetStr), Bytes({0x0A, 0xBC}));      // an odd digit count: the first digit alone
    EXPECT_EQ(TextToRaw("12 34", sxOctetStr), Bytes({0x12, 0x34}));
    EXPECT_EQ(TextToRaw("100", sxTimeTicks), Bytes({0, 0, 0, 0}));       // a bare number gives 0
    EXPECT_EQ(TextToRaw(std::string(32, 'F'), sxInetAddress), std::string(16, '\xFF'));
    EXPECT_EQ(RawToText(Bytes({1, 2, 3, 4, 5}), sxIpAddress), "1.2.3.4");
    EXPECT_EQ(RawToText(Bytes({0x80, 0}), sxInt16), "-32768");
    EXPECT_EQ(RawToText(Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}), sxDouble), "1");
    EXPECT_EQ(RawToText(TextToRaw("0.1", sxDouble), sxDouble), "0.1");
    EXPECT_EQ(RawToText(TextToRaw("1e20", sxDouble), sxDouble), "1E20");
    EXPECT_EQ(RawToText(TextToRaw("0.0000015", sxDouble), sxDouble), "1.5E-6");
    EXPECT_EQ(RawToText(TextToRaw("2024/02/29 23:59:59", sxBcDateTime), sxBcDateTime), "2024/02/29 23:59:59");
    EXPECT_EQ(RawToText(TextToRaw("8640000", sxTimeTicks), sxTimeTicks), "0:00:00.00");  // digits alone give 0
    EXPECT_EQ(RawToText(Bytes({0x00, 0xD6, 0x83, 0x00}), sxTimeTicks), "1 day 0:00:00.00");
}

TEST(NxRawOctets, NullAndNoOctets) {
    for (int32_t syntax : {1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 81, 193, 194, 195, 196, 197, 198}) {
        EXPECT_EQ(TextToRaw("(NULL)", syntax), "") << syntax;
        EXPECT_EQ(RawToText("", syntax), syntax == sxDisplayStr ? "" : "(NULL)") << syntax;
        EXPECT_EQ(ExtractPart("", 3, syntax), "") << syntax;
    }
}

TEST(NxRawOctets, ShortValuesRaiseInsteadOfReadingPastTheEnd) {
    struct Case { int32_t syntax; size_t octets; };
    const Case cases[] = {
        {sxBoolean, 3}, {sxInteger, 3}, {sxIpAddress, 3}, {sxCounter, 1}, {sxTimeTicks, 2}, {sxCounter64, 7}, {sxDouble, 7},
        {sxMacAddress, 5}, {sxDateTime, 10}, {sxBcDateTime, 7}, {sxIpv6Address, 15}, {sxInetAddress, 3}, {sxBool16, 1},
        {sxInt16, 1}, {sxUInt16, 1}, {sxObjectId, 5},
    };
    for (const Case& c : cases) EXPECT_EQ(CodeOf([&] { RawToText(std::string(c.octets, '\1'), c.syntax); }), -518) << c.syntax;
}

TEST(NxRawOctets, BadSyntaxRaises511) {
    for (int32_t syntax : {0, 7, 63, 79, 80, 82, 192, 199}) {
        EXPECT_EQ(CodeOf([&] { TextToRaw("1", syntax); }), -511) << syntax;
        EXPECT_EQ(CodeOf([&] { RawToText("1", syntax); }), -511) << syntax;
        EXPECT_EQ(CodeOf([&] { ExtractPart("1", 0, syntax); }), -511) << syntax;
    }
}

TEST(NxRawOctets, TextsThatAreNoValueRaise518) {
    for (const char* text : {"", "yesterday", "2024/13/01", "2023/02/29", "2024/01/01 24:00:00"})
        EXPECT_EQ(CodeOf([&] { TextToRaw(text, sxBcDateTime); }), -518) << text;
    // Typed texts are never read in part, cut or wrapped.
    struct Case { int32_t syntax; const char* text; };
    const Case cases[] = {
        {sxOctetStr, "0G"}, {sxDouble, "x"},
        {sxInteger, "abc"}, {sxInteger, "12abc"}, {sxInteger, ""}, {sxInteger, "2147483648"}, {sxInteger, "-2147483649"},
        {sxGauge, "-1"}, {sxCounter, "4294967296"}, {sxUInteger, "5000000000"}, {sxCounter64, "18446744073709551616"},
        {sxCounter64, "-1"}, {sxBoolean, "yes"},
        {sxIpAddress, "10.1.2.300"}, {sxIpAddress, "1.2.3.4.5"}, {sxIpAddress, "1.2.3"}, {sxIpAddress, "1..2.3"},
        {sxInetAddress, "10.1.2.256"}, {sxObjectId, "1.3.x"}, {sxObjectId, "1.4294967296"},
        {sxInt8, "128"}, {sxInt8, "-129"}, {sxUInt8, "300"}, {sxUInt8, "-1"}, {sxInt16, "32768"}, {sxUInt16, "65536"},
        {sxBool8, "1"}, {sxTimeTicks, "8540159293385 days, 0:00:00.00"}, {sxTimeTicks, "497 days, 2:27:52.96"},
    };
    for (const Case& c : cases) EXPECT_EQ(CodeOf([&] { TextToRaw(c.text, c.syntax); }), -518) << c.syntax << " " << c.text;
}

TEST(NxRawOctets, ExtractPartCutsByWidth) {
    const std::string value = Bytes({1, 2, 3, 4});
    EXPECT_EQ(ExtractPart(value, 1, sxUInt16), Bytes({2, 3}));
    EXPECT_EQ(RawToText(ExtractPart(value, 1, sxUInt16), sxUInt16), "515");
    EXPECT_EQ(ExtractPart(value, 3, sxUInt8), Bytes({4}));
    EXPECT_EQ(ExtractPart(value, 0, sxIpAddress), value);
    EXPECT_EQ(ExtractPart(value, 2, sxOctetStr), Bytes({3, 4}));
    EXPECT_EQ(ExtractPart(value, 4, sxDisplayStr), "");
    EXPECT_EQ(ExtractPart(std::string(16, 'x'), 0, sxInetAddress).size(), 16u);
    EXPECT_EQ(ExtractPart(std::string(15, 'x'), 0, sxInetAddress).size(), 4u);
    for (auto [offset, syntax] : {std::pair{3, sxUInt16}, {1, sxIpAddress}, {5, sxOctetStr}, {-1, sxUInt8}, {4, sxBool8}})
        EXPECT_EQ(CodeOf([&] { ExtractPart(value, offset, syntax); }), -519) << offset << " " << syntax;
}

TEST(PortList, MaskToText) {
    struct Case { const char* hex; bool withHex; const char* text; };
    const Case cases[] = {
        {"F0800000", false, "1-4,9"}, {"00000000", false, "0"}, {"FF", false, "1-8"}, {"80000001", false, "1,32"},
        {"E8", true, "1-3,5[E8]"}, {"C0", false, "1-2"}, {"e8", false, "1-3,5"}, {"E8F", false, "1-3,5"},
        {"ZZ80", false, "9"}, {"", false, "0"}, {"01", false, "8"},
    };
    for (const Case& c : cases) EXPECT_EQ(PortListText(c.hex, c.withHex), c.text) << c.hex;
}

TEST(PortList, TextToMask) {
    const std::string stack96(192, '0');  // 12 units of 64 ports
    std::string unit2Port1 = stack96;
    unit2Port1[16] = '8';                 // port (2 - 1) x 64 + 1 = 65
    struct Case { const char* text; std::string tmpl; std::optional<std::string> mask; };
    const Case cases[] = {
        {"1-4,9", "00000000", "f0800000"},
        {"all", "0000", "ffff"},
        {"", "0000", "0000"},
        {"1,,2,", "0000", "c000"},
        {"32", "00000000", "00000001"},
        {"33", "00000000", std::nullopt},
        {"5-3", "00000000", std::nullopt},
        {"0", "00000000", std::nullopt},
        {"-3", "00000000", std::nullopt},
        {"3-", "00000000", std::nullopt},
        {"1:2", "00000000", std::nullopt},
        {"ALL", "0000", std::nullopt},
        {"65", stack96, unit2Port1},
        {"768", stack96, std::string(191, '0') + "1"},
        {"769", stack96, std::nullopt},
        {"1-12345678", stack96, std::nullopt},       // a range end longer than 7 characters
        {"99999999999999999999999", "00", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParsePortList(c.text, c.tmpl), c.mask) << c.text;
}

TEST(PortList, OverlongTextFailsCleanly) {
    std::string text = "1";
    while (text.size() <= 255) text += ",1";
    EXPECT_EQ(ParsePortList(text, "00"), std::nullopt);
    EXPECT_EQ(ParsePortList(text.substr(0, 255), "00"), "80");
}

TEST(PortList, TextAndMaskRoundTrip) {
    for (const char* text : {"1-3,5", "1,32", "2-31", "0"}) {
        std::optional<std::string> mask = ParsePortList(text, "00000000");
        if (std::string(text) == "0") {
            EXPECT_EQ(mask, std::nullopt);
            continue;
        }
        ASSERT_TRUE(mask) << text;
        EXPECT_EQ(PortListText(*mask, false), text);
    }
}
