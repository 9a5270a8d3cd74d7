// The LLDP name texts both ways: the format, the three name sets and the round trip of the TLV sets.
#include "LldpNameTexts.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(LldpNameTexts, BitsShowAsTheNamesOfTheSetBits) {
    struct Case {
        const char* hex;
        const LldpNameSet* names;
        const char* text;
    };
    const Case cases[] = {
        {"C0", &LldpTlvNames, " Port Description,System Name"},
        {"F0", &LldpTlvNames, " Port Description,System Name,System Description,System Capabilities"},
        {"30", &LldpDot3TlvNames, " linkAggregation,maxFrameSize"},
        {"28", &LldpCapabilityNames, " bridge,router"},
        {"40", &LldpCapabilityNames, " repeater"},
        {"C0", &LldpCapabilityNames, " other,repeater"},
        {"01", &LldpCapabilityNames, " stationOnly"},
        {"00", &LldpTlvNames, " "},
        {"", &LldpCapabilityNames, " "},
        {"0F", &LldpTlvNames, " "},  // bits the set has no name for are not shown
    };
    for (const Case& c : cases) EXPECT_EQ(BitsToNameText(c.hex, *c.names), c.text) << c.hex;
}

TEST(LldpNameTexts, NamesFoundAnywhereInTheTextGiveTheirBits) {
    struct Case {
        const char* text;
        const LldpNameSet* names;
        const char* hex;
    };
    const Case cases[] = {
        {" ", &LldpTlvNames, "0"},
        {"System Name, Port Description", &LldpTlvNames, "C0"},
        {"system name", &LldpTlvNames, "0"},
        {"System Name,System Capabilities", &LldpTlvNames, "50"},
        {"System Name,System Name,words", &LldpTlvNames, "40"},
        {" powerViaMDI,linkAggregation", &LldpDot3TlvNames, "60"},
        {" macPhyConfigStatus,powerViaMDI,linkAggregation,maxFrameSize", &LldpDot3TlvNames, "F0"},
    };
    for (const Case& c : cases) EXPECT_EQ(NameTextToBits(c.text, *c.names), c.hex) << c.text;
}

TEST(LldpNameTexts, EveryTlvOctetComesBackAsItWent) {
    for (const LldpNameSet* names : {&LldpTlvNames, &LldpDot3TlvNames}) {
        for (unsigned x = 0; x < 256; x += 0x10) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X", x);
            char bare[4];
            std::snprintf(bare, sizeof bare, "%X", x);
            EXPECT_EQ(NameTextToBits(BitsToNameText(hex, *names), *names), bare) << hex;
        }
    }
}

}  // namespace
