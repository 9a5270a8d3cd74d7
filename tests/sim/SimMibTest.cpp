#include "SimMib.h"

#include "NxSNMPVar.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

using snmp::Oid;
using snmp::Value;
using snmp::ValueType;
using snmp::VarBind;

Oid O(const char* text) { return *Oid::Parse(text); }

// A small MIB: one read-only and one writable scalar, and a table (entry 1.3.6.1.4.1.32473.9.1.1)
// with a writable name, a read-only counter and a RowStatus, rows 1 and 2.
class SimMibTest : public ::testing::Test {
protected:
    void SetUp() override {
        Scalar("1.3.6.1.4.1.32473.9.1", false, Value::Integer(7));
        Scalar("1.3.6.1.4.1.32473.9.2", true, Value::Octets("abc"));
        Column("1.3.6.1.4.1.32473.9.1.1.2", sxDisplayStr, true, false);
        Column("1.3.6.1.4.1.32473.9.1.1.3", sxCounter, false, false);
        Column("1.3.6.1.4.1.32473.9.1.1.4", sxInteger, true, true);
        for (uint32_t row : {1u, 2u}) {
            Put("1.3.6.1.4.1.32473.9.1.1.2", row, Value::Octets("row"), true);
            Put("1.3.6.1.4.1.32473.9.1.1.3", row, Value::Unsigned32(ValueType::Counter32, 5), false);
            Put("1.3.6.1.4.1.32473.9.1.1.4", row, Value::Integer(Active), true);
        }
    }

    void Scalar(const char* oid, bool writable, Value value) {
        ColumnDef def;
        def.oid = O(oid);
        def.type = value.type;
        def.writable = writable;
        mib.DefineScalar(def);
        mib.Put(Oid(def.oid).Append(0), Object{value, writable, {}, 0, false});
    }

    void Column(const char* oid, int32_t syntax, bool writable, bool rowStatus) {
        ColumnDef def;
        def.oid = O(oid);
        def.syntax = syntax;
        def.type = ValueTypeOfSyntax(syntax);
        def.writable = writable;
        def.rowStatus = rowStatus;
        def.caption = "Name";
        mib.DefineColumn(def, O("1.3.6.1.4.1.32473.9.1.1"), {{sxInteger, false, {}}});
    }

    void Put(const char* column, uint32_t row, Value value, bool writable) {
        mib.Put(O(column).Append(row), Object{value, writable, {}, 0, false});
    }

    static VarBind Int(const char* oid, int32_t v) { return {O(oid), Value::Integer(v)}; }
    static VarBind Str(const char* oid, const char* v) { return {O(oid), Value::Octets(v)}; }

    SimMib mib;
};

TEST_F(SimMibTest, NextStaysInsideItsRootAndStartsAtTheRootFromBelow) {
    const Oid root = O("1.3.6.1.4.1.32473");
    auto first = mib.Next(O("1.3.6.1.2.1.1.6.0"), false, root, 0);  // left over from an earlier registration
    ASSERT_TRUE(first);
    EXPECT_EQ(first->oid, O("1.3.6.1.4.1.32473.9.1.0"));
    EXPECT_EQ(mib.Next(O("1.3.6.1.4.1.32473.9.1.0"), true, root, 0)->oid, O("1.3.6.1.4.1.32473.9.1.0"));
    EXPECT_EQ(mib.Next(O("1.3.6.1.4.1.32473.9.1.0"), false, root, 0)->oid, O("1.3.6.1.4.1.32473.9.1.1.2.1"));
    EXPECT_FALSE(mib.Next(O("1.3.6.1.4.1.32473.9.2.0"), false, root, 0));
    EXPECT_FALSE(mib.Next(O("1.3.6.1.4.1.32473.9.1.0"), false, O("1.3.6.1.4.1.32473.8"), 0));
}

TEST_F(SimMibTest, FramesFollowEachOtherByTime) {
    Object led;
    led.value = Value::Octets("A");
    led.frames = {Value::Octets("A"), Value::Octets("B")};
    led.framePeriodMs = 1000;
    mib.Put(O("1.3.6.1.4.1.32473.9.3.0"), led);
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.3.0"), 999)->bytes, "A");
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.3.0"), 1000)->bytes, "B");
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.3.0"), 2500)->bytes, "A");
}

TEST_F(SimMibTest, CheckSetAnswersAsAnAgent) {
    struct Case { const char* what; VarBind vb; int status; };
    const Case cases[] = {
        {"read-only scalar", Int("1.3.6.1.4.1.32473.9.1.0", 1), NotWritable},
        {"writable scalar", Str("1.3.6.1.4.1.32473.9.2.0", "x"), NoError},
        {"wrong type", Int("1.3.6.1.4.1.32473.9.2.0", 1), WrongType},
        {"scalar without .0", Str("1.3.6.1.4.1.32473.9.2.1", "x"), NotWritable},
        {"unknown object", Int("1.3.6.1.4.1.32473.99.0", 1), NotWritable},
        {"read-only column", {O("1.3.6.1.4.1.32473.9.1.1.3.1"), Value::Unsigned32(ValueType::Counter32, 1)}, NotWritable},
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
        EXPECT_EQ(mib.CheckSet({c.vb}), std::vector<int>{c.status}) << c.what;
}

TEST_F(SimMibTest, ColumnsOfARowCreatedInTheSameRequestMayBeSet) {
    const std::vector<VarBind> request = {Str("1.3.6.1.4.1.32473.9.1.1.2.9", "new"),
                                          Int("1.3.6.1.4.1.32473.9.1.1.4.9", CreateAndGo)};
    EXPECT_EQ(mib.CheckSet(request), (std::vector<int>{NoError, NoError}));
}

TEST_F(SimMibTest, CreateAndGoBuildsTheRowWithDefaultsAndUndoRemovesIt) {
    const size_t before = mib.size();
    auto log = mib.ApplySet({Str("1.3.6.1.4.1.32473.9.1.1.2.9", "new"), Int("1.3.6.1.4.1.32473.9.1.1.4.9", CreateAndGo)});
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.1.1.2.9"), 0)->bytes, "new");
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.1.1.3.9"), 0)->type, ValueType::Counter32);
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.1.1.4.9"), 0)->AsInt32(), Active);
    EXPECT_TRUE(mib.Find(O("1.3.6.1.4.1.32473.9.1.1.2.9"))->writable);
    EXPECT_FALSE(mib.Find(O("1.3.6.1.4.1.32473.9.1.1.3.9"))->writable);
    mib.Undo(log);
    EXPECT_EQ(mib.size(), before);
    EXPECT_FALSE(mib.Find(O("1.3.6.1.4.1.32473.9.1.1.2.9")));
}

TEST_F(SimMibTest, CreateAndWaitLeavesTheRowNotInService) {
    mib.ApplySet({Int("1.3.6.1.4.1.32473.9.1.1.4.9", CreateAndWait)});
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.1.1.4.9"), 0)->AsInt32(), NotInService);
}

TEST_F(SimMibTest, DestroyRemovesEveryColumnOfTheRowAndUndoRestoresIt) {
    auto log = mib.ApplySet({Int("1.3.6.1.4.1.32473.9.1.1.4.2", Destroy)});
    EXPECT_FALSE(mib.Find(O("1.3.6.1.4.1.32473.9.1.1.2.2")));
    EXPECT_FALSE(mib.Find(O("1.3.6.1.4.1.32473.9.1.1.3.2")));
    EXPECT_FALSE(mib.Find(O("1.3.6.1.4.1.32473.9.1.1.4.2")));
    EXPECT_TRUE(mib.Find(O("1.3.6.1.4.1.32473.9.1.1.2.1")));
    mib.Undo(log);
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.1.1.3.2"), 0)->AsUInt32(), 5u);
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.1.1.4.2"), 0)->AsInt32(), Active);
}

TEST_F(SimMibTest, AWriteKeepsTheValueAndUndoRestoresTheOldOne) {
    auto log = mib.ApplySet({Str("1.3.6.1.4.1.32473.9.2.0", "changed")});
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.2.0"), 0)->bytes, "changed");
    mib.Undo(log);
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.2.0"), 0)->bytes, "abc");
}

} // namespace
} // namespace sim
