// The port security delete dialog against the simulator, opened through its menu command: the global port shown as
// unit and port and sent back from them, the checks with their messages, and the read after every Set, which
// replaces what a refused Set left typed.
#include "Portsercuritydeleteformunit.h"
#include "SecurityDialogTest.h"

#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace sectest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string Group = "1.3.6.1.4.1.32473.11.70.7.2.7.2";
const std::string VlanOid = Group + ".1.0";
const std::string PortOid = Group + ".2.0";
const std::string MacOid = Group + ".3.0";
const std::string ActivityOid = Group + ".4.0";

class PortSecurityDeleteFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SetPort(65);
    }
    static void SetPort(int port) { ASSERT_EQ(Control("set-rw " + PortOid + " int " + std::to_string(port)), "ok"); }
    void Open(const std::function<void(TPrtSecDelCtrlForm&)>& driver) {
        RunCommand<TPrtSecDelCtrlForm>("PortSercurityDelete1Click", driver);
    }
};

using UnitAndPort = std::pair<std::string, std::string>;

UnitAndPort Shown(TPrtSecDelCtrlForm& form) { return {form.UnitEdit->Text(), form.PortEdit->Text()}; }

TEST_F(PortSecurityDeleteFormTest, TheGlobalPortReadIsShownAsUnitAndPort) {
    Open([&](TPrtSecDelCtrlForm& form) {
        EXPECT_EQ(form.Caption(), "Port Security Delete: 127.0.0.1");
        EXPECT_FALSE(form.edtPort->Visible());
        EXPECT_EQ(Shown(form), UnitAndPort("2", "1"));
        for (const auto& [global, shown] : {std::pair{64, UnitAndPort("1", "64")}, std::pair{0, UnitAndPort("0", "0")},
                                            std::pair{133, UnitAndPort("3", "5")}}) {
            SCOPED_TRACE(global);
            SetPort(global);
            ASSERT_TRUE(UserClick(form.btnRefresh));
            EXPECT_EQ(Shown(form), shown);
        }
    });
}

TEST_F(PortSecurityDeleteFormTest, UnitAndPortGoOutAsTheGlobalPortWithTheOtherScalars) {
    StackStateScope stack("enabled", TwelveUnitsWithoutUnitSeven("", "no-exist"));
    ui::MessageBoxRecorder boxes;
    Open([&](TPrtSecDelCtrlForm& form) {
        form.edtVlan->SetText("default");
        form.edtMac->SetText("001122334455");
        form.UnitEdit->SetText("3");
        form.PortEdit->SetText("5");
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(VlanOid + "=STRING:\"default\"", PortOid + "=INTEGER:133",
                                                          MacOid + "=HEX:001122334455", ActivityOid + "=INTEGER:2"));
        // Read again: the switch now holds port 133.
        EXPECT_EQ(Shown(form), UnitAndPort("3", "5"));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

// Each refused Set sends nothing and is followed by the read, which shows the switch's port again (65).
TEST_F(PortSecurityDeleteFormTest, ARefusedSetIsFollowedByTheRead) {
    struct Case {
        const char* vlan;
        const char* unit;
        const char* port;
        const char* mac;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"", "2", "1", "001122334455", {"You should input VLAN name."}},
        {"v1", "", "1", "001122334455", {"The Unit should not be empty."}},
        {"v1", "2", "", "001122334455", {"The Port should not be empty."}},
        {"v1", "0", "1", "001122334455", {"You should input valid port."}},
        {"v1", "13", "1", "001122334455", {"Unit should be less than 13.", "You should input valid port."}},
        {"v1", "2", "49", "001122334455", {"You should input valid port."}},  // a QSW-2150 has 48 ports
        {"v1", "7", "51", "001122334455", {"You should input valid port."}},  // absent: up to 50
        {"v1", "2", "x", "001122334455", {"You should input valid port."}},
        {"v1", "2", "1", "00112233445", {"You should input valid MAC address."}},
        {"v1", "2", "1", "0011223344G5", {"You should input valid MAC address."}},
    };
    StackStateScope stack("enabled", TwelveUnitsWithoutUnitSeven("", "no-exist"));
    ui::MessageBoxRecorder boxes;
    Open([&](TPrtSecDelCtrlForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.unit) + "/" + c.port + " " + c.mac);
            boxes.Clear();
            MarkLog();
            form.edtVlan->SetText(c.vlan);
            form.UnitEdit->SetText(c.unit);
            form.PortEdit->SetText(c.port);
            form.edtMac->SetText(c.mac);
            ASSERT_TRUE(UserClick(form.btnSet));
            EXPECT_EQ(BoxTexts(boxes), c.messages);
            EXPECT_TRUE(NothingSent("SET"));
            EXPECT_FALSE(Pdus("GET").empty());
            EXPECT_EQ(Shown(form), UnitAndPort("2", "1"));
        }
        // The absent unit counts as listing no unit: up to 50 ports pass.
        form.edtVlan->SetText("v1");
        form.edtMac->SetText("001122334455");
        form.UnitEdit->SetText("7");
        form.PortEdit->SetText("50");
        boxes.Clear();
        MarkLog();
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Pdus("SET")[0], ::testing::HasSubstr(PortOid + "=INTEGER:434"));
    });
}

}  // namespace
