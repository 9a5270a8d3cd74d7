// The 802.1Q static unicast and multicast filtering dialogs against the simulator: "permanent" (3) creates and
// "invalid" (2) removes, the table is read again once after a successful SET only, new rows get receive port 0
// while read rows keep theirs, and mistyped keys are refused before anything is sent.
#include "DedicatedDialogFixture.h"
#include "MulticastFilterInformationFormUnit.h"
#include "UnicastFilterInformationFormUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string UnicastEntry = "1.3.6.1.2.1.17.7.1.3.1.1";
const std::string MulticastEntry = "1.3.6.1.2.1.17.7.1.3.2.1";
// Instances: VLAN . MAC (six arcs) . receive port.
const std::string RowPort0 = "10.0.160.201.0.0.1.0";
const std::string RowPort4 = "10.0.160.201.0.0.2.4";
const std::string NewRow = "20.1.0.94.0.0.9.0";
constexpr const char* NewMac = "01005E000009";

class StaticFilterTest : public DedicatedDialogTest {
protected:
    // Two rows in each table: receive port 0 and receive port 4.
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        for (const std::string& entry : {UnicastEntry, MulticastEntry}) SeedRows(entry, RowPort0 + " " + RowPort4);
    }
    // Walks of entry started since the mark: their first request names the bare port-list column.
    int Walks(const std::string& entry) const { return DedicatedDialogTest::Walks(entry + ".3"); }
    template <typename Form>
    void Open(const char* handler, const std::function<void(Form&)>& driver) {
        OpenWhenIdle<Form>(
            handler, [](Form& form) -> DialogTable& { return Table(form); }, driver);
    }
    template <typename Form>
    static bool WaitIdle(Form& form) {
        return DedicatedDialogTest::WaitIdle(Table(form));
    }
    static DialogTable& Table(TUnicastFilterInformationForm& form) { return form.UnicastTable; }
    static DialogTable& Table(TMulticastFilterInformationForm& form) { return form.MulticastTable; }
    // Waits for the SET's answer and the read it brings, if any.
    template <typename Form>
    static bool WaitWrite(Form& form) { return WaitIdle(form); }
};

// ------------------------------------------------------------------------------------------------ unicast

using UnicastFilterTest = StaticFilterTest;

TEST_F(UnicastFilterTest, AddCreatesWithPermanentAndReceivePortZeroAndReadsTheTableOnce) {
    ui::MessageBoxRecorder boxes;
    Open<TUnicastFilterInformationForm>("UnicastInformation1Click", [&](TUnicastFilterInformationForm& form) {
        EXPECT_EQ(form.Caption(), "802.1Q Unicast Filter Information Table: 127.0.0.1");
        ASSERT_EQ(form.LV_dot1qStaticUnicastEntry->Items().Count(), 2);
        EXPECT_EQ(form.ST_Count->Caption(), "2");
        EXPECT_EQ(form.SetBtn->Caption(), "Add");
        EXPECT_FALSE(form.DeleteBtn->Enabled());
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Allow To Go To Ports");
        // A read row's receive port stays in the values after it is unselected: the new row still gets port 0.
        form.LV_dot1qStaticUnicastEntry->SetItemIndex(1);
        form.LV_dot1qStaticUnicastEntry->ClearSelection();
        form.ED_UnicastVID->SetText("20");
        form.UnicastAddress->SetText(NewMac);
        form.UStatus->SetItemIndex(2);  // permanent
        form.AllowedPorts->PortCheckBoxes[0]->SetChecked(true);
        form.AllowedPorts->PortCheckBoxes[2]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.SetBtn));
        EXPECT_EQ(form.UnicastAddress->Text(), "");
        ASSERT_TRUE(WaitWrite(form));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(UnicastEntry + ".3." + NewRow + "=HEX:A000000000000000",
                                                   UnicastEntry + ".4." + NewRow + "=INTEGER:3"));
        EXPECT_EQ(Walks(UnicastEntry), 1);
        ASSERT_EQ(form.LV_dot1qStaticUnicastEntry->Items().Count(), 3);
        EXPECT_EQ(form.ST_Count->Caption(), "3");
    });
}

TEST_F(UnicastFilterTest, MistypedKeysAndAnotherStatusAreRefusedBeforeAnythingIsSent) {
    ui::MessageBoxRecorder boxes;
    Open<TUnicastFilterInformationForm>("UnicastInformation1Click", [&](TUnicastFilterInformationForm& form) {
        struct Case {
            const char* vlan;
            const char* mac;
            int status;
            const char* message;
        };
        const Case cases[] = {
            {"", NewMac, 2, "Please input VLAN ID and MAC Address!"},
            {"20", "", 2, "Please input VLAN ID and MAC Address!"},
            {"20", "01005E00009", 2, "Invalid MAC address"},
            {"20", "01005E0000099", 2, "Invalid MAC address"},
            {"20", "01005E00000G", 2, "Invalid MAC address"},
            {"20", NewMac, 1, "Status Should be permanent"},
            {"20", NewMac, -1, "Status Should be permanent"},
        };
        for (const Case& c : cases) {
            boxes.Clear();
            form.ED_UnicastVID->SetText(c.vlan);
            form.UnicastAddress->SetText(c.mac);
            form.UStatus->SetItemIndex(c.status);
            form.SetBtn->Click();
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message}) << c.vlan << " " << c.mac;
        }
        // Delete with a short address typed in is refused the same way.
        boxes.Clear();
        form.UnicastAddress->SetText("01005E");
        form.DeleteBtn->SetEnabled(true);
        form.DeleteBtn->Click();
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Invalid MAC address"});
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

TEST_F(UnicastFilterTest, DeleteSendsInvalidAloneForTheSelectedRowWithItsReceivePort) {
    ui::MessageBoxRecorder boxes;
    Open<TUnicastFilterInformationForm>("UnicastInformation1Click", [&](TUnicastFilterInformationForm& form) {
        form.LV_dot1qStaticUnicastEntry->SetItemIndex(1);
        EXPECT_EQ(form.ED_UnicastVID->Text(), "10");
        EXPECT_EQ(form.UnicastAddress->Text(), "00A0C9000002");
        EXPECT_TRUE(form.UnicastAddress->ReadOnly());
        EXPECT_TRUE(form.DeleteBtn->Enabled());
        EXPECT_FALSE(form.SetBtn->Enabled());
        ASSERT_TRUE(UserClick(form.DeleteBtn));
        EXPECT_FALSE(form.UnicastAddress->ReadOnly());
        EXPECT_EQ(form.UnicastAddress->Text(), "");
        EXPECT_FALSE(form.DeleteBtn->Enabled());
        EXPECT_TRUE(form.SetBtn->Enabled());
        ASSERT_TRUE(WaitWrite(form));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(UnicastEntry + ".4." + RowPort4 + "=INTEGER:2"));
        EXPECT_EQ(Walks(UnicastEntry), 1);
        ASSERT_EQ(form.LV_dot1qStaticUnicastEntry->Items().Count(), 1);
        EXPECT_EQ(form.ST_Count->Caption(), "1");
    });
}

TEST_F(UnicastFilterTest, DeleteWithoutASelectionWarnsAndARefreshDropsTheSelectedRowsKeys) {
    ui::MessageBoxRecorder boxes;
    Open<TUnicastFilterInformationForm>("UnicastInformation1Click", [&](TUnicastFilterInformationForm& form) {
        form.DeleteBtn->SetEnabled(true);
        form.DeleteBtn->Click();
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Text, "Please select which entry you want to delete.");
        EXPECT_EQ(boxes.Calls()[0].Type, ui::mtWarning);
        // The re-read empties the list; the keys of the row selected before go with it.
        form.LV_dot1qStaticUnicastEntry->SetItemIndex(1);
        form.RefreshBtn->Click();
        EXPECT_EQ(form.ED_UnicastVID->Text(), "");
        EXPECT_FALSE(form.DeleteBtn->Enabled());
        ASSERT_TRUE(WaitWrite(form));
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

TEST_F(UnicastFilterTest, ARefusedSetIsReportedAndTheTableIsNotReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open<TUnicastFilterInformationForm>("UnicastInformation1Click", [&](TUnicastFilterInformationForm& form) {
        ASSERT_EQ(Control("error " + UnicastEntry + ".4 wrongValue 1"), "ok");
        form.LV_dot1qStaticUnicastEntry->SetItemIndex(0);
        form.DeleteBtn->Click();
        ASSERT_TRUE(WaitWrite(form));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_FALSE(boxes.Calls()[0].Text.empty());
        EXPECT_EQ(Pdus("SET").size(), 1u);
        EXPECT_EQ(Walks(UnicastEntry), 0);
        EXPECT_EQ(form.LV_dot1qStaticUnicastEntry->Items().Count(), 2);
        EXPECT_EQ(form.UnicastTable.Vars().GetVar(3)->Access, readwrite);  // left out for that SET only
    });
}

// ------------------------------------------------------------------------------------------------ multicast

using MulticastFilterTest = StaticFilterTest;

TEST_F(MulticastFilterTest, AddChecksStatusThenKeysAndCreatesWithPermanent) {
    ui::MessageBoxRecorder boxes;
    Open<TMulticastFilterInformationForm>("MulticastInformation1Click", [&](TMulticastFilterInformationForm& form) {
        EXPECT_EQ(form.Caption(), "802.1Q Multicast Filter Information Table: 127.0.0.1");
        ASSERT_EQ(form.LV_dot1qStaticMulticastEntry->Items().Count(), 2);
        EXPECT_FALSE(form.SetBtn->Enabled());
        EXPECT_FALSE(form.btnDelete->Enabled());
        struct Case {
            const char* vlan;
            const char* mac;
            int status;
            const char* message;
        };
        const Case cases[] = {
            {"20", NewMac, 0, "Status should be set to permanent"},
            {"", "", 0, "Status should be set to permanent"},
            {"", NewMac, 2, "Please input VLAN ID and MAC Address!"},
            {"20", "", 2, "Please input VLAN ID and MAC Address!"},
            {"20", "01005E0009", 2, "Invalid MAC address"},
        };
        for (const Case& c : cases) {
            boxes.Clear();
            form.ED_MulticastVID->SetText(c.vlan);
            form.ED_MACAddress->SetText(c.mac);
            form.Status->SetItemIndex(c.status);
            form.AddBtn->Click();
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message}) << c.vlan << " " << c.mac;
        }
        EXPECT_TRUE(Pdus("SET").empty());
        boxes.Clear();
        form.ED_MulticastVID->SetText("20");
        form.ED_MACAddress->SetText(NewMac);
        form.Status->SetItemIndex(2);
        form.EgressPorts->PortCheckBoxes[4]->SetChecked(true);
        form.AddBtn->Click();
        EXPECT_EQ(form.ED_MulticastVID->Text(), "");
        ASSERT_TRUE(WaitWrite(form));
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(MulticastEntry + ".3." + NewRow + "=HEX:0800000000000000",
                                                          MulticastEntry + ".5." + NewRow + "=INTEGER:3"));
        EXPECT_EQ(Walks(MulticastEntry), 1);
        EXPECT_EQ(form.LV_dot1qStaticMulticastEntry->Items().Count(), 3);
    });
}

TEST_F(MulticastFilterTest, SetWritesTheSelectedRowsPortsAndDeleteItsPortsWithInvalid) {
    ui::MessageBoxRecorder boxes;
    Open<TMulticastFilterInformationForm>("MulticastInformation1Click", [&](TMulticastFilterInformationForm& form) {
        form.LV_dot1qStaticMulticastEntry->SetItemIndex(1);
        EXPECT_FALSE(form.ED_MulticastVID->Enabled());
        EXPECT_FALSE(form.ED_MACAddress->Enabled());
        EXPECT_FALSE(form.Status->Enabled());
        EXPECT_TRUE(form.SetBtn->Enabled());
        EXPECT_FALSE(form.AddBtn->Enabled());
        form.EgressPorts->UncheckAllPorts();
        form.EgressPorts->PortCheckBoxes[1]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.SetBtn));
        EXPECT_TRUE(form.ED_MulticastVID->Enabled());
        EXPECT_TRUE(form.Status->Enabled());
        EXPECT_FALSE(form.SetBtn->Enabled());
        ASSERT_TRUE(WaitWrite(form));
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(MulticastEntry + ".3." + RowPort4 + "=HEX:4000000000000000"));
        EXPECT_EQ(Walks(MulticastEntry), 1);
        EXPECT_EQ(form.LV_dot1qStaticMulticastEntry->Items()[1]->SubItems()[2], "4000000000000000");

        MarkLog();
        form.LV_dot1qStaticMulticastEntry->SetItemIndex(1);
        ASSERT_TRUE(UserClick(form.btnDelete));
        ASSERT_TRUE(WaitWrite(form));
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(MulticastEntry + ".3." + RowPort4 + "=HEX:4000000000000000",
                                                          MulticastEntry + ".5." + RowPort4 + "=INTEGER:2"));
        EXPECT_EQ(Walks(MulticastEntry), 1);
        EXPECT_EQ(form.LV_dot1qStaticMulticastEntry->Items().Count(), 1);
        EXPECT_EQ(form.ST_Count->Caption(), "1");
    });
}

TEST_F(MulticastFilterTest, DeleteDuringAWalkLeavesTheStatusOnInvalidAndSendsNothing) {
    ui::MessageBoxRecorder boxes;
    Open<TMulticastFilterInformationForm>("MulticastInformation1Click", [&](TMulticastFilterInformationForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.MulticastTable, *form.LV_dot1qStaticMulticastEntry, form.RefreshBtn,
                                          MulticastEntry + ".3." + RowPort0));
        form.LV_dot1qStaticMulticastEntry->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.btnDelete));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Get data not complete"});
        EXPECT_EQ(form.Status->Text(), "invalid");
        EXPECT_TRUE(NothingSent("SET"));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitWrite(form));
    });
}

TEST_F(MulticastFilterTest, ARefusedAddIsReportedAndTheTableIsNotReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open<TMulticastFilterInformationForm>("MulticastInformation1Click", [&](TMulticastFilterInformationForm& form) {
        ASSERT_EQ(Control("error " + MulticastEntry + " genErr 1"), "ok");
        form.ED_MulticastVID->SetText("20");
        form.ED_MACAddress->SetText(NewMac);
        form.Status->SetItemIndex(2);
        form.AddBtn->Click();
        ASSERT_TRUE(WaitWrite(form));
        EXPECT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(Pdus("SET").size(), 1u);
        EXPECT_EQ(Walks(MulticastEntry), 0);
        EXPECT_EQ(form.LV_dot1qStaticMulticastEntry->Items().Count(), 2);
    });
}

}  // namespace
