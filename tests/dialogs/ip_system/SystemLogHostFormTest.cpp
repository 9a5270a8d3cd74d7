// The system log server dialog and its add/edit form against the simulator: the port, address and createAndGo
// checks of an add, an address used once on Add and Edit, empty fields and an edit's 0.0.0.0 left out, Delete.
#include "IpSystemDialogTest.h"
#include "Loghosteditunit.h"
#include "Systemloghostunit.h"

#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* Handler = "SystemLogServerTable1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.12.2.1";
constexpr const char* PortMessage = "The range of UDP Port for syslog is 514 or 6000-65535.";

struct Server {
    const char* Index;  // null: none chosen
    std::string Port, Address;
    const char* RowStatus;
};

class SystemLogHostFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1 2");
        ASSERT_EQ(Control("set-rw " + Entry + ".2.1 ip 10.0.0.1"), "ok");
        ASSERT_EQ(Control("set-rw " + Entry + ".2.2 ip 10.0.0.2"), "ok");
        for (const char* index : {"1", "2"}) ASSERT_EQ(Control("set-rw " + Entry + ".5." + index + " int 514"), "ok");
    }
    void Open(const std::function<void(TSystemLogHostForm&)>& driver) {
        OpenWhenIdle<TSystemLogHostForm>(
            Handler, [](TSystemLogHostForm& form) -> DialogTable& { return form.ServerTable; }, driver);
    }
    static void RunEditForm(ui::Button* opener, const std::function<void(TLogHostEditForm&)>& fill) {
        bool shown = false;
        OnNextModal<TLogHostEditForm>(shown, [&](TLogHostEditForm& edit) {
            fill(edit);
            UserClick(edit.SetButton);
        });
        ASSERT_TRUE(UserClick(opener));
        EXPECT_TRUE(shown);
    }
    static void Fill(TLogHostEditForm& edit, const Server& server) {
        if (server.Index) ChooseItem(edit.cbxIndex, server.Index);
        TypeText(edit.PortEdit, server.Port);
        TypeText(edit.IPAddrEdit, server.Address);
        if (server.RowStatus) ChooseItem(edit.RowComboBox, server.RowStatus);
    }
};

TEST_F(SystemLogHostFormTest, AddChecksTheIndexPortAddressAndRowStatus) {
    struct Case {
        Server Typed;
        const char* Message;
    };
    const char* index3 = "swSysLogServerIndex-3";
    const Case cases[] = {
        {{nullptr, "", "10.0.0.9", "createAndGo"}, "Index is needed."},
        {{index3, "513", "10.0.0.9", "createAndGo"}, PortMessage},
        {{index3, "515", "10.0.0.9", "createAndGo"}, PortMessage},
        {{index3, "5999", "10.0.0.9", "createAndGo"}, PortMessage},
        {{index3, "65536", "10.0.0.9", "createAndGo"}, PortMessage},
        {{index3, "", "", "createAndGo"}, "IP Address should be set."},
        {{index3, "", "127.0.0.1", "createAndGo"}, "IP Address in not valid."},
        {{index3, "", "255.255.255.255", "createAndGo"}, "IP Address in not valid."},
        {{index3, "", "10.0.0.2", "createAndGo"}, "IP Address must be different."},
        {{index3, "", "10.0.0.9", nullptr}, "State should be createAndGo."},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TSystemLogHostForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Message);
            boxes.Clear();
            RunEditForm(form.AddButton, [&](TLogHostEditForm& edit) {
                EXPECT_EQ(edit.Caption(), "System Log Server Table: 127.0.0.1 (Add)");
                EXPECT_EQ(edit.RowComboBox->Text(), "active");
                Fill(edit, c.Typed);
            });
            EXPECT_THAT(BoxTexts(boxes), ElementsAre(c.Message));
            EXPECT_TRUE(NothingSent("SET"));
        }
    });
}

TEST_F(SystemLogHostFormTest, AnAddSendsCreateAndGoWithTheFieldsGivenAndAcceptsTheSyslogPorts) {
    struct Case {
        Server Typed;
        std::vector<std::string> Varbinds;
    };
    const Case cases[] = {
        {{"swSysLogServerIndex-3", "", "0.0.0.0", "createAndGo"},
         {"2.3=IPADDRESS:0.0.0.0", "3.3=INTEGER:0", "4.3=INTEGER:1", "6.3=INTEGER:2", "7.3=INTEGER:4"}},
        {{"swSysLogServerIndex-4", "514", "10.0.0.4", "createAndGo"},
         {"2.4=IPADDRESS:10.0.0.4", "3.4=INTEGER:0", "4.4=INTEGER:1", "5.4=INTEGER:514", "6.4=INTEGER:2",
          "7.4=INTEGER:4"}},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TSystemLogHostForm& form) {
        int rows = 2;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Typed.Index);
            MarkLog();
            RunEditForm(form.AddButton, [&](TLogHostEditForm& edit) { Fill(edit, c.Typed); });
            ASSERT_TRUE(WaitIdle(form.ServerTable));
            EXPECT_THAT(BoxTexts(boxes), IsEmpty());
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(ColumnVarbinds(sets[0], Entry), c.Varbinds);
            EXPECT_EQ(form.ListView1->Items().Count(), ++rows);
        }
        // The other two ports at the range's ends pass the check too.
        for (const char* port : {"6000", "65535"}) {
            SCOPED_TRACE(port);
            boxes.Clear();
            MarkLog();
            RunEditForm(form.AddButton, [&](TLogHostEditForm& edit) {
                Fill(edit, {"swSysLogServerIndex-1", port, "10.0.0.7", "createAndGo"});
            });
            ASSERT_TRUE(WaitIdle(form.ServerTable));
            // Index 1 exists: the switch refuses the create, and says so.
            EXPECT_EQ(Pdus("SET").size(), 1u);
            EXPECT_EQ(boxes.Calls().size(), 1u);
        }
    });
}

TEST_F(SystemLogHostFormTest, AnEditKeepsItsOwnAddressButNotAnothersAndNeverWritesZeros) {
    ui::MessageBoxRecorder boxes;
    Open([&](TSystemLogHostForm& form) {
        form.ListView1->SetItemIndex(0);
        RunEditForm(form.EditButton, [&](TLogHostEditForm& edit) {
            EXPECT_EQ(edit.Caption(), "System Log Server Table: 127.0.0.1 (Edit)");
            EXPECT_FALSE(edit.cbxIndex->Enabled());
            EXPECT_FALSE(edit.RowComboBox->Enabled());
            EXPECT_EQ(edit.IPAddrEdit->Text(), "10.0.0.1");
            edit.IPAddrEdit->SetText("10.0.0.2");
        });
        EXPECT_THAT(BoxTexts(boxes), ElementsAre("IP Address must be different."));
        EXPECT_TRUE(NothingSent("SET"));

        for (const char* address : {"10.0.0.1", "0.0.0.0"}) {
            SCOPED_TRACE(address);
            boxes.Clear();
            MarkLog();
            form.ListView1->SetItemIndex(0);
            RunEditForm(form.EditButton, [&](TLogHostEditForm& edit) {
                edit.IPAddrEdit->SetText(address);
                edit.PortEdit->SetText("");
                TypeText(edit.PortEdit, "6000");
            });
            ASSERT_TRUE(WaitIdle(form.ServerTable));
            EXPECT_THAT(BoxTexts(boxes), IsEmpty());
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            const std::vector<std::string> varbinds = ColumnVarbinds(sets[0], Entry);
            EXPECT_THAT(varbinds, ::testing::Contains("5.1=INTEGER:6000"));
            EXPECT_EQ(std::count(varbinds.begin(), varbinds.end(), "2.1=IPADDRESS:10.0.0.1"),
                      std::string(address) == "10.0.0.1" ? 1 : 0);
            for (const std::string& varbind : varbinds) {
                EXPECT_NE(varbind.rfind("7.", 0), 0u) << varbind;  // no Row Status
                EXPECT_NE(varbind, "2.1=IPADDRESS:0.0.0.0");
            }
        }
    });
}

TEST_F(SystemLogHostFormTest, DeleteDestroysTheSelectedServerAlone) {
    ui::MessageBoxRecorder boxes;
    Open([&](TSystemLogHostForm& form) {
        form.ListView1->SetItemIndex(1);
        ASSERT_TRUE(UserClick(form.DeleteButton));
        ASSERT_TRUE(WaitIdle(form.ServerTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Entry), ElementsAre("7.2=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_EQ(form.StaticText1->Caption(), "1");
        EXPECT_FALSE(form.DeleteButton->Enabled());
        EXPECT_FALSE(form.EditButton->Enabled());
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
    });
}

}  // namespace
