// The ARP spoofing prevention table against the simulator, opened through its menu command: the two keys locked
// with a selected row, the address and MAC checks, the ports of present units only on Add (a twelve-unit stack
// whose unit 7 reads "Not_Exist"), and what Set and Delete send.
#include "Arpspoofingpreventmgmtformunit.h"
#include "SecurityDialogTest.h"

#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace sectest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string Entry = "1.3.6.1.4.1.32473.12.62.3.1.1";
const std::string Gateway = "10.0.0.1.0.17.34.51.68.85";  // 10.0.0.1, 00-11-22-33-44-55
const std::string Other = "10.0.0.2.0.17.34.51.68.86";
const std::string NewEntry = "10.0.0.9.170.187.204.221.238.255";  // 10.0.0.9, AA-BB-CC-DD-EE-FF

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class ArpSpoofingFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, Gateway + " " + Other);
        ASSERT_EQ(Control("set-rw " + Cell(3, Gateway) + " hex 8000000000000000"), "ok");
        ASSERT_EQ(Control("set-rw " + Cell(3, Other) + " hex 0000000000000000"), "ok");
    }
    void Open(const std::function<void(TARPSpoofingPreventMgmtForm&)>& driver) {
        RunCommand<TARPSpoofingPreventMgmtForm>("ARPSpoofingPrevention1Click", driver);
    }
    std::vector<std::string> OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::vector<std::string>() : Varbinds(sets[0]);
    }
};

TEST_F(ArpSpoofingFormTest, ASelectedRowLocksBothKeysSoSetActsOnIt) {
    ui::MessageBoxRecorder boxes;
    Open([&](TARPSpoofingPreventMgmtForm& form) {
        EXPECT_EQ(form.Caption(), "ARP Spoofing Prevention Management Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_FALSE(form.btnEdit->Enabled());
        EXPECT_FALSE(form.ComboStatus->Visible());
        ASSERT_EQ(form.PageControl1->PageCount(), 1);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Ports");
        form.ListView1->SetItemIndex(0);
        EXPECT_EQ(form.edtIpAddr->Text(), "10.0.0.1");
        EXPECT_FALSE(form.edtIpAddr->Enabled());
        EXPECT_FALSE(form.edtMacAddr->Enabled());
        EXPECT_FALSE(form.btnAdd->Enabled());
        EXPECT_TRUE(form.Ports->PortCheckBoxes[0]->Checked());
        // Set sends the boxes as they stand (none: an empty list) and the row's status.
        form.Ports->PortCheckBoxes[0]->SetChecked(false);
        MarkLog();
        ASSERT_TRUE(UserClick(form.btnEdit));
        EXPECT_THAT(OneSet(), ElementsAre(Cell(3, Gateway) + "=HEX:0000000000000000", Cell(4, Gateway) + "=INTEGER:1"));
        EXPECT_TRUE(form.edtMacAddr->Enabled());
        EXPECT_EQ(form.edtMacAddr->Text(), "");
        // Delete sends the boxes with destroy.
        form.ListView1->SetItemIndex(1);
        form.Ports->PortCheckBoxes[2]->SetChecked(true);
        MarkLog();
        ASSERT_TRUE(UserClick(form.btnDelete));
        EXPECT_THAT(OneSet(), ElementsAre(Cell(3, Other) + "=HEX:2000000000000000", Cell(4, Other) + "=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_EQ(form.StaticText1->Caption(), "1");
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ArpSpoofingFormTest, AddRefusesABadAddressOrMacBeforeAnySet) {
    struct Case {
        const char* ip;
        const char* mac;
        const char* message;
    };
    const Case cases[] = {
        {"10.0.0", "AABBCCDDEEFF", "Please input a valid IP"},
        {"10..0.9", "AABBCCDDEEFF", "Please input a valid   IP"},
        {"10.0.0.9", "AA-BB-CC-DD", "Invalid MAC address"},
        {"10.0.0.9", "AABBCCDDEEF", "Invalid MAC address"},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TARPSpoofingPreventMgmtForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.ip + std::string(" ") + c.mac);
            boxes.Clear();
            form.edtIpAddr->SetText(c.ip);
            form.edtMacAddr->SetText(c.mac);
            ASSERT_TRUE(UserClick(form.btnAdd));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
        }
        EXPECT_TRUE(NothingSent("SET"));
    });
}

// Unit 7 reads "Not_Exist": a tick there, or past a unit's 48 ports, is no port; one on unit 8 is.
TEST_F(ArpSpoofingFormTest, AddSendsThePortListOnlyForATickedPortOfAPresentUnit) {
    struct Case {
        const char* name;
        std::vector<size_t> ticked;
        bool portsSent;
    };
    const Case cases[] = {
        {"none", {}, false},
        {"absent unit", {PortBox(7, 1)}, false},
        {"past the ports", {PortBox(2, 49)}, false},
        {"unit 8", {PortBox(7, 1), PortBox(8, 2)}, true},
    };
    StackStateScope stack("enabled", TwelveUnitsWithoutUnitSeven("Not_Exist", "exist"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeedRows(Entry, Gateway);
        ui::MessageBoxRecorder boxes;
        Open([&](TARPSpoofingPreventMgmtForm& form) {
            ASSERT_EQ(form.Ports->PortCheckBoxes.size(), 768u);
            ASSERT_TRUE(TypeText(form.edtIpAddr, "10.0.0.9"));
            ASSERT_TRUE(TypeText(form.edtMacAddr, "AABBCCDDEEFF"));
            for (size_t box : c.ticked) form.Ports->PortCheckBoxes[box]->SetChecked(true);
            ASSERT_TRUE(UserClick(form.btnAdd));
            const std::vector<std::string> sent = OneSet();
            ASSERT_EQ(sent.size(), c.portsSent ? 2u : 1u);
            if (c.portsSent) {
                EXPECT_EQ(sent[0].rfind(Cell(3, NewEntry) + "=HEX:", 0), 0u) << sent[0];
            }
            EXPECT_EQ(sent.back(), Cell(4, NewEntry) + "=INTEGER:4");
            EXPECT_TRUE(NoInvalidBits(form.Entries));
            EXPECT_EQ(form.ListView1->Items().Count(), 2);
        });
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

}  // namespace
