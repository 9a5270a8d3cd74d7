// The traffic-storm global settings against the simulator, opened through their menu command: the three objects shown,
// Set sending them in one SET (an empty port list when no port is ticked) and reading them again itself.
#include "AclDialogTest.h"
#include "Packetstormcontrolformunit.h"

#include "ComCtrls.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace acltest;
using ::testing::ElementsAre;

constexpr const char* Handler = "PacketStormControl1Click";
const std::string Group = "1.3.6.1.4.1.32473.12.25.1";

enum Oid { Recover = 1, TrapControl = 2, AutoRecoverTime = 4 };

std::string Scalar(int oid) { return Group + "." + std::to_string(oid) + ".0"; }

class PacketStormControlFormTest : public DedicatedDialogTest {
protected:
    using F = TPacketStormControlForm;
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        ASSERT_EQ(Control("set-rw " + Scalar(Recover) + " hex 4000000000000000"), "ok");  // port 2
        ASSERT_EQ(Control("set-rw " + Scalar(TrapControl) + " int 3"), "ok");
        ASSERT_EQ(Control("set-rw " + Scalar(AutoRecoverTime) + " int 60"), "ok");
    }
    void Open(const std::function<void(F&)>& driver) { RunCommand<F>(Handler, driver); }
};

TEST_F(PacketStormControlFormTest, OpensWithTheThreeObjectsShown) {
    F* seen = nullptr;
    Open([&](F& form) {
        seen = PacketStormControlForm;
        EXPECT_EQ(form.Caption(), "Traffic Storm Management Global Settings: 127.0.0.1");
        EXPECT_EQ(form.rgPktStromTrapCtrl->Items().Count(), 4);
        EXPECT_EQ(form.rgPktStromTrapCtrl->ItemIndex(), 2);  // stormCleared
        EXPECT_EQ(form.TimeEdit->Text(), "60");
        ASSERT_EQ(form.Ports->PortCheckBoxes.size(), 64u);
        EXPECT_TRUE(form.Ports->PortCheckBoxes[1]->Checked());
        EXPECT_FALSE(form.Ports->PortCheckBoxes[0]->Checked());
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Ports");
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(PacketStormControlForm, nullptr);
}

// One SET of the three objects, then the dialog reads them again: a value the switch keeps otherwise shows.
TEST_F(PacketStormControlFormTest, SetSendsTheThreeObjectsInOneSetAndReadsThemAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.Ports->PortCheckBoxes[1]->SetChecked(false);
        form.rgPktStromTrapCtrl->SetItemIndex(3);  // both
        form.TimeEdit->SetText("65535");
        ASSERT_TRUE(UserClick(form.btnSet));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Columns(sets[0], Group), ElementsAre(Recover, TrapControl, AutoRecoverTime));
        const std::string ports = OctetsHex(ValueOf(sets[0], Group, Recover));
        EXPECT_FALSE(ports.empty());
        EXPECT_EQ(ports.find_first_not_of('0'), std::string::npos) << ports;
        EXPECT_EQ(ValueOf(sets[0], Group, TrapControl), "INTEGER:4");
        EXPECT_EQ(ValueOf(sets[0], Group, AutoRecoverTime), "INTEGER:65535");
        EXPECT_FALSE(Pdus("GET").empty());
        EXPECT_TRUE(boxes.Calls().empty());

        // Changed on the switch since: Set reads the new value back after its own.
        MarkLog();
        ASSERT_EQ(Control("error " + Scalar(AutoRecoverTime) + " noSuchInstance 1"), "ok");
        ASSERT_EQ(Control("set-rw " + Scalar(AutoRecoverTime) + " int 30"), "ok");
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_EQ(form.TimeEdit->Text(), "30");
    });
}

}  // namespace
