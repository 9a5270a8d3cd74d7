// The request against a private snmpd on loopback: scalars, rows, table walks over SNMPv1 and SNMPv2c, blocking and
// asynchronous, sets with index lists, row creation and removal, time-outs and the destructor's wait. The reply
// step and the expression steps are also fed directly where an agent cannot show the case.
#include "NxSNMPRequest.h"

#include "Exception.h"
#include "NxSNMPSession.h"
#include "EventWait.h"
#include "CoreApp.h"
#include "SnmpdAgent.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <vector>

using testsupport::SnmpdAgent;
using testsupport::SilentUdpPort;
using testsupport::TempDir;

namespace {

using Row = std::vector<std::string>;
using Clock = std::chrono::steady_clock;

// One session per test process, aimed at the shared snmpd.
void StartSession() {
    static bool started = false;
    if (!started) {
        testsupport::CoreApp();
        static TempDir dir;
        NxSNMPSessionStartup();
        CreateGlobalSnmpSession(dir.Path());
        started = true;
    }
    SnmpdAgent& agent = SnmpdAgent::Shared();
    DefaultSNMPDevice.Address = agent.Address();
    DefaultSNMPDevice.Port = agent.Port();
    DefaultSNMPSecurity.Version = snmp::Version1;
}

template <typename Done>
void RunUntil(Done done, int seconds = 10) {
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    while (!done() && Clock::now() < end)
        testsupport::WaitForEvents(50);
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

Row Values(const NxSNMPVarList& vars) {
    Row row;
    for (int i = 0; i < vars.GetCount(); ++i)
        row.push_back(vars.GetVar(i)->Value);
    return row;
}

// The OIDs of one column as a plain GET-NEXT loop through the adapter sees them: what a walk must find.
std::vector<std::string> RawColumn(const std::string& column) {
    SnmpdAgent& agent = SnmpdAgent::Shared();
    snmp::Target target;
    target.address = snmp::UdpAddress(agent.Address(), agent.Port());
    target.version = snmp::Version2c;
    target.readCommunity = SnmpdAgent::ReadCommunity;
    const snmp::Oid root = *snmp::Oid::Parse(column);
    snmp::Oid cursor = root;
    std::vector<std::string> oids;
    for (;;) {
        snmp::Pdu pdu;
        pdu.varbinds.push_back({cursor, {}});
        if (GlobalSnmpSession->GetNext(pdu, target) != 0)
            break;
        const snmp::VarBind& vb = pdu.varbinds.at(0);
        if (vb.value.IsException() || vb.oid.size() <= root.size() || !vb.oid.StartsWith(root))
            break;
        oids.push_back(vb.oid.ToString());
        cursor = vb.oid;
    }
    return oids;
}

std::vector<Row> WalkBlocking(NxSNMPRequest& request, bool& lastOk) {
    std::vector<Row> rows;
    bool ok = false;
    for (bool first = true; request.Get(ok, first) && rows.size() < 5000; first = false)
        rows.push_back(Values(request.Vars));
    lastOk = ok;
    return rows;
}

// An asynchronous walk driven the way the form binding drives it: each completion sends the next step.
struct AsyncWalk {
    NxSNMPRequest* request = nullptr;
    std::vector<Row> rows;
    NxSNMPError last;
    NxSNMPError sendError;
    int completions = 0;
    bool done = false;

    static void Step(void* context, NxSNMPError* error, NxSNMPVarList* vars) {
        AsyncWalk& w = *static_cast<AsyncWalk*>(context);
        ++w.completions;
        const bool table = vars->Kind == MVT_FMV || vars->Kind == MVT_UMV;
        if (error->Code != 0 || error->Finished) {
            if (error->Code == 0 && !table)
                w.rows.push_back(Values(*vars));
            w.last = *error;
            w.done = true;
            return;
        }
        w.rows.push_back(Values(*vars));
        bool ok = false;
        w.sendError = w.request->GetAsync(ok, &AsyncWalk::Step, context, false);
        if (!ok)
            w.done = true;
    }

    void Run() {
        bool ok = false;
        sendError = request->GetAsync(ok, &AsyncWalk::Step, this, true);
        ASSERT_TRUE(ok) << sendError.Message;
        RunUntil([this] { return done; });
        ASSERT_TRUE(done);
    }
};

// "h:mm:ss.hh", the time-ticks form below one day.
bool IsShortTimeTicksText(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == 0 || colon == std::string::npos || text.size() != colon + 9)
        return false;
    const std::string shape = "#:##:##.##";
    const std::string tail = text.substr(colon - 1);
    for (size_t k = 0; k < shape.size(); ++k)
        if (shape[k] == '#' ? !std::isdigit(static_cast<unsigned char>(tail[k])) : tail[k] != shape[k])
            return false;
    return true;
}

std::vector<NxSNMPError> ReportedErrors;
void RecordError(NxSNMPError* error) { ReportedErrors.push_back(*error); }

// ------------------------------------------------------------------------------------------------ tables

const NxSNMPVar SystemScalars[] = {
    {"1.3.6.1.2.1.1.1", "Description", sxDisplayStr, readonly},
    {"1.3.6.1.2.1.1.2", "Object ID", sxObjectId, readonly},
    {"1.3.6.1.2.1.1.3", "Up time", sxTimeTicks, readonly},
    {},
};

const NxSNMPVar SystemWritable[] = {
    {"1.3.6.1.2.1.1.4", "Contact", sxDisplayStr, readwrite},
    {"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, readwrite},
    {"1.3.6.1.2.1.1.6", "Location", sxDisplayStr, readwrite},
    {"1.3.6.1.2.1.1.1", "Description", sxDisplayStr, readonly | invalid},
    {"1.3.6.1.2.1.1.7", "Services", sxInteger, readwrite},  // read-only on the agent
    {},
};

// sysORTable: an index column known only from the instance, two read columns.
const NxSNMPVar SysOrTable[] = {
    {"1.3.6.1.2.1.1.9.1.1", "Index", sxInteger, notaccess},
    {"1.3.6.1.2.1.1.9.1.2", "ID", sxObjectId, readonly},
    {"1.3.6.1.2.1.1.9.1.3", "Description", sxDisplayStr, readonly},
    {},
};

// vacmViewTreeFamilyTable, the agent's last table: its walk runs into the end of the MIB.
const NxSNMPVar ViewTreeTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View", sxDisplayStr, notaccess},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "Subtree", sxObjectId, notaccess},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "Mask", sxOctetStr, readonly},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "Type", sxInteger, readonly},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "Status", sxInteger, readonly},
    {},
};

// snmpTargetAddrTable: rows made with createAndGo and removed with destroy; its name index is IMPLIED.
const NxSNMPVar TargetAddrTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", sxDisplayStr, notaccess | implied},
    {"1.3.6.1.6.3.12.1.2.1.2", "Domain", sxObjectId, readwrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "Address", sxOctetStr, readwrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "Params", sxDisplayStr, readwrite},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row status", sxInteger, readwrite},
    {},
};

class RequestTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartSession();
        ReportedErrors.clear();
    }

    std::unique_ptr<NxSNMPRequest> MakeRequest(MibObjectTable table, NxVarListKind kind, int keys,
                                               uint8_t version = snmp::Version1) {
        auto r = std::make_unique<NxSNMPRequest>();
        r->Vars = NxSNMPVarList(table, kind, keys);
        r->Security.Version = version;
        r->OnError = &RecordError;
        return r;
    }
};

} // namespace

// ------------------------------------------------------------------------------------------------ construction

TEST_F(RequestTest, CopiesTheDefaultsWhenConstructed) {
    DefaultSNMPSecurity.Version = snmp::Version2c;
    DefaultSNMPTimeout = 250;
    NxSNMPRequest request;
    DefaultSNMPSecurity.Version = snmp::Version1;
    DefaultSNMPTimeout = 100;
    EXPECT_EQ(request.Security.Version, snmp::Version2c);
    EXPECT_EQ(request.Timeout, 250);
    EXPECT_EQ(request.Retries, 1);
    EXPECT_EQ(request.Device.Address, SnmpdAgent::Shared().Address());
    EXPECT_EQ(request.Security.ReadCommunity, "tundra");
    EXPECT_EQ(request.Active, 1);
    EXPECT_EQ(request.PendingCount, 0);
    EXPECT_EQ(request.Serial, 0u);
    EXPECT_EQ(request.Vars.GetCount(), 0);
}

// ------------------------------------------------------------------------------------------------ scalars and rows

TEST_F(RequestTest, ScalarGroupIsOneGetInEveryVersion) {
    const testsupport::SnmpdUser& user = SnmpdAgent::ShaDesUser;
    for (uint8_t version : {snmp::Version1, snmp::Version2c, snmp::Version3}) {
        SCOPED_TRACE(static_cast<int>(version));
        auto r = MakeRequest(SystemScalars, SVT_SV, 0, version);
        if (version == snmp::Version3) {
            r->Security.SecurityModel = snmp::SecurityModelUsm;
            r->Security.SecurityLevel = snmp::AuthPriv;
            r->Security.SecurityName = user.name;
            r->Security.AuthProtocol = user.authProtocol;
            r->Security.AuthPassword = user.authPassword;
            r->Security.PrivProtocol = user.privProtocol;
            r->Security.PrivPassword = user.privPassword;
        }
        bool ok = false;
        EXPECT_FALSE(r->Get(ok, true));
        EXPECT_TRUE(ok);
        EXPECT_EQ(r->Vars.GetVar(0)->LastOid, "1.3.6.1.2.1.1.1.0");
        EXPECT_EQ(r->Vars.GetVar(2)->LastOid, "1.3.6.1.2.1.1.3.0");
        EXPECT_FALSE(r->Vars.GetVar(0)->Value.empty());
        EXPECT_EQ(r->Vars.GetVar(1)->Value.rfind("1.3.6.1.4.1.8072.", 0), 0u) << r->Vars.GetVar(1)->Value;
        EXPECT_TRUE(IsShortTimeTicksText(r->Vars.GetVar(2)->Value)) << r->Vars.GetVar(2)->Value;
        EXPECT_TRUE(ReportedErrors.empty());
    }
}

TEST_F(RequestTest, RowListReadsItsInstanceWithGetOrGetNext) {
    auto r = MakeRequest(SysOrTable + 1, MVT_SV, 0);
    r->Vars.Instance = "3";
    bool ok = false;
    EXPECT_FALSE(r->Get(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(r->Vars.GetVar(0)->LastOid, "1.3.6.1.2.1.1.9.1.2.3");
    EXPECT_EQ(r->Vars.GetVar(1)->LastOid, "1.3.6.1.2.1.1.9.1.3.3");
    const std::string third = r->Vars.GetVar(1)->Value;
    EXPECT_FALSE(third.empty());

    r->UseGetNext = 1;
    EXPECT_FALSE(r->Get(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(r->Vars.GetVar(0)->LastOid, "1.3.6.1.2.1.1.9.1.2.4");
    EXPECT_NE(r->Vars.GetVar(1)->Value, third);

    try {
        r->Get(ok, false);
        FAIL() << "a next step of a one-row list must raise";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -510);
        EXPECT_EQ(e.Message, "Can't send get-next command for a SNMP variable list with single value!");
    }
}

TEST_F(RequestTest, InactiveRequestSendsNothing) {
    auto r = MakeRequest(SystemScalars, SVT_SV, 0);
    r->Active = 0;
    bool ok = true;
    EXPECT_FALSE(r->Get(ok, true));
    EXPECT_FALSE(ok);
    ok = true;
    r->GetAsync(ok, &AsyncWalk::Step, nullptr, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(r->PendingCount, 0);
    // A write that sends nothing never reads as a success.
    NxSNMPError result;
    ok = true;
    EXPECT_FALSE(r->Set(ok, result, false, ""));
    EXPECT_FALSE(ok);
    EXPECT_NE(result.Code, 0);
    EXPECT_EQ(result.Message, SnmpStopText);
    ok = true;
    const NxSNMPError sent = r->SetAsync(ok, &AsyncWalk::Step, nullptr, false, "");
    EXPECT_FALSE(ok);
    EXPECT_NE(sent.Code, 0);
    EXPECT_EQ(r->PendingCount, 0);
    EXPECT_EQ(r->Vars.GetVar(0)->LastOid, "");
}

TEST_F(RequestTest, BadAddressRaisesBeforeAnythingIsSent) {
    auto r = MakeRequest(SystemScalars, SVT_SV, 0);
    r->Device.Address = "";
    bool ok = false;
    try {
        r->GetAsync(ok, &AsyncWalk::Step, nullptr, true);
        FAIL() << "an empty address must raise";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -509);
        EXPECT_EQ(e.Message, "Invalid IP Address or DNS name!");
    }
    EXPECT_EQ(r->PendingCount, 0);
}

// ------------------------------------------------------------------------------------------------ table walks

TEST_F(RequestTest, TableWalkDeliversEveryRowAndEndsLeavingTheSubtree) {
    const std::vector<std::string> ids = RawColumn("1.3.6.1.2.1.1.9.1.2");
    ASSERT_GE(ids.size(), 3u);
    for (uint8_t version : {snmp::Version1, snmp::Version2c}) {
        SCOPED_TRACE(static_cast<int>(version));
        auto r = MakeRequest(SysOrTable, MVT_FMV, 1, version);
        bool ok = false;
        const std::vector<Row> rows = WalkBlocking(*r, ok);
        EXPECT_TRUE(ok);
        ASSERT_EQ(rows.size(), ids.size());
        for (size_t k = 0; k < rows.size(); ++k) {
            // The key comes from the row instance: the last sub-identifier of the column's OID.
            EXPECT_EQ(rows[k][0], ids[k].substr(ids[k].rfind('.') + 1));
            EXPECT_NE(rows[k][1], "(NOTDONE)");
        }
        EXPECT_EQ(Values(r->Vars), (Row{rows.back()[0], "(NOTDONE)", "(NOTDONE)"}));
        EXPECT_TRUE(ReportedErrors.empty());
    }
}

TEST_F(RequestTest, WalkToTheEndOfTheMibEndsInBothVersionsAndAsynchronously) {
    std::vector<std::vector<Row>> walks;
    for (uint8_t version : {snmp::Version1, snmp::Version2c}) {
        SCOPED_TRACE(static_cast<int>(version));
        auto blocking = MakeRequest(ViewTreeTable, MVT_FMV, 2, version);
        bool ok = true;
        walks.push_back(WalkBlocking(*blocking, ok));
        // SNMPv1 ends with noSuchName for the request's own OIDs: ok 0 and nothing reported.
        EXPECT_EQ(ok, version == snmp::Version2c);
        EXPECT_TRUE(ReportedErrors.empty());

        auto async = MakeRequest(ViewTreeTable, MVT_FMV, 2, version);
        AsyncWalk walk;
        walk.request = async.get();
        walk.Run();
        EXPECT_EQ(walk.last.Code, 0);
        EXPECT_EQ(walk.last.Message, "Ok!");
        EXPECT_EQ(walk.last.Finished, 1);
        EXPECT_EQ(walk.last.AgentAddress, "127.0.0.1");
        EXPECT_EQ(walk.last.AgentPort, SnmpdAgent::Shared().Port());
        EXPECT_EQ(async->PendingCount, 0);
        walks.push_back(walk.rows);
    }
    ASSERT_GE(walks[0].size(), 2u);
    EXPECT_EQ(walks[0][0][0], "_all_");  // a length-prefixed text key
    for (const auto& w : walks)
        EXPECT_EQ(w, walks[0]);
}

TEST_F(RequestTest, ColumnsOfUnrelatedInstancesKeepEachValueAtItsOwnInstanceAndTheWalkStillEnds) {
    // Two unrelated columns without key columns: each row is the lowest instance either column reached, a column
    // without that instance shows nothing there, and the short column stays ended once it has left its subtree.
    static const NxSNMPVar Columns[] = {
        {"1.3.6.1.6.3.16.1.2.1.3", "Group", sxDisplayStr, readonly},
        {"1.3.6.1.4.1.8072.1.2.1.1.4", "Module", sxDisplayStr, readonly},
        {},
    };
    size_t counts[2] = {0, 0};
    std::set<std::vector<uint32_t>> all;
    for (int c = 0; c < 2; ++c)
        for (const std::string& oid : RawColumn(Columns[c].Oid)) {
            ++counts[c];
            all.insert(snmp::Oid::Parse(oid.substr(std::string(Columns[c].Oid).size() + 1))->Arcs());
        }
    ASSERT_LT(counts[0], counts[1]);
    for (uint8_t version : {snmp::Version1, snmp::Version2c}) {
        SCOPED_TRACE(static_cast<int>(version));
        auto r = MakeRequest(Columns, MVT_FMV, 0, version);
        bool ok = false;
        size_t rows = 0;
        size_t values[2] = {0, 0};
        for (bool first = true; r->Get(ok, first) && rows < 5000; first = false, ++rows)
            for (int c = 0; c < 2; ++c)
                values[c] += !r->IsAbsent(c) && r->Vars.GetVar(c)->Value != "(NOTDONE)";
        EXPECT_TRUE(ok);
        EXPECT_EQ(rows, all.size());
        EXPECT_EQ(values[0], counts[0]);
        EXPECT_EQ(values[1], counts[1]);
    }
}

TEST_F(RequestTest, ColumnEndsAtASubIdentifierBoundary) {
    // Past the one object under 1.3.6.1.6.3.1 the agent answers 1.3.6.1.6.3.10..., whose text begins alike.
    static const NxSNMPVar Subtree[] = {{"1.3.6.1.6.3.1", "Objects", sxInteger, readonly}, {}};
    const size_t expected = RawColumn("1.3.6.1.6.3.1").size();
    ASSERT_GE(expected, 1u);
    auto r = MakeRequest(Subtree, MVT_FMV, 0, snmp::Version2c);
    bool ok = false;
    EXPECT_EQ(WalkBlocking(*r, ok).size(), expected);
    EXPECT_TRUE(ok);
}

TEST_F(RequestTest, AsynchronousWalkEqualsTheBlockingWalk) {
    auto blocking = MakeRequest(SysOrTable, MVT_FMV, 1, snmp::Version2c);
    bool ok = false;
    const std::vector<Row> expected = WalkBlocking(*blocking, ok);
    ASSERT_FALSE(expected.empty());

    auto async = MakeRequest(SysOrTable, MVT_FMV, 1, snmp::Version2c);
    AsyncWalk walk;
    walk.request = async.get();
    walk.Run();
    EXPECT_EQ(walk.rows, expected);
    EXPECT_EQ(walk.completions, static_cast<int>(expected.size()) + 1);
    EXPECT_EQ(walk.last.Code, 0);
    EXPECT_EQ(walk.last.Finished, 1);
}

// A reply the step cannot store (here a row instance too short for its key) ends the exchange with that error.
TEST_F(RequestTest, AnExceptionInTheAsynchronousReplyStepBecomesTheExchangesError) {
    static const NxSNMPVar MacKeyed[] = {
        {"1.3.6.1.2.1.1.9.1.1", "Index", sxMacAddress, notaccess},
        {"1.3.6.1.2.1.1.9.1.3", "Description", sxDisplayStr, readonly},
        {},
    };
    auto r = MakeRequest(MacKeyed, MVT_FMV, 1, snmp::Version2c);
    AsyncWalk walk;
    walk.request = r.get();
    walk.Run();
    EXPECT_TRUE(walk.rows.empty());
    EXPECT_EQ(walk.last.Code, -514);
    EXPECT_EQ(walk.last.Message, "Bad key count of SNMP variable list!");
    EXPECT_EQ(walk.last.Finished, 1);
    EXPECT_EQ(r->PendingCount, 0);
}

TEST_F(RequestTest, AsynchronousStepWhoseSendFailsReportsTheFailure) {
    auto ignore = [](void*, NxSNMPError*, NxSNMPVarList*) {};
    auto r = MakeRequest(SysOrTable, MVT_FMV, 1, snmp::Version2c);
    bool ok = false;
    r->GetAsync(ok, ignore, nullptr, true);
    ASSERT_TRUE(ok);
    RunUntil([&] { return r->PendingCount == 0; });
    r->Security.Version = 2;  // no such version: the library refuses the next send
    const NxSNMPError sent = r->GetAsync(ok, ignore, nullptr, false);
    EXPECT_FALSE(ok);
    EXPECT_EQ(sent.Code, -412);
    EXPECT_EQ(sent.Message, "(SNMPClass) Invalid Target!");
    EXPECT_EQ(sent.Serial, 1u);
    EXPECT_EQ(r->PendingCount, 0);
    ASSERT_EQ(ReportedErrors.size(), 1u);
    EXPECT_EQ(ReportedErrors[0].Code, -412);
}

// ------------------------------------------------------------------------------------------------ time-outs

TEST_F(RequestTest, SilentAgentTimesOut) {
    SilentUdpPort silent;
    auto r = MakeRequest(SystemScalars, SVT_SV, 0);
    r->Device.Port = silent.Port();
    r->Timeout = 10;
    r->Retries = 1;

    bool ok = true;
    EXPECT_FALSE(r->Get(ok, true));
    EXPECT_FALSE(ok);
    ASSERT_EQ(ReportedErrors.size(), 1u);
    EXPECT_EQ(ReportedErrors[0].Code, -405);
    EXPECT_EQ(ReportedErrors[0].Message, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(ReportedErrors[0].Serial, 1u);
    EXPECT_EQ(Values(r->Vars), (Row{"", "(NULL)", "(NULL)"}));  // a display string without value is empty

    AsyncWalk walk;
    walk.request = r.get();
    walk.Run();
    EXPECT_EQ(walk.last.Code, -405);
    EXPECT_EQ(walk.last.Finished, 1);
    EXPECT_EQ(walk.last.AgentPort, silent.Port());
    EXPECT_EQ(r->Serial, 1u);  // asynchronous results are not counted
}

TEST_F(RequestTest, DestructorWaitsForTheOutstandingCompletion) {
    int completions = 0;
    auto counted = [](void* context, NxSNMPError*, NxSNMPVarList*) { ++*static_cast<int*>(context); };
    auto r = MakeRequest(SystemScalars, SVT_SV, 0);
    bool ok = false;
    r->GetAsync(ok, counted, &completions, true);
    ASSERT_TRUE(ok);
    const auto start = Clock::now();
    r.reset();
    EXPECT_EQ(completions, 1);
    EXPECT_LT(SecondsSince(start), 5.0);
}

TEST_F(RequestTest, CallbackMayFreeItsRequest) {
    struct Owner {
        std::unique_ptr<NxSNMPRequest> request;
        int completions = 0;
    } owner;
    auto freeing = [](void* context, NxSNMPError*, NxSNMPVarList*) {
        Owner& o = *static_cast<Owner*>(context);
        ++o.completions;
        o.request.reset();
    };
    owner.request = MakeRequest(SystemScalars, SVT_SV, 0);
    bool ok = false;
    owner.request->GetAsync(ok, freeing, &owner, true);
    ASSERT_TRUE(ok);
    const auto start = Clock::now();
    RunUntil([&] { return !owner.request; });
    EXPECT_EQ(owner.completions, 1);
    EXPECT_LT(SecondsSince(start), 5.0);  // the destructor did not wait for the completion it was called from
}

TEST_F(RequestTest, DestructorGivesUpAfterSixSecondsAndTheLateAnswerIsDropped) {
    SilentUdpPort silent;
    int completions = 0;
    auto counted = [](void* context, NxSNMPError*, NxSNMPVarList*) { ++*static_cast<int*>(context); };
    auto r = MakeRequest(SystemScalars, SVT_SV, 0);
    r->Device.Port = silent.Port();
    r->Timeout = 700;  // the time-out arrives after the destructor gave up
    r->Retries = 0;
    bool ok = false;
    r->GetAsync(ok, counted, &completions, true);
    ASSERT_TRUE(ok);
    const auto start = Clock::now();
    r.reset();
    const double waited = SecondsSince(start);
    EXPECT_GE(waited, 5.9);
    EXPECT_LT(waited, 6.9);
    RunUntil([] { return GlobalSnmpSession->Outstanding() == 0; });
    EXPECT_EQ(GlobalSnmpSession->Outstanding(), 0);
    EXPECT_EQ(completions, 0);
}

// ------------------------------------------------------------------------------------------------ set

TEST_F(RequestTest, SetWithAnIndexListSendsOnlyThoseAndRestoresTheMarks) {
    auto r = MakeRequest(SystemWritable, SVT_SV, 0, snmp::Version2c);
    bool ok = false;
    ASSERT_FALSE(r->Get(ok, true));
    const std::string name = r->Vars.GetVar(1)->Value;
    ASSERT_FALSE(name.empty());
    r->Vars.GetVar(1)->Value = "must-not-be-sent";

    const std::vector<std::string> lines{"ops-contact", "lab-2"};
    NxSNMPError result;
    EXPECT_FALSE(r->Set(ok, result, false, "0,2", &lines));
    EXPECT_TRUE(ok);
    EXPECT_EQ(result.Code, 0);
    EXPECT_EQ(r->Vars.GetVar(1)->Access, readwrite);
    EXPECT_EQ(r->Vars.GetVar(3)->Access, readonly | invalid);
    EXPECT_EQ(r->Vars.GetVar(1)->Value, "must-not-be-sent");  // values of the SET do not survive it

    // The test agent serves no sysServices: the read names that object alone and fills the others.
    r->Get(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(r->LastCode, NxErrNoSuchName);
    EXPECT_TRUE(r->Vars.GetVar(4)->Value.empty());
    EXPECT_EQ(r->Vars.GetVar(0)->Value, "ops-contact");
    EXPECT_EQ(r->Vars.GetVar(1)->Value, name);
    EXPECT_EQ(r->Vars.GetVar(2)->Value, "lab-2");
}

TEST_F(RequestTest, FailedSetReportsInItsRecordAndRestoresTheMarks) {
    auto r = MakeRequest(SystemWritable, SVT_SV, 0, snmp::Version2c);
    const std::vector<std::string> lines{"72"};
    NxSNMPError result;
    bool ok = true;
    EXPECT_FALSE(r->Set(ok, result, false, "4", &lines));
    EXPECT_FALSE(ok);
    EXPECT_EQ(result.Code, -117);
    // The message names the variable the agent refused, found by the error index as asynchronously.
    EXPECT_EQ(result.Message, "(SNMP) Cannot create/set variable, Not Writable! (Services)");
    EXPECT_EQ(result.ErrorIndex, 1);
    EXPECT_EQ(result.Serial, 1u);
    EXPECT_TRUE(ReportedErrors.empty());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(r->Vars.GetVar(i)->Access, readwrite) << i;
    EXPECT_EQ(r->Vars.GetVar(3)->Access, readonly | invalid);
    EXPECT_EQ(r->Vars.GetVar(4)->Value, "");

    // A value that cannot be sent raises before sending, and the marks are restored all the same.
    const std::vector<std::string> bad{"seventy-two"};
    try {
        r->Set(ok, result, false, "4", &bad);
        FAIL() << "a text that is no integer must raise";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -518);
    }
    EXPECT_EQ(r->Vars.GetVar(1)->Access, readwrite);
    EXPECT_EQ(r->Vars.GetVar(3)->Access, readonly | invalid);
    EXPECT_EQ(r->Vars.GetVar(4)->Value, "");

    // Three varbinds, the third refused: blocking and asynchronous name the same variable.
    const std::vector<std::string> three{"qsw contact", "qsw name", "72"};
    EXPECT_FALSE(r->Set(ok, result, false, "0,1,4", &three));
    EXPECT_EQ(result.ErrorIndex, 3);
    EXPECT_EQ(result.Message, "(SNMP) Cannot create/set variable, Not Writable! (Services)");
    AsyncWalk done;
    done.request = r.get();
    r->SetAsync(ok, &AsyncWalk::Step, &done, false, "0,1,4", &three);
    ASSERT_TRUE(ok);
    RunUntil([&] { return done.done; });
    EXPECT_EQ(done.last.ErrorIndex, 3);
    EXPECT_EQ(done.last.Message, result.Message);
}

TEST_F(RequestTest, RowCreatedWithCreateAndGoAndRemovedWithDestroy) {
    auto r = MakeRequest(TargetAddrTable, MVT_UMV, 1, snmp::Version2c);
    auto findRow = [&r]() -> Row {
        bool ok = false;
        for (const Row& row : WalkBlocking(*r, ok))
            if (row[0] == "qswtest")
                return row;
        return {};
    };
    ASSERT_TRUE(findRow().empty());

    r->Vars.GetVar(0)->Value = "qswtest";
    r->Vars.GetVar(1)->Value = "1.3.6.1.6.1.1";
    r->Vars.GetVar(2)->Value = "7F00000100A2";
    r->Vars.GetVar(3)->Value = "qswparams";
    r->Vars.GetVar(4)->Value = "4";  // createAndGo
    NxSNMPError result;
    bool ok = false;
    r->Set(ok, result, false, "");
    ASSERT_TRUE(ok) << result.Message;
    EXPECT_EQ(findRow(), (Row{"qswtest", "1.3.6.1.6.1.1", "7F00000100A2", "qswparams", "1"}));

    // destroy, sent asynchronously as the dialogs do
    r->Vars.GetVar(0)->Value = "qswtest";
    const std::vector<std::string> destroy{"6"};
    AsyncWalk done;
    done.request = r.get();
    r->SetAsync(ok, &AsyncWalk::Step, &done, false, "4", &destroy);
    ASSERT_TRUE(ok);
    RunUntil([&] { return done.done; });
    EXPECT_EQ(done.last.Code, 0);
    EXPECT_EQ(done.last.Finished, 1);
    EXPECT_TRUE(findRow().empty());
}

TEST_F(RequestTest, SetRefusedWithNoSuchNameIsNeverTakenForTheEndOfAWalk) {
    // SNMPv1 refuses a read-only column with noSuchName, echoing the SET's OID, which here equals the cursor.
    static const NxSNMPVar Table[] = {
        {"1.3.6.1.2.1.1.9.1.1", "Index", sxInteger, notaccess},
        {"1.3.6.1.2.1.1.9.1.3", "Description", sxDisplayStr, readwrite},
        {},
    };
    auto r = MakeRequest(Table, MVT_FMV, 1, snmp::Version1);
    bool ok = false;
    ASSERT_TRUE(r->Get(ok, true));
    ASSERT_EQ(r->Vars.GetVar(1)->LastOid, "1.3.6.1.2.1.1.9.1.3." + r->Vars.GetVar(0)->Value);
    r->Vars.GetVar(1)->Value = "renamed";
    AsyncWalk done;
    done.request = r.get();
    r->SetAsync(ok, &AsyncWalk::Step, &done, false, "");
    ASSERT_TRUE(ok);
    RunUntil([&] { return done.done; });
    EXPECT_EQ(done.last.Code, -102);
    EXPECT_EQ(done.last.Finished, 1);
}

// ------------------------------------------------------------------------------------------------ reply step

namespace {

// Feeds replies straight into the reply step: the agent faults an honest snmpd never shows.
class ReplyProbe : public NxSNMPRequest {
public:
    using NxSNMPRequest::ReplyError;
    using NxSNMPRequest::ReplyOutcome;
    using NxSNMPRequest::ReplyRule;
    ReplyOutcome Feed(const std::vector<std::string>& oids, const snmp::Value& value = snmp::Value::Integer(5)) {
        snmp::Pdu reply;
        for (const std::string& oid : oids)
            reply.varbinds.push_back({*snmp::Oid::Parse(oid), value});
        return ReplyStep(reply, 0, ReplyRule::BlockingGet);
    }
};

const NxSNMPVar ProbeTable[] = {
    {"1.3.6.1.9.1.1", "Key", sxInteger, notaccess},
    {"1.3.6.1.9.1.2", "A", sxInteger, readonly},
    {"1.3.6.1.9.1.3", "B", sxInteger, readonly},
    {},
};

} // namespace

TEST(RequestReplyStep, ColumnEnd) {
    struct Case {
        const char* column;
        const char* previous;
        const char* received;
        bool ended;
    } cases[] = {
        {"1.3.6.1.9.1", "", "1.3.6.1.9.1.1", false},
        {"1.3.6.1.9.1", "", "1.3.6.1.9.10.1", true},             // text prefix, not a sub-identifier prefix
        {"1.1", "", "1.10.5", true},
        {"1.3.6.1.9.1", "", "1.3.6.1.9.1", true},                // the column itself
        {"1.3.6.1.9.1", "", "1.3.6.1.9.2.1", true},              // the next column
        {"1.3.6.1.9.1", "1.3.6.1.9.1.5", "1.3.6.1.9.1.6", false},
        {"1.3.6.1.9.1", "1.3.6.1.9.1.5", "1.3.6.1.9.1.5", true}, // endOfMibView repeats the cursor
        {"1.3.6.1.9.1", "1.3.6.1.9.1.5", "1.3.6.1.9.1.4.9", true}, // backwards: a faulty agent
        {"1.3.6.1.9.1", "1.3.6.1.9.1.x", "1.3.6.1.9.1.1", false},  // a cursor that is no OID moves nowhere
        {"1.3.6.1.9.x", "", "1.3.6.1.9.1.1", true},                // a column that is no OID holds nothing
    };
    NxSNMPRequest request;
    request.Vars.Kind = MVT_FMV;
    for (const Case& c : cases)
        EXPECT_EQ(request.IsColumnEnd(snmp::Oid::Parse(c.column), snmp::Oid::Parse(c.previous),
                                      *snmp::Oid::Parse(c.received)),
                  c.ended)
            << c.column << " " << c.received;
    request.Vars.Kind = SVT_SV;
    EXPECT_FALSE(request.IsColumnEnd(snmp::Oid::Parse("1.3.6.1.9.1"), snmp::Oid(), *snmp::Oid::Parse("1.3.6.1.9.2")));
}

// The previous cursor is the variable's LastOid as it stands, also when its caller re-aimed it between steps.
TEST(RequestReplyStep, TheCursorComparedIsTheOneTheVariableHoldsNow) {
    ReplyProbe probe;
    probe.Vars = NxSNMPVarList(ProbeTable, MVT_FMV, 1);
    ASSERT_EQ(probe.Feed({"1.3.6.1.9.1.2.5", "1.3.6.1.9.1.3.5"}), ReplyProbe::ReplyOutcome::Row);
    probe.Vars.GetVar(2)->LastOid = "1.3.6.1.9.1.3.9";
    EXPECT_EQ(probe.Feed({"1.3.6.1.9.1.2.7", "1.3.6.1.9.1.3.8"}), ReplyProbe::ReplyOutcome::Finished);
    EXPECT_EQ(probe.ReplyError().Message, std::string(OidNotIncreasingText) + " (B)");
}

TEST(RequestReplyStep, RowInstanceComesFromAColumnStillInsideItself) {
    ReplyProbe probe;
    probe.Vars = NxSNMPVarList(ProbeTable, MVT_FMV, 1);
    // A has left its column into B's first row; B delivers row 7.
    EXPECT_EQ(probe.Feed({"1.3.6.1.9.1.3.1", "1.3.6.1.9.1.3.7"}), ReplyProbe::ReplyOutcome::Row);
    EXPECT_EQ(Values(probe.Vars), (Row{"7", "(NOTDONE)", "5"}));
}

// An agent that answers a column's cursor again, or an OID before it, would walk the same rows for ever: the walk
// ends with an error naming the column, and the answer is no row. The cursor answered again with endOfMibView, or an
// OID past the column, is the table's end.
TEST(RequestReplyStep, AgentThatDoesNotMoveOnEndsTheWalkWithAnError) {
    struct Case {
        const char* what;
        std::vector<std::string> second;
        snmp::Value value;
        const char* error;  // "" for the table's end
    };
    const Case cases[] = {
        {"the same OID again", {"1.3.6.1.9.1.2.5", "1.3.6.1.9.1.3.6"}, snmp::Value::Integer(7), " (A)"},
        {"an earlier OID", {"1.3.6.1.9.1.2.6", "1.3.6.1.9.1.3.4.9"}, snmp::Value::Integer(7), " (B)"},
        {"the end of the MIB",
         {"1.3.6.1.9.1.2.5", "1.3.6.1.9.1.3.5"},
         snmp::Value::Exception(snmp::ValueType::EndOfMibView),
         ""},
        {"past the columns", {"1.3.6.1.9.1.3.1", "1.3.6.1.9.2.1"}, snmp::Value::Integer(7), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReplyProbe probe;
        probe.Vars = NxSNMPVarList(ProbeTable, MVT_FMV, 1);
        ASSERT_EQ(probe.Feed({"1.3.6.1.9.1.2.5", "1.3.6.1.9.1.3.5"}), ReplyProbe::ReplyOutcome::Row);
        EXPECT_EQ(probe.Feed(c.second, c.value), ReplyProbe::ReplyOutcome::Finished);
        if (*c.error) {
            EXPECT_EQ(probe.ReplyError().Code, -411);
            EXPECT_EQ(probe.ReplyError().Message, OidNotIncreasingText + std::string(c.error));
            EXPECT_EQ(Values(probe.Vars), (Row{"5", "5", "5"}));  // the last row stays as it was
        } else {
            EXPECT_EQ(probe.ReplyError().Code, 0) << probe.ReplyError().Message;
        }
    }
}

TEST(RequestReplyStep, ASetOfARowReadWithFewerKeysThanItsIndexGoesToTheWholeInstance) {
    static const NxSNMPVar Table[] = {
        {"1.3.6.1.9.1.1", "Area", sxInteger, notaccess},
        {"1.3.6.1.9.1.2", "Router", sxGauge, notaccess},
        {"1.3.6.1.9.1.3", "Cost", sxInteger, readwrite},
        {},
    };
    struct SetProbe : ReplyProbe {
        using NxSNMPRequest::BuildPdu;
    } probe;
    probe.Vars = NxSNMPVarList(Table, MVT_FMV, 1);
    ASSERT_EQ(probe.Feed({"1.3.6.1.9.1.3.4.77"}), ReplyProbe::ReplyOutcome::Row);
    EXPECT_EQ(Values(probe.Vars), (Row{"4", "", "5"}));
    const snmp::Pdu set = probe.BuildPdu(NxSNMPRequest::ModeSet);
    ASSERT_EQ(set.varbinds.size(), 1u);
    EXPECT_EQ(set.varbinds[0].oid.ToString(), "1.3.6.1.9.1.3.4.77");
}

// A reply of more or fewer varbinds than asked for, or with values of another type, is a failed read naming the
// object; a fault of the read alone: a write's answer is not read back as values.
TEST(RequestReplyStep, MissingExtraAndWronglyTypedVarbindsFailTheReadNamingTheObject) {
    ReplyProbe probe;
    probe.Vars = NxSNMPVarList(ProbeTable, MVT_FMV, 1);
    ASSERT_EQ(probe.Feed({"1.3.6.1.9.1.2.5", "1.3.6.1.9.1.3.5"}), ReplyProbe::ReplyOutcome::Row);
    EXPECT_EQ(probe.ReplyError().Code, 0);
    probe.Feed({"1.3.6.1.9.1.2.6"});
    EXPECT_EQ(probe.ReplyError().Code, -411);
    EXPECT_EQ(probe.ReplyError().Message, NxSNMPErrorText(-411) + " (B)");
    probe.Feed({"1.3.6.1.9.1.2.7", "1.3.6.1.9.1.3.7", "1.3.6.1.9.1.4.7"});
    EXPECT_EQ(probe.ReplyError().Message, NxSNMPErrorText(-411) + " (1.3.6.1.9.1.4.7)");

    static const NxSNMPVar Scalars[] = {
        {"1.3.6.1.9.2.1", "A", sxInteger, readonly},
        {"1.3.6.1.9.2.2", "B", sxInteger, readonly},
        {"1.3.6.1.9.2.3", "C", sxInteger, readonly},
        {},
    };
    ReplyProbe scalars;
    scalars.Vars = NxSNMPVarList(Scalars, SVT_SV, 0);
    scalars.Feed({"1.3.6.1.9.2.1.0", "1.3.6.1.9.2.2.0"});
    EXPECT_EQ(Values(scalars.Vars), (Row{"5", "5", ""}));  // never "(NULL)"
    EXPECT_TRUE(scalars.IsAbsent(2));
    EXPECT_EQ(scalars.ReplyError().Message, NxSNMPErrorText(-411) + " (C)");
    for (const snmp::Value& value : {snmp::Value::Octets("5"), snmp::Value::Null()}) {
        scalars.Feed({"1.3.6.1.9.2.1.0", "1.3.6.1.9.2.2.0", "1.3.6.1.9.2.3.0"}, value);
        EXPECT_EQ(Values(scalars.Vars), (Row{"", "", ""}));
        EXPECT_EQ(scalars.ReplyError().Code, -511);
        EXPECT_EQ(scalars.ReplyError().Message, NxSNMPErrorText(-511) + " (A)");
        EXPECT_EQ(scalars.ReplyError().ErrorIndex, 1);
    }
}

TEST(RequestReplyStep, ASparseTableKeepsEachValueInTheRowOfItsOwnInstance) {
    ReplyProbe probe;
    probe.Vars = NxSNMPVarList(ProbeTable, MVT_FMV, 1);
    // A has rows 1, 2, 3; B lacks row 2.
    ASSERT_EQ(probe.Feed({"1.3.6.1.9.1.2.1", "1.3.6.1.9.1.3.1"}), ReplyProbe::ReplyOutcome::Row);
    ASSERT_EQ(probe.Feed({"1.3.6.1.9.1.2.2", "1.3.6.1.9.1.3.3"}), ReplyProbe::ReplyOutcome::Row);
    EXPECT_EQ(Values(probe.Vars), (Row{"2", "5", ""}));
    EXPECT_TRUE(probe.IsAbsent(2));
    EXPECT_FALSE(probe.IsAbsent(1));
    // B's cursor stays at row 1, so that its next step brings row 3 again.
    EXPECT_EQ(probe.Vars.GetVar(2)->LastOid, "1.3.6.1.9.1.3.1");
    ASSERT_EQ(probe.Feed({"1.3.6.1.9.1.2.3", "1.3.6.1.9.1.3.3"}), ReplyProbe::ReplyOutcome::Row);
    EXPECT_EQ(Values(probe.Vars), (Row{"3", "5", "5"}));
    EXPECT_FALSE(probe.IsAbsent(2));
    // The lowest instance is the row, whichever column brings it.
    ASSERT_EQ(probe.Feed({"1.3.6.1.9.1.2.9", "1.3.6.1.9.1.3.4"}), ReplyProbe::ReplyOutcome::Row);
    EXPECT_EQ(Values(probe.Vars), (Row{"4", "", "5"}));
    EXPECT_EQ(probe.Vars.GetVar(1)->LastOid, "1.3.6.1.9.1.2.3");
}

// ------------------------------------------------------------------------------------------------ expressions

namespace {

const NxSNMPVar ExprTable[] = {
    {"1.3.6.1.9.1", "Count", sxInteger, readonly, nullptr, "$0*2"},
    {"1.3.6.1.9.2", "Text", sxDisplayStr, readonly},
    {"1.3.6.1.9.3", "Flag", sxBoolean, readonly},
    {"1.3.6.1.9.4", "Ticks", sxTimeTicks, readonly, nullptr, "$3*2"},
    {"1.3.6.1.9.5", "Absent", sxInteger, readonly},
    {"1.3.6.1.9.6", "Level", sxGauge, readwrite, nullptr, nullptr, "$0+1"},
    {},
};

struct ExprRequest : NxSNMPRequest {
    ExprRequest() {
        Vars = NxSNMPVarList(ExprTable, SVT_SV, 0);
        const char* values[] = {"21", "a$1b", "true", "0:00:01.00", "(NULL)", "0"};
        for (int i = 0; i < Vars.GetCount(); ++i)
            Vars.GetVar(i)->Value = values[i];
    }
};

} // namespace

TEST(RequestExpressions, SubstitutionByVariableSyntax) {
    ExprRequest r;
    struct Case {
        const char* text;
        bool quote;
        const char* result;
    } cases[] = {
        {"$0*2", false, "21*2"},
        {"$2", false, "1"},
        {"$3+$0", false, "100+21"},
        {"$1=x", true, "\"a$1b\"=x"},  // a value holding the marker is not substituted again
        {"no marker", false, "no marker"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(r.SubstituteVars(c.text, c.quote, "$"), c.result) << c.text;

    struct Failure {
        const char* text;
        bool quote;
        int code;
    } failures[] = {{"$4", true, -512}, {"$1", false, -513}, {"$9", true, -513}};
    for (const Failure& f : failures) {
        try {
            r.SubstituteVars(f.text, f.quote, "$");
            ADD_FAILURE() << f.text << " must raise";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, f.code) << f.text;
        }
    }
}

TEST(RequestExpressions, PostProcessAndRowFilter) {
    ExprRequest r;
    r.PostProcess(0, true);
    r.PostProcess(3, true);
    r.PostProcess(5, true);  // only a SetExpr: nothing after a Get
    EXPECT_EQ(r.Vars.GetVar(0)->Value, "42");
    EXPECT_EQ(r.Vars.GetVar(3)->Value, "0:00:02.00");
    EXPECT_EQ(r.Vars.GetVar(5)->Value, "0");
    r.PostProcess(5, false);
    EXPECT_EQ(r.Vars.GetVar(5)->Value, "43");

    EXPECT_TRUE(r.AcceptRowFilter());
    r.RowFilter = "$2=1&$0=42";
    EXPECT_TRUE(r.AcceptRowFilter());
    EXPECT_TRUE(r.AcceptRowFilter("$1<>\"zz\""));
    EXPECT_FALSE(r.AcceptRowFilter("$0<>42"));
}
