// The server-group membership dialog against the simulator, opened through its menu command: the checks in their
// order, the one SET of the operation on the group, address and protocol, its status line in panel 0, and a
// refused SET that leaves the dialog as it was.
#include "DedicatedDialogFixture.h"
#include "Tacacsservercontrolunit.h"

#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string Entry = "1.3.6.1.4.1.32473.12.5.12.1";
const std::string GroupA = "4.103.114.112.65";  // "grpA"

class ServerControlFormTest : public DedicatedDialogTest {
protected:
    void Open(const std::function<void(TAAASrvCtrlForm&)>& driver) {
        OpenWhenIdle<TAAASrvCtrlForm>(
            "ServerControl1Click", [](TAAASrvCtrlForm& form) -> const DialogTable& { return form.Members; }, driver);
    }
    static void Fill(TAAASrvCtrlForm& form, const std::string& operation) {
        form.edtSrvGrpName->SetText("grpA");
        form.edtSrvIP->SetText("10.0.0.9");
        ChooseItem(form.cbxAuthPtcl, "radius");
        ChooseItem(form.cbxOper, operation);
    }
};

TEST_F(ServerControlFormTest, SetChecksEachFieldInTurnAndSendsNothingUntilAllAreGiven) {
    ui::MessageBoxRecorder boxes;
    Open([&](TAAASrvCtrlForm& form) {
        EXPECT_EQ(form.Caption(), "AAC Server Settings: 127.0.0.1");
        EXPECT_FALSE(form.lvOper->Visible());
        EXPECT_EQ(form.cbxAuthPtcl->ItemIndex(), -1);
        EXPECT_EQ(form.cbxOper->ItemIndex(), -1);
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(TypeText(form.edtSrvGrpName, "grpA"));
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(TypeText(form.edtSrvIP, "10.0.0.9"));
        ASSERT_TRUE(UserClick(form.btnSet));
        ChooseItem(form.cbxAuthPtcl, "radius");
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{
                                       "Please input Server Group Name.", "Please input Server IP Address.",
                                       "Please choose Server Authentication Protocol.", "Please choose Operate."}));
        EXPECT_TRUE(NothingSent("SET"));
        // A group name takes 15 characters; a 16th cannot be typed.
        form.edtSrvGrpName->SetText("");
        ASSERT_TRUE(TypeText(form.edtSrvGrpName, "ABCDEFGHIJKLMNOP"));
        EXPECT_EQ(form.edtSrvGrpName->Text(), "ABCDEFGHIJKLMNO");
    });
}

// The operation alone, on the group's, address's and protocol's instance; the controls keep their contents.
TEST_F(ServerControlFormTest, SetSendsTheOperationAloneAndShowsItsStatusInPanelZero) {
    struct Case {
        const char* operation;
        int value;
    };
    for (const Case& c : {Case{"add", 1}, Case{"delete", 2}}) {
        SCOPED_TRACE(c.operation);
        ui::MessageBoxRecorder boxes;
        Open([&](TAAASrvCtrlForm& form) {
            Fill(form, c.operation);
            ASSERT_TRUE(UserClick(form.btnSet));
            ASSERT_TRUE(WaitIdle(form.Members));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(Varbinds(sets[0]),
                        ElementsAre(Entry + ".4." + GroupA + ".10.0.0.9.4=INTEGER:" + std::to_string(c.value)));
            EXPECT_TRUE(Pdus("GETNEXT").empty());  // not read again
            EXPECT_THAT(Status(form), HasSubstr("Set: Ok!"));
            EXPECT_EQ(form.edtSrvGrpName->Text(), "grpA");
            EXPECT_EQ(form.cbxOper->Text(), c.operation);
        });
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{});
    }
}

TEST_F(ServerControlFormTest, ARefusedSetIsShownAndTheNextSetGoesOut) {
    ui::MessageBoxRecorder boxes;
    Open([&](TAAASrvCtrlForm& form) {
        Fill(form, "add");
        ASSERT_EQ(Control("error " + Entry + " noCreation 1"), "ok");
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(WaitIdle(form.Members));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(WaitIdle(form.Members));
        EXPECT_EQ(Pdus("SET").size(), 2u);
        EXPECT_EQ(boxes.Calls().size(), 1u);
    });
}

}  // namespace
