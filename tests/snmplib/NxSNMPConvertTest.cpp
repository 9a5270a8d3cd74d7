#include "NxSNMPConvert.h"

#include "Exception.h"
#include "NxOptionList.h"
#include "NxRawOctets.h"
#include "NxValueCheck.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using snmp::Value;
using snmp::ValueType;

constexpr const char* kColumn = "1.3.6.1.4.1.32473.1.1.1";

std::string Bytes(std::initializer_list<int> octets) {
    std::string s;
    for (int o : octets)
        s += static_cast<char>(o);
    return s;
}

struct Column {
    int syntax;
    int access = readwrite;
};

// A table list whose leading columns are keys.
NxSNMPVarList MakeList(std::initializer_list<Column> columns, int keyCount) {
    NxSNMPVarList list;
    list.Kind = MVT_FMV;
    list.KeyCount = keyCount;
    int n = 1;
    for (const Column& c : columns) {
        auto item = std::make_unique<NxSNMPVarItem>();
        item->Oid = std::string(kColumn).substr(0, std::string(kColumn).size() - 1) + std::to_string(n++);
        item->Syntax = c.syntax;
        item->Access = c.access;
        list.Items.push_back(std::move(item));
    }
    return list;
}

NxSNMPVarList OneVar(int syntax) { return MakeList({{syntax}}, 0); }

std::string Received(int syntax, const Value& value) {
    NxSNMPVarList list = OneVar(syntax);
    VbToValue(list, 0, snmp::VarBind{snmp::Oid::Parse(kColumn).value(), value});
    return list.GetVar(0)->Value;
}

Value Sent(int syntax, const std::string& text) {
    NxSNMPVarList list = OneVar(syntax);
    list.GetVar(0)->Value = text;
    snmp::VarBind vb;
    ValueToVb(list, 0, vb);
    return vb.value;
}

template <typename F>
int ErrorCode(F&& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.HelpContext;
    }
    return 0;
}

const std::string kDateAndTime = Bytes({0x07, 0xDA, 4, 19, 13, 5, 0, 0, '+', 8, 0});
const std::string kDateAndTimeUtc = Bytes({0x07, 0xDA, 4, 19, 13, 5, 0, 0, '+', 0, 0});
const std::string kDouble1p5 = Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F});
const std::string kDate2000Noon = Bytes({0, 0, 0, 0, 0xD0, 0xD5, 0xE1, 0x40});  // 36526.5
const std::string kIPv6 = Bytes({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0x02, 0x11, 0x22, 0xFF, 0xFE, 0x33, 0x44, 0x55});

} // namespace

// Each value both ways: what a received value shows, and that the text sends that value again.
TEST(NxSNMPConvert, EverySyntaxBothWays) {
    struct Case { int syntax; Value value; const char* text; };
    const Case cases[] = {
        {sxBoolean, Value::Integer(1), "true"},
        {sxBoolean, Value::Integer(0), "false"},
        {sxInteger, Value::Integer(-42), "-42"},
        {sxInteger, Value::Integer(2147483647), "2147483647"},
        {sxOctetStr, Value::Octets(Bytes({0x00, 0x1A, 0xFF})), "001AFF"},
        {sxBitStr, Value::Octets(Bytes({0x80})), "80"},
        {sxOpaque, Value::Octets(Bytes({0x01, 0x02})), "0102"},
        {sxBitList, Value::Octets(Bytes({0xF0, 0x80})), "F080"},
        {sxMacAddress, Value::Octets(Bytes({0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC})), "001122AABBCC"},
        {sxIpv6Address, Value::Octets(kIPv6), "FE80000000000000021122FFFE334455"},
        {sxObjectId, Value::ObjectId(snmp::Oid::Parse("1.3.6.1.2.1").value()), "1.3.6.1.2.1"},
        {sxIpAddress, Value::IpAddress(Bytes({192, 168, 0, 1})), "192.168.0.1"},
        {sxNsapAddr, Value::IpAddress(Bytes({10, 0, 0, 255})), "10.0.0.255"},
        {sxGauge, Value::Unsigned32(ValueType::Gauge32, 4294967295u), "4294967295"},
        {sxTimeTicks, Value::Unsigned32(ValueType::TimeTicks, 12345), "0:02:03.45"},
        {sxCounter64, Value::Counter64(18446744073709551615ull), "18446744073709551615"},
        {sxCounter64, Value::Counter64(9007199254740993ull), "9007199254740993"},  // 2^53 + 1 stays exact
        {sxDouble, Value::Octets(kDouble1p5), "1.5"},
        {sxDateTime, Value::Octets(kDateAndTime), "2010-4-19,13:5:0.0,+8:0"},
        {sxBcDateTime, Value::Octets(kDate2000Noon), "2000/01/01 12:00:00"},
        {sxDisplayStr, Value::Octets("port 1"), "port 1"},
        {sxInetAddress, Value::Octets(Bytes({10, 1, 2, 3})), "10.1.2.3"},
        {sxInetAddress, Value::Octets(kIPv6), "FE80000000000000021122FFFE334455"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Received(c.syntax, c.value), c.text) << c.text;
        EXPECT_EQ(Sent(c.syntax, c.text), c.value) << c.text;
    }
}

TEST(NxSNMPConvert, ReceivedValuesThatReadOneWay) {
    struct Case { int syntax; Value value; const char* text; };
    const Case cases[] = {
        {sxCounter, Value::Unsigned32(ValueType::Counter32, 7), "7"},
        {sxUInteger, Value::Unsigned32(ValueType::Gauge32, 7), "7"},
        {sxBoolean, Value::Integer(5), "true"},
        {sxDisplayStr, Value::Octets(Bytes({'a', 'b', 0, 'c', 'd'})), "ab"},
        {sxDisplayStr, Value::Octets(""), ""},
        {sxDateTime, Value::Octets(kDateAndTimeUtc), "2010-4-19,13:5:0.0"},
        {sxDateTime, Value::Octets(kDateAndTime.substr(0, 8)), "2010-4-19,13:5:0.0"},
        {sxTimeTicks, Value::Unsigned32(ValueType::TimeTicks, 8640000), "1 day 0:00:00.00"},
        {sxTimeTicks, Value::Unsigned32(ValueType::TimeTicks, 17280100), "2 days, 0:00:01.00"},
        {sxTimeTicks, Value::Unsigned32(ValueType::TimeTicks, 4294967295u), "497 days, 2:27:52.95"},
        {sxInetAddress, Value::Octets(Bytes({10, 1, 2, 3, 4, 5})), "10.1.2.3"},
        {sxNull, Value::Null(), "(NULL)"},
        // No value or an exception: "(NULL)", the empty text for a display string, no digits for hex.
        {sxInteger, Value::Exception(ValueType::NoSuchInstance), "(NULL)"},
        {sxObjectId, Value::Exception(ValueType::EndOfMibView), "(NULL)"},
        {sxDisplayStr, Value::Exception(ValueType::NoSuchObject), ""},
        {sxOctetStr, Value::Null(), ""},
        {sxMacAddress, Value::Exception(ValueType::NoSuchInstance), ""},
        {sxInteger, Value::Octets(""), "(NULL)"},
        {sxTimeTicks, Value::Octets("x"), "(NULL)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Received(c.syntax, c.value), c.text) << c.text;
}

// Values shorter than their syntax needs never read past their end.
TEST(NxSNMPConvert, ShortReceivedValuesShowNull) {
    struct Case { int syntax; std::string octets; };
    const Case cases[] = {
        {sxIpAddress, Bytes({10, 1, 1})},
        {sxNsapAddr, ""},
        {sxDouble, kDouble1p5.substr(0, 7)},
        {sxBcDateTime, kDate2000Noon.substr(0, 4)},
        {sxDateTime, kDateAndTime.substr(0, 7)},
        {sxDateTime, ""},
        {sxInetAddress, Bytes({10, 1, 1})},
        {sxInetAddress, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Received(c.syntax, Value::Octets(c.octets)), "(NULL)") << c.syntax;
    // A date-time number outside the calendar is no date either.
    EXPECT_EQ(Received(sxBcDateTime, Value::Octets(Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x7F}))), "(NULL)");
}

TEST(NxSNMPConvert, TextsThatSendOneWay) {
    struct Case { int syntax; const char* text; Value value; };
    const Case cases[] = {
        {sxBoolean, "yes", Value::Integer(0)},
        {sxOctetStr, "1aff", Value::Octets(Bytes({0x1A, 0xFF}))},
        {sxOctetStr, "abc", Value::Octets(Bytes({0x0A, 0xBC}))},
        {sxOctetStr, "0 1 2", Value::Octets(Bytes({0x00, 0x12}))},
        {sxOctetStr, "", Value::Octets("")},
        {sxCounter, "7", Value::Unsigned32(ValueType::Gauge32, 7)},
        {sxTimeTicks, "1 day 0:00:00.00", Value::Unsigned32(ValueType::TimeTicks, 8640000)},
        {sxTimeTicks, "2 days, 0:00:01.00", Value::Unsigned32(ValueType::TimeTicks, 17280100)},
        {sxTimeTicks, "100", Value::Unsigned32(ValueType::TimeTicks, 0)},  // a bare number has no separators
        {sxTimeTicks, "1:30", Value::Unsigned32(ValueType::TimeTicks, 360000)},
        {sxInteger, " 12 ", Value::Integer(12)},
        {sxDateTime, "2010-4-19,13:5:0.0", Value::Octets(kDateAndTimeUtc)},
        {sxDateTime, "2010-4-19,13:5:0.0,-5:30", Value::Octets(Bytes({0x07, 0xDA, 4, 19, 13, 5, 0, 0, '-', 5, 30}))},
        {sxDisplayStr, "", Value::Octets("")},
        {sxNull, "anything", Value::Null()},
        // The zoned form: 16 octets, "%", then the zone's octets.
        {sxInetAddress, "FE80000000000000021122FFFE334455%0001", Value::Octets(kIPv6 + Bytes({0, 1}))},
        // 34 digits without "%" are just 17 octets.
        {sxOctetStr, "0102030405060708090A0B0C0D0E0F1011", Value::Octets(Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,
                                                                               13, 14, 15, 16, 17}))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sent(c.syntax, c.text), c.value) << c.text;
    for (int syntax : {int{sxInteger}, int{sxOctetStr}, int{sxDateTime}, int{sxInetAddress}, int{sxDisplayStr}})
        EXPECT_EQ(Sent(syntax, "(NULL)"), Value::Null()) << syntax;
}

TEST(NxSNMPConvert, TextsThatAreNoValueRaise518) {
    struct Case { int syntax; const char* text; };
    const Case cases[] = {
        {sxIpAddress, "10.1.1"},
        {sxIpAddress, "10.1.1.256"},
        {sxIpAddress, "switch"},
        {sxIpAddress, ""},
        {sxNsapAddr, "1.2.3.4.5"},
        {sxInetAddress, "not an address"},
        {sxInetAddress, "10.1.1.1x"},
        {sxOctetStr, "12G4"},
        {sxMacAddress, "00-11-22-33-44-5"},
        {sxMacAddress, "00-11.22-33-44-55"},
        {sxMacAddress, "00:11:22:33:44:55"},
        {sxBitList, "0x80"},
        {sxInetAddress, "FE80000000000000021122FFFE33445G"},
        {sxInteger, "abc"},
        {sxInteger, ""},
        {sxInteger, "2147483648"},
        {sxGauge, "-1"},
        {sxGauge, "4294967296"},
        {sxCounter64, "18446744073709551616"},
        {sxCounter64, "1.5e3"},
        {sxTimeTicks, "50000 days, 0:00:00.00"},
        {sxObjectId, "1.3.x"},
        {sxObjectId, ""},
        {sxDouble, "one"},
        {sxDateTime, "2010-4-19"},
        {sxBcDateTime, "2010/02/30 00:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorCode([&] { Sent(c.syntax, c.text); }), -518) << c.text;
}

// Every MAC text the MAC check accepts is sent as its six octets, whichever way it travels (a value, a bound
// edit's raw octets, an index key); one the check refuses is refused when sent too.
TEST(NxSNMPConvert, MacTextsTheCheckAcceptsAreSentAsTheirOctets) {
    const std::string octets = Bytes({0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC});
    for (const char* text : {"001122aabbcc", "00-11-22-AA-BB-CC", "00.11.22.aa.bb.cc"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(CheckMacText(text));
        EXPECT_EQ(Sent(sxMacAddress, text), Value::Octets(octets));
        EXPECT_EQ(TextToRaw(text, sxMacAddress), octets);
        NxSNMPVarList key = MakeList({{sxMacAddress, notaccess}}, 1);
        key.GetVar(0)->Value = text;
        EXPECT_EQ(BuildIndex(key, 0), "0.17.34.170.187.204");
    }
    for (const char* text : {"00-11-22-33-44-555", "00-11.22-33-44-55", "0-11-22-33-44-55", "00:11:22:33:44:55",
                             "00-11-22-33-44-GG", "00-11-22-33-44"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(CheckMacText(text));
        EXPECT_EQ(ErrorCode([&] { Sent(sxMacAddress, text); }), -518);
        EXPECT_EQ(ErrorCode([&] { TextToRaw(text, sxMacAddress); }), -518);
    }
}

TEST(NxSNMPConvert, UnknownSyntaxRaises511) {
    for (int syntax : {0, 7, 63, 79, 80, 82, 193, 198}) {
        NxSNMPVarList list = MakeList({{syntax}}, 1);
        list.GetVar(0)->Value = "1";
        snmp::VarBind vb;
        EXPECT_EQ(ErrorCode([&] { VbToValue(list, 0, vb); }), -511) << syntax;
        EXPECT_EQ(ErrorCode([&] { ValueToVb(list, 0, vb); }), -511) << syntax;
        EXPECT_EQ(ErrorCode([&] { ParseIndex(list, 0, "1"); }), -511) << syntax;
        EXPECT_EQ(ErrorCode([&] { BuildIndex(list, 0); }), -511) << syntax;
    }
}

TEST(NxSNMPConvert, OptionListsTranslateBothWays) {
    static const NxOptionPair pairs[] = {NxOptionPair::Int(1, "enabled"), NxOptionPair::Int(2, "disabled"),
                                         NxOptionPair::End()};
    NxOptionList options(pairs, NxOptionList::KindInteger);
    NxSNMPVarList list = MakeList({{sxInteger}}, 1);
    list.GetVar(0)->Options = &options;

    VbToValue(list, 0, snmp::VarBind{{}, Value::Integer(2)});
    EXPECT_EQ(list.GetVar(0)->Value, "disabled");
    snmp::VarBind vb;
    ValueToVb(list, 0, vb);
    EXPECT_EQ(vb.value, Value::Integer(2));
    EXPECT_EQ(BuildIndex(list, 0), "2");
    EXPECT_EQ(ParseIndex(list, 0, "1"), "");
    EXPECT_EQ(list.GetVar(0)->Value, "enabled");
    // A value the list does not know shows as it is.
    VbToValue(list, 0, snmp::VarBind{{}, Value::Integer(9)});
    EXPECT_EQ(list.GetVar(0)->Value, "9");
}

TEST(NxSNMPConvert, TimeTicksTextRoundTrips) {
    for (uint32_t ticks : {0u, 1u, 99u, 12345u, 359999u, 8639999u, 8640000u, 17280100u, 4294967295u})
        EXPECT_EQ(TimeTicksFromText(TimeTicksText(ticks)), ticks) << ticks;
}

// --- Index columns ---------------------------------------------------------------------------------

// One key column parsed from the front of an instance and built again.
TEST(NxSNMPIndex, EverySyntaxBothWays) {
    struct Case { int syntax; bool lastImplied; const char* instance; const char* value; };
    const Case cases[] = {
        {sxBoolean, false, "1", "true"},
        {sxInteger, false, "7", "7"},
        {sxInteger, false, "4294967295", "-1"},
        {sxGauge, false, "4294967295", "4294967295"},
        {sxTimeTicks, false, "12345", "0:02:03.45"},
        {sxCounter64, false, "1.2", "4294967298"},
        {sxDouble, false, "0.1073217536", "1.5"},
        {sxIpAddress, false, "10.1.1.1", "10.1.1.1"},
        {sxMacAddress, false, "0.17.34.170.187.204", "001122AABBCC"},
        {sxOctetStr, false, "3.0.26.255", "001AFF"},
        {sxOctetStr, true, "0.26.255", "001AFF"},
        {sxOctetStr, false, "0", ""},
        {sxObjectId, false, "3.1.3.6", "1.3.6"},
        {sxObjectId, true, "1.3.6", "1.3.6"},
        {sxDisplayStr, false, "2.97.98", "ab"},
        {sxDisplayStr, true, "97.98", "ab"},
        {sxIpv6Address, false, "254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85", "FE80000000000000021122FFFE334455"},
        {sxDateTime, false, "7.218.4.19.13.5.0.0.43.8.0", "2010-4-19,13:5:0.0,+8:0"},
        {sxBcDateTime, false, "0.1088542160", "2000/01/01 12:00:00"},
        {sxInetAddress, true, "10.1.2.3", "10.1.2.3"},
        {sxInetAddress, true, "254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85", "FE80000000000000021122FFFE334455"},
        {sxInetAddress, true, "254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85.1234",
         "FE80000000000000021122FFFE334455%1234"},
    };
    for (const Case& c : cases) {
        NxSNMPVarList list = MakeList({{c.syntax, c.lastImplied ? notaccess | implied : notaccess}}, 1);
        EXPECT_EQ(ParseIndex(list, 0, c.instance), "") << c.instance;
        EXPECT_EQ(list.GetVar(0)->Value, c.value) << c.instance;
        EXPECT_EQ(BuildIndex(list, 0), c.instance) << c.value;
    }
}

TEST(NxSNMPIndex, IndexFormsThatReadOneWay) {
    struct Case { int syntax; int access; const char* instance; const char* value; const char* rest; };
    const Case cases[] = {
        {sxNull, notaccess, "5", "(NULL)", "5"},
        {sxInetAddress, notaccess, "4.10.1.2.3", "10.1.2.3", ""},  // with a length prefix
        {sxInetAddress, notaccess, "1.2.3.4.5.6", "010203040506", ""},
        {sxDisplayStr, notaccess, "1.97.98", "a", "98"},
        {sxIpv6Address, notaccess | implied, "254.128", "FE80", ""},  // builds no index: fewer than 16 octets
    };
    for (const Case& c : cases) {
        NxSNMPVarList list = MakeList({{c.syntax, c.access}}, 1);
        EXPECT_EQ(ParseIndex(list, 0, c.instance), c.rest) << c.instance;
        EXPECT_EQ(list.GetVar(0)->Value, c.value) << c.instance;
    }
}

// A zone of any length reads as its number and builds the instance it was read from.
TEST(NxSNMPIndex, ZonesOfMoreThanFourDigitsComeBackWhole) {
    for (const char* zone : {"7", "12345", "4294967295"}) {
        const std::string instance = std::string("254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85.") + zone;
        NxSNMPVarList list = MakeList({{sxInetAddress, notaccess}}, 1);
        SplitInstance(list, instance);
        EXPECT_EQ(list.GetVar(0)->Value, std::string("FE80000000000000021122FFFE334455%") + zone);
        EXPECT_EQ(JoinInstance(list), instance);
        // Through a bound edit's raw octets and back, as an edit of the row writes it.
        list.GetVar(0)->Value = RawToText(TextToRaw(list.GetVar(0)->Value, sxInetAddress), sxInetAddress);
        EXPECT_EQ(JoinInstance(list), instance) << list.GetVar(0)->Value;
    }
}

// An address key followed by other keys carries its length first (4 or 16): the key shows the address alone.
TEST(NxSNMPIndex, LengthPrefixedAddressKeyBeforeOtherKeys) {
    struct Case { const char* instance; const char* address; const char* length; };
    const Case cases[] = {
        {"4.10.1.2.3.24", "10.1.2.3", "24"},
        {"16.254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85.64", "FE80000000000000021122FFFE334455", "64"},
        // Without a prefix, as the switch's own tables index it.
        {"10.0.0.3.24", "10.0.0.3", "24"},
    };
    for (const Case& c : cases) {
        NxSNMPVarList list = MakeList({{sxInetAddress, notaccess}, {sxGauge, notaccess}, {sxInteger, readwrite}}, 2);
        SplitInstance(list, c.instance);
        EXPECT_EQ(list.GetVar(0)->Value, c.address) << c.instance;
        EXPECT_EQ(list.GetVar(1)->Value, c.length) << c.instance;
        EXPECT_EQ(WriteInstance(list), c.instance);
    }
}

// While a row's keys keep the values read, a write goes to the instance the row was read from, also where a
// key's text does not give its sub-identifiers back; a changed key is built from its text.
TEST(NxSNMPIndex, UnchangedKeysAreWrittenWhereTheirRowWasRead) {
    NxSNMPVarList list = MakeList({{sxInetAddress, notaccess}, {sxGauge, notaccess}, {sxInteger, readwrite}}, 2);
    SplitInstance(list, "4.10.1.2.3.24");
    const NxSNMPVarList copy = list;  // the place travels with the values
    EXPECT_EQ(WriteInstance(copy), "4.10.1.2.3.24");
    list.GetVar(1)->Value = "25";
    EXPECT_EQ(WriteInstance(list), "10.1.2.3.25");
    list.GetVar(1)->Value = "24";
    EXPECT_EQ(WriteInstance(list), "4.10.1.2.3.24");

    NxSNMPVarList last = MakeList({{sxInetAddress, notaccess}, {sxInteger, readwrite}}, 1);
    SplitInstance(last, "4.10.1.2.3");
    EXPECT_EQ(last.GetVar(0)->Value, "10.1.2.3");
    EXPECT_EQ(WriteInstance(last), "4.10.1.2.3");
    // A row that cannot be read leaves no place behind.
    EXPECT_EQ(ErrorCode([&] { SplitInstance(last, "10.1"); }), -514);
    EXPECT_EQ(last.ReadInstance, "");
}

TEST(NxSNMPIndex, SubIdentifiersOverAnOctetAreNoKeyOfAnOctetSyntax) {
    // Cut to their low eight bits they would name another row: the instance does not fit its keys.
    struct Case { int syntax; int access; const char* instance; };
    const Case cases[] = {
        {sxOctetStr, notaccess, "1.300"},
        {sxMacAddress, notaccess, "1.300.301.302.303.304"},
        {sxDisplayStr, notaccess, "2.97.356"},
        {sxDisplayStr, notaccess | implied, "97.356"},
        {sxIpv6Address, notaccess, "254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.341"},
        {sxBoolean, notaccess, "257"},
        {sxDateTime, notaccess, "7.218.4.19.13.5.0.0.299.8.0"},
    };
    for (const Case& c : cases) {
        NxSNMPVarList list = MakeList({{c.syntax, c.access}}, 1);
        try {
            ParseIndex(list, 0, c.instance);
            ADD_FAILURE() << c.instance << " must be refused";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, -514) << c.instance;
        }
    }
}

TEST(NxSNMPIndex, ImpliedCountsOnlyForTheLastKey) {
    NxSNMPVarList list = MakeList({{sxDisplayStr, notaccess | implied}, {sxInteger, notaccess}}, 2);
    list.GetVar(0)->Value = "ab";
    list.GetVar(1)->Value = "7";
    EXPECT_EQ(BuildIndex(list, 0), "2.97.98");
    EXPECT_EQ(JoinInstance(list), "2.97.98.7");
    EXPECT_EQ(ParseIndex(list, 0, "2.97.98.7"), "7");
    EXPECT_EQ(list.GetVar(0)->Value, "ab");
}

TEST(NxSNMPIndex, AddressAndIntegerKeysSplitAndJoin) {
    NxSNMPVarList list = MakeList({{sxIpAddress, readonly}, {sxInteger, notaccess}, {sxDisplayStr, readonly}}, 2);
    SplitInstance(list, "10.1.1.1.7");
    EXPECT_EQ(list.GetVar(0)->Value, "10.1.1.1");
    EXPECT_EQ(list.GetVar(1)->Value, "7");
    EXPECT_EQ(JoinInstance(list), "10.1.1.1.7");
    // A key column that is not read follows the row with its cursor; a read one keeps its own.
    EXPECT_EQ(list.GetVar(1)->LastOid, list.GetVar(1)->Oid + ".10.1.1.1.7");
    EXPECT_EQ(list.GetVar(0)->LastOid, "");
    EXPECT_EQ(list.GetVar(2)->Value, "");
}

TEST(NxSNMPIndex, BlankOidKeyLivesOnlyInTheInstance) {
    NxSNMPVarList list = MakeList({{sxInteger, notaccess}, {sxInteger, notaccess}, {sxInteger, readonly}}, 2);
    list.GetVar(0)->Oid = " ";
    SplitInstance(list, "2.17");
    EXPECT_EQ(list.GetVar(0)->Value, "2");
    EXPECT_EQ(list.GetVar(1)->Value, "17");
    EXPECT_EQ(list.GetVar(0)->LastOid, "");
    EXPECT_EQ(list.GetVar(1)->LastOid, list.GetVar(1)->Oid + ".2.17");
    EXPECT_EQ(JoinInstance(list), "2.17");
}

TEST(NxSNMPIndex, ImpliedStringKeyTakesTheRestOfTheRow) {
    NxSNMPVarList list = MakeList({{sxInteger, notaccess}, {sxDisplayStr, notaccess | implied}}, 2);
    SplitInstance(list, "3.112.117.98.108.105.99");
    EXPECT_EQ(list.GetVar(0)->Value, "3");
    EXPECT_EQ(list.GetVar(1)->Value, "public");
    EXPECT_EQ(JoinInstance(list), "3.112.117.98.108.105.99");
}

// A list read with fewer keys than its table's index: the keys take the front of the row's instance, and the
// rest is kept for writes, which go to the whole instance.
TEST(NxSNMPIndex, FewerKeysThanTheIndexKeepTheRestOfTheInstanceForWrites) {
    struct Case { int keys; const char* instance; const char* joined; const char* rest; };
    const Case cases[] = {
        {3, "7.10.1.1.1.3.97.98.99", "7.10.1.1.1.3.97.98.99", ""},
        {2, "7.10.1.1.1.3.97.98.99", "7.10.1.1.1", "3.97.98.99"},
        {1, "7.10.1.1.1.3.97.98.99", "7", "10.1.1.1.3.97.98.99"},
        {0, "7.10.1.1.1.3.97.98.99", "", "7.10.1.1.1.3.97.98.99"},
    };
    for (const Case& c : cases) {
        NxSNMPVarList list = MakeList({{sxInteger, notaccess}, {sxIpAddress, notaccess}, {sxDisplayStr, notaccess},
                                       {sxInteger, readwrite}}, c.keys);
        SplitInstance(list, c.instance);
        EXPECT_EQ(JoinInstance(list), c.joined) << c.keys;
        EXPECT_EQ(list.IndexRest, c.rest) << c.keys;
        EXPECT_EQ(WriteInstance(list), c.instance) << c.keys;
    }
    // A changed key moves the write; the rest stays with the row.
    NxSNMPVarList list = MakeList({{sxInteger, notaccess}, {sxInteger, notaccess}, {sxInteger, readwrite}}, 1);
    SplitInstance(list, "4.5");
    list.GetVar(0)->Value = "6";
    EXPECT_EQ(WriteInstance(list), "6.5");
    list.IndexRest.clear();
    EXPECT_EQ(WriteInstance(list), "6");
}

// Instances shorter than their key columns need raise -514 and never read past their end.
TEST(NxSNMPIndex, ShortInstancesRaise514) {
    struct Case { int syntax; bool lastImplied; const char* instance; };
    const Case cases[] = {
        {sxIpAddress, false, "10.1.1"},
        {sxMacAddress, false, "0.17.34.170.187"},
        {sxCounter64, false, "1"},
        {sxDouble, false, "1"},
        {sxBcDateTime, false, "1"},
        {sxDateTime, false, "7.218.4.19.13.5.0.0.43.8"},
        {sxIpv6Address, false, "254.128.0.0"},
        {sxDisplayStr, false, "3.97.98"},
        {sxDisplayStr, false, "4294967295.1"},
        {sxOctetStr, false, "2.1"},
        {sxObjectId, false, "5.1.3"},
        {sxInetAddress, true, "10.1.1"},
        {sxInetAddress, false, "10.1"},
        {sxInteger, false, ""},
        {sxInteger, false, "1..2"},
    };
    for (const Case& c : cases) {
        NxSNMPVarList list = MakeList({{c.syntax, c.lastImplied ? notaccess | implied : notaccess}}, 1);
        EXPECT_EQ(ErrorCode([&] { ParseIndex(list, 0, c.instance); }), -514) << c.instance;
    }
}

TEST(NxSNMPIndex, RowWithFewerPartsThanKeysRaises514) {
    NxSNMPVarList list = MakeList({{sxInteger, notaccess}, {sxInteger, notaccess}}, 2);
    EXPECT_EQ(ErrorCode([&] { SplitInstance(list, "1"); }), -514);
    try {
        SplitInstance(list, "1");
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Bad key count of SNMP variable list!");
    }
    EXPECT_EQ(ErrorCode([&] { SplitInstance(list, ""); }), -514);
    // More key columns than variables.
    NxSNMPVarList broken = MakeList({{sxInteger, notaccess}}, 2);
    EXPECT_EQ(ErrorCode([&] { SplitInstance(broken, "1.2"); }), -514);
    EXPECT_EQ(ErrorCode([&] { JoinInstance(broken); }), -514);
}

TEST(NxSNMPIndex, BuildingFromUnsetKeysGivesZeroIndexes) {
    struct Case { int syntax; const char* index; };
    const Case cases[] = {
        {sxInteger, "0"}, {sxIpAddress, "0.0.0.0"}, {sxDisplayStr, "0"}, {sxOctetStr, "0"},
        {sxObjectId, "0"}, {sxInetAddress, "0.0.0.0"}, {sxMacAddress, ""}, {sxCounter64, "0.0"},
    };
    for (const Case& c : cases) {
        for (const char* unset : {"", "(NULL)"}) {
            NxSNMPVarList list = MakeList({{c.syntax, notaccess}}, 1);
            list.GetVar(0)->Value = unset;
            EXPECT_EQ(BuildIndex(list, 0), c.index) << c.syntax << " " << unset;
        }
    }
}

TEST(NxSNMPIndex, InetAddressKeyTexts) {
    struct Case { const char* value; const char* index; };
    const Case cases[] = {
        {"10.1.2.3", "10.1.2.3"},
        {"FE80000000000000021122FFFE334455", "254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85"},
        {"FE800000000000000211", ""},  // fewer than 16 octets give none
        {"FE80000000000000021122FFFE334455%7", "254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85.7"},
        {"FE80000000000000021122FFFE3344551234", "254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85.1234"},
        // A zone is one sub-identifier, whatever its number of digits.
        {"FE80000000000000021122FFFE334455%123456789", "254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85.123456789"},
        {"FE80000000000000021122FFFE334455%4294967295", "254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85.4294967295"},
    };
    for (const Case& c : cases) {
        NxSNMPVarList list = MakeList({{sxInetAddress, notaccess}}, 1);
        list.GetVar(0)->Value = c.value;
        EXPECT_EQ(BuildIndex(list, 0), c.index) << c.value;
    }
    for (const char* bad : {"10.1.2", "FE800000000000000211G2FFFE334455", "FE80000000000000021122FFFE334455%ab",
                            "FE80000000000000021122FFFE334455%4294967296", "FE80000000000000021122FFFE334455%"}) {
        NxSNMPVarList list = MakeList({{sxInetAddress, notaccess}}, 1);
        list.GetVar(0)->Value = bad;
        EXPECT_EQ(ErrorCode([&] { BuildIndex(list, 0); }), -518) << bad;
    }
}
