// The IP multicast VLAN replication destinations and the Q-BRIDGE multicast forwarding views against the simulator:
// the createAndGo rule, the name in the key, Delete with the entry's ports; the forward-all Set of the two writable
// lists; the group view that never writes; Refresh during a walk.
#include "DedicatedDialogFixture.h"
#include "IPMcastVLANRepDstFormUnit.h"
#include "MulticastForwardingInformationFormUnit.h"
#include "TpGroupDestinationForwardedFormUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

constexpr const char* DestinationEntry = "1.3.6.1.4.1.32473.12.71.3.5.1";
constexpr const char* ForwardAllEntry = "1.3.6.1.2.1.17.7.1.2.4.1";
constexpr const char* TpGroupEntry = "1.3.6.1.2.1.17.7.1.2.3.1";
std::string Destination(int column) { return std::string(DestinationEntry) + "." + std::to_string(column) + "."; }

class MulticastReplicationFormsTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(DestinationEntry, "4.114.111.119.49.1 4.114.111.119.50.2 4.114.111.119.51.3");
        SeedRows(ForwardAllEntry, "1-3");
        SeedRows(TpGroupEntry, "1.0.80.67.0.0.1 2.0.80.67.0.0.2 3.0.80.67.0.0.3");
    }
    void OpenDestinations(const std::function<void(TIPMcastVLANRepDstForm&)>& driver) {
        OpenWhenIdle<TIPMcastVLANRepDstForm>(
            "DestinationTable1Click",
            [](TIPMcastVLANRepDstForm& form) -> const DialogTable& { return form.DestinationTable; }, driver);
    }
};

TEST_F(MulticastReplicationFormsTest, AddNeedsNameVlanAndCreateAndGoAndKeysTheEntryByItsName) {
    ui::MessageBoxRecorder boxes;
    OpenDestinations([&](TIPMcastVLANRepDstForm& form) {
        EXPECT_EQ(form.Caption(), "IP Multicast VLAN Replication Destination Table: 127.0.0.1");
        ASSERT_EQ(form.LV_IPMcastVLANRepDstEntry->Items().Count(), 3);
        EXPECT_EQ(form.LV_IPMcastVLANRepDstEntry->Items()[0]->Caption(), "row1");
        ASSERT_TRUE(UserClick(form.AddBtn));
        ASSERT_TRUE(TypeText(form.ED_Name, "lab"));
        ASSERT_TRUE(UserClick(form.AddBtn));
        ASSERT_TRUE(TypeText(form.ED_MulticastVID, "10"));
        ASSERT_TRUE(UserClick(form.AddBtn));
        ChooseItem(form.Status, "active");
        ASSERT_TRUE(UserClick(form.AddBtn));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{
                                       "IP Multicast VLAN Replication Name must be set.", "VLAN ID must be set.",
                                       "Status should be set to createAndGo", "Status should be set to createAndGo"}));
        EXPECT_TRUE(NothingSent());
        boxes.Clear();
        ChooseItem(form.Status, "createAndGo");
        form.Ports->PortCheckBoxes[1]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.AddBtn));
        ASSERT_TRUE(RunUntil(
            [&] { return form.LV_IPMcastVLANRepDstEntry->Items().Count() == 4 && !form.DestinationTable.Busy(); }));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Destination(2) + "3.108.97.98.10=HEX:4000000000000000",
                                                   Destination(3) + "3.108.97.98.10=INTEGER:4"));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(form.ED_Name->Text(), "");
        EXPECT_EQ(form.Status->ItemIndex(), -1);
    });
}

// The edit formats hold the name to 16 characters and refuse a VLAN ID outside 1 to 4094 before any SET.
TEST_F(MulticastReplicationFormsTest, TheKeyFormatsHoldTheNameAndRefuseAnOutOfRangeVlan) {
    ui::MessageBoxRecorder boxes;
    OpenDestinations([&](TIPMcastVLANRepDstForm& form) {
        ASSERT_TRUE(TypeText(form.ED_Name, "replication-name-17"));
        EXPECT_EQ(form.ED_Name->Text(), "replication-name");
        ASSERT_TRUE(TypeText(form.ED_MulticastVID, "4095"));
        ChooseItem(form.Status, "createAndGo");
        ASSERT_TRUE(UserClick(form.AddBtn));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{" Please enter a number between 1 and 4094!"});
        EXPECT_TRUE(NothingSent());
        EXPECT_EQ(form.LV_IPMcastVLANRepDstEntry->Items().Count(), 3);
    });
}

TEST_F(MulticastReplicationFormsTest, DeleteSendsThePortsWithDestroyAndRefreshLeavesTheEditorsEmptyAndOpen) {
    OpenDestinations([&](TIPMcastVLANRepDstForm& form) {
        form.LV_IPMcastVLANRepDstEntry->SetItemIndex(1);
        EXPECT_FALSE(form.ED_Name->Enabled());
        EXPECT_FALSE(form.ED_MulticastVID->Enabled());
        EXPECT_FALSE(form.Status->Enabled());
        EXPECT_FALSE(form.AddBtn->Enabled());
        ASSERT_TRUE(UserClick(form.btnDelete));
        ASSERT_TRUE(RunUntil(
            [&] { return form.LV_IPMcastVLANRepDstEntry->Items().Count() == 2 && !form.DestinationTable.Busy(); }));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Destination(2) + "4.114.111.119.50.2=HEX:1000000000000000",
                                                   Destination(3) + "4.114.111.119.50.2=INTEGER:6"));
        EXPECT_TRUE(form.ED_Name->Enabled());
        EXPECT_EQ(form.ED_Name->Text(), "");
        EXPECT_TRUE(form.AddBtn->Enabled());

        form.LV_IPMcastVLANRepDstEntry->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.RefreshBtn));
        ASSERT_TRUE(WaitIdle(form.DestinationTable));
        for (ui::Control* editor : std::vector<ui::Control*>{form.ED_Name, form.ED_MulticastVID, form.Status})
            EXPECT_TRUE(editor->Enabled()) << editor->Name();
        EXPECT_EQ(form.ED_MulticastVID->Text(), "");
        EXPECT_FALSE(form.btnDelete->Enabled());
    });
}

TEST_F(MulticastReplicationFormsTest, ForwardAllSetSendsTheStaticAndForbiddenListsOfTheSelectedVlan) {
    ui::MessageBoxRecorder boxes;
    OpenWhenIdle<TMulticastForwardingInformationForm>(
        "MulticastForwardingInformation1Click",
        [](TMulticastForwardingInformationForm& form) -> const DialogTable& { return form.ForwardAllTable; },
        [&](TMulticastForwardingInformationForm& form) {
            ASSERT_EQ(form.LV_dot1qForwardUnregisteredEntry->Items().Count(), 3);
            ASSERT_EQ(form.PageControl1->PageCount(), 3);
            EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Forward Ports");
            EXPECT_EQ(form.ForwardPorts->PortCheckBoxes.size(), 64u);
            EXPECT_FALSE(form.SetBtn->Enabled());
            form.LV_dot1qForwardUnregisteredEntry->SetItemIndex(1);
            EXPECT_TRUE(form.ForwardPorts->PortCheckBoxes[1]->Checked());
            form.StaticPorts->PortCheckBoxes[3]->SetChecked(true);
            form.ForwardPorts->PortCheckBoxes[5]->SetChecked(true);
            ASSERT_TRUE(UserClick(form.SetBtn));
            ASSERT_TRUE(WaitIdle(form.ForwardAllTable));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(Varbinds(sets[0]), ElementsAre(std::string(ForwardAllEntry) + ".2.2=HEX:5000000000000000",
                                                       std::string(ForwardAllEntry) + ".3.2=HEX:4000000000000000"));
            EXPECT_EQ(Walks(std::string(ForwardAllEntry) + ".1"), 1);  // read again after the answer
            EXPECT_TRUE(boxes.Calls().empty());
        });
}

TEST_F(MulticastReplicationFormsTest, RefreshDuringAWalkStartsNoSecondWalkInEitherView) {
    OpenWhenIdle<TMulticastForwardingInformationForm>(
        "MulticastForwardingInformation1Click",
        [](TMulticastForwardingInformationForm& form) -> const DialogTable& { return form.ForwardAllTable; },
        [&](TMulticastForwardingInformationForm& form) {
            ASSERT_TRUE(HoldWalkAfterFirstRow(form.ForwardAllTable, *form.LV_dot1qForwardUnregisteredEntry,
                                              form.RefreshBtn, std::string(ForwardAllEntry) + ".1.1"));
            EXPECT_TRUE(UserClick(form.RefreshBtn));
            EXPECT_EQ(Walks(std::string(ForwardAllEntry) + ".1"), 1);
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitIdle(form.ForwardAllTable));
            EXPECT_EQ(form.LV_dot1qForwardUnregisteredEntry->Items().Count(), 3);
        });
    OpenWhenIdle<TTpGroupDestinationForwardedForm>(
        "TpGroupDestinationForwarded1Click",
        [](TTpGroupDestinationForwardedForm& form) -> const DialogTable& { return form.TpGroupTable; },
        [&](TTpGroupDestinationForwardedForm& form) {
            ASSERT_TRUE(HoldWalkAfterFirstRow(form.TpGroupTable, *form.LV_dot1qTpGroupEntry, form.RefreshBtn,
                                              std::string(TpGroupEntry) + ".2.1.0.80.67.0.0.1"));
            EXPECT_TRUE(UserClick(form.RefreshBtn));
            EXPECT_EQ(Walks(std::string(TpGroupEntry) + ".2"), 1);
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitIdle(form.TpGroupTable));
            EXPECT_EQ(form.LV_dot1qTpGroupEntry->Items().Count(), 3);
        });
}

TEST_F(MulticastReplicationFormsTest, TheTpGroupViewShowsPortsAndNeverWrites) {
    OpenWhenIdle<TTpGroupDestinationForwardedForm>(
        "TpGroupDestinationForwarded1Click",
        [](TTpGroupDestinationForwardedForm& form) -> const DialogTable& { return form.TpGroupTable; },
        [&](TTpGroupDestinationForwardedForm& form) {
            EXPECT_EQ(form.Caption(), "Tp Group Destination Forwarded: 127.0.0.1");
            ASSERT_EQ(form.LV_dot1qTpGroupEntry->Items().Count(), 3);
            EXPECT_EQ(form.StaticText1->Caption(), "3");
            EXPECT_EQ(form.RoleButton(ButtonRole::Set), nullptr);
            EXPECT_EQ(form.PageControl1->Pages(1)->Caption(), "GMRP Learning Ports");
            form.LV_dot1qTpGroupEntry->SetItemIndex(2);
            EXPECT_TRUE(form.EgressPorts->PortCheckBoxes[2]->Checked());
            EXPECT_TRUE(form.GmrpLearntPorts->PortCheckBoxes[2]->Checked());
            form.EgressPorts->PortCheckBoxes[0]->SetChecked(true);
            EXPECT_TRUE(NothingSent());
        });
}

}  // namespace
