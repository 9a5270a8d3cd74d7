// The trusted hosts against the simulator, opened through their menu command: the add form's address checks in
// their order (the first group 224 and above refused, 223 accepted), the mask required when ticked, the address
// sent as typed with its box clear, and Delete.
#include "DedicatedDialogFixture.h"
#include "Hosttableformeditunit.h"
#include "Hosttableformunit.h"

#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string Entry = "1.3.6.1.4.1.32473.12.1.2.10.1.1";

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class HostTableFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1 2");
    }
    void Open(const std::function<void(THostTableForm&)>& driver) {
        OpenWhenIdle<THostTableForm>(
            "TrustHostTable1Click", [](THostTableForm& form) -> const DialogTable& { return form.Hosts; }, driver);
    }
    // Add, with addForm driving the add form while it is shown; then waits for the table's read.
    static void Add(THostTableForm& form, const std::function<void(THostTableEditForm&)>& addForm) {
        bool shown = false;
        ui::TestHooks::RunInNextModal([&](ui::Form&) {
            shown = true;
            addForm(*form.EditForm);
            if (form.EditForm->ModalResult() == ui::mrNone) form.EditForm->CloseButton->Click();
        });
        ASSERT_TRUE(UserClick(form.AddButton));
        EXPECT_TRUE(shown);
        ASSERT_TRUE(WaitIdle(form.Hosts));
    }
};

TEST_F(HostTableFormTest, TheAddressChecksRunInTheirOrderWithTheIpBoxTicked) {
    struct Case {
        const char* ip;
        const char* message;
    };
    const Case refused[] = {
        {"", "IP Address can't be empty"},
        {"0.0.0.0", "you can't input this ip address"},
        {"255.255.255.255", "you can't input this ip address"},
        {"127.0.0.1", "you can't input ip address like 127.*.*.*"},
        {"1271.1.1.1", "you can't input ip address like 127.*.*.*"},
        {"10", "Please input a valid ip"},
        {"a.1.1.1", "Please input a valid ip"},
        {"224.0.0.1", "Please input a valid ip"},
        {"247.0.0.1", "Please input a valid ip"},
        {"255.1.1.1", "Please input a valid ip"},
        {"10..1.1", "Please input a valid IP"},
        {"10.1.1.300", "Please input a valid ip"},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](THostTableForm& form) {
        EXPECT_EQ(form.Caption(), "Trusted Host Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        Add(form, [&](THostTableEditForm& add) {
            EXPECT_EQ(add.Caption(), "Trusted Host Table: 127.0.0.1 (Add)");
            EXPECT_EQ(add.StatusComboBox->Text(), "createAndGo");
            EXPECT_FALSE(add.StatusComboBox->Enabled());
            EXPECT_TRUE(add.IndexCBox->Checked());
            EXPECT_FALSE(add.IPCBox->Checked());
            ASSERT_TRUE(TypeText(add.IndexEdit, "5"));
            add.IPCBox->SetChecked(true);
            for (const Case& c : refused) {
                SCOPED_TRACE(c.ip);
                boxes.Clear();
                add.IpEdit->SetText(c.ip);
                ASSERT_TRUE(UserClick(add.SetButton));
                EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
                EXPECT_EQ(add.ModalResult(), ui::mrNone);  // stays open
            }
            EXPECT_TRUE(NothingSent("SET"));
            boxes.Clear();
            add.IpEdit->SetText("223.1.1.1");
            ASSERT_TRUE(UserClick(add.SetButton));
            EXPECT_NE(add.ModalResult(), ui::mrNone);  // closes
        });
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]),
                    ElementsAre(Cell(2, "5") + "=IPADDRESS:223.1.1.1", Cell(3, "5") + "=INTEGER:4"));
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
    });
}

// A ticked mask box needs a mask and sends it; a clear IP box sends the address unchecked.
TEST_F(HostTableFormTest, ATickedMaskIsRequiredAndAClearIpBoxSkipsTheChecks) {
    ui::MessageBoxRecorder boxes;
    Open([&](THostTableForm& form) {
        Add(form, [&](THostTableEditForm& add) {
            add.IndexEdit->SetText("7");
            add.IpEdit->SetText("127.0.0.9");
            add.IPnetCBox->SetChecked(true);
            ASSERT_TRUE(UserClick(add.SetButton));
            EXPECT_EQ(BoxTexts(boxes),
                      std::vector<std::string>{"you have choosed the Trust Host IP Subnet Mask,it can't be empty"});
            EXPECT_TRUE(NothingSent("SET"));
            add.IPSubnetEdit->SetText("255.255.255.0");
            ASSERT_TRUE(UserClick(add.SetButton));
        });
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]),
                    ElementsAre(Cell(2, "7") + "=IPADDRESS:127.0.0.9", Cell(3, "7") + "=INTEGER:4",
                                Cell(4, "7") + "=IPADDRESS:255.255.255.0"));
        EXPECT_TRUE(NoInvalidBits(form.Hosts));
        // The next Add starts with the mask box clear again.
        Add(form, [&](THostTableEditForm& add) {
            EXPECT_FALSE(add.IPnetCBox->Checked());
            EXPECT_EQ(add.IPSubnetEdit->Text(), "");
            EXPECT_EQ(add.IndexEdit->Text(), "");
        });
    });
}

TEST_F(HostTableFormTest, DeleteNeedsARowAndSendsDestroyAlone) {
    ui::MessageBoxRecorder boxes;
    Open([&](THostTableForm& form) {
        EXPECT_FALSE(form.DeleteButton->Enabled());
        form.DeleteButton->Click();  // the handler's own guard
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Choose the item first."});
        EXPECT_TRUE(NothingSent("SET"));
        boxes.Clear();
        form.ListView1->SetItemIndex(1);
        EXPECT_TRUE(form.AddButton->Enabled());
        ASSERT_TRUE(UserClick(form.DeleteButton));
        ASSERT_TRUE(WaitIdle(form.Hosts));
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(Cell(3, "2") + "=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_EQ(form.StaticText1->Caption(), "1");
        EXPECT_FALSE(form.DeleteButton->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.Hosts));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
