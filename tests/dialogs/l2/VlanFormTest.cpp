// The VLAN management table against the simulator: the seven port pages, Set of the advertisement state alone
// without a re-read, the VLAN type shown as a number outside its list, and the Close button against the window's
// own close while a walk runs.
#include "DedicatedDialogFixture.h"
#include "VlanFormUnit.h"

#include "ComCtrls.h"
#include "Form.h"

#include <QWidget>
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string VlanEntry = "1.3.6.1.4.1.32473.11.70.7.2.17.1.1";
constexpr int AdvertisementSubItem = 9;  // column 10, after the caption

class VlanFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(VlanEntry, "1 10 20");
        ASSERT_EQ(Control("set-rw " + VlanEntry + ".11.10 int 3"), "ok");
        ASSERT_EQ(Control("set " + VlanEntry + ".5.10 hex 2000000000000000"), "ok");
    }
    void Open(const std::function<void(TVlanForm&)>& driver) {
        OpenWhenWalked<TVlanForm>(
            "VLANTable1Click", [](TVlanForm& form) -> DialogTable& { return form.VlanTable; }, driver);
    }
    static bool WaitWalk(TVlanForm& form) { return DedicatedDialogTest::WaitWalk(form.VlanTable); }
    static std::string Advertisement(TVlanForm& form, int row) {
        return form.LV_dot1qVlanStaticEntry->Items()[row]->SubItems()[AdvertisementSubItem];
    }
};

TEST_F(VlanFormTest, SetSendsOnlyTheAdvertisementStateAndTheListKeepsItsValuesUntilRefresh) {
    ui::MessageBoxRecorder boxes;
    Open([&](TVlanForm& form) {
        EXPECT_EQ(form.Caption(), "VLAN Management VLAN Table: 127.0.0.1");
        ASSERT_EQ(form.LV_dot1qVlanStaticEntry->Items().Count(), 3);
        EXPECT_EQ(form.ST_Count2->Caption(), "3");
        ASSERT_EQ(form.PageControl1->PageCount(), 7);
        const char* tabs[] = {"Member Ports",    "Static Ports",         "Static Tagged Member Ports",
                              "Static Untagged Ports", "Forbidden Ports", "Current Tagged Ports",
                              "Current Untagged Ports"};
        for (int i = 0; i < 7; ++i) EXPECT_EQ(form.PageControl1->Pages(i)->Caption(), tabs[i]) << i;
        EXPECT_FALSE(form.SetButton->Enabled());
        EXPECT_EQ(Advertisement(form, 1), "enabled");

        form.LV_dot1qVlanStaticEntry->SetItemIndex(1);
        EXPECT_EQ(form.ED_VLANID->Text(), "10");
        EXPECT_FALSE(form.ED_VLANID->Enabled());
        EXPECT_FALSE(form.ED_VLANName->Enabled());
        EXPECT_FALSE(form.cbxType->Enabled());
        EXPECT_TRUE(form.cbxStatus->Enabled());
        EXPECT_TRUE(form.SetButton->Enabled());
        EXPECT_TRUE(form.PortPages[1]->PortCheckBoxes[2]->Checked());  // static ports: port 3
        EXPECT_FALSE(form.PortPages[1]->PortCheckBoxes[0]->Checked());

        form.ED_VLANName->SetText("renamed");  // shown only
        form.cbxStatus->SetItemIndex(1);       // disabled
        ASSERT_TRUE(UserClick(form.SetButton));
        ASSERT_TRUE(WaitIdle(form.VlanTable));
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(Pdus().size(), 1u);  // the SET alone: no re-read
        EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(VlanEntry + ".11.10=INTEGER:2"));
        EXPECT_EQ(Advertisement(form, 1), "enabled");
        EXPECT_TRUE(form.VlanTable.Complete());

        ASSERT_TRUE(UserClick(form.RefreshBtn));
        EXPECT_EQ(form.ED_VLANID->Text(), "");
        EXPECT_FALSE(form.ED_VLANID->Enabled());  // as it was: only a change of selection unlocks it
        EXPECT_FALSE(form.SetButton->Enabled());
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(Advertisement(form, 1), "disabled");
    });
}

// The VLAN ID, name and type are shown only: a selected row disables them, losing the selection enables them, and
// Refresh leaves them as they were either way.
TEST_F(VlanFormTest, RefreshLeavesTheShownOnlyEditorsAsTheyWere) {
    Open([&](TVlanForm& form) {
        const auto enabled = [&form] {
            return std::vector<bool>{form.ED_VLANID->Enabled(), form.ED_VLANName->Enabled(), form.cbxType->Enabled()};
        };
        const std::vector<bool> locked(3, false);
        const std::vector<bool> free(3, true);
        for (const bool selected : {true, false}) {
            SCOPED_TRACE(selected);
            form.LV_dot1qVlanStaticEntry->SetItemIndex(1);
            if (!selected) form.LV_dot1qVlanStaticEntry->ClearSelection();
            EXPECT_EQ(enabled(), selected ? locked : free);
            form.RefreshBtn->Click();
            EXPECT_EQ(enabled(), selected ? locked : free);
            ASSERT_TRUE(WaitWalk(form));
            EXPECT_EQ(enabled(), selected ? locked : free);
        }
    });
}

TEST_F(VlanFormTest, ATypeOutsideItsListShowsAsItsNumber) {
    ASSERT_EQ(Control("set " + VlanEntry + ".3.20 int 9"), "ok");
    ASSERT_EQ(Control("set " + VlanEntry + ".3.1 int 5"), "ok");
    Open([&](TVlanForm& form) {
        ASSERT_EQ(form.LV_dot1qVlanStaticEntry->Items().Count(), 3);
        EXPECT_EQ(form.LV_dot1qVlanStaticEntry->Items()[0]->SubItems()[1], "double-vlan");
        EXPECT_EQ(form.LV_dot1qVlanStaticEntry->Items()[2]->SubItems()[1], "9");
    });
}

// During a held walk the window's own close is refused; the Close button stops the walk and closes.
TEST_F(VlanFormTest, TheCloseButtonClosesDuringAWalkButTheWindowCloseIsRefused) {
    ui::MessageBoxRecorder boxes;
    bool closedByButton = false;
    Open([&](TVlanForm& form) {
        ASSERT_TRUE(
            HoldWalkAfterFirstRow(form.VlanTable, *form.LV_dot1qVlanStaticEntry, form.RefreshBtn, VlanEntry + ".2.1"));
        EXPECT_FALSE(form.VlanTable.Complete());
        EXPECT_TRUE(UserClick(form.RefreshBtn));  // ignored while the walk runs
        form.Widget()->close();  // the window's close box
        Then([&] {
            // Refused (the fixture's own close after the driver may be refused as well).
            ASSERT_FALSE(boxes.Calls().empty());
            for (const ui::MessageBoxCall& call : boxes.Calls()) EXPECT_EQ(call.Text, "Get data not complete");
            EXPECT_TRUE(form.Visible());
            EXPECT_TRUE(form.VlanTable.Busy());
            boxes.Clear();
            closedByButton = true;
            // The held answer goes out now, but nothing here handles it before the click: the close still finds
            // the walk under way, and waits for that answer only.
            MarkLog();
            ASSERT_EQ(Control("release"), "ok");
            EXPECT_TRUE(UserClick(form.btnClose));
        });
    });
    EXPECT_TRUE(closedByButton);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(VlanForm, nullptr);
    EXPECT_TRUE(NothingSent());  // no row asked for after the stop
}

}  // namespace
