// The read-only snooping views against the simulator: the IGMP and MLD group tables (their key fields, their status
// targets, the port boxes on a row, Refresh while a walk runs) and the IGMP forwarding table (its keys in their
// order, its port boxes, Stop).
#include "DedicatedDialogFixture.h"
#include "IGMPForwordingUnit.h"
#include "IGMPSnoopingGroupUnit.h"
#include "MLD_SnoopingGroupUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using ::testing::HasSubstr;

constexpr const char* IgmpGroupEntry = "1.3.6.1.4.1.32473.11.70.7.2.11.11.1";
constexpr const char* MldGroupEntry = "1.3.6.1.4.1.32473.12.34.3.5.1";
constexpr const char* ForwardingEntry = "1.3.6.1.4.1.32473.11.70.7.2.11.8.1";
const std::string MldFirstRow = "1.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1";

bool AllBoxesEnabled(const TStackingPortUitForm* selector, bool enabled) {
    for (const ui::CheckBox* box : selector->PortCheckBoxes)
        if (box->Enabled() != enabled) return false;
    return true;
}

class SnoopingGroupViewsTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(IgmpGroupEntry, "1.10.0.0.1.10.0.0.1 2.10.0.0.2.10.0.0.2 3.10.0.0.3.10.0.0.3");
        SeedRows(MldGroupEntry,
                 "1.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1 "
                 "2.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.2.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.2 "
                 "3.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.3.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.3");
    }
};

TEST_F(SnoopingGroupViewsTest, IgmpGroupRowShowsItsAddressesUnderTheirLabelsOnLockedPortBoxes) {
    SeedRows(IgmpGroupEntry, "4.225.1.1.1.10.0.0.9");
    OpenWhenWalked<TIGMPSnoopingGroupForm>(
        "IGMPSnoopingGroupTable1Click",
        [](TIGMPSnoopingGroupForm& form) -> const DialogTable& { return form.GroupTable; },
        [&](TIGMPSnoopingGroupForm& form) {
            EXPECT_EQ(form.Caption(), "IGMP Snooping Group Table: 127.0.0.1");
            ASSERT_EQ(form.ListView1->Items().Count(), 1);
            EXPECT_THAT(Status(form), HasSubstr("Ok!"));
            EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Include Member Ports");
            EXPECT_EQ(form.PageControl1->Pages(1)->Caption(), "Exclude Member Ports");
            form.ListView1->SetItemIndex(0);
            const ui::ListItem& row = *form.ListView1->Items()[0];
            EXPECT_EQ(row.Caption(), "4");
            EXPECT_EQ(form.stGroupIP->Caption(), "225.1.1.1");
            EXPECT_EQ(form.stSourceIP->Caption(), "10.0.0.9");
            EXPECT_EQ(row.SubItems()[0], form.stGroupIP->Caption());
            EXPECT_EQ(row.SubItems()[1], form.stSourceIP->Caption());
            EXPECT_TRUE(form.IncludePorts->PortCheckBoxes[3]->Checked());  // a row's lists hold port "VLAN ID"
            EXPECT_TRUE(AllBoxesEnabled(form.IncludePorts, false));
            EXPECT_TRUE(AllBoxesEnabled(form.ExcludePorts, false));
            form.ListView1->ClearSelection();
            EXPECT_EQ(form.stGroupIP->Caption(), "");
            EXPECT_FALSE(form.IncludePorts->PortCheckBoxes[3]->Checked());
        });
}

// Neither view starts a second walk while one runs; the fields of a selected row stay as they are.
TEST_F(SnoopingGroupViewsTest, RefreshWhileAWalkRunsReadsNothingInEitherView) {
    ui::MessageBoxRecorder boxes;
    OpenWhenWalked<TIGMPSnoopingGroupForm>(
        "IGMPSnoopingGroupTable1Click",
        [](TIGMPSnoopingGroupForm& form) -> const DialogTable& { return form.GroupTable; },
        [&](TIGMPSnoopingGroupForm& form) {
            ASSERT_TRUE(HoldWalkAfterFirstRow(form.GroupTable, *form.ListView1, form.btnGet,
                                              std::string(IgmpGroupEntry) + ".4.1.10.0.0.1.10.0.0.1"));
            form.ListView1->SetItemIndex(0);
            EXPECT_TRUE(UserClick(form.btnGet));
            EXPECT_EQ(Walks(std::string(IgmpGroupEntry) + ".4"), 1);
            EXPECT_EQ(form.stGroupIP->Caption(), "10.0.0.1");
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(form.GroupTable));
        });
    OpenWhenIdle<TMLD_SnoopingGroupForm>(
        "SnoopingGroupInformation1Click",
        [](TMLD_SnoopingGroupForm& form) -> const DialogTable& { return form.GroupTable; },
        [&](TMLD_SnoopingGroupForm& form) {
            ASSERT_TRUE(HoldWalkAfterFirstRow(form.GroupTable, *form.ListView1, form.btnGet,
                                              std::string(MldGroupEntry) + ".4." + MldFirstRow));
            form.ListView1->SetItemIndex(0);
            const std::string group = form.edtIPAddress->Text();
            EXPECT_FALSE(group.empty());
            EXPECT_TRUE(UserClick(form.btnGet));
            EXPECT_EQ(Walks(std::string(MldGroupEntry) + ".4"), 1);
            EXPECT_EQ(form.edtIPAddress->Text(), group);
            EXPECT_EQ(form.VIDEdit->Text(), "1");
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitIdle(form.GroupTable));
        });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SnoopingGroupViewsTest, MldGroupViewShowsStatusInTheBarAndLeavesItsPortBoxesFreeButSilent) {
    OpenWhenIdle<TMLD_SnoopingGroupForm>(
        "SnoopingGroupInformation1Click",
        [](TMLD_SnoopingGroupForm& form) -> const DialogTable& { return form.GroupTable; },
        [&](TMLD_SnoopingGroupForm& form) {
            EXPECT_EQ(form.Caption(), "MLD Snooping Group Table: 127.0.0.1");
            ASSERT_EQ(form.ListView1->Items().Count(), 3);
            EXPECT_TRUE(form.StatusBar1->SimplePanel());
            EXPECT_THAT(form.StatusBar1->SimpleText(), HasSubstr("Ok!"));
            form.ListView1->SetItemIndex(2);
            EXPECT_EQ(form.VIDEdit->Text(), "3");
            EXPECT_EQ(form.edtIPAddress->Text(), form.ListView1->Items()[2]->SubItems()[0]);
            EXPECT_EQ(form.edtMAC->Text(), form.ListView1->Items()[2]->SubItems()[1]);
            EXPECT_TRUE(AllBoxesEnabled(form.IncludePorts, true));
            form.IncludePorts->PortCheckBoxes[7]->SetChecked(true);
            EXPECT_TRUE(NothingSent());
        });
}

TEST_F(SnoopingGroupViewsTest, AFailedFirstReadOfTheMldViewShowsInTheBarAndTheViewStaysOpen) {
    ASSERT_EQ(Control(std::string("error ") + MldGroupEntry + " genErr 1"), "ok");
    OpenWhenIdle<TMLD_SnoopingGroupForm>(
        "SnoopingGroupInformation1Click",
        [](TMLD_SnoopingGroupForm& form) -> const DialogTable& { return form.GroupTable; },
        [&](TMLD_SnoopingGroupForm& form) {
            EXPECT_THAT(form.StatusBar1->SimpleText(), ::testing::StartsWith("Get: "));
            EXPECT_THAT(form.StatusBar1->SimpleText(), ::testing::Not(HasSubstr("Ok!")));
            EXPECT_TRUE(form.Visible());
            EXPECT_TRUE(UserClick(form.btnGet));
            ASSERT_TRUE(WaitIdle(form.GroupTable));
            EXPECT_EQ(form.ListView1->Items().Count(), 3);
        });
}

TEST_F(SnoopingGroupViewsTest, ForwardingRowShowsItsKeysInOrderAndItsPortsOnEnabledBoxes) {
    SeedRows(ForwardingEntry, "5.225.1.1.1.10.0.0.9 6.225.2.2.2.10.0.0.8");
    ui::MessageBoxRecorder boxes;
    OpenWhenWalked<TIGMPForwordingForm>(
        "IGMPForwardingTable1Click",
        [](TIGMPForwordingForm& form) -> const DialogTable& { return form.ForwardingTable; },
        [&](TIGMPForwordingForm& form) {
            EXPECT_EQ(form.Caption(), "IGMP Snooping Forwording Table: 127.0.0.1");
            ASSERT_EQ(form.ListView1->Items().Count(), 2);
            EXPECT_EQ(form.StaticText1->Caption(), "2");
            EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Static Ports");
            EXPECT_EQ(form.PortMember->PortCheckBoxes.size(), 64u);
            EXPECT_TRUE(AllBoxesEnabled(form.PortMember, true));
            form.ListView1->SetItemIndex(1);
            const ui::ListItem& row = *form.ListView1->Items()[1];
            EXPECT_EQ(form.stVlanID->Caption(), "6");
            EXPECT_EQ(form.stGroupAddr->Caption(), "225.2.2.2");
            EXPECT_EQ(form.stSRCIP->Caption(), "10.0.0.8");
            EXPECT_EQ(row.SubItems()[0], "225.2.2.2");                   // "Group Address"
            EXPECT_EQ(row.SubItems()[1], "10.0.0.8");                    // "Source IP"
            EXPECT_TRUE(form.PortMember->PortCheckBoxes[5]->Checked());  // a row's list holds port "VLAN ID"
            EXPECT_TRUE(AllBoxesEnabled(form.PortMember, true));
            form.PortMember->PortCheckBoxes[4]->SetChecked(true);
            EXPECT_TRUE(NothingSent());

            ASSERT_TRUE(HoldWalkAfterFirstRow(form.ForwardingTable, *form.ListView1, form.btnGet,
                                              std::string(ForwardingEntry) + ".4.5.225.1.1.1.10.0.0.9"));
            EXPECT_TRUE(UserClick(form.btnStop));
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(form.ForwardingTable));
            EXPECT_TRUE(AllBoxesEnabled(form.PortMember, true));
            EXPECT_TRUE(UserClick(form.btnGet));
            ASSERT_TRUE(WaitWalk(form.ForwardingTable));
            EXPECT_EQ(form.ListView1->Items().Count(), 2);
        });
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
