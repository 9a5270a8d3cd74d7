// The compound-authentication guest VLANs against the simulator, opened through their menu command: Add's two SETs
// in their order, a refused create that sends nothing more, Edit and Delete each sending one column, and the VLAN ID
// edit emptied after each.
#include "DedicatedDialogFixture.h"
#include "Multipauthguestvlanformunit.h"

#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string Entry = "1.3.6.1.4.1.32473.12.3.11.2.1";

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class MultpAuthGuestVlanFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "20 30");
        ASSERT_EQ(Control("set-rw " + Cell(2, "20") + " hex 0100000000000000"), "ok");
    }
    void Open(const std::function<void(TMultpAuthGuestVlanForm&)>& driver) {
        RunCommand<TMultpAuthGuestVlanForm>("GuestVLANTable1Click", driver);
    }
    std::vector<std::vector<std::string>> Sets() const {
        std::vector<std::vector<std::string>> sets;
        for (const std::string& line : Pdus("SET")) sets.push_back(Varbinds(line));
        return sets;
    }
    static void TickFirstPorts(TMultpAuthGuestVlanForm& form, int count) {
        for (int port = 0; port < count; ++port)
            form.Ports->PortCheckBoxes[static_cast<size_t>(port)]->SetChecked(true);
    }
};

TEST_F(MultpAuthGuestVlanFormTest, AddCreatesTheRowThenSendsItsPorts) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMultpAuthGuestVlanForm& form) {
        EXPECT_EQ(form.Caption(), "Compound Authentication Guest VLAN Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        form.VIDEdit->SetText("10");
        TickFirstPorts(form, 3);
        ASSERT_TRUE(UserClick(form.ADDButton));
        const std::vector<std::vector<std::string>> sent = Sets();
        ASSERT_EQ(sent.size(), 2u);
        EXPECT_THAT(sent[0], ElementsAre(Cell(3, "10") + "=INTEGER:4"));
        EXPECT_THAT(sent[1], ElementsAre(Cell(2, "10") + "=HEX:E000000000000000"));
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.VIDEdit->Text(), "");
        EXPECT_TRUE(NoInvalidBits(form.GuestVlans));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

// VLAN 20 exists: its create is refused, and its ports stay as they were.
TEST_F(MultpAuthGuestVlanFormTest, ARefusedCreateSendsNothingMore) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMultpAuthGuestVlanForm& form) {
        form.VIDEdit->SetText("20");
        TickFirstPorts(form, 3);
        ASSERT_TRUE(UserClick(form.ADDButton));
        const std::vector<std::vector<std::string>> sent = Sets();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_THAT(sent[0], ElementsAre(Cell(3, "20") + "=INTEGER:4"));
        EXPECT_EQ(boxes.Calls().size(), 1u);  // the switch's refusal
        form.ListView1->SetItemIndex(0);
        EXPECT_TRUE(form.Ports->PortCheckBoxes[7]->Checked());
        EXPECT_FALSE(form.Ports->PortCheckBoxes[0]->Checked());
        EXPECT_TRUE(NoInvalidBits(form.GuestVlans));
    });
}

TEST_F(MultpAuthGuestVlanFormTest, EditSendsThePortsAloneAndDeleteTheDestroyAlone) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMultpAuthGuestVlanForm& form) {
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.VIDEdit->Text(), "30");
        EXPECT_FALSE(form.ADDButton->Enabled());
        form.Ports->UncheckAllPorts();
        TickFirstPorts(form, 1);
        ASSERT_TRUE(UserClick(form.SetBtn));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Cell(2, "30") + "=HEX:8000000000000000"}}));
        EXPECT_EQ(form.VIDEdit->Text(), "");
        EXPECT_TRUE(form.ADDButton->Enabled());
        MarkLog();
        form.ListView1->SetItemIndex(1);
        ASSERT_TRUE(UserClick(form.DelBtn));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Cell(3, "30") + "=INTEGER:6"}}));
        EXPECT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_EQ(form.StaticText1->Caption(), "1");
        EXPECT_EQ(form.VIDEdit->Text(), "");
        ASSERT_TRUE(UserClick(form.BT_Get));
        EXPECT_EQ(form.VIDEdit->Text(), "");
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
