// The EtherLike pause and MAC control dialogs against the simulator, opened through their menu commands: the port
// list, the counters of the port clicked read again on timer ticks, the counter view reset when there is nothing to
// show, and the pause admin mode written alone.
#include "DedicatedDialogFixture.h"
#include "dot3ControlFormUnit.h"
#include "dot3PauseFormUnit.h"

#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

constexpr const char* PauseEntry = "1.3.6.1.2.1.10.7.10.1";
constexpr const char* ControlEntry = "1.3.6.1.2.1.10.7.9.1";
const std::string AdminMode = std::string(PauseEntry) + ".1.";
const std::string InPause = std::string(PauseEntry) + ".3.";
const std::string OutPause = std::string(PauseEntry) + ".4.";
const std::string UnknownOpcodes = std::string(ControlEntry) + ".2.";

class Dot3FormsTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(PauseEntry, "1-3");
        SeedRows(ControlEntry, "1-3");
        for (const std::string& line :
             {"set " + InPause + "2 counter 17", "set " + OutPause + "2 counter 5",
              "set " + UnknownOpcodes + "3 counter 9", "set " + std::string(ControlEntry) + ".1.3 hex 80"})
            ASSERT_EQ(Control(line), "ok") << line;
    }
    template <typename Form>
    void Open(const char* handler, const std::function<void(Form&)>& driver) {
        OpenWhenWalked<Form>(
            handler, [](Form& form) -> DialogTable& { return form.TableRequest(); }, driver);
    }
    static std::vector<std::string> Values(TDot3CounterForm& form) {
        std::vector<std::string> values;
        for (int row = 0; row < form.ListView2->Items().Count(); ++row)
            values.push_back(form.ListView2->Items()[row]->SubItems()[0]);
        return values;
    }
    static void Tick(TDot3CounterForm& form) { form.Timer1->OnTimer(form.Timer1); }
    int CounterReads(const std::string& oid) const {
        int reads = 0;
        for (const std::string& line : Pdus("GET"))
            if (line.find(" " + oid) != std::string::npos) ++reads;
        return reads;
    }
};

TEST_F(Dot3FormsTest, APortsPauseCountersAreShownOnItsClickAndReadAgainOnTicks) {
    ui::MessageBoxRecorder boxes;
    Open<Tdot3PauseForm>("dot3PauseTable1Click", [&](Tdot3PauseForm& form) {
        EXPECT_EQ(dot3PauseForm, &form);
        EXPECT_EQ(form.Caption(), "Dot3 Pause Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_EQ(Values(form), (std::vector<std::string>{"", ""}));
        EXPECT_EQ(form.ListView2->Items()[0]->Caption(), "In Pause Frame");
        EXPECT_TRUE(form.cbxAdminMode->Enabled());  // enabled again after the walk
        EXPECT_FALSE(form.btnSet->Enabled());
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(Values(form), (std::vector<std::string>{"17", "5"}));
        EXPECT_TRUE(form.btnSet->Enabled());
        ChooseItem(form.cbxInterval, "5s");
        EXPECT_TRUE(form.Timer1->Enabled());
        EXPECT_EQ(form.Timer1->Interval(), 5000);
        ASSERT_EQ(Control("set " + InPause + "2 counter 18"), "ok");
        MarkLog();
        Tick(form);
        EXPECT_EQ(CounterReads(InPause + "2"), 1);
        EXPECT_EQ(Values(form), (std::vector<std::string>{"18", "5"}));
        EXPECT_TRUE(form.Timer1->Enabled());  // runs until another interval or a reset
        ChooseItem(form.cbxInterval, "none");
        EXPECT_FALSE(form.Timer1->Enabled());
        // No row selected: the view is reset.
        ChooseItem(form.cbxInterval, "2s");
        form.ListView1->ClearSelection();
        EXPECT_EQ(Values(form), (std::vector<std::string>{"", ""}));
        EXPECT_FALSE(form.Timer1->Enabled());
        EXPECT_EQ(form.cbxInterval->Text(), "none");
        EXPECT_FALSE(form.btnSet->Enabled());
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(Dot3FormsTest, ATickWithNothingToShowSaysSoAndResetsTheInterval) {
    struct Case {
        const char* name;
        bool clickPort;  // a port whose counters the switch does not answer
    };
    const Case cases[] = {{"before any click", false}, {"a port without counters", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::MessageBoxRecorder boxes;
        Open<Tdot3PauseForm>("dot3PauseTable1Click", [&](Tdot3PauseForm& form) {
            if (c.clickPort) {
                form.ListView1->SetItemIndex(0);
                ASSERT_EQ(Control(std::string("remove ") + PauseEntry), "ok");
                boxes.Clear();
            }
            ChooseItem(form.cbxInterval, "2s");
            EXPECT_TRUE(form.Timer1->Enabled());
            Tick(form);
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Get data not completed!"});
            EXPECT_EQ(form.cbxInterval->Text(), "none");
            EXPECT_FALSE(form.Timer1->Enabled());
            EXPECT_EQ(Values(form), (std::vector<std::string>{"", ""}));
            if (!c.clickPort) {
                EXPECT_TRUE(NothingSent("GET"));
            }
        });
    }
}

TEST_F(Dot3FormsTest, SetSendsOnlyThePauseAdminModeWhichOffersTwoValues) {
    ui::MessageBoxRecorder boxes;
    Open<Tdot3PauseForm>("dot3PauseTable1Click", [&](Tdot3PauseForm& form) {
        ASSERT_EQ(form.cbxAdminMode->Items().Count(), 2);
        EXPECT_EQ(form.cbxAdminMode->Items()[0], "disabled");
        EXPECT_EQ(form.cbxAdminMode->Items()[1], "enabledXmitAndRcv");
        form.ListView1->SetItemIndex(2);
        ChooseItem(form.cbxAdminMode, "enabledXmitAndRcv");
        MarkLog();
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(WaitWalk(form.TableRequest()));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(AdminMode + "3=INTEGER:4"));
        EXPECT_EQ(form.ListView1->Items()[2]->SubItems()[0], "enabledXmitAndRcv");
        EXPECT_EQ(Values(form), (std::vector<std::string>{"", ""}));
        EXPECT_FALSE(form.btnSet->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.TableRequest()));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(Dot3FormsTest, SetAndRefreshWhileAWalkRunsAreRefused) {
    ui::MessageBoxRecorder boxes;
    Open<Tdot3PauseForm>("dot3PauseTable1Click", [&](Tdot3PauseForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.TableRequest(), *form.ListView1, form.btnGet, AdminMode + "1"));
        form.ListView1->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Get data not complete"});
        ASSERT_TRUE(UserClick(form.btnGet));  // nothing, without a word
        EXPECT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(Walks(AdminMode.substr(0, AdminMode.size() - 1)), 1);
        ASSERT_TRUE(UserClick(form.btnStop));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitWalk(form.TableRequest()));
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

TEST_F(Dot3FormsTest, TheControlTableShowsTheFunctionsAndTheUnknownOpcodes) {
    ui::MessageBoxRecorder boxes;
    Open<Tdot3ControlForm>("dot3ControlTable1Click", [&](Tdot3ControlForm& form) {
        EXPECT_EQ(dot3ControlForm, &form);
        EXPECT_EQ(form.Caption(), "Dot3 Control Table: 127.0.0.1");
        EXPECT_EQ(form.RoleButton(ButtonRole::Set), nullptr);
        EXPECT_EQ(form.RoleButton(ButtonRole::Stop), nullptr);
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        ASSERT_EQ(form.FunctionBoxes.size(), 8u);
        EXPECT_TRUE(form.FunctionBoxes[0]->Visible());
        EXPECT_FALSE(form.FunctionBoxes[1]->Visible());
        EXPECT_TRUE(form.FunctionBoxes[0]->Enabled());
        EXPECT_EQ(form.ListView2->Items().Count(), 1);
        EXPECT_EQ(form.ListView2->Items()[0]->Caption(), "Recived Unknown Opcodes");
        form.ListView1->SetItemIndex(2);
        EXPECT_TRUE(form.FunctionBoxes[0]->Checked());  // pause: the top bit
        EXPECT_EQ(Values(form), std::vector<std::string>{"9"});
        ASSERT_TRUE(UserClick(form.btnGet));
        EXPECT_FALSE(form.FunctionBoxes[0]->Checked());
        EXPECT_EQ(Values(form), std::vector<std::string>{""});
        ASSERT_TRUE(WaitWalk(form.TableRequest()));
        EXPECT_TRUE(form.FunctionBoxes[0]->Enabled());
        EXPECT_TRUE(Pdus("SET").empty());
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
