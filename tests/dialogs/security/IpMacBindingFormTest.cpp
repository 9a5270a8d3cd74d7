// The IPv4 and IPv6 IP-MAC-port binding tables against the simulator, opened through their menu commands: the
// ports rule (no port ticked leaves the list out), the address locked while Add stays open, the checks, and the
// IPv6 twin's own table, status column and address form.
#include "Ipmacbindingformunit.h"
#include "Ipmacbindingipv6formunit.h"
#include "SecurityDialogTest.h"

#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::string Entry = "1.3.6.1.4.1.32473.12.23.4.1.1";
const std::string V6Entry = "1.3.6.1.4.1.32473.12.23.4.4.1";

std::string Cell(const std::string& entry, int column, const std::string& instance) {
    return entry + "." + std::to_string(column) + "." + instance;
}

class IpMacBindingFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "10.0.0.1 10.0.0.2");
    }
    void Open(const std::function<void(TIPMACBindingForm&)>& driver) {
        RunCommand<TIPMACBindingForm>("BindingTable1Click", driver);
    }
    std::vector<std::string> OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::vector<std::string>() : Varbinds(sets[0]);
    }
};

TEST_F(IpMacBindingFormTest, ASelectedRowLocksItsAddressAndAddStaysOpen) {
    Open([&](TIPMACBindingForm& form) {
        EXPECT_EQ(form.Caption(), "IP-MAC-Port Binding Binding Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_EQ(form.ListView1->Columns().Count(), 6);
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.edtIpAddr->Text(), "10.0.0.2");
        EXPECT_FALSE(form.edtIpAddr->Enabled());
        EXPECT_TRUE(form.edtMacAddr->Enabled());
        EXPECT_TRUE(form.btnEdit->Enabled());
        EXPECT_TRUE(form.btnDelete->Enabled());
        EXPECT_TRUE(form.btnAdd->Enabled());
        form.ListView1->ClearSelection();
        EXPECT_TRUE(form.edtIpAddr->Enabled());
        EXPECT_EQ(form.edtIpAddr->Text(), "");
        EXPECT_EQ(form.edtMacAddr->Text(), "");
        EXPECT_FALSE(form.btnEdit->Enabled());
    });
}

// No port ticked leaves the port list out, so Edit keeps the entry's ports and Add creates it without them.
TEST_F(IpMacBindingFormTest, APortListGoesOnlyWithATickedPort) {
    struct Case {
        const char* name;
        bool edit;
        bool ticked;
        std::vector<std::string> sent;
    };
    const std::string row = "10.0.0.2";
    const std::string added = "10.0.0.9";
    const Case cases[] = {
        {"edit, none ticked",
         true,
         false,
         {Cell(Entry, 2, row) + "=HEX:AABBCCDDEEFF", Cell(Entry, 3, row) + "=INTEGER:1"}},
        {"edit, port 2",
         true,
         true,
         {Cell(Entry, 2, row) + "=HEX:AABBCCDDEEFF", Cell(Entry, 4, row) + "=HEX:4000000000000000",
          Cell(Entry, 3, row) + "=INTEGER:1"}},
        {"add, none ticked",
         false,
         false,
         {Cell(Entry, 2, added) + "=HEX:AABBCCDDEEFF", Cell(Entry, 3, added) + "=INTEGER:4"}},
        {"add, port 2",
         false,
         true,
         {Cell(Entry, 2, added) + "=HEX:AABBCCDDEEFF", Cell(Entry, 4, added) + "=HEX:4000000000000000",
          Cell(Entry, 3, added) + "=INTEGER:4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeedRows(Entry, "10.0.0.1 10.0.0.2");
        ASSERT_EQ(Control("set-rw " + Cell(Entry, 4, row) + " hex 0000000000000000"), "ok");
        ui::MessageBoxRecorder boxes;
        Open([&](TIPMACBindingForm& form) {
            if (c.edit) {
                form.ListView1->SetItemIndex(1);
            } else {
                ASSERT_TRUE(TypeText(form.edtIpAddr, added));
            }
            form.edtMacAddr->SetText("AABBCCDDEEFF");
            if (c.ticked) form.Ports->PortCheckBoxes[1]->SetChecked(true);
            ASSERT_TRUE(UserClick(c.edit ? form.btnEdit : form.btnAdd));
            EXPECT_THAT(OneSet(), ElementsAreArray(c.sent));
            EXPECT_TRUE(NoInvalidBits(form.Bindings));
        });
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

TEST_F(IpMacBindingFormTest, TheAddressAndAMacWithSeparatorsAreRefused) {
    struct Case {
        const char* ip;
        const char* mac;
        const char* message;
    };
    const Case cases[] = {
        {"10.0.0", "AABBCCDDEEFF", "Please input a valid ip"},
        {"10.0.0.", "AABBCCDDEEFF", "Please input a valid ip"},
        {"10.0.0.9", "AA-BB-CC-DD-EE-FF", "Invalid MAC address"},
        {"10.0.0.9", "AA:BB:CC:DD:EE", "Invalid MAC address"},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TIPMACBindingForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.mac);
            boxes.Clear();
            form.edtIpAddr->SetText(c.ip);
            form.edtMacAddr->SetText(c.mac);
            ASSERT_TRUE(UserClick(form.btnAdd));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
        }
        // Edit of a selected row checks the MAC too.
        form.ListView1->SetItemIndex(0);
        form.edtMacAddr->SetText("AA-BB-CC-DD-EE-FF");
        boxes.Clear();
        ASSERT_TRUE(UserClick(form.btnEdit));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Invalid MAC address"});
        EXPECT_TRUE(NothingSent("SET"));
    });
}

// The IPv6 twin: no address check of its own, 32 hex digits, its RowStatus in column 6; Delete sends the boxes
// with destroy.
TEST_F(IpMacBindingFormTest, TheIpv6TableTakesHexAddressesAndItsOwnStatusColumn) {
    const std::string address = "32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1";  // 2001:db8::1
    const std::string added = "32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.9";
    SeedRows(V6Entry, address);
    ASSERT_EQ(Control("set-rw " + Cell(V6Entry, 3, address) + " hex 0000000000000000"), "ok");
    ui::MessageBoxRecorder boxes;
    RunCommand<TIPMACBindingIPv6Form>("IPv6Table2Click", [&](TIPMACBindingIPv6Form& form) {
        EXPECT_EQ(form.Caption(), "IP-MAC-Port Binding IPv6 Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 1);
        ASSERT_TRUE(TypeText(form.edtIpAddr, "20010DB8000000000000000000000009"));
        EXPECT_EQ(form.edtIpAddr->Text().size(), 32u);
        form.edtMacAddr->SetText("AABBCCDDEEFF");
        MarkLog();
        ASSERT_TRUE(UserClick(form.btnAdd));
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]),
                    ElementsAre(Cell(V6Entry, 2, added) + "=HEX:AABBCCDDEEFF", Cell(V6Entry, 6, added) + "=INTEGER:4"));
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        form.ListView1->SetItemIndex(0);
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
        MarkLog();
        ASSERT_TRUE(UserClick(form.btnDelete));
        ASSERT_EQ(Pdus("SET").size(), 1u);
        const std::vector<std::string> sent = Varbinds(Pdus("SET")[0]);
        ASSERT_EQ(sent.size(), 3u);
        EXPECT_EQ(sent[1], Cell(V6Entry, 3, address) + "=HEX:8000000000000000");
        EXPECT_EQ(sent[2], Cell(V6Entry, 6, address) + "=INTEGER:6");
        EXPECT_EQ(form.ListView1->Items().Count(), 1);
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
