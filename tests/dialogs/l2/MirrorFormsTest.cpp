// The mirror group and RSPAN tables against the simulator, opened through their menu commands: Add and Delete send
// RowStatus alone, Set sends the row's columns (RSPAN never RowStatus, a group of "0" left out, 5 refused), the
// editors locked without a selected row, and the RSPAN group rule.
#include "DedicatedDialogFixture.h"
#include "MirrorgroupFormunit.h"
#include "RSPANFFormUnit.h"

#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::StartsWith;

constexpr const char* MirrorEntry = "1.3.6.1.4.1.32473.11.70.7.2.10.5.1";
constexpr const char* RspanEntry = "1.3.6.1.4.1.32473.12.68.3.1.1";
std::string Column(const char* entry, int column) { return std::string(entry) + "." + std::to_string(column) + "."; }

int RowOf(const ui::ListView& list, const std::string& key) {
    for (int row = 0; row < list.Items().Count(); ++row)
        if (list.Items()[row]->Caption() == key) return row;
    return -1;
}

class MirrorGroupFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(MirrorEntry, "1");
    }
    void Open(const std::function<void(TMirrorGroupForm&)>& driver) {
        OpenWhenWalked<TMirrorGroupForm>(
            "MirrorGroupTable1Click", [](TMirrorGroupForm& form) -> DialogTable& { return form.MirrorTable; }, driver);
    }
    static bool Locked(TMirrorGroupForm& form) {
        return !form.TargetEdit->Enabled() && !form.groupStateComboBox->Enabled() &&
               !form.IngressPorts->PortCheckBoxes[0]->Enabled() && !form.EgressPorts->PortCheckBoxes[0]->Enabled();
    }
};

TEST_F(MirrorGroupFormTest, AddAndDeleteSendRowStatusAloneAndTheEditorsOpenOnlyForASelectedRow) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMirrorGroupForm& form) {
        EXPECT_EQ(MirrorGroupForm, &form);
        EXPECT_EQ(form.Caption(), "Mirror Group Table: 127.0.0.1");
        EXPECT_TRUE(Locked(form));
        ASSERT_TRUE(UserClick(form.btnAdd));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Group ID need to input."});
        EXPECT_TRUE(form.ED_GroupID->Focused());
        ASSERT_TRUE(TypeText(form.ED_GroupID, "2"));
        ASSERT_TRUE(UserClick(form.btnAdd));
        ASSERT_TRUE(WaitWalk(form.MirrorTable));
        std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Column(MirrorEntry, 2) + "2=INTEGER:4"));
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_TRUE(Locked(form));
        form.ListView1->SetItemIndex(RowOf(*form.ListView1, "2"));
        EXPECT_FALSE(Locked(form));
        EXPECT_FALSE(form.ED_GroupID->Enabled());
        MarkLog();
        ASSERT_TRUE(UserClick(form.btnDelete));
        ASSERT_TRUE(WaitWalk(form.MirrorTable));
        sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Column(MirrorEntry, 2) + "2=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_TRUE(Locked(form));
        EXPECT_TRUE(NoInvalidBits(form.MirrorTable));
    });
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_F(MirrorGroupFormTest, SetSendsTheRowAndACloseRightAfterItIsNotRefused) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMirrorGroupForm& form) {
        form.ListView1->SetItemIndex(0);
        form.TargetEdit->SetText("");
        ASSERT_TRUE(TypeText(form.TargetEdit, "5"));
        ChooseItem(form.groupStateComboBox, "enabled");
        for (TStackingPortUitForm* selector : {form.IngressPorts, form.EgressPorts})
            for (ui::CheckBox* box : selector->PortCheckBoxes) box->SetChecked(false);
        form.IngressPorts->PortCheckBoxes[1]->SetChecked(true);
        form.EgressPorts->PortCheckBoxes[2]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_TRUE(Locked(form));
        EXPECT_FALSE(form.btnSet->Enabled());
        ASSERT_TRUE(UserClick(form.btnClose));  // the read after the SET may still run
    });
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(MirrorGroupForm, nullptr);
    const std::vector<std::string> sets = Pdus("SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_THAT(Varbinds(sets[0]),
                ElementsAre(Column(MirrorEntry, 2) + "1=INTEGER:1", Column(MirrorEntry, 3) + "1=INTEGER:3",
                            Column(MirrorEntry, 4) + "1=INTEGER:5", Column(MirrorEntry, 5) + "1=HEX:4000000000000000",
                            Column(MirrorEntry, 6) + "1=HEX:2000000000000000"));
}

TEST_F(MirrorGroupFormTest, WhileAWalkRunsAddDeleteAndCloseAreRefused) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMirrorGroupForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.MirrorTable, *form.ListView1, form.RefreshBtn,
                                          Column(MirrorEntry, 2) + "1", 300));
        form.ED_GroupID->SetText("3");
        ASSERT_TRUE(UserClick(form.btnAdd));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Get data not complete"});
        form.btnClose->Click();
        Then([&] {
            EXPECT_EQ(boxes.Calls().size(), 2u);
            EXPECT_TRUE(form.Visible());
            ASSERT_TRUE(WaitWalk(form.MirrorTable));
            EXPECT_TRUE(Pdus("SET").empty());
        });
    });
}

class RspanFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(RspanEntry, "10 20");
        ASSERT_EQ(Control("set-rw " + Column(RspanEntry, 6) + "10 int 1"), "ok");
        ASSERT_EQ(Control("set-rw " + Column(RspanEntry, 6) + "20 int 0"), "ok");
    }
    void Open(const std::function<void(TRSPANForm&)>& driver) {
        OpenWhenWalked<TRSPANForm>(
            "RSPANTable1Click", [](TRSPANForm& form) -> DialogTable& { return form.RspanTable; }, driver);
    }
    static void Select(TRSPANForm& form, const char* vlan) {
        form.ListView1->SetItemIndex(RowOf(*form.ListView1, vlan));
    }
    static bool SourcesOpen(TRSPANForm& form) {
        return form.IngressPorts->PortCheckBoxes[0]->Enabled() && form.EgressPorts->PortCheckBoxes[0]->Enabled();
    }
    // The columns a SET names, for the instance vlan.
    static std::vector<int> ColumnsSent(const std::string& set) {
        std::vector<int> columns;
        for (const std::string& varbind : Varbinds(set)) {
            const std::string rest = varbind.substr(std::string(RspanEntry).size() + 1);
            columns.push_back(std::stoi(rest.substr(0, rest.find('.'))));
        }
        return columns;
    }
};

TEST_F(RspanFormTest, TheGroupRuleDecidesWhatASelectedRowOffersAndWhatSetSends) {
    ui::MessageBoxRecorder boxes;
    Open([&](TRSPANForm& form) {
        EXPECT_EQ(RSPANForm, &form);
        EXPECT_EQ(form.Caption(), "RSPAN Table: 127.0.0.1");
        EXPECT_FALSE(form.MirrorIDEdit->Enabled());
        EXPECT_FALSE(form.RedirectPorts->PortCheckBoxes[0]->Enabled());
        // VLAN 20 is in no group while VLAN 10 is: the redirect ports alone.
        Select(form, "20");
        EXPECT_FALSE(SourcesOpen(form));
        EXPECT_FALSE(form.MirrorIDEdit->Enabled());
        EXPECT_TRUE(form.RedirectPorts->PortCheckBoxes[0]->Enabled());
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(RunUntil([&] { return Pdus("SET").size() == 1 && !form.RspanTable.Busy(); }));
        EXPECT_THAT(ColumnsSent(Pdus("SET")[0]), ElementsAre(4));
        EXPECT_THAT(Pdus("SET")[0], ::testing::HasSubstr(Column(RspanEntry, 4) + "20="));
        // VLAN 10 has a group: its source ports and group go again.
        MarkLog();
        Select(form, "10");
        EXPECT_TRUE(SourcesOpen(form));
        EXPECT_TRUE(form.MirrorIDEdit->Enabled());
        EXPECT_EQ(form.MirrorIDEdit->Text(), "1");
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(RunUntil([&] { return Pdus("SET").size() == 1 && !form.RspanTable.Busy(); }));
        EXPECT_THAT(ColumnsSent(Pdus("SET")[0]), ElementsAre(2, 3, 4, 6));
        EXPECT_TRUE(NoInvalidBits(form.RspanTable));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(RspanFormTest, AGroupOfZeroIsLeftOutAndOneOutsideOneToFourIsRefused) {
    ASSERT_EQ(Control("set-rw " + Column(RspanEntry, 6) + "10 int 0"), "ok");  // no VLAN in a group
    struct Case {
        const char* group;
        std::vector<int> columns;  // empty: refused
    };
    const Case cases[] = {{"0", {2, 3, 4}}, {"", {2, 3, 4}}, {"3", {2, 3, 4, 6}}, {"5", {}}};
    ui::MessageBoxRecorder boxes;
    Open([&](TRSPANForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.group);
            MarkLog();
            boxes.Clear();
            Select(form, "10");
            EXPECT_FALSE(SourcesOpen(form));  // no row has a group: sent, but not offered
            EXPECT_TRUE(form.MirrorIDEdit->Enabled());
            form.MirrorIDEdit->SetText(c.group);
            ASSERT_TRUE(UserClick(form.btnSet));
            if (c.columns.empty()) {
                EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Please input a number between 1-4."});
                EXPECT_TRUE(NothingSent("SET"));
                continue;
            }
            ASSERT_TRUE(RunUntil([&] { return Pdus("SET").size() == 1 && !form.RspanTable.Busy(); }));
            EXPECT_EQ(ColumnsSent(Pdus("SET")[0]), c.columns);
            EXPECT_TRUE(boxes.Calls().empty());
            ASSERT_EQ(Control("set-rw " + Column(RspanEntry, 6) + "10 int 0"), "ok");
            ASSERT_TRUE(UserClick(form.RefreshBtn));
            ASSERT_TRUE(WaitWalk(form.RspanTable));
        }
    });
}

TEST_F(RspanFormTest, AddAndDeleteSendRowStatusAlone) {
    ui::MessageBoxRecorder boxes;
    Open([&](TRSPANForm& form) {
        ASSERT_TRUE(UserClick(form.btnAdd));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"VLAN ID need to input."});
        ASSERT_TRUE(TypeText(form.ED_VLANID, "30"));
        ASSERT_TRUE(UserClick(form.btnAdd));
        ASSERT_TRUE(WaitWalk(form.RspanTable));
        Select(form, "30");
        ASSERT_TRUE(UserClick(form.btnDelete));
        ASSERT_TRUE(WaitWalk(form.RspanTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Column(RspanEntry, 5) + "30=INTEGER:4"));
        EXPECT_THAT(Varbinds(sets[1]), ElementsAre(Column(RspanEntry, 5) + "30=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
    });
}

}  // namespace
