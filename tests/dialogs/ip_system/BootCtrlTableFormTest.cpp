// The DHCP/BOOTP relay dialog and its add form against the simulator: four servers per interface, the server address
// checked, State valid to create and invalid to remove (the State column alone), closing during a walk.
#include "Bootctrltableformunit.h"
#include "IpSystemDialogTest.h"
#include "Newbootpctrlformunit.h"

#include "DeviceWindow.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* Handler = "BOOTPCtrlTable1Click";
const std::string Entry = "1.3.6.1.4.1.32473.11.70.7.3.3.1.4.1";
constexpr const char* FourServers = "One interface can support four bootp servers at most.";

class BootCtrlTableFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        window.Address = "127.0.0.1";
        SetDeviceWindow(&window);
        const std::string lan = TextInstance("lan");
        SeedRows(Entry,
                 lan + ".10.0.0.1 " + lan + ".10.0.0.2 " + lan + ".10.0.0.3 " + TextInstance("wan") + ".10.0.0.1");
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
    }
    void Open(const std::function<void(TBOOTCtrlTableForm&)>& driver) {
        OpenWhenWalked<TBOOTCtrlTableForm>(
            Handler, [](TBOOTCtrlTableForm& form) -> DialogTable& { return form.RelayTable; }, driver);
    }
    static void AddServer(TBOOTCtrlTableForm& form, const std::string& interface, const std::string& server) {
        bool shown = false;
        OnNextModal<TNewBootpCtrlForm>(shown, [&](TNewBootpCtrlForm& add) {
            EXPECT_EQ(add.Caption(), "DHCP/BOOTP Relay Control: 127.0.0.1 (Add)");
            EXPECT_EQ(add.Edit1->Text(), "");
            TypeText(add.Edit1, interface);
            TypeText(add.Edit2, server);
            UserClick(add.DeleteBtn);
        });
        ASSERT_TRUE(UserClick(form.AddBtn));
        EXPECT_TRUE(shown);
    }

    DeviceWindowValues window;
};

TEST_F(BootCtrlTableFormTest, AnInterfaceTakesFourServersAndNoMore) {
    ui::MessageBoxRecorder boxes;
    Open([&](TBOOTCtrlTableForm& form) {
        EXPECT_EQ(form.Caption(), "DHCP/BOOTP Relay Control Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 4);
        AddServer(form, "lan", "10.0.0.4");
        ASSERT_TRUE(WaitWalk(form.RelayTable));
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Entry), ElementsAre("3." + TextInstance("lan") + ".10.0.0.4=INTEGER:3"));
        ASSERT_EQ(form.ListView1->Items().Count(), 5);

        MarkLog();
        AddServer(form, "lan", "10.0.0.5");
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Text, FourServers);
        EXPECT_EQ(boxes.Calls()[0].Type, ui::mtWarning);
        EXPECT_TRUE(NothingSent("SET"));

        // Names are compared exactly: "LAN" is another interface.
        boxes.Clear();
        AddServer(form, "LAN", "10.0.0.5");
        ASSERT_TRUE(WaitWalk(form.RelayTable));
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        EXPECT_EQ(form.ListView1->Items().Count(), 6);
    });
}

TEST_F(BootCtrlTableFormTest, AnInvalidServerAddressIsRefusedBeforeAnySet) {
    ui::MessageBoxRecorder boxes;
    Open([&](TBOOTCtrlTableForm& form) {
        for (const char* server : {"", "10.0.0", "300.1.1.1", "a.b.c.d"}) {
            SCOPED_TRACE(server);
            boxes.Clear();
            AddServer(form, "wan", server);
            EXPECT_EQ(boxes.Calls().size(), 1u);
            EXPECT_TRUE(NothingSent("SET"));
        }
    });
}

TEST_F(BootCtrlTableFormTest, DeleteWritesInvalidForTheSelectedServer) {
    ui::MessageBoxRecorder boxes;
    Open([&](TBOOTCtrlTableForm& form) {
        EXPECT_FALSE(form.DeleteBtn->Enabled());
        form.ListView1->SetItemIndex(3);
        ASSERT_TRUE(UserClick(form.DeleteBtn));
        ASSERT_TRUE(WaitWalk(form.RelayTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Entry), ElementsAre("3." + TextInstance("wan") + ".10.0.0.1=INTEGER:2"));
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_FALSE(form.DeleteBtn->Enabled());
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
    });
}

TEST_F(BootCtrlTableFormTest, AddDeleteAndClosingWaitForTheWalk) {
    ui::MessageBoxRecorder boxes;
    Open([&](TBOOTCtrlTableForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.RelayTable, *form.ListView1, form.RefreshBtn,
                                          Entry + ".3." + TextInstance("lan") + ".10.0.0.1"));
        ASSERT_TRUE(UserClick(form.AddBtn));
        form.ListView1->SetItemIndex(0);
        ASSERT_TRUE(UserClick(form.DeleteBtn));
        form.Close();
        Then([&] {
            EXPECT_THAT(BoxTexts(boxes),
                        ElementsAre(GetDataNotCompleteText, GetDataNotCompleteText, GetDataNotCompleteText));
            EXPECT_TRUE(form.Visible());
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(form.RelayTable));
            EXPECT_TRUE(NothingSent("SET"));
            EXPECT_EQ(form.ListView1->Items().Count(), 4);
        });
    });
}

}  // namespace
