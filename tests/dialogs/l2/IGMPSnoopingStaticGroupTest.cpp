// The IGMP snooping static group table against the simulator: the group address check with its two messages, what
// Add, Set and Delete send for the keys the edits hold, the member lists of 8 and 96 octets, and the close query.
#include "DedicatedDialogFixture.h"
#include "IGMPSnoopingStaticGroupUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

constexpr const char* Handler = "StaticGroupGroup1Click";
constexpr const char* Entry = "1.3.6.1.4.1.32473.11.70.7.2.11.16.1";
const std::string MemberPorts = std::string(Entry) + ".3.";
const std::string RowStatus = std::string(Entry) + ".4.";

class IGMPSnoopingStaticGroupTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1.225.1.1.1 2.225.1.1.2");
    }
    void Open(const std::function<void(TIGMPSnoopingStaticGroupForm&)>& driver) {
        OpenWhenWalked<TIGMPSnoopingStaticGroupForm>(
            Handler, [](TIGMPSnoopingStaticGroupForm& form) -> const DialogTable& { return form.StaticGroupTable; },
            driver);
    }
    static void TypeKeys(TIGMPSnoopingStaticGroupForm& form, const std::string& vlan, const std::string& group) {
        form.VlanIDEdit->SetText("");
        form.RepalceIPEdit->SetText("");
        if (!vlan.empty()) TypeText(form.VlanIDEdit, vlan);
        if (!group.empty()) TypeText(form.RepalceIPEdit, group);
    }
};

TEST_F(IGMPSnoopingStaticGroupTest, OpensWithItsRowsAndKeepsTheKeyEditsEditableOnARow) {
    Open([&](TIGMPSnoopingStaticGroupForm& form) {
        EXPECT_EQ(form.Caption(), "IGMP Snooping Static Group Table: 127.0.0.1");
        EXPECT_EQ(IGMPSnoopingStaticGroupForm, &form);
        ASSERT_EQ(form.LV_IGMPStaticGroupEntry->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_EQ(form.LV_IGMPStaticGroupEntry->Items()[1]->SubItems()[0], "225.1.1.2");
        ASSERT_EQ(form.PageControl1->PageCount(), 1);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Member Ports");
        EXPECT_FALSE(form.CBoxStatus->Visible());
        EXPECT_TRUE(form.btnAdd->Enabled());
        EXPECT_FALSE(form.btnSet->Enabled());
        form.LV_IGMPStaticGroupEntry->SetItemIndex(1);
        EXPECT_EQ(form.VlanIDEdit->Text(), "2");
        EXPECT_EQ(form.RepalceIPEdit->Text(), "225.1.1.2");
        EXPECT_TRUE(form.VlanIDEdit->Enabled());
        EXPECT_TRUE(form.RepalceIPEdit->Enabled());
        EXPECT_TRUE(form.btnSet->Enabled());
        EXPECT_TRUE(form.btnDelete->Enabled());
        EXPECT_FALSE(form.btnAdd->Enabled());
    });
}

TEST_F(IGMPSnoopingStaticGroupTest, AddRefusesMissingKeysAndMalformedGroupAddressesBeforeAnySet) {
    struct Case {
        const char* vlan;
        const char* group;
        std::vector<std::string> messages;
    };
    const std::vector<std::string> invalid = {"Please input a valid IP", "IP Address in not valid."};
    const Case cases[] = {
        {"", "225.1.1.1", {"Multicast VLAN ID need to input."}},
        {"10", "", {"Multicast Group IP Address need to input."}},
        {"10", "225.1.1", invalid},
        {"10", "225..1.1", invalid},
        {"10", ".225.1.1", invalid},
        {"10", "225.1.1.1.", invalid},
        {"10", "225.1.1.256", invalid},
        {"10", "225.00.1.1", invalid},
        {"10", "2251.1.1.1", invalid},
        {"10", "225.1.1.1x", invalid},
        {"10", "225.1.1.2551", invalid},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TIGMPSnoopingStaticGroupForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.vlan) + " " + c.group);
            boxes.Clear();
            TypeKeys(form, c.vlan, c.group);
            ASSERT_TRUE(UserClick(form.btnAdd));
            EXPECT_EQ(BoxTexts(boxes), c.messages);
            EXPECT_TRUE(NothingSent());
        }
    });
}

TEST_F(IGMPSnoopingStaticGroupTest, AddSendsTheMemberListAndCreateAndGoForAnyDottedAddress) {
    struct Case {
        const char* vlan;
        const char* group;
        bool portTicked;  // port 3, else none
        const char* instance;
    };
    const Case cases[] = {{"10", "225.1.1.1", false, "10.225.1.1.1"},
                          {"11", "225.0.0.0", true, "11.225.0.0.0"},
                          {"12", "225.01.1.1", false, "12.225.1.1.1"},
                          {"13", "10.1.1.1", false, "13.10.1.1.1"}};
    ui::MessageBoxRecorder boxes;
    Open([&](TIGMPSnoopingStaticGroupForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.group);
            MarkLog();
            TypeKeys(form, c.vlan, c.group);
            form.MemberPorts->PortCheckBoxes[2]->SetChecked(c.portTicked);
            ASSERT_TRUE(UserClick(form.btnAdd));
            ASSERT_TRUE(WaitWalk(form.StaticGroupTable));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            const std::string ports = c.portTicked ? "2000000000000000" : "0000000000000000";
            EXPECT_THAT(Varbinds(sets[0]),
                        ElementsAre(MemberPorts + c.instance + "=HEX:" + ports, RowStatus + c.instance + "=INTEGER:4"));
            EXPECT_EQ(form.VlanIDEdit->Text(), "");
        }
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(form.LV_IGMPStaticGroupEntry->Items().Count(), 6);
    });
}

TEST_F(IGMPSnoopingStaticGroupTest, SetSendsMembersWithActiveAndDeleteSendsDestroyAloneEvenWhenRefused) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIGMPSnoopingStaticGroupForm& form) {
        form.LV_IGMPStaticGroupEntry->SetItemIndex(0);
        form.MemberPorts->PortCheckBoxes[5]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(WaitWalk(form.StaticGroupTable));
        std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]),
                    ElementsAre(MemberPorts + "1.225.1.1.1=HEX:8400000000000000", RowStatus + "1.225.1.1.1=INTEGER:1"));
        EXPECT_FALSE(form.btnSet->Enabled());

        // A refused destroy: reported, the member column back at readwrite, the table read again.
        MarkLog();
        ASSERT_EQ(Control(std::string("error ") + Entry + " genErr 1"), "ok");
        form.LV_IGMPStaticGroupEntry->SetItemIndex(1);
        ASSERT_TRUE(UserClick(form.btnDelete));
        ASSERT_TRUE(WaitWalk(form.StaticGroupTable));
        EXPECT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(form.StaticGroupTable.Vars().GetVar(2)->Access, readwrite);
        EXPECT_EQ(form.LV_IGMPStaticGroupEntry->Items().Count(), 2);

        MarkLog();
        form.LV_IGMPStaticGroupEntry->SetItemIndex(1);
        ASSERT_TRUE(UserClick(form.btnDelete));
        ASSERT_TRUE(WaitWalk(form.StaticGroupTable));
        sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(RowStatus + "2.225.1.1.2=INTEGER:6"));
        EXPECT_EQ(form.LV_IGMPStaticGroupEntry->Items().Count(), 1);
        EXPECT_EQ(form.StaticGroupTable.Vars().GetVar(2)->Access, readwrite);
    });
}

TEST_F(IGMPSnoopingStaticGroupTest, AStackedSwitchGetsAMemberListOf96Octets) {
    StackStateScope stack("enabled", {{"1", "1", "QSW-2126P", "exist"}, {"2", "65", "QSW-2150", "exist"}});
    Open([&](TIGMPSnoopingStaticGroupForm& form) {
        TypeKeys(form, "20", "226.1.1.1");
        ASSERT_TRUE(UserClick(form.btnAdd));
        ASSERT_TRUE(WaitWalk(form.StaticGroupTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0])[0], MemberPorts + "20.226.1.1.1=HEX:" + std::string(192, '0'));
    });
}

TEST_F(IGMPSnoopingStaticGroupTest, ClosingWhileAWalkRunsIsRefused) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIGMPSnoopingStaticGroupForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.StaticGroupTable, *form.LV_IGMPStaticGroupEntry, form.btnGet,
                                          MemberPorts + "1.225.1.1.1"));
        TypeKeys(form, "30", "225.3.3.3");
        EXPECT_TRUE(UserClick(form.btnAdd));
        form.btnClose->Click();
        Then([&] {
            EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete", "Get data not complete"}));
            EXPECT_TRUE(form.Visible());
            EXPECT_TRUE(Pdus("SET").empty());
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(form.StaticGroupTable));
            form.btnClose->Click();
        });
    });
}

}  // namespace
