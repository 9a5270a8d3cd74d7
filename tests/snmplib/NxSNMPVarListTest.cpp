#include "NxSNMPVarList.h"

#include <gtest/gtest.h>

namespace {

const NxSNMPVar kTwoColumns[] = {
    {"1.3.6.1.4.1.32473.1.1.1", "Index", sxInteger, notaccess},
    {"1.3.6.1.4.1.32473.1.1.2", "Name", sxDisplayStr, readwrite},
    {},
};

} // namespace

TEST(NxSNMPVarList, CopiesLeaveTheStaticTableAlone) {
    NxSNMPVarList list(kTwoColumns, MVT_FMV, 1);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetVar(0)->Value, "");
    EXPECT_EQ(list.GetVar(1)->LastOid, "");
    list.AppendOidSuffix("1");
    list.GetVar(1)->Access |= invalid;
    EXPECT_EQ(list.GetVar(0)->Oid, "1.3.6.1.4.1.32473.1.1.1.1");
    EXPECT_STREQ(kTwoColumns[0].Oid, "1.3.6.1.4.1.32473.1.1.1");
    EXPECT_EQ(kTwoColumns[1].Access, readwrite);
}

TEST(NxSNMPVarList, AssignKeepsInstanceAndCopyStartsEmpty) {
    NxSNMPVarList list;
    list.Instance = "5";
    list = NxSNMPVarList(kTwoColumns, MVT_SV, 0);
    EXPECT_EQ(list.Instance, "5");
    EXPECT_EQ(list.GetCount(), 2);
    list.GetVar(1)->Value = "x";
    list.IndexRest = "9.9";
    NxSNMPVarList copy(list);
    EXPECT_EQ(copy.Instance, "");
    EXPECT_EQ(copy.GetVar(1)->Value, "x");
    // What a row's keys leave of its instance is run-time state of the row, copied with the values.
    EXPECT_EQ(copy.IndexRest, "9.9");
}

TEST(NxSNMPVarList, EmptyOidTextDoesNotEndTheTable) {
    const NxSNMPVar table[] = {{"", "Port", sxInteger, notaccess}, {" ", "Unit", sxInteger, notaccess},
                               {"1.3.6.1.4.1.32473.9.1", "Value", sxInteger, readonly}, {}};
    EXPECT_EQ(NxSNMPVarList(table, MVT_FMV, 2).GetCount(), 3);
}

TEST(NxSNMPVarList, ColumnClassesFollowAccessBits) {
    struct Case { int access; bool visible; bool hidden; bool readable; };
    const Case cases[] = {
        {writeonly, false, true, false},
        {readwrite, true, false, true},
        {readonly | hidden, false, true, true},
        {notaccess, true, false, false},
        {readonly | invalid, false, true, false},
        {derived, true, false, false},
    };
    for (const Case& c : cases) {
        const NxSNMPVar table[] = {{"1.3.6.1.9", "C", sxInteger, c.access}, {}};
        NxSNMPVarList list(table, MVT_FMV, 0);
        EXPECT_EQ(list.IsVisibleColumn(0), c.visible) << c.access;
        EXPECT_EQ(list.IsHiddenColumn(0), c.hidden) << c.access;
        EXPECT_EQ(list.IsReadable(0), c.readable) << c.access;
    }
}

TEST(NxSNMPVarList, KeyColumnsSettableOnlyInTableKinds) {
    struct Case { NxVarListKind kind; bool settable; };
    for (const Case& c : {Case{SVT_SV, false}, Case{MVT_SV, false}, Case{MVT_FMV, true}, Case{MVT_UMV, true}}) {
        NxSNMPVarList list(kTwoColumns, c.kind, 1);
        EXPECT_EQ(list.IsSettable(0), c.settable) << int(c.kind);
        EXPECT_TRUE(list.IsSettable(1));
    }
}
