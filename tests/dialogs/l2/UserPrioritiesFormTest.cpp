// The 802.1p dialogs against the simulator, opened through their menu commands: the read-only capabilities view,
// and the user priority table whose Set waits for the SET's answer before it reads the table again (a refused
// SET, a bad class, Stop and a close during the wait included).
#include "DedicatedDialogFixture.h"
#include "PBridgeConfigFormUnit.h"
#include "UserPrioritiesFormUnit.h"

#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;

// The text of the row's last column.
std::string LastCell(const ui::ListItem& item) { return item.SubItems()[item.SubItems().Count() - 1]; }

using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* ClassEntry = "1.3.6.1.2.1.17.6.1.2.3.1";
const std::string MappedClass = std::string(ClassEntry) + ".2.";

class PBridgeConfigFormTest : public DedicatedDialogTest {};

TEST_F(PBridgeConfigFormTest, ShowsTheCapabilitiesReadOnlyAndRefreshReadsBoth) {
    ui::MessageBoxRecorder boxes;
    OpenWhenIdle<TPBridgeConfigForm>(
        "BasicConfigure2Click", [](TPBridgeConfigForm& form) -> DialogTable& { return form.TrafficClassesRequest; },
        [&](TPBridgeConfigForm& form) {
            ASSERT_TRUE(WaitIdle(form.CapabilitiesRequest));
            EXPECT_EQ(PBridgeConfigForm, &form);
            EXPECT_EQ(form.Caption(), "802.1p Basic Configuration: 127.0.0.1");
            EXPECT_FALSE(form.Edit_DeviceCapabilities->Caption().empty());
            EXPECT_FALSE(form.TrafficClassesState->Text().empty());
            EXPECT_FALSE(form.TrafficClassesState->Enabled());
            EXPECT_EQ(form.RoleButton(ButtonRole::Set), nullptr);  // nothing to write
            ASSERT_TRUE(UserClick(form.BT_Get));
            ASSERT_TRUE(WaitIdle(form.CapabilitiesRequest));
            ASSERT_TRUE(WaitIdle(form.TrafficClassesRequest));
            const std::vector<std::string> gets = Pdus("GET");
            ASSERT_EQ(gets.size(), 2u);
            EXPECT_THAT(gets[0], HasSubstr("1.3.6.1.2.1.17.6.1.1.1.0=NULL"));
            EXPECT_THAT(gets[1], HasSubstr("1.3.6.1.2.1.17.6.1.1.2.0=NULL"));
            EXPECT_FALSE(form.TrafficClassesState->Enabled());
            EXPECT_TRUE(Pdus("SET").empty());
        });
    EXPECT_TRUE(boxes.Calls().empty());
}

class UserPrioritiesFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(ClassEntry, "1-3.4-5");  // ports 1 to 3, priorities 4 and 5
    }
    void Open(const std::function<void(TUserPrioritiesForm&)>& driver) {
        OpenWhenWalked<TUserPrioritiesForm>(
            "UserPrioritiesToTrafficClassClick",
            [](TUserPrioritiesForm& form) -> DialogTable& { return form.TrafficClassRequest; }, driver);
    }
    static bool WaitWalk(TUserPrioritiesForm& form) { return DedicatedDialogTest::WaitWalk(form.TrafficClassRequest); }
    // Selects the row of port 3, priority 5 (the last) and types class into the class edit.
    static void EditLastRow(TUserPrioritiesForm& form, const char* mappedClass) {
        form.ListView1->SetItemIndex(form.ListView1->Items().Count() - 1);
        form.ClassEdit->SetText("");
        ASSERT_TRUE(TypeText(form.ClassEdit, mappedClass));
    }
    int WalkStarts() const { return Walks(MappedClass.substr(0, MappedClass.size() - 1)); }
    static void ExpectEditorsCleared(TUserPrioritiesForm& form) {
        EXPECT_EQ(form.PortNumberText->Caption(), " ");
        EXPECT_EQ(form.IndexText->Caption(), " ");
        EXPECT_EQ(form.ClassEdit->Text(), "");
        EXPECT_FALSE(form.SetButton->Enabled());
    }
};

TEST_F(UserPrioritiesFormTest, OpensWithTheRowsAndShowsTheSelectedRowsKeys) {
    Open([&](TUserPrioritiesForm& form) {
        EXPECT_EQ(UserPrioritiesForm, &form);
        EXPECT_EQ(form.Caption(), "802.1p User Priorities To Traffic Class: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 6);
        EXPECT_EQ(form.StaticText1->Caption(), "6");
        ExpectEditorsCleared(form);
        form.ListView1->SetItemIndex(5);
        EXPECT_EQ(form.PortNumberText->Caption(), "3");
        EXPECT_EQ(form.IndexText->Caption(), "5");
        EXPECT_FALSE(form.ClassEdit->Text().empty());
        EXPECT_TRUE(form.SetButton->Enabled());
        EXPECT_FALSE(form.PortNumberText->Enabled());
        EXPECT_FALSE(form.IndexText->Enabled());
    });
}

TEST_F(UserPrioritiesFormTest, SetWritesTheClassWaitsForTheAnswerAndThenReadsTheTableAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TUserPrioritiesForm& form) {
        EditLastRow(form, "2");
        form.TrafficClassRequest.Request()->Request.Timeout = 1000;
        ASSERT_EQ(Control("hold " + MappedClass + "3.5 200"), "ok");  // the SET's answer comes late
        bool waited = false;
        Then([&] { waited = form.TrafficClassRequest.Waiting(); });  // runs inside the click
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_TRUE(waited);
        EXPECT_FALSE(form.TrafficClassRequest.Waiting());
        ExpectEditorsCleared(form);
        ASSERT_TRUE(WaitWalk(form));
        const std::vector<std::string> sent = Pdus();
        ASSERT_GE(sent.size(), 2u);
        EXPECT_THAT(sent[0], ::testing::StartsWith("SET"));
        EXPECT_THAT(Varbinds(sent[0]), ElementsAre(MappedClass + "3.5=INTEGER:2"));
        EXPECT_THAT(sent[1], ::testing::StartsWith("GETNEXT"));
        ASSERT_EQ(form.ListView1->Items().Count(), 6);
        EXPECT_EQ(LastCell(*form.ListView1->Items()[5]), "2");
        EXPECT_EQ(WalkStarts(), 1);
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(UserPrioritiesFormTest, ARefusedSetIsReportedAndTheTableIsReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TUserPrioritiesForm& form) {
        ASSERT_EQ(Control(std::string("error ") + ClassEntry + " wrongValue 1"), "ok");
        EditLastRow(form, "9");
        ASSERT_TRUE(UserClick(form.SetButton));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_FALSE(boxes.Calls()[0].Text.empty());
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(WalkStarts(), 1);
        EXPECT_TRUE(NoInvalidBits(form.TrafficClassRequest));
    });
}

TEST_F(UserPrioritiesFormTest, ABadClassIsShownInTheStatusBarAndNothingIsSent) {
    ui::MessageBoxRecorder boxes;
    Open([&](TUserPrioritiesForm& form) {
        EditLastRow(form, "x");
        const std::string before = Status(form);
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_TRUE(NothingSent("SET"));
        EXPECT_NE(Status(form), before);
        ExpectEditorsCleared(form);
        EXPECT_TRUE(form.TrafficClassRequest.Complete());  // usable again at once
        ASSERT_TRUE(UserClick(form.RefreshButton));
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(form.ListView1->Items().Count(), 6);
    });
}

TEST_F(UserPrioritiesFormTest, StopDuringTheWaitEndsItWithoutAReadAndACloseIsDoneAfterIt) {
    struct Case {
        const char* name;
        std::function<void(TUserPrioritiesForm&)> duringWait;
        bool closed;
    };
    const Case cases[] = {
        {"stop", [](TUserPrioritiesForm& form) { form.StopButton->Click(); }, false},
        {"close", [](TUserPrioritiesForm& form) { form.CloseButton->Click(); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::MessageBoxRecorder boxes;
        Open([&](TUserPrioritiesForm& form) {
            EditLastRow(form, "2");
            form.TrafficClassRequest.Request()->Request.Timeout = 1000;
            ASSERT_EQ(Control("hold " + MappedClass + "3.5 300"), "ok");
            Then([&] { c.duringWait(form); });  // runs inside the wait
            ASSERT_TRUE(UserClick(form.SetButton));
            if (c.closed) return;  // the modal loop closes the dialog once the click is over
            EXPECT_TRUE(form.TrafficClassRequest.Complete());
            ASSERT_TRUE(WaitIdle(form.TrafficClassRequest));  // the SET's answer is in
            EXPECT_EQ(Pdus("SET").size(), 1u);
            EXPECT_TRUE(NothingSent("GETNEXT"));
            ASSERT_TRUE(UserClick(form.RefreshButton));  // accepted at once
            ASSERT_TRUE(WaitWalk(form));
            EXPECT_EQ(WalkStarts(), 1);
        });
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(UserPrioritiesForm, nullptr);
    }
}

TEST_F(UserPrioritiesFormTest, WhileAWalkRunsRefreshAndSetAreRefusedWithTheirOwnTexts) {
    ui::MessageBoxRecorder boxes;
    Open([&](TUserPrioritiesForm& form) {
        ASSERT_TRUE(
            HoldWalkAfterFirstRow(form.TrafficClassRequest, *form.ListView1, form.RefreshButton, MappedClass + "1.4"));
        form.ListView1->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.RefreshButton));
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete!", "Get data not complete"}));
        EXPECT_EQ(WalkStarts(), 1);
        EXPECT_TRUE(Pdus("SET").empty());
        // Stop sets the flag at once: Refresh is refused no more once the held answer is in.
        ASSERT_TRUE(UserClick(form.StopButton));
        EXPECT_TRUE(form.TrafficClassRequest.Complete());
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitIdle(form.TrafficClassRequest));
        boxes.Clear();
        ASSERT_TRUE(UserClick(form.RefreshButton));
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(form.ListView1->Items().Count(), 6);
    });
}

}  // namespace
