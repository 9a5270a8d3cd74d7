// The IGMP and MLD snooping router ports dialogs against the simulator, both twins through their menu commands:
// the port boxes after a walk and on a row, what Set sends (never the dynamic list), and the MLD close query.
#include "DedicatedDialogFixture.h"
#include "IGMPRouterPortsUnit.h"
#include "MLD_SnoopingRouterPortsUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

struct Twin {
    const char* handler;
    const char* entry;
    const char* caption;
    std::vector<std::string> columns;
};

const Twin Igmp{"IGMPRouterPorts1Click",
                "1.3.6.1.4.1.32473.11.70.7.2.11.6.1",
                "IGMP Snooping Router Ports: 127.0.0.1",
                {"Ports VLAN ID", "Static Port List", "Dynamic Port List", "Forbidden Port List"}};
const Twin Mld{"RouterPorts1Click",
               "1.3.6.1.4.1.32473.12.34.3.4.1",
               "MLD Snooping Router Ports: 127.0.0.1",
               {"Router Ports VLAN ID", "Router Static Port List", "Dynamic Port List", "Router Forbidden Port List"}};

std::string Column(const Twin& twin, int column) {
    return std::string(twin.entry) + "." + std::to_string(column) + ".";
}

bool AllBoxes(const TStackingPortUitForm* selector, bool enabled, bool checked) {
    for (const ui::CheckBox* box : selector->PortCheckBoxes)
        if (box->Enabled() != enabled || box->Checked() != checked) return false;
    return true;
}

class SnoopingRouterPortsTest : public DedicatedDialogTest, public ::testing::WithParamInterface<const Twin*> {
protected:
    const Twin& twin() const { return *GetParam(); }
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(twin().entry, "1-3");
    }
    void Open(const std::function<void(TSnoopingRouterPortsForm&)>& driver) {
        OpenWhenWalked<TSnoopingRouterPortsForm>(
            twin().handler, [](TSnoopingRouterPortsForm& form) -> const DialogTable& { return form.RouterPortsTable; },
            driver);
    }
};

TEST_P(SnoopingRouterPortsTest, AfterTheWalkEveryPortBoxIsEnabledAndARowShowsItsThreeLists) {
    Open([&](TSnoopingRouterPortsForm& form) {
        EXPECT_EQ(form.Caption(), twin().caption);
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        for (int i = 0; i < 4; ++i) EXPECT_EQ(form.ListView1->Columns()[i]->Caption(), twin().columns[i]);
        ASSERT_EQ(form.PageControl1->PageCount(), 3);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Static Ports");
        EXPECT_EQ(form.PageControl1->Pages(1)->Caption(), "Forbidden Ports");
        EXPECT_EQ(form.PageControl1->Pages(2)->Caption(), "Dynamic Ports");
        for (TStackingPortUitForm* selector : form.PortSelectors) {
            EXPECT_EQ(selector->PortCheckBoxes.size(), 64u);
            EXPECT_TRUE(AllBoxes(selector, true, false));
        }
        EXPECT_FALSE(form.btnSet->Enabled());
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.stVlanID->Caption(), "2");
        EXPECT_TRUE(form.StaticPorts->PortCheckBoxes[1]->Checked());
        EXPECT_TRUE(form.DynamicPorts->PortCheckBoxes[1]->Checked());
        EXPECT_TRUE(form.ForbiddenPorts->PortCheckBoxes[1]->Checked());
        EXPECT_TRUE(form.btnSet->Enabled());
        form.ListView1->ClearSelection();
        EXPECT_EQ(form.stVlanID->Caption(), "");
        EXPECT_TRUE(AllBoxes(form.StaticPorts, true, false));
        EXPECT_FALSE(form.btnSet->Enabled());
    });
}

TEST_P(SnoopingRouterPortsTest, SetSendsTheStaticAndForbiddenListsButNeverTheDynamicOne) {
    ui::MessageBoxRecorder boxes;
    Open([&](TSnoopingRouterPortsForm& form) {
        form.ListView1->SetItemIndex(2);
        form.StaticPorts->PortCheckBoxes[2]->SetChecked(false);  // nothing ticked: an all-clear list
        form.ForbiddenPorts->PortCheckBoxes[9]->SetChecked(true);
        form.DynamicPorts->PortCheckBoxes[0]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(WaitWalk(form.RouterPortsTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Column(twin(), 2) + "3=HEX:0000000000000000",
                                                   Column(twin(), 4) + "3=HEX:2040000000000000"));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_FALSE(form.btnSet->Enabled());
        EXPECT_TRUE(AllBoxes(form.ForbiddenPorts, true, false));
        EXPECT_EQ(form.ListView1->Items()[2]->SubItems()[0], "0000000000000000");
    });
}

TEST_P(SnoopingRouterPortsTest, SetWhileAWalkRunsIsRefusedAndStopEndsIt) {
    ui::MessageBoxRecorder boxes;
    Open([&](TSnoopingRouterPortsForm& form) {
        ASSERT_TRUE(
            HoldWalkAfterFirstRow(form.RouterPortsTable, *form.ListView1, form.btnGet, Column(twin(), 2) + "1"));
        form.ListView1->SetItemIndex(0);
        EXPECT_TRUE(UserClick(form.btnSet));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete"}));
        EXPECT_TRUE(UserClick(form.btnStop));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitWalk(form.RouterPortsTable));
        EXPECT_THAT(Status(form), ::testing::HasSubstr("Stop, SNMP Request is not active."));
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_TRUE(UserClick(form.btnGet));
        ASSERT_TRUE(WaitWalk(form.RouterPortsTable));
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
    });
}

// The MLD twin refuses to close while its walk runs; the IGMP twin closes and stops the walk.
TEST_P(SnoopingRouterPortsTest, ClosingDuringAWalk) {
    const bool refuses = GetParam() == &Mld;
    ui::MessageBoxRecorder boxes;
    bool closed = false;
    bool judged = false;
    Open([&](TSnoopingRouterPortsForm& form) {
        ASSERT_TRUE(
            HoldWalkAfterFirstRow(form.RouterPortsTable, *form.ListView1, form.btnGet, Column(twin(), 2) + "1", 300));
        form.btnClose->Click();
        Then([&, life = form.LifeToken()] {
            judged = true;
            closed = life.expired() || form.PortSelectors.empty();  // closing has begun
            if (closed) return;
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(form.RouterPortsTable));
            form.btnClose->Click();
        });
    });
    ASSERT_TRUE(RunUntil([&] { return judged; }));
    EXPECT_EQ(closed, !refuses);
    EXPECT_EQ(BoxTexts(boxes),
              refuses ? std::vector<std::string>{"Get data not complete"} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Twins, SnoopingRouterPortsTest, ::testing::Values(&Igmp, &Mld),
                         [](const ::testing::TestParamInfo<const Twin*>& info) {
                             return info.param == &Igmp ? std::string("IGMP") : std::string("MLD");
                         });

}  // namespace
