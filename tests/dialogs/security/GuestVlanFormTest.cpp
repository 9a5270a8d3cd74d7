// The 802.1X guest VLAN against the simulator, opened through its menu command: the SETs by the name stored on
// the switch (name alone then ports alone, or ports alone), the delete state, and the size kept at 120 dots per inch.
#include "DedicatedDialogFixture.h"
#include "Guestvlanformunit.h"

#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string Group = "1.3.6.1.4.1.32473.12.30.1";
const std::string NameOid = Group + ".1.0";
const std::string PortsOid = Group + ".2.0";
const std::string DeleteOid = Group + ".3.0";

class GuestVlanFormTest : public DedicatedDialogTest {
protected:
    static void StoreName(const std::string& name) {
        ASSERT_EQ(Control("set-rw " + NameOid + " str \"" + name + "\""), "ok");
    }
    void Open(const std::function<void(TGuestVlanForm&)>& driver) {
        RunCommand<TGuestVlanForm>("GuestVLAN1Click", driver);
    }
    // Every SET since the mark, its varbinds joined by blanks.
    std::vector<std::string> Sets() const {
        std::vector<std::string> sets;
        for (const std::string& line : Pdus("SET")) {
            std::string joined;
            for (const std::string& varbind : Varbinds(line)) joined += (joined.empty() ? "" : " ") + varbind;
            sets.push_back(joined);
        }
        return sets;
    }
};

TEST_F(GuestVlanFormTest, KeepsItsSizeAtAnyDensity) {
    for (const int ppi : {96, 120}) {
        SCOPED_TRACE(ppi);
        ui::TestHooks::SetPixelsPerInch(ppi);
        Open([&](TGuestVlanForm& form) {
            EXPECT_EQ(form.Caption(), "802.1X Guest VLAN: 127.0.0.1");
            EXPECT_EQ(form.Width(), TGuestVlanForm::DesignWidth);
            EXPECT_EQ(form.Height(), TGuestVlanForm::DesignHeight);
            ASSERT_EQ(form.PageControl1->PageCount(), 1);
            EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Guest VLAN Ports");
        });
    }
}

// With no name stored the typed name goes alone first, then the ports alone; with one stored only the ports go, and
// the re-read shows the stored name again.
TEST_F(GuestVlanFormTest, SetSendsTheNameOnlyWhenNoneIsStored) {
    struct Case {
        const char* stored;
        std::vector<std::string> sets;
    };
    const Case cases[] = {
        {"", {NameOid + "=STRING:\"guests\"", PortsOid + "=HEX:C000000000000000"}},
        {"lobby", {PortsOid + "=HEX:C000000000000000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        StoreName(c.stored);
        ui::MessageBoxRecorder boxes;
        Open([&](TGuestVlanForm& form) {
            EXPECT_EQ(form.Edit1->Text(), c.stored);
            EXPECT_FALSE(form.Edit1->Visible());
            form.edtName->SetText("guests");
            form.Ports->UncheckAllPorts();
            form.Ports->PortCheckBoxes[0]->SetChecked(true);
            form.Ports->PortCheckBoxes[1]->SetChecked(true);
            ASSERT_TRUE(UserClick(form.SetBtn));
            EXPECT_EQ(Sets(), c.sets);
            EXPECT_EQ(form.edtName->Text(), *c.stored ? c.stored : "guests");
            EXPECT_EQ(form.Edit1->Text(), form.edtName->Text());
            EXPECT_TRUE(NoInvalidBits(form.NamePorts));
        });
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

TEST_F(GuestVlanFormTest, DeleteWritesTheDeleteStateAloneAndReadsAgain) {
    StoreName("lobby");
    ui::MessageBoxRecorder boxes;
    Open([&](TGuestVlanForm& form) {
        ASSERT_TRUE(UserClick(form.DelBtn));
        EXPECT_EQ(Sets(), std::vector<std::string>{DeleteOid + "=INTEGER:2"});
        EXPECT_EQ(Pdus("GET").size(), 2u);  // the name and ports, the stored name
        // A refused SET is reported and leaves the dialog usable.
        MarkLog();
        ASSERT_EQ(Control("error " + DeleteOid + " wrongValue 1"), "ok");
        ASSERT_TRUE(UserClick(form.DelBtn));
        EXPECT_EQ(boxes.Calls().size(), 1u);
        EXPECT_TRUE(form.DelBtn->Enabled());
    });
}

}  // namespace
