// The spanning tree algorithm state against the simulator, opened through its menu command: disabling at once,
// enabling after a confirmation and under the progress box, the long time-out of the enabling SET put back
// afterwards, and a refused SET that ends the wait at once.
#include "DedicatedDialogFixture.h"
#include "ProgressBoxDriver.h"
#include "SpanningTreeAlgorithmUnit.h"

#include "ComCtrls.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* Handler = "SpanningTreeAlgorithm1Click";
const std::string State = "1.3.6.1.4.1.32473.11.70.7.2.1.2.1.0";
constexpr const char* Question = "To enable STP may take a long time. Do you want to go on?";

class SpanningTreeAlgorithmTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        ASSERT_EQ(Control("set-rw " + State + " int 2"), "ok");
    }
    void Open(const std::function<void(TSpanningTreeAlgorithmForm&)>& driver) {
        OpenWhenIdle<TSpanningTreeAlgorithmForm>(
            Handler, [](TSpanningTreeAlgorithmForm& form) -> DialogTable& { return form.StaRequest; }, driver);
    }
    static bool WaitIdle(TSpanningTreeAlgorithmForm& form) { return DedicatedDialogTest::WaitIdle(form.StaRequest); }
    // Reads of the state since the mark.
    int StateReads() const {
        int reads = 0;
        for (const std::string& line : Pdus("GET"))
            if (line.find(State + "=NULL") != std::string::npos) ++reads;
        return reads;
    }
};

TEST_F(SpanningTreeAlgorithmTest, OpensWithTheStateAndDisablingIsWrittenAtOnceThenReadAgain) {
    ui::MessageBoxRecorder boxes;
    ASSERT_EQ(Control("set-rw " + State + " int 3"), "ok");
    Open([&](TSpanningTreeAlgorithmForm& form) {
        EXPECT_EQ(SpanningTreeAlgorithmForm, &form);
        EXPECT_EQ(form.Caption(), "Spanning Tree Algorithm: 127.0.0.1");
        ASSERT_EQ(form.ComboBox1->Items().Count(), 2);
        EXPECT_EQ(form.ComboBox1->Items()[0], "disabled");
        EXPECT_EQ(form.ComboBox1->Items()[1], "enabled");
        EXPECT_EQ(form.ComboBox1->Text(), "enabled");
        ChooseItem(form.ComboBox1, "disabled");
        ASSERT_TRUE(UserClick(form.SetButton));
        ASSERT_TRUE(WaitIdle(form));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(State + "=INTEGER:2"));
        EXPECT_EQ(StateReads(), 1);
        EXPECT_EQ(form.ComboBox1->Text(), "disabled");
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
    });
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(SpanningTreeAlgorithmForm, nullptr);
}

TEST_F(SpanningTreeAlgorithmTest, EnablingCancelledSendsNothingAndReadsTheStateAgain) {
    ui::MessageBoxRecorder boxes(ui::mrCancel);
    Open([&](TSpanningTreeAlgorithmForm& form) {
        ChooseItem(form.ComboBox1, "enabled");
        ASSERT_TRUE(UserClick(form.SetButton));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Text, Question);
        EXPECT_EQ(boxes.Calls()[0].Buttons, ui::mbOKCancel);
        EXPECT_EQ(boxes.Calls()[0].Type, ui::mtConfirmation);
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_EQ(StateReads(), 1);
        EXPECT_EQ(form.ComboBox1->Text(), "disabled");
    });
}

TEST_F(SpanningTreeAlgorithmTest, EnablingRunsTheProgressBoxToItsEndThenReadsAndPutsTheTimeoutBack) {
    ui::MessageBoxRecorder boxes;
    Open([&](TSpanningTreeAlgorithmForm& form) {
        const int32_t usual = form.StaRequest.Request()->Request.Timeout;
        ASSERT_LT(usual, TSpanningTreeAlgorithmForm::EnableTimeout);
        // The answer comes later than the usual time-out: the long one keeps the SET from being sent again.
        ASSERT_EQ(Control("hold " + State + " " + std::to_string(usual * 10 + 500)), "ok");
        ProgressRun run;
        int readsDuringWait = -1;
        DriveNextProgressBox(run, 100, [&] {
            ASSERT_TRUE(RunUntil([&] { return !form.StaRequest.Busy(); }));
            readsDuringWait = StateReads();
        });
        ChooseItem(form.ComboBox1, "enabled");
        ASSERT_TRUE(UserClick(form.SetButton));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Text, Question);
        EXPECT_TRUE(run.Shown);
        EXPECT_TRUE(run.Published);
        EXPECT_EQ(run.Caption, "Enable STP Progress");
        EXPECT_EQ(run.Prompt, "Enable STP is doing...");
        EXPECT_TRUE(run.TimerRunning);
        EXPECT_EQ(run.Interval, 1000);
        EXPECT_EQ(run.ClosedOnTick, 51);  // however soon the switch answered
        EXPECT_EQ(ProgressForm, nullptr);
        EXPECT_EQ(readsDuringWait, 0);
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(State + "=INTEGER:3"));
        EXPECT_EQ(form.StaRequest.Request()->Request.Timeout, usual);
        ASSERT_EQ(Control("clear"), "ok");
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_EQ(StateReads(), 1);
        EXPECT_EQ(form.ComboBox1->Text(), "enabled");
        EXPECT_EQ(boxes.Calls().size(), 1u);
    });
}

TEST_F(SpanningTreeAlgorithmTest, ARefusedEnablingSetEndsTheWaitAtOnceAndShowsItsError) {
    ui::MessageBoxRecorder boxes;
    Open([&](TSpanningTreeAlgorithmForm& form) {
        const int32_t usual = form.StaRequest.Request()->Request.Timeout;
        ASSERT_EQ(Control("error " + State + " genErr 1"), "ok");
        ProgressRun run;
        // No tick: the refusal alone closes the box.
        DriveNextProgressBox(run, 0, [&] { EXPECT_TRUE(RunUntil([&] { return boxes.Calls().size() == 2; })); });
        ChooseItem(form.ComboBox1, "enabled");
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_TRUE(run.Shown);
        EXPECT_EQ(run.Ticks, 0);
        EXPECT_TRUE(run.ClosedItself);  // the refusal, not the driver's fallback
        ASSERT_EQ(boxes.Calls().size(), 2u);
        EXPECT_EQ(boxes.Calls()[1].Caption, "QSW2126P");
        EXPECT_FALSE(boxes.Calls()[1].Text.empty());
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_EQ(StateReads(), 1);
        EXPECT_EQ(form.ComboBox1->Text(), "disabled");  // the state as the switch keeps it
        EXPECT_EQ(form.StaRequest.Request()->Request.Timeout, usual);
    });
}

TEST_F(SpanningTreeAlgorithmTest, NoStateChosenSetDoesNothing) {
    Open([&](TSpanningTreeAlgorithmForm& form) {
        form.ComboBox1->SetItemIndex(-1);
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_TRUE(NothingSent());
    });
}

TEST_F(SpanningTreeAlgorithmTest, ClosingWaitsForTheOutstandingAnswer) {
    Open([&](TSpanningTreeAlgorithmForm& form) {
        ASSERT_EQ(Control("hold " + State + " 300"), "ok");
        ASSERT_TRUE(UserClick(form.GetButton));
        EXPECT_TRUE(form.StaRequest.Busy());
        ASSERT_TRUE(UserClick(form.btnClose));
    });
    MarkLog();
    EXPECT_TRUE(NothingSent());
}

}  // namespace
