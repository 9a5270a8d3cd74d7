// The traffic segmentation table against the simulator, opened through its menu command: the guard before the first
// walk has ended, the unit and port of the selected row (stacked), what Set sends and the read after it, Stop and
// closing.
#include "DedicatedDialogFixture.h"
#include "TrafficSegmentationUnit.h"

#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;

// The text of the row's last column.
std::string LastCell(const ui::ListItem& item) { return item.SubItems()[item.SubItems().Count() - 1]; }

using simdialog::Varbinds;
using ::testing::ElementsAre;

constexpr const char* Handler = "TrafficSegmentationTable1Click";
constexpr const char* SegmentEntry = "1.3.6.1.4.1.32473.11.70.7.2.14.1.1";
const std::string PortColumn = std::string(SegmentEntry) + ".1";
const std::string ForwardPorts = std::string(SegmentEntry) + ".2.";

class TrafficSegmentationFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(SegmentEntry, "1 64 65 128 129");
    }
    void Open(const std::function<void(TTrafficSegmentationForm&)>& driver) {
        OpenWhenWalked<TTrafficSegmentationForm>(
            Handler, [](TTrafficSegmentationForm& form) -> DialogTable& { return form.SegmentationTable; }, driver);
    }
    static bool WaitWalk(TTrafficSegmentationForm& form) {
        return DedicatedDialogTest::WaitWalk(form.SegmentationTable);
    }
    static int RowOf(TTrafficSegmentationForm& form, const std::string& port) {
        for (int row = 0; row < form.LV_TrafficForward->Items().Count(); ++row)
            if (form.LV_TrafficForward->Items()[row]->Caption() == port) return row;
        return -1;
    }
};

TEST_F(TrafficSegmentationFormTest, RefreshAndSetAreRefusedUntilTheFirstWalkEnds) {
    ui::MessageBoxRecorder boxes;
    ASSERT_EQ(Control("hold " + PortColumn + ".1 300"), "ok");  // the first walk's second answer comes late
    RunCommand<TTrafficSegmentationForm>(Handler, [&](TTrafficSegmentationForm& form) {
        EXPECT_EQ(form.Caption(), "Traffic Segmentation Table: 127.0.0.1");
        EXPECT_EQ(TrafficSegmentationForm, nullptr);  // the command keeps no pointer
        form.SegmentationTable.Request()->Request.Timeout = 1000;
        ASSERT_FALSE(form.SegmentationTable.Complete());
        ASSERT_TRUE(RunUntil([&] { return form.LV_TrafficForward->Items().Count() == 1; }));
        MarkLog();  // the first walk has started
        ASSERT_TRUE(UserClick(form.BT_Get));
        form.LV_TrafficForward->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.BT_Set));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Refresh not complete", "Refresh not complete"}));
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(form.LV_TrafficForward->Items().Count(), 5);
        EXPECT_EQ(form.StaticText1->Caption(), "5");
        EXPECT_EQ(Walks(PortColumn), 0);  // no walk but the first
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

TEST_F(TrafficSegmentationFormTest, TheSelectedRowShowsItsUnitAndPortInAStack) {
    StackStateScope stack(
        "enabled",
        {{"1", "1", "QSW-2126P", "exist"}, {"2", "65", "QSW-2150", "exist"}, {"3", "129", "QSW-2150", "exist"}});
    struct Case {
        const char* port;
        const char* unit;
        const char* unitPort;
    };
    const Case cases[] = {{"1", "1", "1"}, {"64", "1", "64"}, {"65", "2", "1"}, {"128", "2", "64"}, {"129", "3", "1"}};
    Open([&](TTrafficSegmentationForm& form) {
        EXPECT_EQ(form.ForwardPorts->PortCheckBoxes.size(), 768u);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.port);
            const int row = RowOf(form, c.port);
            ASSERT_GE(row, 0);
            form.LV_TrafficForward->SetItemIndex(row);
            EXPECT_EQ(form.ST_Port->Caption(), c.port);
            EXPECT_EQ(form.Combo_Unit->Text(), c.unit);
            EXPECT_EQ(form.Combo_Port->Text(), c.unitPort);
            EXPECT_TRUE(form.Combo_Port->Visible());
            EXPECT_FALSE(form.Combo_Unit->Visible());
            EXPECT_TRUE(form.BT_Set->Enabled());
        }
        form.LV_TrafficForward->ClearSelection();
        EXPECT_EQ(form.Combo_Port->Text(), "");
        EXPECT_FALSE(form.BT_Set->Enabled());
    });
}

TEST_F(TrafficSegmentationFormTest, SetSendsOnlyTheForwardPortsAndTheTableIsReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TTrafficSegmentationForm& form) {
        form.LV_TrafficForward->SetItemIndex(RowOf(form, "65"));
        for (ui::CheckBox* box : form.ForwardPorts->PortCheckBoxes) box->SetChecked(false);
        form.ForwardPorts->PortCheckBoxes[0]->SetChecked(true);
        form.ForwardPorts->PortCheckBoxes[9]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.BT_Set));
        EXPECT_FALSE(form.BT_Set->Enabled());
        EXPECT_FALSE(form.ForwardPorts->PortCheckBoxes[0]->Checked());
        EXPECT_EQ(form.Combo_Port->Text(), "");
        ASSERT_TRUE(RunUntil([&] { return Walks(PortColumn) == 1 && !form.SegmentationTable.Busy(); }));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(ForwardPorts + "65=HEX:8040000000000000"));
        const int row = RowOf(form, "65");
        ASSERT_GE(row, 0);
        EXPECT_EQ(LastCell(*form.LV_TrafficForward->Items()[row]), "8040000000000000");
        EXPECT_TRUE(NoInvalidBits(form.SegmentationTable));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TrafficSegmentationFormTest, ARefusedSetIsReportedAndNotReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TTrafficSegmentationForm& form) {
        ASSERT_EQ(Control(std::string("error ") + SegmentEntry + ".2 wrongValue 1"), "ok");
        form.LV_TrafficForward->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.BT_Set));
        ASSERT_TRUE(WaitIdle(form.SegmentationTable));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(Walks(PortColumn), 0);
        EXPECT_EQ(form.LV_TrafficForward->Items().Count(), 5);
        ASSERT_TRUE(UserClick(form.BT_Get));  // still usable
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(Walks(PortColumn), 1);
    });
}

TEST_F(TrafficSegmentationFormTest, StopEndsTheWalkAndClosingIsNeverRefused) {
    ui::MessageBoxRecorder boxes;
    Open([&](TTrafficSegmentationForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.SegmentationTable, *form.LV_TrafficForward, form.BT_Get,
                                          PortColumn + ".1", 300));
        ASSERT_TRUE(UserClick(form.StopBtn));
        EXPECT_TRUE(form.SegmentationTable.Complete());
        ASSERT_TRUE(WaitIdle(form.SegmentationTable));
        EXPECT_EQ(form.LV_TrafficForward->Items().Count(), 2);
        ASSERT_TRUE(UserClick(form.BT_Get));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_FALSE(form.SegmentationTable.Complete());
        ASSERT_TRUE(UserClick(form.btnClose));  // during the walk
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
