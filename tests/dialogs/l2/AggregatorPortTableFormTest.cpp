// The LACP aggregator port table against the simulator, opened through its menu command: the state octets on their
// check boxes, the partner system ID checked before any SET, the five writable columns sent, and Stop.
#include "AggregatorPortTableFormUnit.h"
#include "DedicatedDialogFixture.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* Entry = "1.3.6.1.4.1.32473.12.4.1.2.1.1";
std::string Column(int column) { return std::string(Entry) + "." + std::to_string(column) + "."; }

class AggregatorPortTableFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1-3");
        ASSERT_EQ(Control("set-rw " + Column(20) + "2 hex 3D"), "ok");
    }
    void Open(const std::function<void(TAggregatorPortTableForm&)>& driver) {
        OpenWhenWalked<TAggregatorPortTableForm>(
            "AggreatorPortTable1Click",
            [](TAggregatorPortTableForm& form) -> DialogTable& { return form.AggregatorTable; }, driver);
    }
    static bool WaitWalk(TAggregatorPortTableForm& form) { return DedicatedDialogTest::WaitWalk(form.AggregatorTable); }
    static std::vector<bool> ActorAdminBits(TAggregatorPortTableForm& form) {
        std::vector<bool> bits;
        for (int k = 0; k < 8; ++k) bits.push_back(form.CheckBoxes[static_cast<size_t>(k)]->Checked());
        return bits;
    }
};

TEST_F(AggregatorPortTableFormTest, TheStateOctetTicksItsBitsAndOnlyTheAdministrationTabsShow) {
    Open([&](TAggregatorPortTableForm& form) {
        EXPECT_EQ(AggregatorPortTableForm, &form);
        EXPECT_EQ(form.Caption(), "802.3ad Aggregator Port Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        ASSERT_EQ(form.TabSheets.size(), 4u);
        EXPECT_TRUE(form.TabSheets[0]->TabVisible());
        EXPECT_FALSE(form.TabSheets[1]->TabVisible());
        EXPECT_TRUE(form.TabSheets[2]->TabVisible());
        EXPECT_FALSE(form.TabSheets[3]->TabVisible());
        // Enabled after the walk, with no row selected.
        EXPECT_TRUE(form.edtPartnerID->Enabled());
        EXPECT_TRUE(form.CheckBoxes[0]->Enabled());
        EXPECT_FALSE(form.btnEdit->Enabled());
        form.ListView1->SetItemIndex(1);
        // 0x3D: aggregation, synchronisation, collecting, distributing and expired.
        EXPECT_EQ(ActorAdminBits(form), (std::vector<bool>{false, false, true, true, true, true, false, true}));
        EXPECT_EQ(form.CheckBoxes[2]->Caption(), "aggregation");
        EXPECT_TRUE(form.btnEdit->Enabled());
        form.ListView1->ClearSelection();
        EXPECT_EQ(ActorAdminBits(form), std::vector<bool>(8, false));
        EXPECT_EQ(form.edtPartnerID->Text(), "");
        EXPECT_FALSE(form.btnEdit->Enabled());
    });
}

TEST_F(AggregatorPortTableFormTest, AnInvalidPartnerSystemIdSendsNothing) {
    ui::MessageBoxRecorder boxes;
    Open([&](TAggregatorPortTableForm& form) {
        for (const char* id : {"", "00A0C912345", "00A0C91234567", "00-A0-C9-12-34-56"}) {
            SCOPED_TRACE(id);
            boxes.Clear();
            form.ListView1->SetItemIndex(0);
            form.edtPartnerID->SetText(id);
            ASSERT_TRUE(UserClick(form.btnEdit));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Invalid MAC address"});
            EXPECT_TRUE(NothingSent());
        }
    });
}

TEST_F(AggregatorPortTableFormTest, EditSendsTheFiveWritableColumnsAndReadsTheTableAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TAggregatorPortTableForm& form) {
        form.ListView1->SetItemIndex(1);
        form.edtActorKey->SetText("7");
        form.edtPartnerID->SetText("00A0c9123456");
        form.edtPartnerKey->SetText("9");
        form.CheckBoxes[0]->SetChecked(true);    // actor lacpActivity
        form.CheckBoxes[2]->SetChecked(false);   // actor aggregation
        form.CheckBoxes[16]->SetChecked(true);   // partner lacpActivity
        form.CheckBoxes[17]->SetChecked(false);  // partner lacpTimeout
        ASSERT_TRUE(UserClick(form.btnEdit));
        EXPECT_FALSE(form.btnEdit->Enabled());
        ASSERT_TRUE(WaitWalk(form));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::vector<std::string> varbinds = Varbinds(sets[0]);
        ASSERT_EQ(varbinds.size(), 5u);
        EXPECT_EQ(varbinds[0], Column(4) + "2=INTEGER:7");
        EXPECT_EQ(varbinds[1], Column(8) + "2=HEX:00A0C9123456");
        EXPECT_EQ(varbinds[2], Column(10) + "2=INTEGER:9");
        EXPECT_EQ(varbinds[3], Column(20) + "2=HEX:9D");
        EXPECT_THAT(varbinds[4], ::testing::StartsWith(Column(22) + "2=HEX:"));
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.edtActorKey->Text(), "");
        EXPECT_TRUE(form.edtActorKey->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.AggregatorTable));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(AggregatorPortTableFormTest, StopDuringAWalkReturnsToIdle) {
    ui::MessageBoxRecorder boxes;
    Open([&](TAggregatorPortTableForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.AggregatorTable, *form.ListView1, form.GetBtn, Column(2) + "1"));
        form.ListView1->SetItemIndex(0);
        form.edtPartnerID->SetText("00A0C9123456");
        ASSERT_TRUE(UserClick(form.btnEdit));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Get data not complete"});
        ASSERT_TRUE(UserClick(form.btnStop));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_THAT(Status(form), HasSubstr("Stop, SNMP Request is not active."));
        EXPECT_TRUE(form.edtPartnerID->Enabled());
        ASSERT_TRUE(UserClick(form.GetBtn));
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_TRUE(UserClick(form.btnClose));
    });
    EXPECT_EQ(AggregatorPortTableForm, nullptr);
}

}  // namespace
