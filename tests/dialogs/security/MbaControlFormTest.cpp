// MAC-based access control's global settings against the simulator, opened through their menu command: the global
// SET first, then the authorised VLAN by the four cases of stored and typed name, the message on a changed name,
// and Delete.
#include "DedicatedDialogFixture.h"
#include "Mbacontrolunit.h"

#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string Group = "1.3.6.1.4.1.32473.12.35.1";
std::string Scalar(int object) { return Group + "." + std::to_string(object) + ".0"; }

class MbaControlFormTest : public DedicatedDialogTest {
protected:
    static void StoreName(const std::string& name) {
        ASSERT_EQ(Control("set-rw " + Scalar(4) + " str \"" + name + "\""), "ok");
    }
    void Open(const std::function<void(TMBAControlForm&)>& driver) {
        RunCommand<TMBAControlForm>("MBAControl1Click", driver);
    }
    std::vector<std::vector<std::string>> Sets() const {
        std::vector<std::vector<std::string>> sets;
        for (const std::string& line : Pdus("SET")) sets.push_back(Varbinds(line));
        return sets;
    }
};

TEST_F(MbaControlFormTest, SetSendsTheGlobalSettingsThenTheVlanByItsStoredAndTypedName) {
    const std::vector<std::string> global = {Scalar(1) + "=INTEGER:2", Scalar(2) + "=INTEGER:2",
                                             Scalar(3) + "=STRING:\"s3cret\"", Scalar(8) + "=INTEGER:2"};
    const std::string fourPorts = Scalar(5) + "=HEX:F000000000000000";
    struct Case {
        const char* stored;
        const char* typed;
        std::vector<std::string> vlanSet;  // empty: no second SET
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"auth", "auth", {fourPorts}, {}},
        {"auth", "other", {}, {"Can't change the VLAN name,delete previous name first!"}},
        {"", "", {}, {}},
        {"", "newvlan", {Scalar(4) + "=STRING:\"newvlan\"", fourPorts}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + "/" + c.typed);
        StoreName(c.stored);
        ui::MessageBoxRecorder boxes;
        Open([&](TMBAControlForm& form) {
            EXPECT_EQ(form.Caption(), "MBA Global Settings: 127.0.0.1");
            EXPECT_EQ(form.edtName->Text(), c.stored);
            ChooseItem(form.Cbox_State, "enabled");
            ChooseItem(form.Cbox_Method, "radius");
            form.edtPassWord->SetText("s3cret");
            ChooseItem(form.Cbox_ClearAllAction, "start");
            form.edtName->SetText(c.typed);
            form.Ports->UncheckAllPorts();
            for (size_t port = 0; port < 4; ++port) form.Ports->PortCheckBoxes[port]->SetChecked(true);
            ASSERT_TRUE(UserClick(form.SetBtn));
            std::vector<std::vector<std::string>> expected = {global};
            if (!c.vlanSet.empty()) expected.push_back(c.vlanSet);
            EXPECT_EQ(Sets(), expected);
            EXPECT_EQ(BoxTexts(boxes), c.messages);
            EXPECT_TRUE(NoInvalidBits(form.AuthorisedVlan));
        });
    }
}

TEST_F(MbaControlFormTest, DeleteWritesTheDeleteStateAndReadsEverythingAgain) {
    StoreName("auth");
    ui::MessageBoxRecorder boxes;
    Open([&](TMBAControlForm& form) {
        EXPECT_EQ(form.Edit1->Text(), "auth");
        EXPECT_FALSE(form.cbxDel->Visible());
        ASSERT_TRUE(UserClick(form.DelBtn));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Scalar(7) + "=INTEGER:2"}}));
        EXPECT_EQ(Pdus("GET").size(), 4u);
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
