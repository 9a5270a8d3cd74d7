// The DHCP server pool dialog and its add/edit form against the simulator: an add sends the name and createAndGo
// only, an edit the ticked columns only, the lease limits of the edit formats, Delete and closing during a walk.
#include "Dhcppooleditunit.h"
#include "Dhcppoolunit.h"
#include "IpSystemDialogTest.h"

#include "DeviceWindow.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr const char* Handler = "DHCPServerPoolTable1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.38.3.2.1.1";

class DhcpPoolFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        window.Address = "127.0.0.1";
        SetDeviceWindow(&window);
        SeedRows(Entry, TextInstance("lab") + " " + TextInstance("office"));
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
    }
    void Open(const std::function<void(TDHCPPoolForm&)>& driver) {
        OpenWhenWalked<TDHCPPoolForm>(
            Handler, [](TDHCPPoolForm& form) -> DialogTable& { return form.PoolTable; }, driver);
    }
    static void RunEditForm(ui::Button* opener, const std::function<void(TDHCPPoolEdtForm&)>& fill) {
        bool shown = false;
        OnNextModal<TDHCPPoolEdtForm>(shown, [&](TDHCPPoolEdtForm& edit) {
            fill(edit);
            UserClick(edit.btnSet);
        });
        ASSERT_TRUE(UserClick(opener));
        EXPECT_TRUE(shown);
    }

    DeviceWindowValues window;
};

TEST_F(DhcpPoolFormTest, AnAddShowsTheNameAloneAndSendsOnlyCreateAndGo) {
    ui::MessageBoxRecorder boxes;
    Open([&](TDHCPPoolForm& form) {
        EXPECT_EQ(form.Caption(), "DHCP Management Pool Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        RunEditForm(form.btnAdd, [&](TDHCPPoolEdtForm& edit) {
            EXPECT_EQ(edit.Caption(), "DHCP Pool Table: 127.0.0.1 (Add)");
            EXPECT_EQ(edit.btnSet->Caption(), "Add");
            EXPECT_TRUE(edit.edtName->Visible());
            EXPECT_FALSE(edit.edtAddress->Visible());
            EXPECT_FALSE(edit.cbxServer->Visible());
            EXPECT_LT(edit.btnSet->Top(), edit.edtAddress->Top() + 30);
            TypeText(edit.edtName, "guests");
        });
        ASSERT_TRUE(WaitWalk(form.PoolTable));
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Entry), ElementsAre("12." + TextInstance("guests") + "=INTEGER:4"));
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        // Status lines reach panel 0.
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
    });
}

TEST_F(DhcpPoolFormTest, AnEditSendsTheTickedColumnsOnly) {
    struct Case {
        const char* Name;
        std::function<void(TDHCPPoolEdtForm&)> Tick;
        std::vector<std::string> Varbinds;  // after the column number and instance
    };
    const std::string key = TextInstance("lab");
    const Case cases[] = {
        {"none ticked", [](TDHCPPoolEdtForm&) {}, {}},
        {"the lease hour",
         [](TDHCPPoolEdtForm& edit) {
             edit.edtHour->SetText("");
             TypeText(edit.edtHour, "23");
             edit.cbxHour->SetChecked(true);
         },
         {"8." + key + "=INTEGER:23"}},
        {"the domain and the next server",
         [](TDHCPPoolEdtForm& edit) {
             edit.edtDomain->SetText("example.net");
             edit.cbxDomain->SetChecked(true);
             edit.edtServer->SetText("10.0.0.9");
             edit.cbxServer->SetChecked(true);
         },
         {"4." + key + "=STRING:\"example.net\"", "11." + key + "=IPADDRESS:10.0.0.9"}},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TDHCPPoolForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Name);
            MarkLog();
            form.ListView1->SetItemIndex(0);
            EXPECT_FALSE(form.btnAdd->Enabled());
            RunEditForm(form.btnEdit, [&](TDHCPPoolEdtForm& edit) {
                EXPECT_EQ(edit.Caption(), "DHCP Pool Table: 127.0.0.1 (Edit)");
                EXPECT_EQ(edit.btnSet->Caption(), "Edit");
                EXPECT_EQ(edit.edtName->Text(), "lab");
                EXPECT_FALSE(edit.edtName->Enabled());
                EXPECT_TRUE(edit.edtServer->Visible());
                EXPECT_FALSE(edit.cbxAddress->Checked());
                c.Tick(edit);
            });
            ASSERT_TRUE(WaitWalk(form.PoolTable));
            EXPECT_THAT(BoxTexts(boxes), IsEmpty());
            const std::vector<std::string> sets = Pdus("SET");
            if (c.Varbinds.empty()) {
                EXPECT_THAT(sets, IsEmpty());
            } else {
                ASSERT_EQ(sets.size(), 1u);
                EXPECT_EQ(ColumnVarbinds(sets[0], Entry), c.Varbinds);
            }
            EXPECT_TRUE(NoInvalidBits(form.PoolTable));
            EXPECT_FALSE(form.btnEdit->Enabled());
        }
    });
}

TEST_F(DhcpPoolFormTest, LeaseHoursAndMinutesBeyondTheirLimitsAreRefused) {
    ui::MessageBoxRecorder boxes;
    Open([&](TDHCPPoolForm& form) {
        for (auto [hour, minute] : {std::pair{"24", "0"}, std::pair{"0", "60"}}) {
            SCOPED_TRACE(std::string(hour) + ":" + minute);
            boxes.Clear();
            MarkLog();
            form.ListView1->SetItemIndex(0);
            RunEditForm(form.btnEdit, [&](TDHCPPoolEdtForm& edit) {
                edit.edtHour->SetText("");
                edit.edtMinute->SetText("");
                TypeText(edit.edtHour, hour);
                TypeText(edit.edtMinute, minute);
                edit.cbxHour->SetChecked(true);
                edit.cbxMinute->SetChecked(true);
            });
            EXPECT_EQ(boxes.Calls().size(), 1u);
            EXPECT_TRUE(NothingSent("SET"));
            EXPECT_TRUE(NoInvalidBits(form.PoolTable));
        }
    });
}

TEST_F(DhcpPoolFormTest, DeleteDestroysTheSelectedPoolAndCountsDown) {
    ui::MessageBoxRecorder boxes;
    Open([&](TDHCPPoolForm& form) {
        for (int left = 1; left >= 0; --left) {
            MarkLog();
            form.ListView1->SetItemIndex(0);
            const std::string name = form.ListView1->Items()[0]->Caption();
            ASSERT_TRUE(UserClick(form.btnDel));
            ASSERT_TRUE(WaitWalk(form.PoolTable));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(ColumnVarbinds(sets[0], Entry), ElementsAre("12." + TextInstance(name) + "=INTEGER:6"));
            EXPECT_EQ(form.StaticText1->Caption(), std::to_string(left));
            EXPECT_FALSE(form.btnDel->Enabled());
        }
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
    });
}

TEST_F(DhcpPoolFormTest, ClosingAndAddAreRefusedWhileAWalkRuns) {
    ui::MessageBoxRecorder boxes;
    Open([&](TDHCPPoolForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.PoolTable, *form.ListView1, form.btnRefresh,
                                          Entry + ".2." + TextInstance("lab")));
        ASSERT_TRUE(UserClick(form.btnAdd));
        form.Close();
        Then([&] {
            EXPECT_THAT(BoxTexts(boxes), ElementsAre(GetDataNotCompleteText, GetDataNotCompleteText));
            EXPECT_TRUE(form.Visible());
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(form.PoolTable));
            EXPECT_EQ(form.ListView1->Items().Count(), 2);
        });
    });
}

}  // namespace
