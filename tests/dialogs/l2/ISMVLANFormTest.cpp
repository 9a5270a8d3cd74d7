// The IGMP snooping multicast VLAN table against the simulator: the editors of a selected row only, what Add, Set
// and Delete send (Add never the source and member lists, Set only ticked lists), the refused Add and the close
// query.
#include "DedicatedDialogFixture.h"
#include "ISMVLANFormUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

constexpr const char* Handler = "IGMPMulticastVLAN1Click";
constexpr const char* Entry = "1.3.6.1.4.1.32473.11.70.7.2.11.7.1";
std::string Column(int column) { return std::string(Entry) + "." + std::to_string(column) + "."; }

class ISMVLANFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1-3");
    }
    void Open(const std::function<void(TISMVLANForm&)>& driver) {
        OpenWhenWalked<TISMVLANForm>(
            Handler, [](TISMVLANForm& form) -> const DialogTable& { return form.MulticastVlanTable; }, driver);
    }
    int WalkStarts() const { return Walks(Column(2).substr(0, Column(2).size() - 1)); }
};

TEST_F(ISMVLANFormTest, StateSourceIpAndRemoveAreEditableOnASelectedRowOnly) {
    Open([&](TISMVLANForm& form) {
        EXPECT_EQ(form.Caption(), "IGMP Snooping Multicast VLAN Table: 127.0.0.1");
        ASSERT_EQ(form.lvISMVLAN->Items().Count(), 3);
        ASSERT_EQ(form.PageControl1->PageCount(), 4);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Source Ports");
        EXPECT_EQ(form.PageControl1->Pages(1)->Caption(), "Member Ports");
        EXPECT_EQ(form.PageControl1->Pages(2)->Caption(), "Tagged Member Ports");
        EXPECT_EQ(form.PageControl1->Pages(3)->Caption(), "Untagged Source Ports");
        EXPECT_FALSE(form.edtRangeName->Visible());
        EXPECT_EQ(form.CBoxRaplacePriority->Text(), "false");
        for (ui::Control* editor : std::vector<ui::Control*>{form.cbxVLANState, form.edtSourceIP, form.cbxRangeState})
            EXPECT_FALSE(editor->Enabled()) << editor->Name();
        form.lvISMVLAN->SetItemIndex(1);
        EXPECT_EQ(form.ED_VLANID->Text(), "2");
        EXPECT_TRUE(form.ED_VLANID->Enabled());
        for (ui::Control* editor : std::vector<ui::Control*>{form.cbxVLANState, form.edtSourceIP, form.cbxRangeState})
            EXPECT_TRUE(editor->Enabled()) << editor->Name();
        EXPECT_FALSE(form.edtSourceIP->Text().empty());
        EXPECT_GE(form.cbxVLANState->ItemIndex(), 0);
        form.lvISMVLAN->ClearSelection();
        EXPECT_EQ(form.edtSourceIP->Text(), "");
        EXPECT_EQ(form.cbxVLANState->ItemIndex(), -1);
        EXPECT_EQ(form.cbxRangeState->ItemIndex(), -1);
        for (ui::Control* editor : std::vector<ui::Control*>{form.cbxVLANState, form.edtSourceIP, form.cbxRangeState})
            EXPECT_FALSE(editor->Enabled()) << editor->Name();
    });
}

TEST_F(ISMVLANFormTest, AddRefusesMissingKeysReadsAgainAndNeverSendsSourceOrMemberPorts) {
    ui::MessageBoxRecorder boxes;
    Open([&](TISMVLANForm& form) {
        ASSERT_TRUE(UserClick(form.AddBtn));
        ASSERT_TRUE(WaitWalk(form.MulticastVlanTable));
        ASSERT_TRUE(TypeText(form.ED_VLANID, "100"));
        ASSERT_TRUE(UserClick(form.AddBtn));
        ASSERT_TRUE(WaitWalk(form.MulticastVlanTable));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Please specify VLAN ID", "Please specify VLAN Name"}));
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_EQ(WalkStarts(), 2);  // read again after each refused check

        MarkLog();
        boxes.Clear();
        ASSERT_TRUE(TypeText(form.ED_VLANID, "100"));
        ASSERT_TRUE(TypeText(form.ED_VLANName, "Mcast"));
        ASSERT_TRUE(TypeText(form.RemapPriorityEdit, "3"));
        for (TStackingPortUitForm* selector : form.PortSelectors) selector->PortCheckBoxes[3]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.AddBtn));
        ASSERT_TRUE(WaitWalk(form.MulticastVlanTable));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]),
                    ElementsAre(Column(2) + "100=STRING:\"Mcast\"", Column(5) + "100=HEX:1000000000000000",
                                Column(8) + "100=INTEGER:4", Column(10) + "100=HEX:1000000000000000",
                                Column(11) + "100=INTEGER:3", Column(12) + "100=INTEGER:2"));
        EXPECT_EQ(form.lvISMVLAN->Items().Count(), 4);
        EXPECT_EQ(form.ED_VLANID->Text(), "");
    });
}

TEST_F(ISMVLANFormTest, SetLeavesOutEveryListWithoutATickedPortAndSendsTheRemapPriority) {
    Open([&](TISMVLANForm& form) {
        form.lvISMVLAN->SetItemIndex(0);  // every list of row 1 holds port 1
        form.MemberPorts->PortCheckBoxes[0]->SetChecked(false);
        form.UntaggedSourcePorts->PortCheckBoxes[0]->SetChecked(false);
        form.SourcePorts->PortCheckBoxes[1]->SetChecked(true);
        form.RemapPriorityEdit->SetText("");
        ASSERT_TRUE(TypeText(form.RemapPriorityEdit, "8"));
        ASSERT_TRUE(UserClick(form.SetBtn));
        ASSERT_TRUE(WaitWalk(form.MulticastVlanTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::vector<std::string> varbinds = Varbinds(sets[0]);
        std::vector<std::string> columns;
        for (const std::string& varbind : varbinds)
            columns.push_back(
                varbind.substr(std::string(Entry).size() + 1, varbind.find(".1=") - std::string(Entry).size() - 1));
        EXPECT_THAT(columns, ElementsAre("2", "3", "5", "6", "7", "9", "8", "11", "12"));
        EXPECT_EQ(varbinds[1], Column(3) + "1=HEX:C000000000000000");
        EXPECT_EQ(varbinds[6], Column(8) + "1=INTEGER:1");
        EXPECT_EQ(varbinds[7], Column(11) + "1=INTEGER:8");
        EXPECT_FALSE(form.SetBtn->Enabled());
        EXPECT_FALSE(form.edtSourceIP->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.MulticastVlanTable));
    });
}

TEST_F(ISMVLANFormTest, ARefusedSetIsReportedWithEveryAccessBitBackAndTheTableReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TISMVLANForm& form) {
        ASSERT_EQ(Control(std::string("error ") + Entry + " wrongValue 1"), "ok");
        form.lvISMVLAN->SetItemIndex(1);
        form.MemberPorts->PortCheckBoxes[1]->SetChecked(false);
        ASSERT_TRUE(UserClick(form.SetBtn));
        ASSERT_TRUE(WaitWalk(form.MulticastVlanTable));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_FALSE(boxes.Calls()[0].Text.empty());
        EXPECT_TRUE(NoInvalidBits(form.MulticastVlanTable));
        EXPECT_EQ(WalkStarts(), 1);
        EXPECT_EQ(form.lvISMVLAN->Items().Count(), 3);
        EXPECT_TRUE(form.AddBtn->Enabled());
    });
}

TEST_F(ISMVLANFormTest, DeleteSendsRowStatusDestroyAlone) {
    Open([&](TISMVLANForm& form) {
        form.lvISMVLAN->SetItemIndex(2);
        ASSERT_TRUE(UserClick(form.DeleteBtn));
        ASSERT_TRUE(WaitWalk(form.MulticastVlanTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Column(8) + "3=INTEGER:6"));
        EXPECT_EQ(form.ST_Count2->Caption(), "2");
        EXPECT_TRUE(NoInvalidBits(form.MulticastVlanTable));
    });
}

TEST_F(ISMVLANFormTest, ClosingWhileTheWalkRunsIsRefused) {
    ui::MessageBoxRecorder boxes;
    Open([&](TISMVLANForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.MulticastVlanTable, *form.lvISMVLAN, form.RefreshBtn, Column(2) + "1"));
        form.btnClose->Click();
        Then([&] {
            EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete"}));
            EXPECT_TRUE(form.Visible());
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(form.MulticastVlanTable));
            form.btnClose->Click();
        });
    });
}

}  // namespace
