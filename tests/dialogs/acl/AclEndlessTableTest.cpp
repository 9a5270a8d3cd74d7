// The IPv4 access dialogs read their table while they are built, blocking: against an agent whose table never
// ends, each stops at the most rows its key range allows, says so in panel 0, opens and closes.
#include "AclDialogTest.h"
#include "Ipmaskinformationformunit.h"
#include "Ipruleunit.h"

#include "CatalogTables.h"
#include "HostileAgent.h"
#include "ListView.h"
#include "NxSNMPRequest2Controls.h"

#include <gmock/gmock.h>

#include <atomic>

namespace {

using namespace dialogtest;
using ::testing::HasSubstr;
using testsupport::HostileReply;
using testsupport::HostileRequest;
using testsupport::HostileVarBind;
using testsupport::OidArcs;

// A value of the column's type, so that the walk takes every row.
HostileVarBind ValueFor(const NxSNMPVar& column, const OidArcs& oid) {
    switch (column.Syntax) {
    case sxIpAddress: return {oid, 0x40, std::string(4, '\0')};
    case sxCounter: return {oid, 0x41, std::string(1, '\0')};
    case sxGauge:
    case sxUInteger: return {oid, 0x42, std::string(1, '\0')};
    case sxTimeTicks: return {oid, 0x43, std::string(1, '\0')};
    case sxMacAddress: return HostileVarBind::Octets(oid, std::string(6, '\0'));
    case sxOctetStr:
    case sxDisplayStr:
    case sxBitStr:
    case sxBitList:
    case sxIpv6Address:
    case sxInetAddress: return HostileVarBind::Octets(oid, "");
    default: return HostileVarBind::Integer(oid, 1);
    }
}

// Answers each GET-NEXT on a column of table with the next row of an endless table (the last key counting up,
// the others 1); everything else lies beyond the agent's view. Counts the steps inside the table.
class EndlessTable {
public:
    EndlessTable(const CatalogTable& table, int keyCount)
        : agent_([this, &table, keyCount](const HostileRequest& request) { return Answer(table, keyCount, request); }) {
    }

    uint16_t Port() const { return agent_.Port(); }
    int Steps() const { return steps_; }

private:
    HostileReply Answer(const CatalogTable& table, int keyCount, const HostileRequest& request) {
        HostileReply reply;
        bool inTable = false;
        for (const OidArcs& oid : request.oids) {
            const NxSNMPVar* column = ColumnOf(table, oid);
            if (request.pduType != 0xA1 || !column) {
                reply.varbinds.push_back(HostileVarBind::Exception(oid, request.pduType == 0xA1 ? 0x82 : 0x81));
                continue;
            }
            inTable = true;
            const OidArcs columnArcs = testsupport::ParseArcs(column->Oid);
            const bool hasRow = oid.size() == columnArcs.size() + static_cast<size_t>(keyCount);
            OidArcs next = columnArcs;
            for (int key = 1; key < keyCount; ++key) next.push_back(1);
            next.push_back(hasRow ? oid.back() + 1 : 1);
            reply.varbinds.push_back(ValueFor(*column, next));
        }
        if (inTable) ++steps_;
        return reply;
    }
    static const NxSNMPVar* ColumnOf(const CatalogTable& table, const OidArcs& oid) {
        for (const NxSNMPVar* var = table.Table; var->Oid; ++var) {
            if (std::string(var->Oid).find('.') == std::string::npos) continue;
            const OidArcs arcs = testsupport::ParseArcs(var->Oid);
            if (oid.size() >= arcs.size() && std::equal(arcs.begin(), arcs.end(), oid.begin())) return var;
        }
        return nullptr;
    }

    std::atomic<int> steps_{0};
    testsupport::HostileAgent agent_;
};

class AclEndlessTableTest : public DedicatedDialogTest {
protected:
    template <typename Form>
    void OpensAtItsRowLimit(const char* handler, const CatalogTable& table, int keyCount, int maxRows) {
        EndlessTable agent(table, keyCount);
        DefaultSNMPDevice.Port = agent.Port();
        bool opened = false;
        RunCommand<Form>(handler, [&](Form& form) {
            opened = true;
            EXPECT_EQ(form.ListView1->Items().Count(), maxRows);
            EXPECT_THAT(Status(form), HasSubstr(RowLimitText(maxRows)));
        });
        EXPECT_TRUE(opened);
        // The rows and the step that finds one more, for each read of the table (opening, and a second one at most).
        EXPECT_LE(agent.Steps(), 2 * (maxRows + 1));
    }
};

TEST_F(AclEndlessTableTest, IpMaskInformationStopsAtFourteenProfiles) {
    OpensAtItsRowLimit<TIPMaskInformationForm>("IPMaskInformation1Click", Oid_acl::E_12_9_2_2_1, 1, 14);
}

TEST_F(AclEndlessTableTest, IpRuleStopsAtFourteenProfilesOfOneHundredTwentyEightRules) {
    OpensAtItsRowLimit<TIPRuleForm>("IPRule1Click", Oid_acl::E_12_9_3_2_1, 2, 14 * 128);
}

}  // namespace
