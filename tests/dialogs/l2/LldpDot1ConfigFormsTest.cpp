// The three LLDP dot1 TX-enable dialogs against the simulator, opened through their menu commands: the write of the
// selected row, waited for and followed by a read; a refused SET reported; Stop ending the wait; the guards.
#include "DedicatedDialogFixture.h"
#include "LLDPdot1ConfigProtocolUnit.h"
#include "LLDPdot1ConfigProtocolVLANUnit.h"
#include "LLDPdot1ConfigVLANNameUnit.h"
#include "LabelledControl.h"

#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

constexpr const char* ProtocolEntry = "1.0.8802.1.1.2.1.5.32962.1.1.4.1";
const std::string ProtocolTx = std::string(ProtocolEntry) + ".1";

class LldpDot1ConfigFormsTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(ProtocolEntry, "1-3.1-2");  // ports 1 to 3, protocol indexes 1 and 2
        ASSERT_EQ(Control("set-rw " + ProtocolTx + ".3.2 int 1"), "ok");
    }
    void Open(const std::function<void(TLLDPConfigProtocolForm&)>& driver) {
        OpenWhenWalked<TLLDPConfigProtocolForm>(
            "Protocol1Click", [](TLLDPConfigProtocolForm& form) -> DialogTable& { return form.ConfigTable; }, driver);
    }
    static bool WaitWalk(TLldpDot1ConfigBase& form) { return DedicatedDialogTest::WaitWalk(form.ConfigTable); }
    // Port 3, protocol index 2 (the last row) with TX text chosen.
    static void ChooseLastRow(TLldpDot1ConfigBase& form, const char* tx) {
        form.ListView1->SetItemIndex(form.ListView1->Items().Count() - 1);
        ChooseItem(form.TXComboBox, tx);
    }
    static void ExpectCleared(TLldpDot1ConfigBase& form) {
        EXPECT_EQ(form.PortNumberText->Caption(), " ");
        EXPECT_EQ(form.IndexText->Caption(), " ");
        EXPECT_EQ(form.TXComboBox->ItemIndex(), -1);
        EXPECT_FALSE(form.SetButton->Enabled());
    }
};

TEST_F(LldpDot1ConfigFormsTest, EachTwinOpensOnItsTableWithItsCaptions) {
    struct Case {
        const char* handler;
        const char* caption;
        const char* indexLabel;
        const char* txLabel;
    };
    const Case cases[] = {
        {"Protocol1Click", "LLDP Dot1 Configuration Protocol Table: 127.0.0.1", "Index", "Protocol TX"},
        {"PotocolVlan1Click", "LLDP Dot1 Configuration Protocol VLAN  Table: 127.0.0.1", "VLAN ID", "Protocol VLAN TX"},
        {"VLanName1Click", "LLDP Dot1 Configuration VLAN Name Table: 127.0.0.1", "VLAN ID", "VLAN Name TX"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        OpenWhenWalked<TLldpDot1ConfigBase>(
            c.handler, [](TLldpDot1ConfigBase& form) -> DialogTable& { return form.ConfigTable; },
            [&](TLldpDot1ConfigBase& form) {
                EXPECT_EQ(form.Caption(), c.caption);
                EXPECT_EQ(LabelOf(form.IndexText)->Caption(), c.indexLabel);
                EXPECT_EQ(LabelOf(form.TXComboBox)->Caption(), c.txLabel);
                EXPECT_GT(form.ListView1->Items().Count(), 0);
                EXPECT_EQ(form.TXComboBox->Items().Count(), 2);
                ExpectCleared(form);
            });
    }
}

TEST_F(LldpDot1ConfigFormsTest, SetWritesTheTxValueWaitsForTheAnswerAndReadsTheTableAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TLLDPConfigProtocolForm& form) {
        EXPECT_EQ(LLDPConfigProtocolForm, &form);
        ASSERT_EQ(form.ListView1->Items().Count(), 6);
        ChooseLastRow(form, "false");
        EXPECT_EQ(form.PortNumberText->Caption(), "3");
        EXPECT_EQ(form.IndexText->Caption(), "2");
        form.ConfigTable.Request()->Request.Timeout = 1000;
        ASSERT_EQ(Control("hold " + ProtocolTx + ".3.2 200"), "ok");
        bool waited = false;
        Then([&] { waited = form.ConfigTable.Waiting(); });
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_TRUE(waited);
        ExpectCleared(form);
        ASSERT_TRUE(WaitWalk(form));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(ProtocolTx + ".3.2=INTEGER:2"));
        EXPECT_EQ(Walks(ProtocolTx), 1);
        EXPECT_EQ(form.ListView1->Items()[5]->ColumnText(2), "false");
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(LldpDot1ConfigFormsTest, ARefusedSetIsReportedAndTheTableIsReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TLLDPConfigProtocolForm& form) {
        ASSERT_EQ(Control("error " + ProtocolTx + " wrongValue 1"), "ok");
        ChooseLastRow(form, "false");
        ASSERT_TRUE(UserClick(form.SetButton));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_FALSE(boxes.Calls()[0].Text.empty());
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(Walks(ProtocolTx), 1);
        EXPECT_EQ(form.ListView1->Items()[5]->ColumnText(2), "true");  // what the switch still holds
    });
}

TEST_F(LldpDot1ConfigFormsTest, StopEndsTheWaitWithoutARead) {
    ui::MessageBoxRecorder boxes;
    Open([&](TLLDPConfigProtocolForm& form) {
        ChooseLastRow(form, "false");
        form.ConfigTable.Request()->Request.Timeout = 1000;
        ASSERT_EQ(Control("hold " + ProtocolTx + ".3.2 300"), "ok");
        Then([&] { form.StopButton->Click(); });  // during the wait
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_TRUE(form.ConfigTable.Complete());
        ASSERT_TRUE(WaitIdle(form.ConfigTable));
        EXPECT_EQ(Walks(ProtocolTx), 0);
        ASSERT_TRUE(UserClick(form.RefreshButton));  // accepted at once
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(form.ListView1->Items().Count(), 6);
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(LldpDot1ConfigFormsTest, WhileAWalkRunsRefreshAndSetAreRefusedWithTheirOwnTexts) {
    ui::MessageBoxRecorder boxes;
    Open([&](TLLDPConfigProtocolForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.ConfigTable, *form.ListView1, form.RefreshButton, ProtocolTx + ".1.1"));
        form.ListView1->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.RefreshButton));
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete!", "Get data not complete"}));
        ASSERT_TRUE(UserClick(form.StopButton));
        EXPECT_TRUE(form.ConfigTable.Complete());
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitIdle(form.ConfigTable));
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_TRUE(UserClick(form.CloseButton));
    });
    EXPECT_EQ(LLDPConfigProtocolForm, nullptr);
}

}  // namespace
