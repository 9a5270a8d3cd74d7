#include "NxSNMPError.h"

#include "Exception.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

struct TableRange {
    const NxMessageTable* table;
    size_t size;
    int firstCode;   // code of text 0
    int codeStep;    // code of text i is firstCode + i * codeStep
};

const TableRange kRanges[] = {
    {&SnmpErrorMessages, 18, -101, -1},
    {&SnmpV3ErrorMessages, 17, -201, -1},
    {&SnmpUsmErrorMessages, 14, -301, -1},
    {&SnmpClassErrorMessages, 23, -401, -1},
    {&NxSNMPErrorMessages, 29, 0, 0},  // checked separately: text k is code -500 - k
};

} // namespace

TEST(NxSNMPError, TablesHaveTheirBuiltInSizes) {
    EXPECT_EQ(CommonErrorMessages.Size(), 26u);
    EXPECT_EQ(SnmpStatusTemplates.Size(), 2u);
    for (const TableRange& r : kRanges) EXPECT_EQ(r.table->Size(), r.size);
}

TEST(NxSNMPError, EveryTextIsReachableThroughItsCode) {
    for (const TableRange& r : kRanges) {
        if (r.codeStep == 0) continue;
        for (size_t i = 0; i < r.size; ++i) {
            int code = r.firstCode + static_cast<int>(i) * r.codeStep;
            EXPECT_EQ(NxSNMPErrorText(code), (*r.table)[i]) << code;
        }
    }
    EXPECT_EQ(NxSNMPErrorText(0), "Ok!");
    for (int k = 1; k <= 28; ++k) EXPECT_EQ(NxSNMPErrorText(-500 - k), NxSNMPErrorMessages[static_cast<size_t>(k)]) << k;
    EXPECT_EQ(NxSNMPErrorText(-1), " Bad logic operand!");
    EXPECT_EQ(NxSNMPErrorText(-2), " Bad format specifier of edit's constraint!");
}

TEST(NxSNMPError, TextsKeepTheirExactWording) {
    EXPECT_EQ(NxSNMPErrorText(-102), "(SNMP) Variable does not exist!");
    EXPECT_EQ(NxSNMPErrorText(-409), "(SNMPClass)Unknown error code!");
    EXPECT_EQ(NxSNMPErrorText(-420), "(SNMP Class) Transport is not supported!");
    EXPECT_EQ(NxSNMPErrorText(-506), "Cannot create the global ZiREVU++ session!");
    EXPECT_EQ(NxSNMPErrorText(-528), "Unknown error code!");
    EXPECT_EQ(CommonErrorMessages[14], " The source to dncrypt is not encrypted!");
    EXPECT_EQ(CommonErrorMessages[9],
              " Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,the count of the number is less than [MAXCOUNT]!");
    EXPECT_EQ(SnmpStatusTemplates[StatusTemplateSet], "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
}

TEST(NxSNMPError, CodesOutsideTheSpaceGiveTheUnknownText) {
    for (int code : {1, -3, -100, -119, -200, -218, -300, -315, -400, -424, -500, -529, -1000})
        EXPECT_EQ(NxSNMPErrorText(code), "Unknown error code!") << code;
}

TEST(NxSNMPError, MapSnmpResultOverTheRangeBoundaries) {
    struct Case { int result; int code; const char* text; };
    const Case cases[] = {
        {0, 0, "Ok!"}, {1400, 0, "Ok!"}, {-1401, 0, "Ok!"},
        {1401, -301, "(SNMPv3USM) error!"}, {1414, -314, "(SNMPv3USM) Address error!"},
        {1415, -528, "Unknown error code!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"}, {-1418, -217, "(SNMPv3) Report sent!"},
        {-1419, -528, "Unknown error code!"}, {-1400, -528, "Unknown error code!"},
        {1, -101, "(SNMP) Response PDU Too Big!"}, {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"}, {19, -528, "Unknown error code!"},
        {-1, -401, "(SNMPClass) Operation failed!"}, {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"}, {-24, -528, "Unknown error code!"},
    };
    for (const Case& c : cases) {
        NxSNMPError e = MapSnmpResult(c.result);
        EXPECT_EQ(e.Code, c.code) << c.result;
        EXPECT_EQ(e.Message, c.text) << c.result;
        EXPECT_EQ(NxSNMPErrorText(e.Code), e.Message) << c.result;
    }
}

TEST(NxSNMPError, RaiseThrowsTheTextWithTheCode) {
    try {
        RaiseNxSNMPError(-511);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Bad SNMP syntax!");
        EXPECT_EQ(e.HelpContext, -511);
    }
}

// Each test gets a fresh copy of a small table and a scratch file.
class MessageFileTest : public ::testing::Test {
protected:
    NxMessageTable table{"zero", "one", "two"};
    std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("qsw_msg_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".err");

    void Write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(MessageFileTest, BlankLinesAreSkippedAndOrderKept) {
    Write("A\n\n   \t\nB\n\nC\n");
    LoadMessageFile(table, path.string());
    ASSERT_EQ(table.Size(), 3u);
    EXPECT_EQ(table[0], "A");
    EXPECT_EQ(table[1], "B");
    EXPECT_EQ(table[2], "C");
}

TEST_F(MessageFileTest, CarriageReturnLineFeedIsCutAndLeadingBlanksStay) {
    Write("  Ok!\r\nsecond \r\nthird");
    LoadMessageFile(table, path.string());
    EXPECT_EQ(table[0], "  Ok!");
    EXPECT_EQ(table[1], "second ");
    EXPECT_EQ(table[2], "third");
}

TEST_F(MessageFileTest, ShortFileKeepsTheTextsItDoesNotReach) {
    Write("new zero\n");
    LoadMessageFile(table, path.string());
    ASSERT_EQ(table.Size(), 3u);
    EXPECT_EQ(table[0], "new zero");
    EXPECT_EQ(table[1], "one");
    EXPECT_EQ(table[2], "two");
}

TEST_F(MessageFileTest, MissingOrEmptyFileLeavesTheTable) {
    LoadMessageFile(table, (path.string() + ".missing"));
    EXPECT_EQ(table[1], "one");
    Write("\n  \r\n\t\n");
    LoadMessageFile(table, path.string());
    ASSERT_EQ(table.Size(), 3u);
    EXPECT_EQ(table[0], "zero");
}

TEST_F(MessageFileTest, OverlongLineIsOneMessage) {
    std::string longText(3000, 'x');
    longText += " end";
    Write(longText + "\nnext\n");
    LoadMessageFile(table, path.string());
    EXPECT_EQ(table[0], longText);
    EXPECT_EQ(table[1], "next");
    EXPECT_EQ(table[2], "two");
}

TEST_F(MessageFileTest, LongerFileGrowsTheTable) {
    Write("a\nb\nc\nd\n");
    LoadMessageFile(table, path.string());
    EXPECT_EQ(table.Size(), 4u);
    EXPECT_EQ(table[3], "d");
    EXPECT_EQ(table[4], "");  // beyond the table
}
