// The IGMP and MLD snooping data-driven learning group dialogs against the simulator, both twins through their menu
// commands: the router-port boxes that never take a tick, the clear action (one SET of "Clear Group", its answer
// awaited, then the table read again), a refused or unanswered clear, closing during the wait, and the guards.
#include "DedicatedDialogFixture.h"
#include "IGMPSnoopingDataDrivenLearningGroupUnit.h"
#include "MLDSnoopingDataDrivenLearningGroupUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <QTimer>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

struct Twin {
    const char* handler;
    const char* entry;
    const char* caption;
    std::string secondInstance;  // of the second seeded row
    const char* rows;
};

const Twin Igmp{"DataDrivenLearningGroupTable1Click", "1.3.6.1.4.1.32473.11.70.7.2.11.20.1",
                "IGMP Snooping Data Driven Learning Group Table: 127.0.0.1", "2.10.0.0.2",
                "1.10.0.0.1 2.10.0.0.2 3.10.0.0.3"};
const Twin Mld{"DataDrivenLearningGroupTable2Click", "1.3.6.1.4.1.32473.12.34.3.8.1",
               "MLD Snooping Data Driven Learning Group Table: 127.0.0.1", "2.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.2",
               "1.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1 2.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.2 "
               "3.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.3"};

bool AllBoxesDisabled(const TStackingPortUitForm* selector) {
    for (const ui::CheckBox* box : selector->PortCheckBoxes)
        if (box->Enabled()) return false;
    return true;
}

class SnoopingDataDrivenGroupTest : public DedicatedDialogTest, public ::testing::WithParamInterface<const Twin*> {
protected:
    const Twin& twin() const { return *GetParam(); }
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(twin().entry, twin().rows);
    }
    std::string ClearGroup() const { return ClearColumn() + "."; }
    std::string ClearColumn() const { return std::string(twin().entry) + ".100"; }
    void Open(const std::function<void(TSnoopingDataDrivenGroupForm&)>& driver) {
        OpenWhenWalked<TSnoopingDataDrivenGroupForm>(
            twin().handler,
            [](TSnoopingDataDrivenGroupForm& form) -> const DialogTable& { return form.DataDrivenTable; }, driver);
    }
    // Walks started since the mark.
    int WalkStarts() const { return Walks(std::string(twin().entry) + ".3"); }
};

TEST_P(SnoopingDataDrivenGroupTest, ARowShowsItsKeysAndRouterPortsOnBoxesThatStayDisabled) {
    Open([&](TSnoopingDataDrivenGroupForm& form) {
        EXPECT_EQ(form.Caption(), twin().caption);
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Router Ports");
        EXPECT_TRUE(AllBoxesDisabled(form.RouterPorts));
        EXPECT_TRUE(form.edtIPAddress->ReadOnly());
        EXPECT_EQ(form.edtIPAddress->Enabled(), GetParam() == &Igmp);
        EXPECT_FALSE(form.btnSet->Enabled());
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.stVID->Caption(), "2");
        EXPECT_EQ(form.edtIPAddress->Text(), form.ListView1->Items()[1]->SubItems()[0]);
        EXPECT_TRUE(form.edtIPAddress->Enabled());
        EXPECT_TRUE(form.RouterPorts->PortCheckBoxes[1]->Checked());
        EXPECT_TRUE(AllBoxesDisabled(form.RouterPorts));
        EXPECT_TRUE(form.btnSet->Enabled());
        EXPECT_TRUE(NothingSent());
    });
}

TEST_P(SnoopingDataDrivenGroupTest, ClearSendsClearGroupAloneWaitsForTheAnswerThenReadsAgain) {
    struct Case {
        const char* choice;
        int value;
    };
    const Case cases[] = {{"clear", 2}, {"other", 1}};
    ui::MessageBoxRecorder boxes;
    Open([&](TSnoopingDataDrivenGroupForm& form) {
        form.DataDrivenTable.Request()->Request.Timeout = HeldAnswerTimeout;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.choice);
            MarkLog();
            form.ListView1->SetItemIndex(1);
            ChooseItem(form.CBoxClear, c.choice);
            ASSERT_EQ(Control("hold " + ClearColumn() + " 300"), "ok");
            bool waitedWithoutReading = false;
            QTimer::singleShot(100, [&, life = form.LifeToken()] {
                waitedWithoutReading = !life.expired() && form.DataDrivenTable.Waiting() && WalkStarts() == 0;
            });
            ASSERT_TRUE(UserClick(form.btnSet));
            EXPECT_TRUE(waitedWithoutReading);
            ASSERT_TRUE(WaitWalk(form.DataDrivenTable));
            ASSERT_EQ(Control("clear"), "ok");
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(Varbinds(sets[0]),
                        ElementsAre(ClearGroup() + twin().secondInstance + "=INTEGER:" + std::to_string(c.value)));
            EXPECT_EQ(WalkStarts(), 1);
            EXPECT_EQ(form.stVID->Caption(), "");
            EXPECT_FALSE(form.btnSet->Enabled());
        }
        EXPECT_TRUE(boxes.Calls().empty());
    });
}

TEST_P(SnoopingDataDrivenGroupTest, ARefusedOrUnansweredClearIsReportedAndTheDialogGoesOn) {
    struct Case {
        const char* name;
        std::string rule;
    };
    const Case cases[] = {{"refused", "error " + ClearColumn() + " genErr 1"},
                          {"unanswered", "drop " + ClearColumn() + " 1"}};
    ui::MessageBoxRecorder boxes;
    Open([&](TSnoopingDataDrivenGroupForm& form) {
        form.DataDrivenTable.Request()->Request.Timeout = 30;
        form.DataDrivenTable.Request()->Request.Retries = 0;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            boxes.Clear();
            MarkLog();
            form.ListView1->SetItemIndex(0);
            ASSERT_EQ(Control(c.rule), "ok");
            ASSERT_TRUE(UserClick(form.btnSet));
            ASSERT_TRUE(WaitWalk(form.DataDrivenTable));
            ASSERT_EQ(Control("clear"), "ok");
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_FALSE(boxes.Calls()[0].Text.empty());
            EXPECT_EQ(WalkStarts(), 1);
            EXPECT_EQ(form.ListView1->Items().Count(), 3);
        }
    });
}

TEST_P(SnoopingDataDrivenGroupTest, AClosePressedDuringTheWaitClosesOnceTheAnswerCame) {
    ui::MessageBoxRecorder boxes;
    bool closedDuringWait = true;
    Open([&](TSnoopingDataDrivenGroupForm& form) {
        form.DataDrivenTable.Request()->Request.Timeout = HeldAnswerTimeout;
        form.ListView1->SetItemIndex(0);
        ASSERT_EQ(Control("hold " + ClearColumn() + " 300"), "ok");
        QTimer::singleShot(50, [&, life = form.LifeToken()] {
            if (life.expired()) return;
            form.btnClose->Click();
            closedDuringWait = !form.Visible();
        });
        ASSERT_TRUE(UserClick(form.btnSet));
    });
    EXPECT_FALSE(closedDuringWait);
    EXPECT_EQ(Pdus("SET").size(), 1u);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(SnoopingDataDrivenGroupTest, WhileAWalkRunsRefreshAndSetAreRefusedWithTheirTexts) {
    ui::MessageBoxRecorder boxes;
    Open([&](TSnoopingDataDrivenGroupForm& form) {
        ASSERT_TRUE(
            HoldWalkAfterFirstRow(form.DataDrivenTable, *form.ListView1, form.btnGet,
                                  std::string(twin().entry) + ".3.1." +
                                      (GetParam() == &Igmp ? "10.0.0.1" : "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1")));
        EXPECT_TRUE(UserClick(form.btnGet));
        form.ListView1->SetItemIndex(0);
        EXPECT_TRUE(UserClick(form.btnSet));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete!", "Get data not complete"}));
        EXPECT_EQ(WalkStarts(), 1);
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_TRUE(UserClick(form.StopButton));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitIdle(form.DataDrivenTable));
    });
}

INSTANTIATE_TEST_SUITE_P(Twins, SnoopingDataDrivenGroupTest, ::testing::Values(&Igmp, &Mld),
                         [](const ::testing::TestParamInfo<const Twin*>& info) {
                             return info.param == &Igmp ? std::string("IGMP") : std::string("MLD");
                         });

}  // namespace
