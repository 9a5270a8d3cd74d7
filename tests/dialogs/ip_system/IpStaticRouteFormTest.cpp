// The IPv4 static route dialog and its add form against the simulator: both menu commands, the default-route
// question, the destination, mask, next-hop and metric checks, the "valid" create and "invalid" remove SETs and the
// columns they leave out, and adds refused while the table is read.
#include "IpSystemDialogTest.h"
#include "Ipstaticrouteeditunit.h"
#include "Ipstaticrouteunit.h"

#include "DeviceWindow.h"
#include "Dialogs.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string Entry = "1.3.6.1.4.1.32473.11.70.7.3.2.5.1";
const std::string FirstRoute = "10.0.0.0.255.0.0.0.192.168.1.254";
const std::string SecondRoute = "172.16.0.0.255.255.0.0.192.168.1.253";

struct Route {
    std::string Destination, Mask, NextHop, Metric;
};

class IpStaticRouteFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        window.Address = "127.0.0.1";
        SetDeviceWindow(&window);
        SeedRows(Entry, FirstRoute + " " + SecondRoute);
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
    }
    void Open(const std::function<void(TIpStaticRouteForm&)>& driver,
              const char* handler = "IPStaticRoutingtable1Click") {
        OpenWhenWalked<TIpStaticRouteForm>(
            handler, [](TIpStaticRouteForm& form) -> DialogTable& { return form.RouteTable; }, driver);
    }
    // Opens the add form with opener, lets fill type into it and presses Set; the form is closed if it stays.
    static void RunAddForm(ui::Button* opener, const std::function<void(TIpStaticRouteEditForm&)>& fill) {
        bool shown = false;
        OnNextModal<TIpStaticRouteEditForm>(shown, [&](TIpStaticRouteEditForm& edit) {
            fill(edit);
            UserClick(edit.SetButton);
        });
        ASSERT_TRUE(UserClick(opener));
        EXPECT_TRUE(shown);
    }
    static void Type(TIpStaticRouteEditForm& edit, const Route& route) {
        TypeText(edit.DesEdit, route.Destination);
        TypeText(edit.MaskEdit, route.Mask);
        TypeText(edit.NextHopEdit, route.NextHop);
        TypeText(edit.MetricEdit, route.Metric);
    }

    DeviceWindowValues window;
};

TEST_F(IpStaticRouteFormTest, BothMenuCommandsOpenTheRouteTable) {
    for (const char* handler : {"IPStaticRoutingtable1Click", "IPStaticRoute1Click"}) {
        SCOPED_TRACE(handler);
        Open(
            [&](TIpStaticRouteForm& form) {
                EXPECT_EQ(IpStaticRouteForm, &form);
                ASSERT_EQ(form.ListView1->Items().Count(), 2);
                EXPECT_EQ(form.ListView1->Items()[0]->Caption(), "10.0.0.0");
                EXPECT_EQ(form.ListView1->Items()[0]->SubItems()[0], "255.0.0.0");
                EXPECT_EQ(form.StaticText1->Caption(), "2");
                EXPECT_FALSE(form.DeleteButton->Enabled());
                form.ListView1->SetItemIndex(1);
                EXPECT_TRUE(form.DeleteButton->Enabled());
                EXPECT_TRUE(form.AddButton->Enabled());
                EXPECT_TRUE(form.btnDefaultRoute->Enabled());
            },
            handler);
        EXPECT_EQ(IpStaticRouteForm, nullptr);
    }
}

TEST_F(IpStaticRouteFormTest, TheDefaultRouteQuestionSendsNothingWhicheverTheAnswer) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpStaticRouteForm& form) {
        for (int answer : {ui::mrOk, ui::mrCancel}) {
            SCOPED_TRACE(answer);
            boxes.Clear();
            boxes.QueueAnswer(answer);
            bool shown = false;
            bool stayedOpen = false;
            OnNextModal<TIpStaticRouteEditForm>(shown, [&](TIpStaticRouteEditForm& edit) {
                Type(edit, {"0.0.0.0", "255.0.0.0", "192.168.1.1", ""});
                UserClick(edit.SetButton);
                stayedOpen = edit.ModalResult() == ui::mrNone;
            });
            ASSERT_TRUE(UserClick(form.AddButton));
            EXPECT_TRUE(shown);
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].Buttons, ui::mbOKCancel);
            EXPECT_THAT(boxes.Calls()[0].Text, ::testing::StartsWith("If you want to add a default route"));
            EXPECT_EQ(stayedOpen, answer == ui::mrCancel);
            EXPECT_TRUE(NothingSent("SET"));
        }
    });
}

TEST_F(IpStaticRouteFormTest, AddChecksTheDestinationMaskNextHopAndMetric) {
    struct Case {
        Route Typed;
        const char* Message;
    };
    const Case cases[] = {
        {{"", "255.0.0.0", "192.168.1.1", ""}, "Destination IP should be Set!"},
        {{"255.255.255.255", "255.0.0.0", "192.168.1.1", ""}, "Destination ip can not be 255.255.255.255"},
        {{"20.0.0.0", "", "192.168.1.1", ""}, "Mask should be Set"},
        {{"20.0.0.0", "255.255.255.128", "192.168.1.1", ""}, "Please input a valid mask"},
        {{"20.0.0.0", "0.0.0.0", "192.168.1.1", ""}, "Please input a valid mask"},
        {{"20.0.0.0", "255.0.0.0", "", ""}, "Next Hop should be Set"},
        {{"20.0.0.0", "255.0.0.0", "0.0.0.0", ""}, "Next Hop can not be 0.0.0.0"},
        {{"20.0.0.0", "255.0.0.0", "127.0.0.1", ""}, "Next Hop can not be itself"},
        {{"20.0.0.0", "255.0.0.0", "192.168.1.1", "0"}, "Metric should between 1-65535"},
        {{"20.0.0.0", "255.0.0.0", "192.168.1.1", "65536"}, "Metric should between 1-65535"},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TIpStaticRouteForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Message);
            boxes.Clear();
            RunAddForm(form.AddButton, [&](TIpStaticRouteEditForm& edit) { Type(edit, c.Typed); });
            EXPECT_THAT(BoxTexts(boxes), ElementsAre(c.Message));
            EXPECT_TRUE(NothingSent("SET"));
        }
    });
}

TEST_F(IpStaticRouteFormTest, AnAddSendsValidWithTheBackupStateAndMetricOnlyWhenGiven) {
    struct Case {
        Route Typed;
        const char* Backup;  // null: none chosen
        std::vector<std::string> Varbinds;
    };
    const std::string host = "20.1.1.1.255.255.255.255.192.168.1.1";
    const std::string net = "30.0.0.0.255.255.255.0.192.168.1.2";
    const Case cases[] = {
        {{"20.1.1.1", "255.255.255.255", "192.168.1.1", ""}, nullptr, {"6." + host + "=INTEGER:3"}},
        {{"30.0.0.0", "255.255.255.0", "192.168.1.2", "5"},
         "backup",
         {"3." + net + "=INTEGER:2", "5." + net + "=INTEGER:5", "6." + net + "=INTEGER:3"}},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TIpStaticRouteForm& form) {
        int rows = 2;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Typed.Destination);
            MarkLog();
            RunAddForm(form.AddButton, [&](TIpStaticRouteEditForm& edit) {
                EXPECT_EQ(edit.Caption(), "IP Static Route Table: 127.0.0.1 (Add)");
                EXPECT_EQ(edit.cbxStatus->Text(), "valid");
                EXPECT_FALSE(edit.cbxStatus->Enabled());
                Type(edit, c.Typed);
                if (c.Backup) ChooseItem(edit.BakeupComboBox, c.Backup);
            });
            ASSERT_TRUE(WaitWalk(form.RouteTable));
            EXPECT_THAT(BoxTexts(boxes), IsEmpty());
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(ColumnVarbinds(sets[0], Entry), c.Varbinds);
            EXPECT_EQ(Walks(Entry + ".3"), 1);  // the first column read
            EXPECT_EQ(form.ListView1->Items().Count(), ++rows);
            EXPECT_TRUE(NoInvalidBits(form.RouteTable));
        }
    });
}

TEST_F(IpStaticRouteFormTest, AddDefaultRouteChecksTheNextHopAndWritesTheZeroRoute) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpStaticRouteForm& form) {
        RunAddForm(form.btnDefaultRoute, [&](TIpStaticRouteEditForm& edit) {
            EXPECT_EQ(edit.Caption(), "IP Static Route Table: 127.0.0.1 (Add Default Route)");
            EXPECT_EQ(edit.DesEdit->Text(), "0.0.0.0");
            EXPECT_EQ(edit.MaskEdit->Text(), "0.0.0.0");
            EXPECT_FALSE(edit.DesEdit->Enabled());
            EXPECT_FALSE(edit.MaskEdit->Enabled());
            TypeText(edit.NextHopEdit, "127.0.0.1");
            UserClick(edit.SetButton);
            EXPECT_THAT(BoxTexts(boxes), ElementsAre("Next Hop can not be itself"));
            edit.NextHopEdit->SetText("");
            TypeText(edit.NextHopEdit, "192.168.1.9");
        });
        ASSERT_TRUE(WaitWalk(form.RouteTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Entry), ElementsAre("6.0.0.0.0.0.0.0.0.192.168.1.9=INTEGER:3"));
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.ListView1->Items()[0]->Caption(), "0.0.0.0");
    });
}

TEST_F(IpStaticRouteFormTest, DeleteWritesInvalidToTheSelectedRouteAlone) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpStaticRouteForm& form) {
        form.ListView1->SetItemIndex(1);
        ASSERT_TRUE(UserClick(form.DeleteButton));
        ASSERT_TRUE(WaitWalk(form.RouteTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Entry), ElementsAre("6." + SecondRoute + "=INTEGER:2"));
        ASSERT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_EQ(form.StaticText1->Caption(), "1");
        EXPECT_FALSE(form.DeleteButton->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.RouteTable));
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
    });
}

TEST_F(IpStaticRouteFormTest, ARefusedDeleteShowsTheAgentsErrorAndKeepsTheRoute) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpStaticRouteForm& form) {
        ASSERT_EQ(Control("error " + Entry + ".6 genErr 1"), "ok");
        form.ListView1->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.DeleteButton));
        ASSERT_TRUE(WaitWalk(form.RouteTable));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_TRUE(NoInvalidBits(form.RouteTable));
        // Still usable: the next delete goes through.
        MarkLog();
        form.ListView1->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.DeleteButton));
        ASSERT_TRUE(WaitWalk(form.RouteTable));
        EXPECT_EQ(form.ListView1->Items().Count(), 1);
    });
}

TEST_F(IpStaticRouteFormTest, AddsAndDeleteWaitForARunningReadWhichShowsEveryRouteOnce) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpStaticRouteForm& form) {
        ASSERT_TRUE(
            HoldWalkAfterFirstRow(form.RouteTable, *form.ListView1, form.GetButton, Entry + ".3." + FirstRoute));
        ASSERT_TRUE(UserClick(form.AddButton));
        ASSERT_TRUE(UserClick(form.btnDefaultRoute));
        form.ListView1->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.DeleteButton));
        EXPECT_THAT(BoxTexts(boxes),
                    ElementsAre(GetDataNotCompleteText, GetDataNotCompleteText, GetDataNotCompleteText));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitWalk(form.RouteTable));
        EXPECT_TRUE(NothingSent("SET"));
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
    });
}

}  // namespace
