// The double VLAN dialogs against the simulator: the global state's confirmed write under the progress box (OK,
// Cancel, a refused SET ending the wait), and the control table in its enabled, disabled and unreadable states with
// what Add, Set and Delete send.
#include "DVStateUnit.h"
#include "DedicatedDialogFixture.h"
#include "DoubleVLANUnit.h"
#include "ProgressBoxDriver.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string State = "1.3.6.1.4.1.32473.12.28.1.1.0";
constexpr const char* Question = "Config Double VLAN need to reset system config, Are you sure?";
constexpr const char* Entry = "1.3.6.1.4.1.32473.12.28.3.1.1";
std::string Column(int column) { return std::string(Entry) + "." + std::to_string(column) + "."; }

class DoubleVlanFormsTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1-3");
    }
    void SetState(int state) { ASSERT_EQ(Control("set-rw " + State + " int " + std::to_string(state)), "ok"); }
    void OpenState(const std::function<void(TDVStateForm&)>& driver) {
        OpenWhenIdle<TDVStateForm>(
            "GlobalState1Click", [](TDVStateForm& form) -> const DialogTable& { return form.StateTable; }, driver);
    }
    void OpenTable(const std::function<void(TDoubleVLANForm&)>& driver) {
        OpenWhenWalked<TDoubleVLANForm>(
            "DoubleVlanControlTable1Click",
            [](TDoubleVLANForm& form) -> const DialogTable& { return form.DoubleVlanTable; }, driver);
    }
};

TEST_F(DoubleVlanFormsTest, CancelSendsNothingAndKeepsTheChoice) {
    SetState(2);
    ui::MessageBoxRecorder boxes(ui::mrCancel);
    OpenState([&](TDVStateForm& form) {
        EXPECT_EQ(form.Caption(), "Double VLAN Global Settings: 127.0.0.1");
        EXPECT_EQ(form.cbxState->Text(), "disabled");
        ChooseItem(form.cbxState, "enabled");
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Text, Question);
        EXPECT_EQ(boxes.Calls()[0].Buttons, ui::mbOKCancel);
        EXPECT_EQ(boxes.Calls()[0].Type, ui::mtConfirmation);
        EXPECT_TRUE(NothingSent());
        EXPECT_EQ(form.cbxState->Text(), "enabled");
    });
}

TEST_F(DoubleVlanFormsTest, OkSendsOneSetThenHoldsTheProgressBoxToItsEnd) {
    SetState(2);
    ui::MessageBoxRecorder boxes;
    OpenState([&](TDVStateForm& form) {
        ProgressRun run;
        DriveNextProgressBox(run, 100, [&] { ASSERT_TRUE(RunUntil([&] { return !form.StateTable.Busy(); })); });
        ChooseItem(form.cbxState, "enabled");
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_TRUE(run.Shown);
        EXPECT_TRUE(run.Published);
        EXPECT_EQ(run.Caption, "Set Double VLAN State");
        EXPECT_EQ(run.Prompt, "Change Double VLAN State is doing...");
        EXPECT_EQ(run.TickBudget, 30);
        EXPECT_EQ(run.ClosedOnTick, 31);  // however soon the switch answered
        EXPECT_EQ(ProgressForm2, nullptr);
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(State + "=INTEGER:3"));
        ASSERT_TRUE(WaitIdle(form.StateTable));
        EXPECT_EQ(boxes.Calls().size(), 1u);  // the question only
        form.cbxState->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.btnGet));
        ASSERT_TRUE(WaitIdle(form.StateTable));
        EXPECT_EQ(form.cbxState->Text(), "enabled");
    });
}

TEST_F(DoubleVlanFormsTest, ARefusedSetIsReportedAndEndsTheWaitAtOnce) {
    SetState(2);
    ui::MessageBoxRecorder boxes;
    OpenState([&](TDVStateForm& form) {
        ASSERT_EQ(Control("error " + State + " genErr 1"), "ok");
        ProgressRun run;
        DriveNextProgressBox(run, 0, [&] { EXPECT_TRUE(RunUntil([&] { return boxes.Calls().size() == 2; })); });
        ChooseItem(form.cbxState, "enabled");
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_TRUE(run.Shown);
        EXPECT_EQ(run.Ticks, 0);
        EXPECT_TRUE(run.ClosedItself);
        ASSERT_EQ(boxes.Calls().size(), 2u);
        EXPECT_FALSE(boxes.Calls()[1].Text.empty());
        EXPECT_EQ(ProgressForm2, nullptr);
    });
}

TEST_F(DoubleVlanFormsTest, EnabledStateAllowsConfigurationAndLocksTheIdAndNameOfARow) {
    SetState(3);
    OpenTable([&](TDoubleVLANForm& form) {
        EXPECT_EQ(form.Caption(), "Double VLAN Control Table: 127.0.0.1");
        EXPECT_EQ(form.lbState->Caption(), "enabled");
        EXPECT_EQ(form.lbmsg->Caption(), ", you can configure.");
        ASSERT_EQ(form.lvDoubleVLAN->Items().Count(), 3);
        ASSERT_EQ(form.PageControl1->PageCount(), 4);
        EXPECT_EQ(form.PageControl1->Pages(2)->Caption(), "Delete Ports");
        EXPECT_EQ(form.PageControl1->Pages(3)->Caption(), "Unknown Ports");
        EXPECT_TRUE(form.AddBtn->Enabled());
        form.lvDoubleVLAN->SetItemIndex(0);
        EXPECT_TRUE(form.SetBtn->Enabled());
        EXPECT_TRUE(form.DeleteBtn->Enabled());
        EXPECT_FALSE(form.AddBtn->Enabled());
        EXPECT_FALSE(form.edtID->Enabled());
        EXPECT_FALSE(form.edtName->Enabled());
        EXPECT_TRUE(form.UplinkPorts->PortCheckBoxes[0]->Checked());
        EXPECT_FALSE(form.UnknownPorts->PortCheckBoxes[0]->Checked());
        EXPECT_FALSE(form.UnknownPorts->PortCheckBoxes[0]->Enabled());
    });
}

TEST_F(DoubleVlanFormsTest, DisabledStateShowsTheUnknownPortsAndWritesNothing) {
    SetState(2);
    OpenTable([&](TDoubleVLANForm& form) {
        EXPECT_EQ(form.lbState->Caption(), "disabled");
        EXPECT_EQ(form.lbmsg->Caption(), ", you can't configure.");
        for (ui::Button* button : {form.SetBtn, form.AddBtn, form.DeleteBtn}) EXPECT_FALSE(button->Enabled());
        form.lvDoubleVLAN->SetItemIndex(1);
        for (ui::Button* button : {form.SetBtn, form.AddBtn, form.DeleteBtn}) EXPECT_FALSE(button->Enabled());
        EXPECT_TRUE(form.UnknownPorts->PortCheckBoxes[1]->Checked());
        EXPECT_FALSE(form.UplinkPorts->PortCheckBoxes[1]->Checked());
        ASSERT_TRUE(UserClick(form.RefreshBtn));
        ASSERT_TRUE(WaitWalk(form.DoubleVlanTable));
        for (ui::Button* button : {form.SetBtn, form.AddBtn, form.DeleteBtn}) EXPECT_FALSE(button->Enabled());
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

// A state read that fails, by an error answer or by no answer at all, is never taken for "disabled".
TEST_F(DoubleVlanFormsTest, AnUnreadableStateLeavesNothingToConfigure) {
    struct Case {
        const char* name;
        std::string rule;
    };
    const Case cases[] = {{"error answer", "error " + State + " genErr 1"}, {"no answer", "drop " + State + " 10"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Control(c.rule), "ok");
        ui::MessageBoxRecorder boxes;
        RunCommand<TDoubleVLANForm>("DoubleVlanControlTable1Click", [&](TDoubleVLANForm& form) {
            EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Can't get the global state.Can not configure"}));
            EXPECT_EQ(form.lbState->Caption(), "");
            EXPECT_EQ(form.lbmsg->Caption(), "");
            for (ui::Control* control :
                 std::vector<ui::Control*>{form.lvDoubleVLAN, form.edtID, form.SetBtn, form.AddBtn, form.DeleteBtn})
                EXPECT_FALSE(control->Enabled()) << control->Name();
            EXPECT_FALSE(form.DoubleVlanTable.HasRequest());
            EXPECT_THAT(Status(form), ::testing::StartsWith("Get: "));
            EXPECT_THAT(Status(form), ::testing::Not(HasSubstr("Ok!")));
        });
        ASSERT_EQ(Control("clear"), "ok");
    }
}

TEST_F(DoubleVlanFormsTest, AddNeedsCreateAndGoAndLeavesAnEmptyTpidOut) {
    SetState(3);
    ui::MessageBoxRecorder boxes;
    OpenTable([&](TDoubleVLANForm& form) {
        ASSERT_TRUE(UserClick(form.AddBtn));
        ASSERT_TRUE(TypeText(form.edtID, "200"));
        ASSERT_TRUE(UserClick(form.AddBtn));
        ASSERT_TRUE(TypeText(form.edtName, "Outer"));
        ChooseItem(form.cbxStatus, "active");
        ASSERT_TRUE(UserClick(form.AddBtn));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Please specify VLAN ID of this Double VLAN",
                                                             "Please specify the name of  this Double VLAN",
                                                             "Status should be createAndGo"}));
        EXPECT_TRUE(NothingSent());
        ChooseItem(form.cbxStatus, "createAndGo");
        form.UplinkPorts->PortCheckBoxes[2]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.AddBtn));
        ASSERT_TRUE(WaitWalk(form.DoubleVlanTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]),
                    ElementsAre(Column(2) + "200=STRING:\"Outer\"", Column(4) + "200=HEX:2000000000000000",
                                Column(5) + "200=HEX:0000000000000000", Column(7) + "200=HEX:0000000000000000",
                                Column(9) + "200=INTEGER:4"));
        EXPECT_EQ(form.lvDoubleVLAN->Items().Count(), 4);
        EXPECT_EQ(boxes.Calls().size(), 3u);
    });
}

TEST_F(DoubleVlanFormsTest, SetLeavesTheNameOutAndDeleteSendsDestroyAlone) {
    SetState(3);
    ASSERT_EQ(Control("set-rw " + Column(3) + "1 hex 8100"), "ok");  // a TPID is two octets
    OpenTable([&](TDoubleVLANForm& form) {
        form.lvDoubleVLAN->SetItemIndex(0);
        EXPECT_EQ(form.edtTPID->Text(), "8100");
        form.edtTPID->SetText("");
        ASSERT_TRUE(TypeText(form.edtTPID, "88a8"));
        ASSERT_TRUE(UserClick(form.SetBtn));
        ASSERT_TRUE(WaitWalk(form.DoubleVlanTable));
        std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Column(3) + "1=HEX:88A8", Column(4) + "1=HEX:8000000000000000",
                                                   Column(5) + "1=HEX:8000000000000000",
                                                   Column(7) + "1=HEX:8000000000000000", Column(9) + "1=INTEGER:1"));
        EXPECT_TRUE(form.AddBtn->Enabled());
        EXPECT_TRUE(form.edtID->Enabled());

        MarkLog();
        form.lvDoubleVLAN->SetItemIndex(2);
        ASSERT_TRUE(UserClick(form.DeleteBtn));
        ASSERT_TRUE(WaitWalk(form.DoubleVlanTable));
        sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Column(9) + "3=INTEGER:6"));
        EXPECT_EQ(form.StaticText1->Caption(), "2");

        // A later Set still carries the delete ports.
        MarkLog();
        form.lvDoubleVLAN->SetItemIndex(1);
        ASSERT_TRUE(UserClick(form.SetBtn));
        ASSERT_TRUE(WaitWalk(form.DoubleVlanTable));
        sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ::testing::Contains(Column(7) + "2=HEX:4000000000000000"));
        EXPECT_TRUE(NoInvalidBits(form.DoubleVlanTable));
    });
}

}  // namespace
