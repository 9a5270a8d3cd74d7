// The 802.1Q static VLAN table against the simulator, opened through its menu command: the walk, what Add, Set
// and Delete send, what is refused while a walk is held, and the port selectors per stack unit. The frame's own
// behaviour (Refresh, Stop, closing, the get-complete flag) is shown here once, on this dialog.
#include "DedicatedDialogFixture.h"
#include "EventWait.h"
#include "VlanStaticFormUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr const char* Handler = "StaticForm1Click";
constexpr const char* StaticEntry = "1.3.6.1.2.1.17.7.1.4.3.1";
const std::string Name = std::string(StaticEntry) + ".1.";
const std::string Egress = std::string(StaticEntry) + ".2.";
const std::string Forbidden = std::string(StaticEntry) + ".3.";
const std::string Untagged = std::string(StaticEntry) + ".4.";
const std::string RowStatus = std::string(StaticEntry) + ".5.";

class VlanStaticFormTest : public DedicatedDialogTest {
protected:
    // Every test starts from the three seeded VLANs.
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(StaticEntry, "1-3");
    }
    void Open(const std::function<void(TVlanStaticForm&)>& driver) {
        OpenWhen<TVlanStaticForm>(
            Handler, [](TVlanStaticForm& form) { return form.StaticTable.Complete(); }, driver);
    }
    static void Select(TVlanStaticForm& form, int row) { form.LV_dot1qVlanStaticEntry->SetItemIndex(row); }
    static bool WaitWalk(TVlanStaticForm& form) { return DedicatedDialogTest::WaitWalk(form.StaticTable); }
    // Walks started since the mark.
    int WalkStarts() const { return Walks(std::string(StaticEntry) + ".1"); }
};

TEST_F(VlanStaticFormTest, TheMenuCommandOpensTheDialogWhichWalksTheTableAndClosesCleanly) {
    TVlanStaticForm* seen = nullptr;
    Open([&](TVlanStaticForm& form) {
        seen = VlanStaticForm;
        EXPECT_EQ(form.Caption(), "802.1Q Static VLAN Table: 127.0.0.1");
        ASSERT_EQ(form.LV_dot1qVlanStaticEntry->Items().Count(), 3);
        EXPECT_EQ(form.ST_Count2->Caption(), "3");
        const ui::ListItem& first = *form.LV_dot1qVlanStaticEntry->Items()[0];
        EXPECT_EQ(first.Caption(), "1");
        EXPECT_EQ(first.SubItems()[0], "VLAN Name 1");
        EXPECT_EQ(first.SubItems()[1], "8000000000000000");
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
        EXPECT_FALSE(form.NextFreeLocalVlanIndex->Caption().empty());
        EXPECT_FALSE(form.SetBtn->Enabled());
        EXPECT_FALSE(form.DeleteBtn->Enabled());
        EXPECT_TRUE(form.AddBtn->Enabled());
        EXPECT_FALSE(form.Status->Visible());
        // Three port pages in their order, each a selector of unit 1 only when not stacked.
        ASSERT_EQ(form.PageControl1->PageCount(), 3);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Egress Ports");
        EXPECT_EQ(form.PageControl1->Pages(1)->Caption(), "Forbidden Egress Ports");
        EXPECT_EQ(form.PageControl1->Pages(2)->Caption(), "Untagged Ports");
        EXPECT_EQ(form.EgressPorts->PortCheckBoxes.size(), 64u);
        EXPECT_EQ(form.PortIndexList, GetAllPortList());
        testsupport::SaveDocsPicture(*form.Widget(), "dedicated-dialog.png");
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(VlanStaticForm, nullptr);
    EXPECT_EQ(DedicatedDialogInstance("VlanStaticForm"), nullptr);
}

TEST_F(VlanStaticFormTest, SelectingARowShowsItAndLocksTheVlanId) {
    Open([&](TVlanStaticForm& form) {
        Select(form, 1);
        EXPECT_EQ(form.ED_VLANID->Text(), "2");
        EXPECT_EQ(form.ED_VLANName->Text(), "VLAN Name 2");
        EXPECT_TRUE(form.EgressPorts->PortCheckBoxes[1]->Checked());
        EXPECT_FALSE(form.EgressPorts->PortCheckBoxes[0]->Checked());
        EXPECT_FALSE(form.ED_VLANID->Enabled());
        EXPECT_EQ(form.ED_VLANID->Color(), ui::clMenu);
        EXPECT_TRUE(form.SetBtn->Enabled());
        EXPECT_TRUE(form.DeleteBtn->Enabled());
        EXPECT_FALSE(form.AddBtn->Enabled());
        form.LV_dot1qVlanStaticEntry->ClearSelection();
        EXPECT_EQ(form.ED_VLANID->Text(), "");
        EXPECT_EQ(form.ED_VLANName->Text(), "");
        EXPECT_FALSE(form.EgressPorts->PortCheckBoxes[1]->Checked());
        EXPECT_TRUE(form.ED_VLANID->Enabled());
        EXPECT_EQ(form.ED_VLANID->Color(), ui::clWindow);
        EXPECT_FALSE(form.SetBtn->Enabled());
        EXPECT_TRUE(form.AddBtn->Enabled());
    });
}

// After each kind of re-read the VLAN ID locked by a selected row takes typed keys again, and Add uses them.
TEST_F(VlanStaticFormTest, AVlanIdCanBeTypedAgainAfterARereadAndAddUsesIt) {
    struct Case {
        const char* name;
        std::function<void(TVlanStaticForm&)> reread;  // with row 2 selected
        const char* vlanId;
    };
    const Case cases[] = {
        {"refresh", [](TVlanStaticForm& form) { ASSERT_TRUE(UserClick(form.RefreshBtn)); }, "100"},
        {"set", [](TVlanStaticForm& form) { ASSERT_TRUE(UserClick(form.SetBtn)); }, "101"},
        {"delete", [](TVlanStaticForm& form) { ASSERT_TRUE(UserClick(form.DeleteBtn)); }, "102"},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TVlanStaticForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Select(form, 1);
            ASSERT_FALSE(form.ED_VLANID->Enabled());
            c.reread(form);
            ASSERT_TRUE(WaitWalk(form));
            EXPECT_EQ(form.ED_VLANID->Color(), ui::clWindow);
            EXPECT_EQ(form.ED_VLANID->Text(), "");
            ASSERT_TRUE(TypeText(form.ED_VLANID, c.vlanId));
            EXPECT_EQ(form.ED_VLANID->Text(), c.vlanId);
            ASSERT_TRUE(TypeText(form.ED_VLANName, "Lab"));
            MarkLog();
            ASSERT_TRUE(UserClick(form.AddBtn));
            ASSERT_TRUE(WaitWalk(form));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(Varbinds(sets[0]).front(), Name + c.vlanId + "=STRING:\"Lab\"");
        }
        EXPECT_TRUE(boxes.Calls().empty());
    });
}

TEST_F(VlanStaticFormTest, WhileTheWalkIsHeldWritesAndCloseAreRefusedAndStopKeepsTheRows) {
    ui::MessageBoxRecorder boxes;
    size_t rowsAtStop = 0;
    Open([&](TVlanStaticForm& form) {
        // The step after row 1 is held, so one row arrives and the walk stays under way.
        ASSERT_TRUE(
            HoldWalkAfterFirstRow(form.StaticTable, *form.LV_dot1qVlanStaticEntry, form.RefreshBtn, Name + "1"));
        form.ED_VLANID->SetText("100");
        form.ED_VLANName->SetText("Lab");
        EXPECT_TRUE(UserClick(form.AddBtn));
        Select(form, 0);
        EXPECT_TRUE(UserClick(form.SetBtn));
        EXPECT_TRUE(UserClick(form.DeleteBtn));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete", "Get data not complete.",
                                                             "Get data not complete"}));
        form.RefreshBtn->Click();  // ignored without a word
        EXPECT_EQ(boxes.Calls().size(), 3u);
        EXPECT_EQ(WalkStarts(), 1);  // the Refresh's own walk only
        EXPECT_TRUE(Pdus("SET").empty());
        boxes.Clear();
        form.btnClose->Click();
        Then([&] {
            EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete"}));
            EXPECT_TRUE(form.Visible());
            form.btnStop->Click();
            EXPECT_EQ(form.StaticTable.Request()->Request.Active, 0);
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(form));
            EXPECT_THAT(Status(form), HasSubstr("Stop, SNMP Request is not active."));
            // The held answer still brings its row; none is asked for after it.
            rowsAtStop = static_cast<size_t>(form.LV_dot1qVlanStaticEntry->Items().Count());
            EXPECT_EQ(rowsAtStop, 2u);
            EXPECT_EQ(form.ST_Count2->Caption(), "2");
            MarkLog();
            form.btnClose->Click();
        });
    });
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_TRUE(NothingSent());  // nothing asked after the stop
    (void)rowsAtStop;
}

TEST_F(VlanStaticFormTest, CloseAfterStopWaitsForTheOutstandingAnswer) {
    ui::MessageBoxRecorder boxes;
    Open([&](TVlanStaticForm& form) {
        form.StaticTable.Request()->Request.Timeout = 1000;
        ASSERT_EQ(Control(std::string("hold ") + Name + "1 300"), "ok");
        form.RefreshBtn->Click();
        ASSERT_TRUE(RunUntil([&] { return form.LV_dot1qVlanStaticEntry->Items().Count() == 1; }));
        form.btnStop->Click();
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_TRUE(UserClick(form.btnClose));
    });
    EXPECT_TRUE(boxes.Calls().empty());
    MarkLog();
    EXPECT_TRUE(NothingSent());
}

TEST_F(VlanStaticFormTest, AddSendsNameEgressUntaggedAndCreateAndGoButNeverTheForbiddenList) {
    ui::MessageBoxRecorder boxes;
    Open([&](TVlanStaticForm& form) {
        form.AddBtn->Click();
        form.ED_VLANID->SetText("100");
        form.AddBtn->Click();
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Please input VLAN ID.", "Please input VLAN Name."}));
        EXPECT_TRUE(Pdus("SET").empty());
        boxes.Clear();
        form.ED_VLANName->SetText("Lab");
        form.EgressPorts->PortCheckBoxes[0]->SetChecked(true);
        form.EgressPorts->PortCheckBoxes[9]->SetChecked(true);
        form.ForbiddenEgressPorts->PortCheckBoxes[3]->SetChecked(true);
        form.UntaggedPorts->PortCheckBoxes[9]->SetChecked(true);
        form.AddBtn->Click();
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Name + "100=STRING:\"Lab\"", Egress + "100=HEX:8040000000000000",
                                                   Untagged + "100=HEX:0040000000000000",
                                                   RowStatus + "100=INTEGER:4"));
        // The table is read again only after the SET has answered: the new row shows once.
        ASSERT_EQ(form.LV_dot1qVlanStaticEntry->Items().Count(), 4);
        EXPECT_EQ(form.LV_dot1qVlanStaticEntry->Items()[3]->Caption(), "100");
        EXPECT_EQ(form.ED_VLANID->Text(), "");
        EXPECT_FALSE(form.EgressPorts->PortCheckBoxes[0]->Checked());
        EXPECT_EQ(form.StaticTable.Vars().GetVar(3)->Access, readwrite);
    });
}

TEST_F(VlanStaticFormTest, SetSendsEgressAndUntaggedBeforeTheForbiddenList) {
    Open([&](TVlanStaticForm& form) {
        Select(form, 0);
        // Port 1 moves from egress to forbidden within one click.
        form.EgressPorts->PortCheckBoxes[0]->SetChecked(false);
        form.ForbiddenEgressPorts->PortCheckBoxes[0]->SetChecked(true);
        form.ForbiddenEgressPorts->PortCheckBoxes[1]->SetChecked(true);
        form.ED_VLANName->SetText("Renamed");
        // The SETs' answers come late: the re-read must wait for them, or it would read the old row.
        form.StaticTable.Request()->Request.Timeout = 1000;
        ASSERT_EQ(Control("hold " + Name + "1 300"), "ok");
        form.SetBtn->Click();
        EXPECT_TRUE(form.StaticTable.Busy());
        EXPECT_FALSE(form.StaticTable.Request()->Reading());  // the walk waits for the SETs' answers
        ASSERT_TRUE(RunUntil([&] { return form.StaticTable.Request()->Reading() || !form.StaticTable.Busy(); }));
        EXPECT_TRUE(form.StaticTable.Busy());
        ASSERT_TRUE(WaitWalk(form));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Name + "1=STRING:\"Renamed\"", Egress + "1=HEX:0000000000000000",
                                                   Untagged + "1=HEX:8000000000000000", RowStatus + "1=INTEGER:1"));
        EXPECT_THAT(Varbinds(sets[1]), ElementsAre(Name + "1=STRING:\"Renamed\"",
                                                   Forbidden + "1=HEX:C000000000000000", RowStatus + "1=INTEGER:1"));
        // The re-read follows both answers: every row once, with the new values.
        ASSERT_EQ(form.LV_dot1qVlanStaticEntry->Items().Count(), 3);
        EXPECT_EQ(form.LV_dot1qVlanStaticEntry->Items()[0]->SubItems()[0], "Renamed");
        EXPECT_EQ(form.LV_dot1qVlanStaticEntry->Items()[0]->SubItems()[2], "C000000000000000");
        EXPECT_FALSE(form.SetBtn->Enabled());
        for (int column = 1; column <= 5; ++column) EXPECT_EQ(form.StaticTable.Vars().GetVar(column)->Access, readwrite) << column;
    });
}

// An agent that reports a row's state as an action (a faulty one, or one that stores what it was sent): Set sends
// the row's values and never that action back, so an edit cannot delete the row.
TEST_F(VlanStaticFormTest, SetNeverSendsBackARowActionTheAgentReported) {
    for (int action : {4, 5, 6}) {
        SCOPED_TRACE(action);
        ASSERT_EQ(Control("set " + RowStatus + "2 int " + std::to_string(action)), "ok");
        Open([&](TVlanStaticForm& form) {
            Select(form, 1);
            form.ED_VLANName->SetText("Kept");
            ASSERT_TRUE(UserClick(form.SetBtn));
            ASSERT_TRUE(WaitWalk(form));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 2u);
            for (const std::string& set : sets) {
                EXPECT_THAT(set, HasSubstr(Name + "2=STRING:\"Kept\""));
                EXPECT_THAT(set, Not(HasSubstr(RowStatus)));
            }
        });
    }
}

TEST_F(VlanStaticFormTest, DeleteSendsOnlyRowStatusDestroy) {
    Open([&](TVlanStaticForm& form) {
        Select(form, 2);
        ASSERT_TRUE(UserClick(form.DeleteBtn));
        ASSERT_TRUE(WaitWalk(form));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(RowStatus + "3=INTEGER:6"));
        EXPECT_EQ(form.LV_dot1qVlanStaticEntry->Items().Count(), 2);
        EXPECT_EQ(form.ST_Count2->Caption(), "2");
        for (int column = 1; column <= 5; ++column) EXPECT_EQ(form.StaticTable.Vars().GetVar(column)->Access, readwrite) << column;
    });
}

TEST_F(VlanStaticFormTest, ARefusedSetShowsItsMessageAndRestoresTheAccessBits) {
    ui::MessageBoxRecorder boxes;
    Open([&](TVlanStaticForm& form) {
        std::vector<int32_t> before;
        for (int i = 0; i < form.StaticTable.Vars().GetCount(); ++i) before.push_back(form.StaticTable.Vars().GetVar(i)->Access);
        ASSERT_EQ(Control(std::string("error ") + StaticEntry + " wrongValue 2"), "ok");
        Select(form, 0);
        form.SetBtn->Click();
        ASSERT_TRUE(WaitWalk(form));
        ASSERT_EQ(Control("clear"), "ok");
        ASSERT_EQ(boxes.Calls().size(), 2u);  // one per refused SET
        EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
        EXPECT_FALSE(boxes.Calls()[0].Text.empty());
        for (int i = 0; i < form.StaticTable.Vars().GetCount(); ++i) EXPECT_EQ(form.StaticTable.Vars().GetVar(i)->Access, before[i]) << i;
        EXPECT_EQ(form.LV_dot1qVlanStaticEntry->Items().Count(), 3);  // read again in any case
    });
}

TEST_F(VlanStaticFormTest, AFailedWalkShowsItsErrorAndLeavesTheDialogUsable) {
    ui::MessageBoxRecorder boxes;
    Open([&](TVlanStaticForm& form) {
        ASSERT_EQ(Control(std::string("error ") + StaticEntry + " genErr 1"), "ok");
        form.RefreshBtn->Click();
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_THAT(Status(form), ::testing::StartsWith("Get: "));
        EXPECT_THAT(Status(form), ::testing::Not(HasSubstr("Ok!")));
        EXPECT_TRUE(boxes.Calls().empty());
        form.RefreshBtn->Click();  // the flag is set again: Refresh reads anew
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(form.LV_dot1qVlanStaticEntry->Items().Count(), 3);
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
    });
}

TEST_F(VlanStaticFormTest, AStackGivesOneTabPerPresentUnitAndShortListsShowAsClearPorts) {
    StackStateScope stack("enabled", {{"1", "1", "QSW-2126P", "exist"},
                                      {"2", "65", "QSW-2150", "exist"},
                                      {"3", "129", "QSW-2126", "no-exist"}});
    Open([&](TVlanStaticForm& form) {
        for (TStackingPortUitForm* selector : form.PortSelectors) {
            ASSERT_EQ(selector->PortCheckBoxes.size(), 768u);
            ASSERT_EQ(selector->UnitTabs.size(), 12u);
            EXPECT_TRUE(selector->UnitTabs[0]->TabVisible());
            EXPECT_EQ(selector->UnitTabs[0]->Caption(), "Unit1 QSW-2126P");
            EXPECT_TRUE(selector->UnitTabs[1]->TabVisible());
            EXPECT_EQ(selector->UnitTabs[1]->Caption(), "Unit2 QSW-2150");
            EXPECT_FALSE(selector->UnitTabs[2]->TabVisible());
            EXPECT_TRUE(selector->PortCheckBoxes[64 + 47]->Visible());
            EXPECT_FALSE(selector->PortCheckBoxes[64 + 48]->Visible());
        }
        // The simulator's lists have 8 octets: the ports of units 2 to 12 show unticked.
        Select(form, 1);
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
        EXPECT_TRUE(form.EgressPorts->PortCheckBoxes[1]->Checked());
        EXPECT_FALSE(form.EgressPorts->PortCheckBoxes[65]->Checked());
        // Written lists keep the selector's 96 octets.
        form.EgressPorts->PortCheckBoxes[64]->SetChecked(true);
        form.SetBtn->Click();
        ASSERT_TRUE(WaitWalk(form));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_THAT(Varbinds(sets[0])[1], ::testing::StartsWith(Egress + "2=HEX:40000000000000008000"));
        EXPECT_EQ(Varbinds(sets[0])[1].size(), (Egress + "2=HEX:").size() + 192);
    });
}

TEST_F(VlanStaticFormTest, TwelveUnitsGive768Boxes) {
    std::vector<StackUnitRow> units;
    for (int u = 1; u <= 12; ++u)
        units.push_back({std::to_string(u), std::to_string((u - 1) * 64 + 1), "QSW-2150", "exist"});
    StackStateScope stack("enabled", units);
    Open([&](TVlanStaticForm& form) {
        EXPECT_EQ(form.PortIndexList, GetAllPortList());
        for (TStackingPortUitForm* selector : form.PortSelectors) {
            ASSERT_EQ(selector->PortCheckBoxes.size(), 768u);
            for (int u = 0; u < 12; ++u) EXPECT_TRUE(selector->UnitTabs[static_cast<size_t>(u)]->TabVisible()) << u;
            EXPECT_TRUE(selector->PortCheckBoxes[11 * 64 + 47]->Visible());
        }
    });
}

}  // namespace
