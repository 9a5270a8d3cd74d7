// The authentication server table against the simulator, opened through its menu command: the two-key rows, the
// duplicate pair, the optional columns left out when empty, Edit, the destroy roads, and the locked keys.
#include "DedicatedDialogFixture.h"
#include "Serverinfounit.h"

#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::string Entry = "1.3.6.1.4.1.32473.12.5.10.1";

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class ServerInformationFormTest : public DedicatedDialogTest {
protected:
    // 10.0.0.1 with tacacs and with radius.
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "10.0.0.1.1 10.0.0.1.4");
    }
    void Open(const std::function<void(TServerInformationForm&)>& driver) {
        RunCommand<TServerInformationForm>("ServerInformation1Click", driver);
    }
    static void Select(TServerInformationForm& form, int row) { form.ListView1->SetItemIndex(row); }
    std::vector<std::string> OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::vector<std::string>() : Varbinds(sets[0]);
    }
};

TEST_F(ServerInformationFormTest, OpensWithTheServersAndLocksTheKeysOfASelectedRow) {
    Open([&](TServerInformationForm& form) {
        EXPECT_EQ(form.Caption(), "Server Information: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.Static->Caption(), "2");
        EXPECT_EQ(form.ListView1->Items()[1]->Caption(), "10.0.0.1");
        EXPECT_EQ(form.ListView1->Items()[1]->SubItems()[0], "radius");
        EXPECT_EQ(form.RowComboBox->Text(), "createAndGo");
        EXPECT_FALSE(form.EditButton->Enabled());
        Select(form, 1);
        EXPECT_EQ(form.IPEdit->Text(), "10.0.0.1");
        EXPECT_EQ(form.ProtocolComboBox->Text(), "radius");
        EXPECT_FALSE(form.IPEdit->Enabled());
        EXPECT_FALSE(form.ProtocolComboBox->Enabled());
        EXPECT_FALSE(form.AddButton->Enabled());
        EXPECT_TRUE(form.DeleteButton->Enabled());
        form.ListView1->ClearSelection();
        EXPECT_EQ(form.IPEdit->Text(), "");
        EXPECT_EQ(form.PortEdit->Text(), "");
        EXPECT_TRUE(form.IPEdit->Enabled());
        EXPECT_TRUE(form.ProtocolComboBox->Enabled());
        EXPECT_TRUE(form.AddButton->Enabled());
    });
}

TEST_F(ServerInformationFormTest, AddChecksItsFieldsAndRefusesAListedAddressAndProtocol) {
    ui::MessageBoxRecorder boxes;
    Open([&](TServerInformationForm& form) {
        ASSERT_TRUE(UserClick(form.AddButton));
        ASSERT_TRUE(TypeText(form.IPEdit, "10.0.0.1"));
        ASSERT_TRUE(UserClick(form.AddButton));
        ChooseItem(form.ProtocolComboBox, "radius");
        ASSERT_TRUE(UserClick(form.AddButton));
        ChooseItem(form.ProtocolComboBox, "xtacacs");
        ChooseItem(form.RowComboBox, "active");
        ASSERT_TRUE(UserClick(form.AddButton));
        EXPECT_EQ(BoxTexts(boxes),
                  (std::vector<std::string>{"Server IP must be set.", "Protocol must be set.",
                                            "Has already a record with the same Server IP and Protocol. Please "
                                            "Change Server IP or Protocol.",
                                            "Row State must be createAndGo."}));
        EXPECT_TRUE(NothingSent("SET"));
    });
}

// A new server with the same address and another protocol: each empty optional field is left out.
TEST_F(ServerInformationFormTest, AddLeavesOutTheEmptyOptionalColumns) {
    struct Case {
        const char* port;
        const char* key;
        const char* timeout;
        const char* retry;
        std::vector<std::string> sent;
    };
    const std::string row = "10.0.0.1.2";
    const Case cases[] = {
        {"", "", "", "", {Cell(7, row) + "=INTEGER:4"}},
        {"49", "", "5", "", {Cell(3, row) + "=INTEGER:49", Cell(5, row) + "=INTEGER:5", Cell(7, row) + "=INTEGER:4"}},
        {"1812",
         "s3cret",
         "10",
         "3",
         {Cell(3, row) + "=INTEGER:1812", Cell(4, row) + "=STRING:\"s3cret\"", Cell(5, row) + "=INTEGER:10",
          Cell(6, row) + "=INTEGER:3", Cell(7, row) + "=INTEGER:4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        SeedRows(Entry, "10.0.0.1.1 10.0.0.1.4");
        ui::MessageBoxRecorder boxes;
        Open([&](TServerInformationForm& form) {
            form.IPEdit->SetText("10.0.0.1");
            ChooseItem(form.ProtocolComboBox, "xtacacs");
            form.PortEdit->SetText(c.port);
            form.KeyEdit->SetText(c.key);
            form.TimeoutEdit->SetText(c.timeout);
            form.RetryCEdit->SetText(c.retry);
            ASSERT_TRUE(UserClick(form.AddButton));
            EXPECT_THAT(OneSet(), ElementsAreArray(c.sent));
            EXPECT_TRUE(NoInvalidBits(form.Servers));
            ASSERT_EQ(form.ListView1->Items().Count(), 3);
            EXPECT_EQ(form.Static->Caption(), "3");
            EXPECT_EQ(form.IPEdit->Text(), "");
        });
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

TEST_F(ServerInformationFormTest, EditSendsTheFilledColumnsAndTheDestroyRoadsSendTheStatusAlone) {
    const std::string row = "10.0.0.1.4";
    struct Case {
        const char* name;
        std::function<void(TServerInformationForm&)> act;
        std::vector<std::string> sent;
        int rowsAfter;
    };
    const Case cases[] = {
        {"edit without key",
         [](TServerInformationForm& form) {
             form.KeyEdit->SetText("");
             form.PortEdit->SetText("1645");
             ASSERT_TRUE(UserClick(form.EditButton));
         },
         {},
         2},
        {"edit destroy",
         [](TServerInformationForm& form) {
             ChooseItem(form.RowComboBox, "destroy");
             ASSERT_TRUE(UserClick(form.EditButton));
         },
         {Cell(7, row) + "=INTEGER:6"},
         1},
        {"delete",
         [](TServerInformationForm& form) { ASSERT_TRUE(UserClick(form.DeleteButton)); },
         {Cell(7, row) + "=INTEGER:6"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeedRows(Entry, "10.0.0.1.1 10.0.0.1.4");
        ui::MessageBoxRecorder boxes;
        Open([&](TServerInformationForm& form) {
            Select(form, 1);
            const std::string timeout = form.TimeoutEdit->Text();
            const std::string retry = form.RetryCEdit->Text();
            MarkLog();
            c.act(form);
            const std::vector<std::string> sent = OneSet();
            if (c.sent.empty()) {
                EXPECT_THAT(sent, ElementsAre(Cell(3, row) + "=INTEGER:1645", Cell(5, row) + "=INTEGER:" + timeout,
                                              Cell(6, row) + "=INTEGER:" + retry));
            } else {
                EXPECT_EQ(sent, c.sent);
            }
            EXPECT_EQ(form.ListView1->Items().Count(), c.rowsAfter);
            EXPECT_TRUE(NoInvalidBits(form.Servers));
            EXPECT_TRUE(form.AddButton->Enabled());
        });
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

}  // namespace
