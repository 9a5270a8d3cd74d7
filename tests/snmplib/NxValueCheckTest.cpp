#include "NxValueCheck.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Case { const char* text; bool ok; };

void ExpectAll(const std::function<bool(const std::string&)>& check, std::initializer_list<Case> cases) {
    for (const Case& c : cases) EXPECT_EQ(check(c.text), c.ok) << '"' << c.text << '"';
}

} // namespace

TEST(NxValueCheck, IpText) {
    ExpectAll(CheckIpText, {
        {"192.168.0.1", true}, {"0.0.0.0", true}, {"255.255.255.255", true}, {"001.2.3.4", true},
        {"192.168.0", false}, {"1.2.3.4.5", false}, {"1.2.3.256", false}, {"256.1.1.1", false}, {"1..2.3", false},
        {"1.2.3.", false}, {".1.2.3", false}, {"", false}, {"1.2.3.4 ", false}, {" 1.2.3.4", false},
        {"-1.2.3.4", false}, {"+1.2.3.4", false}, {"1.-2.3.4", false}, {"1.2.3.+4", false}, {"1.2.3.4x", false},
        {"0000000001.2.3.4", true}, {"00000000001.2.3.4", false},  // 17 characters fail whatever they hold
    });
}

TEST(NxValueCheck, MulticastIpText) {
    ExpectAll(CheckMulticastIpText, {
        {"224.0.0.1", true}, {"239.255.255.255", true}, {"223.1.1.1", false}, {"240.0.0.1", false}, {"224.0.0", false},
    });
}

TEST(NxValueCheck, Ipv6HexText) {
    ExpectAll(CheckIpv6HexText, {
        {"fe800000000000000000000000000001", true}, {"FE80000000000000000000000000000", false},
        {"FE8000000000000000000000000000010", false}, {"FE80000000000000000000000000000G", false},
    });
}

TEST(NxValueCheck, MacText) {
    ExpectAll(CheckMacText, {
        {"00-11-22-33-44-55", true}, {"00.11.22.33.44.55", true}, {"001122334455", true}, {"aa-bb-cc-dd-ee-ff", true},
        {"00-11-22-33-44", false}, {"0011223344", false}, {"0-11-22-33-44-55", false}, {"00-11-22-33-44-5", false},
        {"00-11-22-33-44-55-66", false}, {"00-11-22-33-44-GG", false}, {"00112233445G", false}, {"", false},
        // Two digits to a group and one separator kind: the forms a MAC value is sent in.
        {"00-11-22-33-44-555", false}, {"00-11-22-33-44-55x", false}, {"000-11-22-33-44-55", false},
        {"00-11.22-33-44-55", false}, {"00.11.22.33.44.55-", false}, {"00:11:22:33:44:55", false},
    });
}

TEST(NxValueCheck, MulticastAndUnicastMacText) {
    ExpectAll(CheckMulticastMacText, {
        {"01-00-5E-00-00-01", true}, {"00-00-5E-00-00-01", false}, {"0a-00-5E-00-00-01", false},
        {"FF-FF-FF-FF-FF-FF", false}, {"ff-ff-ff-ff-ff-ff", false}, {"01-00-00-00-00-00", false}, {"03005E000001", true},
    });
    ExpectAll(CheckUnicastMacText, {
        {"00-11-22-33-44-55", true}, {"01-00-5E-00-00-01", false}, {"00-00-00-00-00-00", false}, {"000000000000", false},
        {"0B-00-00-00-00-01", false}, {"0A-00-00-00-00-01", true},
    });
}

TEST(NxValueCheck, NetmaskText) {
    ExpectAll(CheckNetmaskText, {
        {"255.255.255.0", true}, {"255.255.128.0", true}, {"255.255.255.255", true}, {"128.0.0.0", true},
        {"255.0.255.0", false}, {"255.255.255.1", false}, {"255.128.128.0", false}, {"0.0.0.0", false},
        {"255.255.0", false}, {"255.255.255.0.0", false}, {"-255.255.255.0", false}, {"255.255.255.", false},
        {"192.255.0.0", false},
    });
}

TEST(NxValueCheck, NormalizeHexWordRewritesOnlyOnSuccess) {
    struct Rewrite { const char* text; bool ok; const char* after; };
    for (const Rewrite& c : {Rewrite{"8100", true, "8100"}, Rewrite{"81", true, "0081"}, Rewrite{"abc", true, "0ABC"},
                             Rewrite{"", true, "0000"}, Rewrite{"12345", false, "12345"}, Rewrite{"81G0", false, "81G0"},
                             Rewrite{"8 1", false, "8 1"}}) {
        std::string text = c.text;
        EXPECT_EQ(NormalizeHexWordText(text), c.ok) << c.text;
        EXPECT_EQ(text, c.after) << c.text;
    }
}
