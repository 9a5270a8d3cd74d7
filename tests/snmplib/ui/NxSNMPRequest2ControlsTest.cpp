// The request bound to a form against the switch simulator: status lines in every target kind, blocking and
// asynchronous Get and Set, agent errors, time-outs, stopped walks, failed sends, and one read at a time.
#include "NxSNMPRequest2Controls.h"

#include "BindingTestSupport.h"
#include "ComCtrls.h"
#include "Exception.h"
#include "HostileAgent.h"
#include "StdCtrls.h"
#include "TestHooks.h"
#include "TestTables.h"

#include <cctype>
#include <cstdint>

namespace {

using namespace bindtest;

// Records the steps the base class calls.
class Probe : public NxSNMPRequest2Controls {
public:
    using NxSNMPRequest2Controls::NxSNMPRequest2Controls;
    std::vector<std::string> steps;
    std::vector<std::vector<std::string>> rows;
    std::function<void()> onRow;

protected:
    void BeforeGet() override { steps.push_back("BeforeGet"); }
    void BeforeSet() override { steps.push_back("BeforeSet"); }
    void RowReceived() override {
        std::vector<std::string> row;
        for (int i = 0; i < Request.Vars.GetCount(); ++i) row.push_back(Request.Vars.GetVar(i)->Value);
        rows.push_back(row);
        if (onRow) onRow();
    }
    void AfterGet() override { steps.push_back("AfterGet"); }
    void AfterSet() override { steps.push_back("AfterSet"); }
};

// The line with its "hh:nn:ss" written as TIME.
std::string Timeless(const std::string& line) {
    auto digit = [&](size_t i) { return std::isdigit(static_cast<unsigned char>(line[i])) != 0; };
    for (size_t i = 0; i + 8 <= line.size(); ++i)
        if (digit(i) && digit(i + 1) && line[i + 2] == ':' && digit(i + 3) && digit(i + 4) && line[i + 5] == ':' &&
            digit(i + 6) && digit(i + 7))
            return line.substr(0, i) + "TIME" + line.substr(i + 8);
    return line;
}

class Request2ControlsTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        AimAt(Sim().Port());
        Sim().Control("clear");
        SeedSim(ScalarLines());
        SeedSim(RowLines(5));
        bar = Make<ui::StatusBar>();
        panel = bar->Panels().Add();
        request = std::make_unique<Probe>(form);
        request->Request.Timeout = 50;
        request->Request.Retries = 0;
    }
    void TearDown() override {
        request.reset();
        Sim().Control("clear");
        FormTest::TearDown();
    }
    void UseScalars() { request->Request.Vars = NxSNMPVarList(ScalarTable, SVT_SV, 0); }
    void UseTable(NxVarListKind kind = MVT_FMV) { request->Request.Vars = NxSNMPVarList(RowTable, kind, 1); }
    bool WaitIdle() { return RunUntil([&] { return !request->Busy && request->Request.PendingCount == 0; }); }

    ui::StatusBar* bar = nullptr;
    ui::StatusPanel* panel = nullptr;
    std::unique_ptr<Probe> request;
};

// ---------------------------------------------------------------------------------------------- status lines

struct StatusCase {
    int templateIndex;
    const char* listName;
    const char* text;
    const char* expected;  // a pattern; TIME stands for the time
};

void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.expected; }

class StatusLineTest : public Request2ControlsTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusLineTest, TemplateIsFilledInEveryTargetKind) {
    const StatusCase& c = GetParam();
    auto* memo = Make<ui::Memo>(40);
    request->Request.Vars.Name = c.listName;
    request->StatusTemplate = c.templateIndex;
    const std::string line = c.expected;

    request->SetStatusPanel(panel);
    request->ShowStatus(c.text);
    EXPECT_EQ(Timeless(panel->Text()), line);

    request->SetStatusBar(bar);
    request->ShowStatus(c.text);
    EXPECT_EQ(Timeless(bar->SimpleText()), line);

    request->SetStatusMemo(memo);
    request->ShowStatus(c.text);
    request->ShowStatus(c.text);
    ASSERT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(Timeless(memo->Lines()[1]), line);

    request->SetStatusPanel(nullptr);
    request->ShowStatus("not shown");
    EXPECT_EQ(memo->Lines().Count(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, StatusLineTest,
    ::testing::Values(StatusCase{0, "", "Ok!", "Get: Ok! Receive at TIME."},
                      StatusCase{0, "ports", "Ok!", "Get: Ok! Request:ports. Receive at TIME."},
                      StatusCase{1, "", "(SNMP) Request Timeout!", "Set: (SNMP) Request Timeout! Receive at TIME."},
                      StatusCase{0, " Led Status", "Ok!", "Get: Ok! Request: Led Status. Receive at TIME."},
                      StatusCase{0, "", "Stop, SNMP Request is not active.",
                                 "Get: Stop, SNMP Request is not active. Receive at TIME."}));

TEST_F(Request2ControlsTest, ATemplateWithTheListBeforeTheErrorStaysWhole) {
    const std::string saved = SnmpStatusTemplates[0];
    const std::string savedSet = SnmpStatusTemplates[1];
    SnmpStatusTemplates.Replace({"[VARLIST]: [ERROR] at [TIME]", savedSet});
    request->SetStatusPanel(panel);
    request->ShowStatus("Ok!");
    SnmpStatusTemplates.Replace({saved, savedSet});
    EXPECT_EQ(Timeless(panel->Text()), "[VARLIST]: Ok! at TIME");
}

// A request that reads on a timer writes a status line each time: a memo keeps the latest lines only.
TEST_F(Request2ControlsTest, AMemoTargetKeepsTheLatestLinesOnly) {
    auto* memo = Make<ui::Memo>();
    request->SetStatusMemo(memo);
    for (int line = 1; line <= MaxMemoStatusLines + 5; ++line) request->ShowStatus(std::to_string(line));
    ASSERT_EQ(memo->Lines().Count(), MaxMemoStatusLines);
    EXPECT_EQ(Timeless(memo->Lines()[0]), "Get: 6 Receive at TIME.");
    EXPECT_EQ(Timeless(memo->Lines()[MaxMemoStatusLines - 1]),
              "Get: " + std::to_string(MaxMemoStatusLines + 5) + " Receive at TIME.");
}

// ---------------------------------------------------------------------------------------------- get

TEST_F(Request2ControlsTest, AsynchronousScalarGetShowsOkAndCallsBack) {
    UseScalars();
    request->SetStatusPanel(panel);
    int results = 0;
    request->OnGetResult = [&](NxSNMPRequest2Controls* sender, const NxSNMPError& result) {
        EXPECT_EQ(sender, request.get());
        EXPECT_EQ(result.Code, 0);
        EXPECT_FALSE(sender->Busy);
        ++results;
    };
    ASSERT_TRUE(request->Get());
    EXPECT_TRUE(request->Busy);
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(request->rows.size(), 1u);
    EXPECT_EQ(request->rows[0], (std::vector<std::string>{"core-7", "disabled", "10.1.2.3", "A0", "0:02:03.45",
                                                          "F0800000"}));
    EXPECT_EQ(request->RowCount, 1);
    EXPECT_EQ(results, 1);
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeGet", "AfterGet"}));
    EXPECT_EQ(Timeless(panel->Text()), "Get: Ok! Receive at TIME.");
}

TEST_F(Request2ControlsTest, AsynchronousWalkDeliversEveryRowThroughTheFilter) {
    UseTable();
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(request->rows.size(), 5u);
    EXPECT_EQ(request->rows[0][0], "1");
    EXPECT_EQ(request->rows[4][1], "row5");
    EXPECT_EQ(request->RowCount, 5);
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeGet", "AfterGet"}));
    EXPECT_EQ(panel->Text(), "");  // no status target, no line
}

TEST_F(Request2ControlsTest, RowsTheFilterRefusesAreNeitherHandedOnNorCounted) {
    UseTable();
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    NxSNMPRequest source;
    source.Vars = NxSNMPVarList(RowTable, MVT_FMV, 1);
    source.Vars.GetVar(2)->Value = "enabled";
    request->FilterSource = &source;
    request->FilterTemplate = "$2=#2";  // rows 1, 3 and 5
    EXPECT_EQ(request->BuildFilter(), "$2=1");
    request->Request.RowFilter = "$1<>row3";
    ASSERT_TRUE(request->Get());
    EXPECT_EQ(request->RowCount, 2);
    ASSERT_EQ(request->rows.size(), 2u);
    EXPECT_EQ(request->rows[1][1], "row5");
    request->FilterTemplate = "";
    ASSERT_TRUE(request->Get());
    EXPECT_EQ(request->RowCount, 4);
}

TEST_F(Request2ControlsTest, SynchronousGetReadsEverythingBeforeReturning) {
    UseTable();
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    request->SetStatusMemo(Make<ui::Memo>(40));
    ASSERT_TRUE(request->Get());
    EXPECT_FALSE(request->Busy);
    EXPECT_EQ(request->RowCount, 5);
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeGet", "AfterGet"}));
}

TEST_F(Request2ControlsTest, AgentErrorOfAnAsynchronousGetGoesToTheStatusTargetOrAMessageBox) {
    UseScalars();
    Sim().Control(std::string("error ") + kScalarRoot + " genErr");
    request->SetStatusPanel(panel);
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Timeless(panel->Text()), "Get: (SNMP) Cannot perform operation, General Error! Receive at TIME.");
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeGet"}));  // no AfterGet after a failure

    ui::MessageBoxRecorder boxes;
    request->SetStatusPanel(nullptr);
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
    EXPECT_NE(boxes.Calls()[0].Text.find("General Error"), std::string::npos);
    EXPECT_EQ(boxes.Calls()[0].Type, ui::mtCustom);
}

// In SNMPv1 noSuchName is how a GET-NEXT walk ends; in SNMPv2c it is an error even in the middle of a table.
TEST_F(Request2ControlsTest, NoSuchNameInTheMiddleOfAWalkIsAnErrorExceptInSnmpV1) {
    struct Case {
        bool v1;
        uint8_t mode;
    };
    for (const Case c : {Case{false, NxSNMPRequest2Controls::ModeAsync}, Case{false, NxSNMPRequest2Controls::ModeSync},
                         Case{true, NxSNMPRequest2Controls::ModeAsync}}) {
        SCOPED_TRACE(std::string(c.v1 ? "v1 " : "v2c ") + (c.mode == NxSNMPRequest2Controls::ModeSync ? "sync" : "async"));
        AimAt(Sim().Port(), c.v1);
        request = std::make_unique<Probe>(form);
        request->Request.Timeout = 50;
        request->Request.Retries = 0;
        request->Mode = c.mode;
        UseTable();
        request->SetStatusPanel(panel);
        panel->SetText("");
        // The step that would deliver row 4 is answered noSuchName.
        ASSERT_EQ(Sim().Control(std::string("error ") + kTableRoot + ".2.4 noSuchName 1"), "ok");
        const bool got = request->Get();
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(request->rows.size(), 3u);
        if (c.v1) {
            EXPECT_EQ(Timeless(panel->Text()), "Get: Ok! Receive at TIME.");
            continue;
        }
        EXPECT_EQ(panel->Text().find("Ok!"), std::string::npos) << panel->Text();
        if (c.mode == NxSNMPRequest2Controls::ModeSync) {
            EXPECT_FALSE(got);
            EXPECT_EQ(request->Request.LastCode, NxErrNoSuchName);
        } else {
            EXPECT_EQ(Timeless(panel->Text()), "Get: " + NxSNMPErrorText(NxErrNoSuchName) + " Receive at TIME.");
        }
    }
    AimAt(Sim().Port());
}

// The callback takes over the walk's end; the status still tells the failure instead of keeping a stale "Ok!".
TEST_F(Request2ControlsTest, TimeOutGoesToTheResultCallbackAndShowsInTheStatus) {
    UseScalars();
    Sim().Control(std::string("drop ") + kScalarRoot + " 5");
    request->SetStatusPanel(panel);
    NxSNMPError seen;
    int results = 0;
    request->OnGetResult = [&](NxSNMPRequest2Controls*, const NxSNMPError& result) {
        seen = result;
        ++results;
    };
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(results, 1);
    EXPECT_EQ(seen.Code, NxErrTimeout);
    EXPECT_EQ(Timeless(panel->Text()), "Get: " + NxSNMPErrorText(NxErrTimeout) + " Receive at TIME.");
}

TEST_F(Request2ControlsTest, SynchronousGetFailureReturnsFalseAndShowsItsErrorWithoutAMessageBox) {
    UseScalars();
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    request->SetStatusPanel(panel);
    Sim().Control(std::string("drop ") + kScalarRoot + " 5");
    ui::MessageBoxRecorder boxes;
    EXPECT_FALSE(request->Get());
    EXPECT_FALSE(request->Busy);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(Timeless(panel->Text()), "Get: " + NxSNMPErrorText(NxErrTimeout) + " Receive at TIME.");
}

TEST_F(Request2ControlsTest, ASynchronousWalkCutShortByAnErrorShowsTheErrorNotOk) {
    UseTable();
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    request->SetStatusPanel(panel);
    Sim().Control(std::string("error ") + kTableRoot + ".3.3 genErr");
    EXPECT_FALSE(request->Get());
    EXPECT_EQ(request->rows.size(), 2u);
    EXPECT_EQ(panel->Text().find("Ok!"), std::string::npos) << panel->Text();
    EXPECT_EQ(Timeless(panel->Text()), "Get: " + NxSNMPErrorText(-105) + " Receive at TIME.");
}

TEST_F(Request2ControlsTest, ScalarsTheAgentLacksShowEmptyAndTheReadNamesTheMissingObject) {
    UseScalars();
    request->SetStatusPanel(panel);
    ASSERT_EQ(Sim().Control(std::string("remove ") + kScalarRoot + ".3.0"), "ok");
    for (uint8_t mode : {NxSNMPRequest2Controls::ModeSync, NxSNMPRequest2Controls::ModeAsync}) {
        SCOPED_TRACE(static_cast<int>(mode));
        request->Mode = mode;
        request->rows.clear();
        panel->SetText("");
        ui::MessageBoxRecorder boxes;
        request->Get();
        ASSERT_TRUE(WaitIdle());
        ASSERT_EQ(request->rows.size(), 1u);
        EXPECT_EQ(request->rows[0][0], "core-7");
        EXPECT_EQ(request->rows[0][2], "");  // never "(NULL)"
        EXPECT_EQ(request->rows[0][4], "0:02:03.45");
        EXPECT_EQ(Timeless(panel->Text()), "Get: " + NxSNMPErrorText(NxErrNoSuchName) + " (Address) Receive at TIME.");
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

// An agent answering values of another type than their objects': no "(NULL)" under "Ok!", but a failure naming the
// first such object, the others shown.
TEST_F(Request2ControlsTest, ValuesOfAnotherTypeShowEmptyAndTheReadNamesTheObject) {
    UseScalars();
    request->SetStatusPanel(panel);
    ASSERT_EQ(Sim().Control(std::string("set ") + kScalarRoot + ".2.0 str enabled"), "ok");  // an integer object
    ASSERT_EQ(Sim().Control(std::string("set ") + kScalarRoot + ".4.0 int 5"), "ok");        // an octet string
    for (uint8_t mode : {NxSNMPRequest2Controls::ModeSync, NxSNMPRequest2Controls::ModeAsync}) {
        SCOPED_TRACE(static_cast<int>(mode));
        request->Mode = mode;
        request->rows.clear();
        panel->SetText("");
        request->Get();
        ASSERT_TRUE(WaitIdle());
        ASSERT_EQ(request->rows.size(), 1u);
        EXPECT_EQ(request->rows[0][0], "core-7");
        EXPECT_EQ(request->rows[0][1], "");
        EXPECT_EQ(request->rows[0][3], "");
        EXPECT_EQ(request->rows[0][4], "0:02:03.45");
        EXPECT_EQ(Timeless(panel->Text()), "Get: " + NxSNMPErrorText(NxErrBadSyntax) + " (State) Receive at TIME.");
    }
}

TEST_F(Request2ControlsTest, ATableCellOfAnotherTypeEndsTheWalkNamingItsColumn) {
    UseTable();
    request->SetStatusPanel(panel);
    ASSERT_EQ(Sim().Control(std::string("set ") + kTableRoot + ".4.3 int 7"), "ok");  // an address column
    for (uint8_t mode : {NxSNMPRequest2Controls::ModeSync, NxSNMPRequest2Controls::ModeAsync}) {
        SCOPED_TRACE(static_cast<int>(mode));
        request->Mode = mode;
        request->rows.clear();
        request->Get();
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(request->rows.size(), 2u);
        EXPECT_EQ(Timeless(panel->Text()), "Get: " + NxSNMPErrorText(NxErrBadSyntax) + " (Address) Receive at TIME.");
    }
}

// An agent that answers the rows 1 and 2, then row 2 again or row 1: the walk does not start over for ever but ends
// with its error in the status, in both modes, after the two rows.
TEST_F(Request2ControlsTest, AWalkWhoseAgentDoesNotMoveOnEndsWithOidNotIncreasing) {
    static const NxSNMPVar kWalkedTable[] = {
        {" ", "Index", sxInteger, notaccess, nullptr},
        {"1.3.6.1.4.1.32473.99.9.1.2", "Name", sxDisplayStr, readonly, nullptr},
        {"1.3.6.1.4.1.32473.99.9.1.3", "Count", sxInteger, readonly, nullptr},
        {},
    };
    const testsupport::OidArcs entry = testsupport::ParseArcs("1.3.6.1.4.1.32473.99.9.1");
    for (uint32_t afterRow2 : {2u, 1u}) {
        testsupport::HostileAgent agent([&](const testsupport::HostileRequest& r) {
            testsupport::HostileReply reply;
            for (const testsupport::OidArcs& oid : r.oids) {
                const bool inTable = oid.size() > entry.size() && std::equal(entry.begin(), entry.end(), oid.begin());
                if (r.pduType != 0xA1 || !inTable) {
                    reply.varbinds.push_back(testsupport::HostileVarBind::Exception(oid, 0x82));
                    continue;
                }
                const uint32_t row = oid.size() > entry.size() + 1 ? oid[entry.size() + 1] : 0;
                const uint32_t next = row < 2 ? row + 1 : afterRow2;
                testsupport::OidArcs answered(oid.begin(), oid.begin() + static_cast<long>(entry.size()) + 1);
                answered.push_back(next);
                reply.varbinds.push_back(
                    oid[entry.size()] == 2
                        ? testsupport::HostileVarBind::Octets(answered, "row" + std::to_string(next))
                        : testsupport::HostileVarBind::Integer(answered, static_cast<int32_t>(next)));
            }
            return reply;
        });
        for (uint8_t mode : {NxSNMPRequest2Controls::ModeSync, NxSNMPRequest2Controls::ModeAsync}) {
            SCOPED_TRACE("row " + std::to_string(afterRow2) + " after row 2, mode " + std::to_string(mode));
            request->Request.Vars = NxSNMPVarList(kWalkedTable, MVT_FMV, 1);
            request->Request.Device.Port = agent.Port();
            request->Mode = mode;
            request->SetStatusPanel(panel);
            request->rows.clear();
            const int before = agent.Requests();
            request->Get();
            ASSERT_TRUE(WaitIdle());
            EXPECT_EQ(request->rows, (std::vector<std::vector<std::string>>{{"1", "row1", "1"}, {"2", "row2", "2"}}));
            EXPECT_EQ(Timeless(panel->Text()),
                      "Get: " + std::string(OidNotIncreasingText) + " (Name) Receive at TIME.");
            EXPECT_EQ(agent.Requests() - before, 3);
        }
    }
}

// A table of `rows` rows (endless when 0): with a row limit of three, a longer table ends the walk after three rows
// with the limit's error, one step past them; a table of exactly three rows ends as any table does. Both modes.
TEST_F(Request2ControlsTest, AWalkPastItsRowLimitEndsWithTheLimitsErrorAfterTheRowsItHolds) {
    static const NxSNMPVar kWalkedTable[] = {
        {" ", "Index", sxInteger, notaccess, nullptr},
        {"1.3.6.1.4.1.32473.99.9.1.2", "Count", sxInteger, readonly, nullptr},
        {},
    };
    const testsupport::OidArcs entry = testsupport::ParseArcs("1.3.6.1.4.1.32473.99.9.1");
    struct Case {
        uint32_t tableRows;  // 0: never ends
        const char* status;  // the walk's status line, TIME for the time
    };
    const std::string limitLine = "Get: " + RowLimitText(3) + " Receive at TIME.";
    for (const Case& c : {Case{0, limitLine.c_str()}, Case{4, limitLine.c_str()}, Case{3, "Get: Ok! Receive at TIME."}}) {
        testsupport::HostileAgent agent([&](const testsupport::HostileRequest& r) {
            testsupport::HostileReply reply;
            for (const testsupport::OidArcs& oid : r.oids) {
                const bool inTable = oid.size() > entry.size() && std::equal(entry.begin(), entry.end(), oid.begin());
                const uint32_t row = inTable && oid.size() > entry.size() + 1 ? oid[entry.size() + 1] : 0;
                if (r.pduType != 0xA1 || !inTable || (c.tableRows > 0 && row >= c.tableRows)) {
                    reply.varbinds.push_back(testsupport::HostileVarBind::Exception(oid, 0x82));
                    continue;
                }
                testsupport::OidArcs answered(oid.begin(), oid.begin() + static_cast<long>(entry.size()) + 1);
                answered.push_back(row + 1);
                reply.varbinds.push_back(testsupport::HostileVarBind::Integer(answered, static_cast<int32_t>(row + 1)));
            }
            return reply;
        });
        for (uint8_t mode : {NxSNMPRequest2Controls::ModeSync, NxSNMPRequest2Controls::ModeAsync}) {
            SCOPED_TRACE("table of " + std::to_string(c.tableRows) + " rows, mode " + std::to_string(mode));
            request->Request.Vars = NxSNMPVarList(kWalkedTable, MVT_FMV, 1);
            request->Request.Device.Port = agent.Port();
            request->Mode = mode;
            request->MaxRows = 3;
            request->SetStatusPanel(panel);
            request->rows.clear();
            const int before = agent.Requests();
            request->Get();
            ASSERT_TRUE(WaitIdle());
            EXPECT_EQ(request->rows, (std::vector<std::vector<std::string>>{{"1", "1"}, {"2", "2"}, {"3", "3"}}));
            EXPECT_EQ(Timeless(panel->Text()), c.status);
            EXPECT_EQ(agent.Requests() - before, 4);
        }
    }
}

TEST_F(Request2ControlsTest, ASetAnsweredWithExceptionValuesFailsNamingTheObjectNotWritten) {
    UseScalars();
    request->SetStatusPanel(panel);
    NxSNMPVarList& vars = request->Request.Vars;
    for (int i = 1; i < vars.GetCount(); ++i) vars.GetVar(i)->Access |= invalid;
    const std::string expected = NxSNMPErrorText(NxErrNoSuchName) + " (Name)";
    for (uint8_t mode : {NxSNMPRequest2Controls::ModeSync, NxSNMPRequest2Controls::ModeAsync}) {
        SCOPED_TRACE(static_cast<int>(mode));
        request->Mode = mode;
        request->steps.clear();
        ASSERT_EQ(Sim().Control(std::string("error ") + kScalarRoot + ".1 noSuchInstance 1"), "ok");
        vars.GetVar(0)->Value = "edge-9";
        ui::MessageBoxRecorder boxes;
        const bool sent = request->Set(false, false);
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(sent, mode == NxSNMPRequest2Controls::ModeAsync);  // asynchronous: on its way
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Text, expected);
        EXPECT_EQ(panel->Text().find("Ok!"), std::string::npos) << panel->Text();
    }
    NxSNMPError seen;
    request->OnSetResult = [&](NxSNMPRequest2Controls*, const NxSNMPError& result) { seen = result; };
    ASSERT_EQ(Sim().Control(std::string("error ") + kScalarRoot + ".1 noSuchObject 1"), "ok");
    request->steps.clear();
    ASSERT_TRUE(request->Set(false, false));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(seen.Code, NxErrNoSuchName);
    EXPECT_EQ(seen.Message, expected);
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeSet"}));
}

TEST_F(Request2ControlsTest, ClearingActiveStopsTheWalkAfterTheRowInFlight) {
    UseTable();
    request->SetStatusPanel(panel);
    int results = 0;
    request->OnGetResult = [&](NxSNMPRequest2Controls*, const NxSNMPError& result) {
        EXPECT_EQ(result.Code, 0);
        ++results;
    };
    request->onRow = [&] {
        if (request->rows.size() == 3) request->Request.Active = 0;
    };
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(request->RowCount, 3);
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeGet", "AfterGet"}));
    EXPECT_EQ(results, 1);
    EXPECT_EQ(Timeless(panel->Text()), "Get: Stop, SNMP Request is not active. Receive at TIME.");
}

namespace {
std::vector<NxSNMPError> StopRecords;
void RecordStop(NxSNMPError* error) { StopRecords.push_back(*error); }
}  // namespace

// With the request's OnError assigned, the stop record goes there in place of the status line.
TEST_F(Request2ControlsTest, AStoppedWalkHandsItsStopRecordToOnError) {
    UseTable();
    request->SetStatusPanel(panel);
    StopRecords.clear();
    request->Request.OnError = &RecordStop;
    request->onRow = [&] {
        if (request->rows.size() == 2) request->Request.Active = 0;
    };
    panel->SetText("before");
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(request->RowCount, 2);
    ASSERT_EQ(StopRecords.size(), 1u);
    EXPECT_EQ(StopRecords[0].Code, 0);
    EXPECT_EQ(StopRecords[0].Message, "Stop, SNMP Request is not active.");
    EXPECT_EQ(StopRecords[0].Serial, UINT64_MAX);
    EXPECT_EQ(panel->Text(), "before");
}

TEST_F(Request2ControlsTest, AnInactiveRequestSendsNothing) {
    UseScalars();
    request->Request.Active = 0;
    request->SetStatusPanel(panel);
    const size_t before = Sim().PduLog().size();
    EXPECT_TRUE(request->Get());
    EXPECT_FALSE(request->Busy);
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeGet"}));
    // A write that sends nothing is never a success, blocking or not.
    EXPECT_FALSE(request->Set(false, false));
    EXPECT_FALSE(request->Busy);
    EXPECT_EQ(Timeless(panel->Text()), "Set: Stop, SNMP Request is not active. Receive at TIME.");
    panel->SetText("");
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    EXPECT_FALSE(request->Set(false, false));
    EXPECT_EQ(Timeless(panel->Text()), "Set: Stop, SNMP Request is not active. Receive at TIME.");
    Pump(100);
    EXPECT_EQ(Sim().PduLog().size(), before);
}

TEST_F(Request2ControlsTest, AnyOtherModePreparesAndSendsNothing) {
    UseScalars();
    request->Mode = 2;
    request->RowCount = 7;
    EXPECT_TRUE(request->Get());
    EXPECT_EQ(request->RowCount, 0);
    EXPECT_FALSE(request->Busy);
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeGet"}));
}

TEST_F(Request2ControlsTest, ASecondReadWhileAWalkRunsIsRefused) {
    UseTable();
    Sim().Control(std::string("hold ") + kTableRoot);
    ASSERT_TRUE(request->Get());
    Pump(100);
    EXPECT_FALSE(request->Get());  // the held walk goes on alone
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeGet"}));
    Sim().Control("clear");
    request->Request.Timeout = 300;
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(request->RowCount, 5);
    EXPECT_EQ(request->rows.size(), 5u);
    EXPECT_TRUE(request->Get());  // the next read is welcome
    ASSERT_TRUE(WaitIdle());
}

TEST_F(Request2ControlsTest, AFailedSendIsReportedWithBusyCleared) {
    UseTable();
    request->Request.Security.Version = 2;  // no such version: the library refuses to send
    request->SetStatusPanel(panel);
    std::vector<NxSNMPError> results;
    request->OnGetResult = [&](NxSNMPRequest2Controls* sender, const NxSNMPError& result) {
        EXPECT_FALSE(sender->Busy);
        results.push_back(result);
    };
    EXPECT_FALSE(request->Get());
    EXPECT_FALSE(request->Busy);
    EXPECT_FALSE(request->Reading());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].Code, -412);
    EXPECT_EQ(Timeless(panel->Text()), "Get: (SNMPClass) Invalid Target! Receive at TIME.");

    // The same for a step in the middle of a walk: the walk ends, reported, instead of hanging Busy.
    request->Request.Security.Version = 1;
    request->onRow = [&] {
        if (request->rows.size() == 2) request->Request.Security.Version = 2;
    };
    EXPECT_TRUE(request->Get());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(request->RowCount, 2);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1].Code, -412);
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeGet", "BeforeGet"}));

    // Without a callback the failure shows where every failed read shows.
    request->OnGetResult = nullptr;
    request->SetStatusPanel(nullptr);
    ui::MessageBoxRecorder boxes;
    request->onRow = nullptr;
    EXPECT_FALSE(request->Get());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].Text, "(SNMPClass) Invalid Target!");
}

TEST_F(Request2ControlsTest, LocalErrorsPassThroughWithBusyCleared) {
    UseScalars();
    request->Request.Device.Address = "no such host.invalid";
    try {
        request->Get();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, NxErrBadAddress);
        EXPECT_EQ(e.Message, "Invalid IP Address or DNS name!");
    }
    EXPECT_FALSE(request->Busy);
    request->Request.Device.Address = "127.0.0.1";
    EXPECT_TRUE(request->Get());  // still usable
    ASSERT_TRUE(WaitIdle());
}

// ---------------------------------------------------------------------------------------------- set

TEST_F(Request2ControlsTest, SynchronousSetThatFailsShowsAMessageBoxAndReturnsFalse) {
    UseScalars();
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    request->SetStatusPanel(panel);
    request->Request.Vars.GetVar(4)->Access = readwrite;  // the agent refuses the read-only uptime
    request->Request.Vars.GetVar(4)->Value = "0:00:01.00";
    for (int i = 0; i < 4; ++i) request->Request.Vars.GetVar(i)->Access |= invalid;
    request->Request.Vars.GetVar(5)->Access |= invalid;
    ui::MessageBoxRecorder boxes;
    EXPECT_FALSE(request->Set(false, false));
    EXPECT_FALSE(request->Busy);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
    EXPECT_NE(boxes.Calls()[0].Text.find("Not Writable"), std::string::npos) << boxes.Calls()[0].Text;
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeSet", "AfterSet"}));
}

TEST_F(Request2ControlsTest, SynchronousSetOfATableShowsOkAndReadsTheTableAgain) {
    UseTable();
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    NxSNMPVarList& vars = request->Request.Vars;
    vars.GetVar(0)->Value = "2";
    vars.GetVar(1)->Value = "renamed";
    vars.GetVar(2)->Value = "enabled";
    vars.GetVar(3)->Value = "10.9.9.9";
    vars.GetVar(4)->Value = "0F";

    EXPECT_TRUE(request->Set(true, false));  // no status target: done at once, no refresh
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeSet", "AfterSet"}));

    request->SetStatusPanel(panel);
    request->steps.clear();
    EXPECT_TRUE(request->Set(true, false));
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeSet", "AfterSet", "BeforeGet", "AfterGet"}));
    ASSERT_EQ(request->rows.size(), 5u);
    EXPECT_EQ(request->rows[1][1], "renamed");
    EXPECT_EQ(request->rows[1][3], "10.9.9.9");
}

TEST_F(Request2ControlsTest, AsynchronousSetReportsToItsCallbackOrTheStatusAndRefreshesTables) {
    UseTable();
    auto fill = [&] {
        const std::vector<std::string> row = {"3", "third", "disabled", "10.3.3.3", "01", "(NULL)"};
        for (int i = 0; i < 6; ++i) request->Request.Vars.GetVar(i)->Value = row[static_cast<size_t>(i)];
    };
    fill();
    request->SetStatusPanel(panel);
    ASSERT_TRUE(request->Set(true, false));
    EXPECT_TRUE(request->Busy);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeSet", "AfterSet", "BeforeGet", "AfterGet"}));
    EXPECT_EQ(request->rows.at(2)[1], "third");
    EXPECT_EQ(request->rows.at(2)[2], "disabled");
    EXPECT_EQ(Timeless(panel->Text()), "Get: Ok! Receive at TIME.");

    // A refused SET: the callback hears of it, nothing is read again.
    request->steps.clear();
    Sim().Control(std::string("error ") + kTableRoot + " notWritable");
    NxSNMPError seen;
    request->OnSetResult = [&](NxSNMPRequest2Controls*, const NxSNMPError& result) { seen = result; };
    fill();
    ASSERT_TRUE(request->Set(true, false));
    ASSERT_TRUE(WaitIdle());
    EXPECT_NE(seen.Code, 0);
    EXPECT_EQ(request->steps, (std::vector<std::string>{"BeforeSet"}));

    // Without a callback a refused SET always goes into a message box.
    request->OnSetResult = nullptr;
    ui::MessageBoxRecorder boxes;
    fill();
    ASSERT_TRUE(request->Set(true, false));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_F(Request2ControlsTest, DestroyingDuringAWalkDropsTheAnswers) {
    UseTable();
    Sim().Control(std::string("hold ") + kTableRoot + " 300");
    request->Request.Timeout = 100;
    int results = 0;
    request->OnGetResult = [&](NxSNMPRequest2Controls*, const NxSNMPError&) { ++results; };
    ASSERT_TRUE(request->Get());
    request.reset();  // waits for the held answer and drops it
    Pump(100);
    EXPECT_EQ(results, 0);
}

}  // namespace
