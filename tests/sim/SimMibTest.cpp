#include "SimMib.h"

#include "NxSNMPVar.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

using snmp::Oid;
using snmp::Value;
using snmp::ValueType;
using snmp::VarBind;

Oid O(const char* text) { return *Oid::parse(text); }

// A small MIB: one read-only and one writable scalar, and a table (entry 1.3.6.1.4.1.32473.9.1.1)
// with a writable name, a read-only counter and a RowStatus, rows 1 and 2.
class SimMibTest : public ::testing::Test {
protected:
    void SetUp() override {
        scalar("1.3.6.1.4.1.32473.9.1", false, Value::integer(7));
        scalar("1.3.6.1.4.1.32473.9.2", true, Value::octets("abc"));
        column("1.3.6.1.4.1.32473.9.1.1.2", sxDisplayStr, true, false);
        column("1.3.6.1.4.1.32473.9.1.1.3", sxCounter, false, false);
        column("1.3.6.1.4.1.32473.9.1.1.4", sxInteger, true, true);
        for (uint32_t row : {1u, 2u}) {
            put("1.3.6.1.4.1.32473.9.1.1.2", row, Value::octets("row"), true);
            put("1.3.6.1.4.1.32473.9.1.1.3", row, Value::unsigned32(ValueType::Counter32, 5), false);
            put("1.3.6.1.4.1.32473.9.1.1.4", row, Value::integer(Active), true);
        }
    }

    void scalar(const char* oid, bool writable, Value value) {
        ColumnDef def;
        def.oid = O(oid);
        def.type = value.type;
        def.writable = writable;
        mib.defineScalar(def);
        mib.put(Oid(def.oid).append(0), Object{value, writable, {}, 0, false});
    }

    void column(const char* oid, int32_t syntax, bool writable, bool rowStatus) {
        ColumnDef def;
        def.oid = O(oid);
        def.syntax = syntax;
        def.type = ValueTypeOfSyntax(syntax);
        def.writable = writable;
        def.rowStatus = rowStatus;
        def.caption = "Name";
        mib.defineColumn(def, O("1.3.6.1.4.1.32473.9.1.1"), {{sxInteger, false, {}}});
    }

    void put(const char* column, uint32_t row, Value value, bool writable) {
        mib.put(O(column).append(row), Object{value, writable, {}, 0, false});
    }

    static VarBind Int(const char* oid, int32_t v) { return {O(oid), Value::integer(v)}; }
    static VarBind Str(const char* oid, const char* v) { return {O(oid), Value::octets(v)}; }

    SimMib mib;
};

TEST_F(SimMibTest, NextStaysInsideItsRootAndStartsAtTheRootFromBelow) {
    const Oid root = O("1.3.6.1.4.1.32473");
    auto first = mib.next(O("1.3.6.1.2.1.1.6.0"), false, root, 0);  // left over from an earlier registration
    ASSERT_TRUE(first);
    EXPECT_EQ(first->oid, O("1.3.6.1.4.1.32473.9.1.0"));
    EXPECT_EQ(mib.next(O("1.3.6.1.4.1.32473.9.1.0"), true, root, 0)->oid, O("1.3.6.1.4.1.32473.9.1.0"));
    EXPECT_EQ(mib.next(O("1.3.6.1.4.1.32473.9.1.0"), false, root, 0)->oid, O("1.3.6.1.4.1.32473.9.1.1.2.1"));
    EXPECT_FALSE(mib.next(O("1.3.6.1.4.1.32473.9.2.0"), false, root, 0));
    EXPECT_FALSE(mib.next(O("1.3.6.1.4.1.32473.9.1.0"), false, O("1.3.6.1.4.1.32473.8"), 0));
}

TEST_F(SimMibTest, FramesFollowEachOtherByTime) {
    Object led;
    led.value = Value::octets("A");
    led.frames = {Value::octets("A"), Value::octets("B")};
    led.framePeriodMs = 1000;
    mib.put(O("1.3.6.1.4.1.32473.9.3.0"), led);
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.3.0"), 999)->bytes, "A");
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.3.0"), 1000)->bytes, "B");
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.3.0"), 2500)->bytes, "A");
}

TEST_F(SimMibTest, CheckSetAnswersAsAnAgent) {
    struct Case { const char* what; VarBind vb; int status; };
    const Case cases[] = {
        {"read-only scalar", Int("1.3.6.1.4.1.32473.9.1.0", 1), NotWritable},
        {"writable scalar", Str("1.3.6.1.4.1.32473.9.2.0", "x"), NoError},
        {"wrong type", Int("1.3.6.1.4.1.32473.9.2.0", 1), WrongType},
        {"scalar without .0", Str("1.3.6.1.4.1.32473.9.2.1", "x"), NotWritable},
        {"unknown object", Int("1.3.6.1.4.1.32473.99.0", 1), NotWritable},
        {"read-only column", {O("1.3.6.1.4.1.32473.9.1.1.3.1"), Value::unsigned32(ValueType::Counter32, 1)}, NotWritable},
        {"writable column", Str("1.3.6.1.4.1.32473.9.1.1.2.2", "x"), NoError},
        {"column of a missing row", Str("1.3.6.1.4.1.32473.9.1.1.2.9", "x"), NoCreation},
        {"createAndGo on an existing row", Int("1.3.6.1.4.1.32473.9.1.1.4.1", CreateAndGo), InconsistentValue},
        {"createAndWait on an existing row", Int("1.3.6.1.4.1.32473.9.1.1.4.1", CreateAndWait), InconsistentValue},
        {"createAndGo on a new row", Int("1.3.6.1.4.1.32473.9.1.1.4.9", CreateAndGo), NoError},
        {"destroy an existing row", Int("1.3.6.1.4.1.32473.9.1.1.4.2", Destroy), NoError},
        {"destroy a missing row", Int("1.3.6.1.4.1.32473.9.1.1.4.9", Destroy), NoError},
        {"active on a missing row", Int("1.3.6.1.4.1.32473.9.1.1.4.9", Active), InconsistentValue},
        {"row status 9", Int("1.3.6.1.4.1.32473.9.1.1.4.1", 9), WrongValue},
        {"row status notReady", Int("1.3.6.1.4.1.32473.9.1.1.4.1", NotReady), WrongValue},
        {"row status as text", Str("1.3.6.1.4.1.32473.9.1.1.4.1", "active"), WrongType},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mib.checkSet({c.vb}), std::vector<int>{c.status}) << c.what;
}

TEST_F(SimMibTest, ColumnsOfARowCreatedInTheSameRequestMayBeSet) {
    const std::vector<VarBind> request = {Str("1.3.6.1.4.1.32473.9.1.1.2.9", "new"),
                                          Int("1.3.6.1.4.1.32473.9.1.1.4.9", CreateAndGo)};
    EXPECT_EQ(mib.checkSet(request), (std::vector<int>{NoError, NoError}));
}

TEST_F(SimMibTest, CreateAndGoBuildsTheRowWithDefaultsAndUndoRemovesIt) {
    const size_t before = mib.size();
    auto log = mib.applySet({Str("1.3.6.1.4.1.32473.9.1.1.2.9", "new"), Int("1.3.6.1.4.1.32473.9.1.1.4.9", CreateAndGo)});
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.1.1.2.9"), 0)->bytes, "new");
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.1.1.3.9"), 0)->type, ValueType::Counter32);
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.1.1.4.9"), 0)->asInt32(), Active);
    EXPECT_TRUE(mib.find(O("1.3.6.1.4.1.32473.9.1.1.2.9"))->writable);
    EXPECT_FALSE(mib.find(O("1.3.6.1.4.1.32473.9.1.1.3.9"))->writable);
    mib.undo(log);
    EXPECT_EQ(mib.size(), before);
    EXPECT_FALSE(mib.find(O("1.3.6.1.4.1.32473.9.1.1.2.9")));
}

TEST_F(SimMibTest, CreateAndWaitLeavesTheRowNotInService) {
    mib.applySet({Int("1.3.6.1.4.1.32473.9.1.1.4.9", CreateAndWait)});
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.1.1.4.9"), 0)->asInt32(), NotInService);
}

TEST_F(SimMibTest, DestroyRemovesEveryColumnOfTheRowAndUndoRestoresIt) {
    auto log = mib.applySet({Int("1.3.6.1.4.1.32473.9.1.1.4.2", Destroy)});
    EXPECT_FALSE(mib.find(O("1.3.6.1.4.1.32473.9.1.1.2.2")));
    EXPECT_FALSE(mib.find(O("1.3.6.1.4.1.32473.9.1.1.3.2")));
    EXPECT_FALSE(mib.find(O("1.3.6.1.4.1.32473.9.1.1.4.2")));
    EXPECT_TRUE(mib.find(O("1.3.6.1.4.1.32473.9.1.1.2.1")));
    mib.undo(log);
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.1.1.3.2"), 0)->asUInt32(), 5u);
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.1.1.4.2"), 0)->asInt32(), Active);
}

TEST_F(SimMibTest, AWriteKeepsTheValueAndUndoRestoresTheOldOne) {
    auto log = mib.applySet({Str("1.3.6.1.4.1.32473.9.2.0", "changed")});
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.2.0"), 0)->bytes, "changed");
    mib.undo(log);
    EXPECT_EQ(mib.get(O("1.3.6.1.4.1.32473.9.2.0"), 0)->bytes, "abc");
}

} // namespace
} // namespace sim
