#include "NxInputCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records every message a check shows.
struct Shown {
    std::vector<std::string> messages;
    ShowMessageFn Sink() { return [this](const std::string& m) { messages.push_back(m); }; }
};

} // namespace

TEST(NxInputCheck, IpAddressFaults) {
    using F = IpAddressFault;
    struct Case { const char* text; F fault; };
    const Case cases[] = {
        {"1.2.3.4", F::None}, {"0.0.0.0", F::None}, {"01.2.3.4", F::None}, {"1.1.1.0001", F::None},
        {"100.100.100.100", F::None},
        // The whole text is examined: nothing may follow the address.
        {"100.100.100.100xyz", F::Invalid}, {"100.100.100.100 ", F::Invalid}, {"100.100.100.100.", F::Dot},
        {"100.100.100.100.5", F::Invalid}, {"1.2.3.99999999999999999999", F::Invalid}, {"99999999999", F::Invalid},
        {"1.2.3", F::Invalid}, {"1.2.3.4.5", F::Invalid}, {"256.1.1.1", F::Invalid}, {"1.2.3.256", F::Invalid},
        {"00.1.1.1", F::Invalid}, {"1.1.1.00", F::Invalid}, {"0001.1.1.1", F::Invalid}, {"1.2.3.4 ", F::Invalid},
        {"", F::Invalid}, {"-1.2.3.4", F::Invalid},
        {".1.2.3", F::LeadingDot}, {"1..2.3", F::Dot}, {"1.2.3.", F::Dot}, {"1.2.3.x", F::Dot},
    };
    for (const Case& c : cases) EXPECT_EQ(FindIpAddressFault(c.text), c.fault) << c.text;
}

TEST(NxInputCheck, IsValidIPAddressShowsOneMessageOfItsKind) {
    struct Case { const char* text; bool ok; const char* message; };
    for (const Case& c : {Case{"1.2.3.4", true, nullptr}, Case{"1.2.3", false, "m"}, Case{"1..2.3.4", false, "dot"},
                          Case{".1.2.3", false, "lead"}}) {
        Shown shown;
        EXPECT_EQ(IsValidIPAddress(c.text, "m", "dot", "lead", shown.Sink()), c.ok) << c.text;
        EXPECT_EQ(shown.messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.text;
    }
}

TEST(NxInputCheck, HostAddressRules) {
    struct Case { const char* text; bool ok; };
    const Case cases[] = {
        {"", false}, {"10.100.100.1000", false}, {"10.100.100.10000", false}, {"100.100.100.1000x", false},
        {"0.0.0.0", true}, {"255.255.255.255", false}, {"255.255.255.254", false}, {"127.0.0.1", false},
        // Class D is 224-239, class E 240-255.
        {"222.1.1.1", true}, {"223.1.1.1", true}, {"223.255.255.254", true}, {"224.0.0.1", false},
        {"239.1.1.1", false}, {"240.1.1.1", false}, {"247.1.1.1", false}, {"248.1.1.1", false}, {"255.1.1.1", false},
        {"126.1.1.1", true}, {"128.1.1.1", true}, {"010.1.1.1", true},
        {"1.2.3", false}, {"1.2.3.4.5", false}, {"1..2.3", false}, {"1.2.3.", false}, {"1.2.3.a", false},
        {"1.2.3.256", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidHostAddress(c.text), c.ok) << c.text;
}

TEST(NxInputCheck, FixedLengthHex) {
    struct Case { const char* text; bool ok; };
    for (const Case& c : {Case{"88cc", true}, Case{"88CC", true}, Case{"88c", false}, Case{"88cc0", false},
                          Case{"", false}, Case{"88cg", false}}) {
        Shown shown;
        EXPECT_EQ(IsFixedLengthHex(c.text, 4, "Invalid Ethernet Type", shown.Sink()), c.ok) << c.text;
        EXPECT_EQ(shown.messages.size(), c.ok ? 0u : 1u) << c.text;
    }
    Shown silent;
    EXPECT_FALSE(IsFixedLengthHex("1", 4, "", silent.Sink()));
    EXPECT_TRUE(silent.messages.empty());
}

TEST(NxInputCheck, MacAddress) {
    struct Case { const char* text; bool ok; };
    for (const Case& c : {Case{"00112233aaBB", true}, Case{"00A0c9123456", true}, Case{"00:11:22:33:aa:BB", false},
                          Case{"00-A0-C9-12-34-56", false}, Case{"", false}, Case{"00A0C912345", false},
                          Case{"00A0C91234567", false}, Case{"00A0C912345G", false}}) {
        Shown shown;
        EXPECT_EQ(IsValidMACAddress(c.text, shown.Sink()), c.ok) << c.text;
        // Each refusal says so once.
        EXPECT_EQ(shown.messages, c.ok ? std::vector<std::string>{} : std::vector<std::string>{"Invalid MAC address"})
            << c.text;
    }
}

TEST(NxInputCheck, HexTextAndItsValue) {
    struct Case { const char* text; bool ok; };
    for (const Case& c : {Case{"", true}, Case{"ffff0000", true}, Case{"ffff00001", false}, Case{"ff-f", false}, Case{"g", false}})
        EXPECT_EQ(IsHexText(c.text, 8), c.ok) << c.text;
    struct Value { const char* text; uint32_t value; };
    for (const Value& v : {Value{"80", 128}, Value{"f0", 240}, Value{"1x2", 1}, Value{"", 0}, Value{"x1", 0},
                           Value{"100000000", 0}, Value{"FFFFFFFF", 0xFFFFFFFFu}, Value{"C0", 192}, Value{"c0", 192},
                           Value{"G1", 0}, Value{"1F ", 31}, Value{"0x1F", 0}})
        EXPECT_EQ(HexTextToInt(v.text), v.value) << v.text;
}
