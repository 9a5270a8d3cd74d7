// The configuration control dialog and its edit form against the simulator: the action SET of the selected entry,
// and the progress box only for "active".
#include "IpSystemDialogTest.h"
#include "Multiconfigcontroleditformunit.h"
#include "Multiconfigcontrolformunit.h"
#include "ProgressBoxDriver.h"

#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* Handler = "MultipleConfigControl1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.1.2.8.4.1";

class MultipleConfigControlFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1 2");
        for (const char* id : {"1", "2"}) ASSERT_EQ(Control("set-rw " + Entry + ".2." + id + " int 4"), "ok");
    }
};

TEST_F(MultipleConfigControlFormTest, TheActionIsWrittenAndOnlyActiveWaitsInTheProgressBox) {
    struct Case {
        const char* Action;
        int Value;
        bool Progress;
    };
    ui::MessageBoxRecorder boxes;
    OpenWhenIdle<TMultipleConfigControlForm>(
        Handler, [](TMultipleConfigControlForm& form) -> DialogTable& { return form.ControlTable; },
        [&](TMultipleConfigControlForm& form) {
            EXPECT_EQ(form.Caption(), "Multiple Configuration Settings: 127.0.0.1");
            ASSERT_EQ(form.ListView1->Items().Count(), 2);
            EXPECT_EQ(form.ControlTable.Request()->Request.Timeout, 300);
            EXPECT_FALSE(form.btnEdit->Enabled());
            for (const Case c : {Case{"bootup", 3, false}, Case{"active", 1, true}}) {
                SCOPED_TRACE(c.Action);
                MarkLog();
                ProgressRun run;
                form.ListView1->SetItemIndex(1);
                bool shown = false;
                OnNextModal<TMultiConfigControlEditForm>(shown, [&](TMultiConfigControlEditForm& edit) {
                    EXPECT_EQ(edit.Caption(), "Multiple Config Control Edit");
                    EXPECT_FALSE(edit.cbxCtrlID->Enabled());
                    EXPECT_EQ(edit.cbxCtrlID->Text(), "cfgId-2");
                    ChooseItem(edit.cbxCfgAction, c.Action);
                    if (c.Progress) DriveNextProgressBox(run, 20);
                    UserClick(edit.btnSet);
                });
                ASSERT_TRUE(UserClick(form.btnEdit));
                EXPECT_TRUE(shown);
                ASSERT_TRUE(WaitIdle(form.ControlTable));
                const std::vector<std::string> sets = Pdus("SET");
                ASSERT_EQ(sets.size(), 1u);
                EXPECT_THAT(ColumnVarbinds(sets[0], Entry), ElementsAre("2.2=INTEGER:" + std::to_string(c.Value)));
                EXPECT_EQ(run.Shown, c.Progress);
                if (c.Progress) {
                    EXPECT_EQ(run.Caption, "Set Configuration");
                    EXPECT_EQ(run.Prompt, "Active Configuration is doing...");
                    EXPECT_EQ(run.TickBudget, 15);
                    EXPECT_TRUE(run.ClosedItself);
                }
                EXPECT_EQ(form.ListView1->Items()[1]->SubItems()[0], c.Action);
            }
            EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        });
}

}  // namespace
