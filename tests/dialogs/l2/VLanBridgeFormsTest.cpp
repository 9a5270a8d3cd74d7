// The 802.1Q bridge basics and the port VLAN table against the simulator: what Set sends, Refresh, the edited port
// selected again after the re-read, and what is refused while a walk runs.
#include "DedicatedDialogFixture.h"
#include "VLanGeneralInfoFormUnit.h"
#include "VLanPortInfomationFormUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string Base = "1.3.6.1.2.1.17.7.1.1";
const std::string PortEntry = "1.3.6.1.2.1.17.7.1.4.5.1";

class VLanGeneralInfoFormTest : public DedicatedDialogTest {};

TEST_F(VLanGeneralInfoFormTest, SetSendsOnlyTheGvrpStatus) {
    ASSERT_EQ(Control("set " + Base + ".2.0 int 4094"), "ok");
    ASSERT_EQ(Control("set-rw " + Base + ".5.0 int 1"), "ok");
    RunCommand<TVLanGeneralInfoForm>("BasicConfigureClick", [&](TVLanGeneralInfoForm& form) {
        ASSERT_TRUE(RunUntil([&] { return !form.BaseGroup.Busy(); }));
        EXPECT_EQ(form.Caption(), "802.1Q Basic Configuration: 127.0.0.1");
        EXPECT_EQ(form.MaxVlanId->Caption(), "4094");
        EXPECT_FALSE(form.VlanVersionNumber->Caption().empty());
        EXPECT_EQ(form.GvrpStatus->Text(), "enabled");
        MarkLog();
        form.MaxVlanId->SetCaption("1");  // shown only: never sent
        form.GvrpStatus->SetItemIndex(1);
        EXPECT_TRUE(UserClick(form.SetBtn));
        ASSERT_TRUE(RunUntil([&] { return !form.BaseGroup.Busy(); }));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Base + ".5.0=INTEGER:2"));
        EXPECT_TRUE(UserClick(form.RefreshBtn));
        ASSERT_TRUE(RunUntil([&] { return !form.BaseGroup.Busy(); }));
        EXPECT_EQ(form.GvrpStatus->Text(), "disabled");
        EXPECT_EQ(form.MaxVlanId->Caption(), "4094");
    });
    EXPECT_EQ(VLanGeneralInfoForm, nullptr);
}

class VLanPortInfomationFormTest : public DedicatedDialogTest {
protected:
    void Open(const std::function<void(TVLanPortInfomationForm&)>& driver) {
        OpenWhenIdle<TVLanPortInfomationForm>(
            "PortsInfo1Click", [](TVLanPortInfomationForm& form) -> DialogTable& { return form.PortTable; }, driver);
    }
    static bool WaitIdle(TVLanPortInfomationForm& form) { return DedicatedDialogTest::WaitIdle(form.PortTable); }
};

TEST_F(VLanPortInfomationFormTest, SetWritesThePortsSettingsAndSelectsThePortAgainAfterTheReread) {
    ui::MessageBoxRecorder boxes;
    Open([&](TVLanPortInfomationForm& form) {
        EXPECT_EQ(form.Caption(), "802.1Q Port Information Table: 127.0.0.1");
        ASSERT_EQ(form.LV_dot1qPortVlanEntry->Items().Count(), 3);
        EXPECT_EQ(form.ST_Count->Caption(), "3");
        EXPECT_EQ(form.LV_dot1qPortVlanEntry->Items()[1]->Caption(), "2");
        // Until a port is selected the editors are disabled.
        EXPECT_FALSE(form.PortVLanID->Enabled());
        EXPECT_EQ(form.PortVLanID->Text(), "");
        form.LV_dot1qPortVlanEntry->SetItemIndex(1);
        EXPECT_TRUE(form.PortVLanID->Enabled());
        form.PortVLanID->SetText("20");
        form.AcceptableFrameTypes->SetItemIndex(1);
        form.IngressFiltering->SetItemIndex(0);
        form.GvrpStatus->SetItemIndex(1);
        EXPECT_TRUE(UserClick(form.SetBtn));
        ASSERT_TRUE(RunUntil([&] { return form.PortTable.Request()->Reading(); }));
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(PortEntry + ".1.2=GAUGE:20", PortEntry + ".2.2=INTEGER:2",
                                                   PortEntry + ".3.2=INTEGER:1", PortEntry + ".4.2=INTEGER:2"));
        // The list is read again once, and port 2 is the selected row, shown in the editors.
        ASSERT_EQ(form.LV_dot1qPortVlanEntry->Items().Count(), 3);
        ASSERT_NE(form.LV_dot1qPortVlanEntry->Selected(), nullptr);
        EXPECT_EQ(form.LV_dot1qPortVlanEntry->Selected()->Caption(), "2");
        EXPECT_EQ(form.LV_dot1qPortVlanEntry->Selected()->SubItems()[0], "20");
        EXPECT_EQ(form.PortVLanID->Text(), "20");
        EXPECT_TRUE(form.PortVLanID->Enabled());
        EXPECT_EQ(form.AcceptableFrameTypes->Text(), "admitOnlyVLANTagged");
        // Another port is written at its own instance.
        form.LV_dot1qPortVlanEntry->SetItemIndex(0);
        form.PortVLanID->SetText("30");
        MarkLog();
        EXPECT_TRUE(UserClick(form.SetBtn));
        ASSERT_TRUE(RunUntil([&] { return form.PortTable.Request()->Reading(); }));
        ASSERT_TRUE(WaitIdle(form));
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_EQ(Varbinds(Pdus("SET")[0])[0], PortEntry + ".1.1=GAUGE:30");
        EXPECT_EQ(form.LV_dot1qPortVlanEntry->Selected()->Caption(), "1");
    });
}

TEST_F(VLanPortInfomationFormTest, RefreshAndSetDuringAWalkAreRefused) {
    ui::MessageBoxRecorder boxes;
    Open([&](TVLanPortInfomationForm& form) {
        form.LV_dot1qPortVlanEntry->SetItemIndex(0);
        ASSERT_TRUE(
            HoldWalkAfterFirstRow(form.PortTable, *form.LV_dot1qPortVlanEntry, form.RefreshBtn, PortEntry + ".1.1"));
        MarkLog();
        form.LV_dot1qPortVlanEntry->SetItemIndex(0);
        EXPECT_TRUE(UserClick(form.RefreshBtn));
        EXPECT_TRUE(UserClick(form.SetBtn));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Refresh Not Complete", "Refresh Not Complete"}));
        EXPECT_TRUE(NothingSent("SET"));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_EQ(form.LV_dot1qPortVlanEntry->Items().Count(), 3);
        EXPECT_EQ(form.ST_Count->Caption(), "3");
    });
}

}  // namespace
