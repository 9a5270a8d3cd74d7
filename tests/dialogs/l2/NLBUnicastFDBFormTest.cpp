// The NLB multicast FDB dialog against the simulator: Add creates with Row Status createAndGo alone and the ports
// follow with Set, Delete sends destroy alone, mistyped keys are refused before anything is sent, and Refresh does
// not start a second walk.
#include "DedicatedDialogFixture.h"
#include "NLBUnicastFDBFormUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string FdbEntry = "1.3.6.1.4.1.32473.12.77.3.2.1";
const std::string Row1 = "10.3.191.10.0.0.1";  // VLAN 10, 03BF0A000001
const std::string Row2 = "10.3.191.10.0.0.2";
const std::string NewRow = "30.3.191.10.0.0.9";
constexpr const char* NewMac = "03BF0A000009";

class NLBUnicastFDBFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(FdbEntry, Row1 + " " + Row2);
    }
    void Open(const std::function<void(TNLBUnicastFDBForm&)>& driver) {
        OpenWhenIdle<TNLBUnicastFDBForm>(
            "MulticastFdbTable1Click", [](TNLBUnicastFDBForm& form) -> DialogTable& { return form.FdbTable; }, driver);
    }
    static bool WaitIdle(TNLBUnicastFDBForm& form) { return DedicatedDialogTest::WaitIdle(form.FdbTable); }
    int Walks() const { return DedicatedDialogTest::Walks(FdbEntry + ".3"); }
};

TEST_F(NLBUnicastFDBFormTest, AddSendsCreateAndGoAloneAndTheEgressPortsFollowWithSet) {
    ui::MessageBoxRecorder boxes;
    Open([&](TNLBUnicastFDBForm& form) {
        EXPECT_EQ(form.Caption(), "NLB Multicast FDB Settings: 127.0.0.1");
        ASSERT_EQ(form.LV_dot1qStaticUnicastEntry->Items().Count(), 2);
        EXPECT_EQ(form.ST_Count->Caption(), "2");
        EXPECT_FALSE(form.UStatus->Visible());
        EXPECT_FALSE(form.SetBtn->Enabled());
        EXPECT_FALSE(form.DeleteBtn->Enabled());
        EXPECT_EQ(form.pgc1->Pages(0)->Caption(), "Egress Ports");

        form.ED_UnicastVID->SetText("30");
        form.UnicastAddress->SetText(NewMac);
        form.EgressPorts->PortCheckBoxes[3]->SetChecked(true);  // not part of the Add
        ASSERT_TRUE(UserClick(form.AddBtn));
        EXPECT_EQ(form.ED_UnicastVID->Text(), "");
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(FdbEntry + ".4." + NewRow + "=INTEGER:4"));
        EXPECT_EQ(Walks(), 1);
        ASSERT_EQ(form.LV_dot1qStaticUnicastEntry->Items().Count(), 3);

        // The new entry's ports: select it, tick them, Set (with the Row Status read for it).
        form.LV_dot1qStaticUnicastEntry->SetItemIndex(2);
        EXPECT_EQ(form.ED_UnicastVID->Text(), "30");
        EXPECT_EQ(form.UnicastAddress->Text(), NewMac);
        EXPECT_FALSE(form.ED_UnicastVID->Enabled());
        EXPECT_EQ(form.ED_UnicastVID->Color(), ui::clWindow);
        EXPECT_TRUE(form.SetBtn->Enabled());
        EXPECT_FALSE(form.AddBtn->Enabled());
        form.EgressPorts->UncheckAllPorts();
        form.EgressPorts->PortCheckBoxes[3]->SetChecked(true);
        MarkLog();
        ASSERT_TRUE(UserClick(form.SetBtn));
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(FdbEntry + ".3." + NewRow + "=HEX:1000000000000000",
                                                          FdbEntry + ".4." + NewRow + "=INTEGER:1"));
        EXPECT_EQ(Walks(), 1);
        EXPECT_EQ(form.LV_dot1qStaticUnicastEntry->Items()[2]->SubItems()[1], "1000000000000000");
    });
}

// A row state the agent reports as an action is never sent back with the egress ports.
TEST_F(NLBUnicastFDBFormTest, SetNeverSendsBackARowActionTheAgentReported) {
    for (int action : {4, 5, 6}) {
        SCOPED_TRACE(action);
        ASSERT_EQ(Control("set " + FdbEntry + ".4." + Row2 + " int " + std::to_string(action)), "ok");
        Open([&](TNLBUnicastFDBForm& form) {
            form.LV_dot1qStaticUnicastEntry->SetItemIndex(1);
            form.EgressPorts->UncheckAllPorts();
            form.EgressPorts->PortCheckBoxes[2]->SetChecked(true);
            ASSERT_TRUE(UserClick(form.SetBtn));
            ASSERT_TRUE(WaitIdle(form));
            ASSERT_EQ(Pdus("SET").size(), 1u);
            EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(FdbEntry + ".3." + Row2 + "=HEX:2000000000000000"));
        });
    }
}

TEST_F(NLBUnicastFDBFormTest, MistypedOrMissingKeysAreRefusedBeforeAnythingIsSent) {
    ui::MessageBoxRecorder boxes;
    Open([&](TNLBUnicastFDBForm& form) {
        struct Case {
            const char* vlan;
            const char* mac;
            const char* addMessage;
            const char* deleteMessage;
        };
        const Case cases[] = {
            {"", NewMac, "Please Input VLAN ID and MAC Address!", "Please select which entry you want to delete."},
            {"30", "", "Please Input VLAN ID and MAC Address!", "Please select which entry you want to delete."},
            {"30", "03BF0A00009", "Invalid MAC address", "Invalid MAC address"},
            {"30", "03BF0A0000090", "Invalid MAC address", "Invalid MAC address"},
        };
        for (const Case& c : cases) {
            boxes.Clear();
            form.ED_UnicastVID->SetText(c.vlan);
            form.UnicastAddress->SetText(c.mac);
            form.AddBtn->Click();
            form.DeleteBtn->SetEnabled(true);
            form.DeleteBtn->Click();
            EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{c.addMessage, c.deleteMessage}))
                << c.vlan << " " << c.mac;
        }
        boxes.Clear();
        form.ED_UnicastVID->SetText("");
        form.DeleteBtn->Click();
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Type, ui::mtWarning);
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

TEST_F(NLBUnicastFDBFormTest, DeleteSendsDestroyAloneAndFreesTheKeysForTheNextAdd) {
    ui::MessageBoxRecorder boxes;
    Open([&](TNLBUnicastFDBForm& form) {
        form.LV_dot1qStaticUnicastEntry->SetItemIndex(1);
        ASSERT_TRUE(UserClick(form.DeleteBtn));
        EXPECT_EQ(form.ED_UnicastVID->Text(), "");
        EXPECT_EQ(form.UnicastAddress->Text(), "");
        EXPECT_TRUE(form.ED_UnicastVID->Enabled());
        EXPECT_TRUE(form.UnicastAddress->Enabled());
        EXPECT_TRUE(form.AddBtn->Enabled());
        EXPECT_FALSE(form.DeleteBtn->Enabled());
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(FdbEntry + ".4." + Row2 + "=INTEGER:6"));
        EXPECT_EQ(Walks(), 1);
        ASSERT_EQ(form.LV_dot1qStaticUnicastEntry->Items().Count(), 1);
        EXPECT_EQ(form.ST_Count->Caption(), "1");
        // Set is left enabled, but without a selected entry it sends nothing and raises nothing.
        MarkLog();
        const std::string status = Status(form);
        ASSERT_TRUE(UserClick(form.SetBtn));
        EXPECT_TRUE(NothingSent());
        EXPECT_EQ(Status(form), status);
    });
}

TEST_F(NLBUnicastFDBFormTest, ARefusedAddIsReportedWithoutARereadAndTheEgressPortsKeepTheirAccess) {
    ui::MessageBoxRecorder boxes;
    Open([&](TNLBUnicastFDBForm& form) {
        ASSERT_EQ(Control("error " + FdbEntry + ".4 inconsistentValue 1"), "ok");
        form.ED_UnicastVID->SetText("30");
        form.UnicastAddress->SetText(NewMac);
        form.AddBtn->Click();
        ASSERT_TRUE(WaitIdle(form));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(Pdus("SET").size(), 1u);
        EXPECT_EQ(Walks(), 0);
        EXPECT_EQ(form.LV_dot1qStaticUnicastEntry->Items().Count(), 2);
        EXPECT_EQ(form.FdbTable.Vars().GetVar(2)->Access, readwrite);
    });
}

TEST_F(NLBUnicastFDBFormTest, RefreshDuringAWalkStartsNoSecondWalk) {
    Open([&](TNLBUnicastFDBForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.FdbTable, *form.LV_dot1qStaticUnicastEntry, form.RefreshBtn,
                                          FdbEntry + ".3." + Row1));
        EXPECT_TRUE(UserClick(form.RefreshBtn));
        EXPECT_EQ(form.ST_Count->Caption(), "1");
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_EQ(Walks(), 1);
        EXPECT_EQ(form.LV_dot1qStaticUnicastEntry->Items().Count(), 2);
    });
}

// Refresh shows a caught exception through the status template, the other steps bare; Delete reads the table
// again after one.
TEST_F(NLBUnicastFDBFormTest, CaughtExceptionsShowAsEachStepSaysAndDeleteReadsAgainAfterOne) {
    ui::MessageBoxRecorder boxes;
    Open([&](TNLBUnicastFDBForm& form) {
        form.ED_UnicastVID->SetText("-");  // not a number: the value cannot be sent
        form.UnicastAddress->SetText("03BF0A000001");
        form.DeleteBtn->SetEnabled(true);
        form.DeleteBtn->Click();
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_FALSE(Status(form).empty());
        EXPECT_EQ(Status(form).rfind("Set:", 0), std::string::npos) << Status(form);  // bare
        EXPECT_EQ(Walks(), 1);
        EXPECT_EQ(form.LV_dot1qStaticUnicastEntry->Items().Count(), 2);

        form.FdbTable.Request()->Request.Device.Address = "";  // no address to send to
        form.RefreshBtn->Click();
        EXPECT_EQ(Status(form).rfind("Get: ", 0), 0u) << Status(form);  // the status template
        EXPECT_TRUE(boxes.Calls().empty());
    });
}

}  // namespace
