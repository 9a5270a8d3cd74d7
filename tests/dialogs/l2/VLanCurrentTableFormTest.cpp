// The 802.1Q current VLAN table against the simulator: rows keyed by time mark and VLAN index, the selected row on
// the port pages, Refresh of both requests, no SET, and closing during a walk.
#include "DedicatedDialogFixture.h"
#include "VLanCurrentTableFormUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;

constexpr const char* Handler = "CurrentForm1Click";
const std::string CurrentEntry = "1.3.6.1.2.1.17.7.1.4.2.1";

class VLanCurrentTableFormTest : public DedicatedDialogTest {
protected:
    // VLAN 5 seen at two time marks, VLAN 7 at one.
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(CurrentEntry, "6000.5 360000.5 0.7");
        ASSERT_EQ(Control("set " + CurrentEntry + ".4.360000.5 hex 4100000000000000"), "ok");
        ASSERT_EQ(Control("set " + CurrentEntry + ".5.360000.5 hex 0100000000000000"), "ok");
        ASSERT_EQ(Control("set 1.3.6.1.2.1.17.7.1.4.1.0 counter 42"), "ok");
    }
    void Open(const std::function<void(TVLanCurrentTableForm&)>& driver) {
        OpenWhen<TVLanCurrentTableForm>(
            Handler, [](TVLanCurrentTableForm& form) { return !form.CurrentTable.Busy() && !form.Deletions.Busy(); },
            driver);
    }
    static bool WaitIdle(TVLanCurrentTableForm& form) {
        return RunUntil([&] { return !form.CurrentTable.Busy() && !form.Deletions.Busy(); });
    }
    static std::vector<std::string> Column(TVLanCurrentTableForm& form, int subItem) {
        std::vector<std::string> texts;
        for (int i = 0; i < form.LV_dot1qVlanCurrentEntry->Items().Count(); ++i) {
            const ui::ListItem& item = *form.LV_dot1qVlanCurrentEntry->Items()[i];
            texts.push_back(subItem < 0 ? item.Caption() : item.SubItems()[subItem]);
        }
        return texts;
    }
};

TEST_F(VLanCurrentTableFormTest, TwoTimeMarksOfOneVlanAreTwoRows) {
    Open([&](TVLanCurrentTableForm& form) {
        EXPECT_EQ(form.Caption(), "802.1Q Current VLAN Table: 127.0.0.1");
        EXPECT_EQ(VLanCurrentTableForm, &form);
        ASSERT_EQ(form.LV_dot1qVlanCurrentEntry->Items().Count(), 3);
        EXPECT_EQ(form.ST_Count2->Caption(), "3");
        EXPECT_EQ(form.VlanNumDeletes->Caption(), "42");
        EXPECT_THAT(Column(form, 0), ::testing::ElementsAre("7", "5", "5"));
        EXPECT_THAT(Column(form, -1), ::testing::ElementsAre("0:00:00.00", "0:01:00.00", "1:00:00.00"));
        EXPECT_FALSE(form.SetBtn->Visible());
        ASSERT_EQ(form.PageControl1->PageCount(), 2);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Egress Ports");
        EXPECT_EQ(form.PageControl1->Pages(1)->Caption(), "Untagged Ports");
    });
    EXPECT_EQ(VLanCurrentTableForm, nullptr);
}

TEST_F(VLanCurrentTableFormTest, SelectingARowShowsItsIndexAndPortsAndNothingIsWritten) {
    Open([&](TVLanCurrentTableForm& form) {
        form.LV_dot1qVlanCurrentEntry->SetItemIndex(2);  // one hour, VLAN 5
        EXPECT_EQ(form.StaticText1->Caption(), "5");
        EXPECT_TRUE(form.EgressPorts->PortCheckBoxes[1]->Checked());
        EXPECT_TRUE(form.EgressPorts->PortCheckBoxes[7]->Checked());
        EXPECT_FALSE(form.EgressPorts->PortCheckBoxes[0]->Checked());
        EXPECT_TRUE(form.UntaggedPorts->PortCheckBoxes[7]->Checked());
        EXPECT_FALSE(form.UntaggedPorts->PortCheckBoxes[1]->Checked());
        form.LV_dot1qVlanCurrentEntry->ClearSelection();
        EXPECT_EQ(form.StaticText1->Caption(), "");
        EXPECT_FALSE(form.EgressPorts->PortCheckBoxes[1]->Checked());
        // Refresh reads both requests again and clears the editors.
        form.LV_dot1qVlanCurrentEntry->SetItemIndex(0);
        MarkLog();
        ASSERT_TRUE(UserClick(form.RefreshBtn));
        EXPECT_EQ(form.StaticText1->Caption(), "");
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_EQ(form.LV_dot1qVlanCurrentEntry->Items().Count(), 3);
        bool deletionsRead = false;
        for (const std::string& line : Pdus())
            if (line.find("1.3.6.1.2.1.17.7.1.4.1") != std::string::npos) deletionsRead = true;
        EXPECT_TRUE(deletionsRead);
    });
    for (const std::string& line : Pdus()) EXPECT_EQ(line.rfind("SET ", 0), std::string::npos) << line;
}

TEST_F(VLanCurrentTableFormTest, CloseDuringAWalkStopsItAndWaits) {
    ui::MessageBoxRecorder boxes;
    Open([&](TVLanCurrentTableForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.CurrentTable, *form.LV_dot1qVlanCurrentEntry, form.RefreshBtn,
                                          CurrentEntry + ".3.0.7", 300));
        EXPECT_TRUE(UserClick(form.btnClose));
    });
    EXPECT_TRUE(boxes.Calls().empty());
    MarkLog();
    EXPECT_TRUE(NothingSent());
}

}  // namespace
