// The login and enable method lists against the simulator, opened through their menu commands: the rows, the
// type rule, the chain question with its Yes and No roads, the columns each write carries, the "default" list,
// the destroy roads and the server-group name kept for Edit.
#include "DedicatedDialogFixture.h"
#include "Enablemethodlistunit.h"
#include "Loginmethodlistunit.h"

#include "Dialogs.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string LoginEntry = "1.3.6.1.4.1.32473.12.5.3.1";
const std::string EnableEntry = "1.3.6.1.4.1.32473.12.5.4.1";
// The list names as row instances.
const std::string Default = "7.100.101.102.97.117.108.116";  // "default"
const std::string Lab = "3.108.97.98";                       // "lab"
const std::string Ops = "3.111.112.115";                     // "ops"

std::string Cell(const std::string& entry, int column, const std::string& instance) {
    return entry + "." + std::to_string(column) + "." + instance;
}

class MethodListFormTest : public DedicatedDialogTest {
protected:
    // "default" and "lab": tacacs first; "lab" then a server group "grpA".
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(LoginEntry, Default + " " + Lab);
        for (const std::string& row : {Default, Lab}) SetRw(Cell(LoginEntry, 2, row) + " int 1");
        SetRw(Cell(LoginEntry, 4, Lab) + " int 5");
        SetRw(Cell(LoginEntry, 5, Lab) + " str grpA");
        for (int column = 6; column <= 9; column += 2) SetRw(Cell(LoginEntry, column, Lab) + " int 9");
    }
    static void SetRw(const std::string& line) { ASSERT_EQ(Control("set-rw " + line), "ok") << line; }
    void Open(const std::function<void(TLoginMethodListForm&)>& driver) {
        RunCommand<TLoginMethodListForm>("LoginMethodControl1Click", driver);
    }
    // Selects the row of the list named name.
    static void Select(TMethodListForm& form, const std::string& name) {
        for (int row = 0; row < form.ListView1->Items().Count(); ++row)
            if (form.ListView1->Items()[row]->Caption() == name) return form.ListView1->SetItemIndex(row);
        ADD_FAILURE() << "no list " << name;
    }
    // The one SET sent since the mark.
    std::vector<std::string> OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::vector<std::string>() : Varbinds(sets[0]);
    }
    // Types radius, none, tacacs for methods 1 to 3 and other for method 4.
    static void ChooseIneffectiveChain(TLoginMethodListForm& form) {
        ChooseItem(form.ComboBoxType1, "radius");
        ChooseItem(form.ComboBoxType2, "none");
        ChooseItem(form.ComboBoxType3, "tacacs");
        ChooseItem(form.ComboBoxType4, "other");
    }
};

TEST_F(MethodListFormTest, OpensWithTheListsAndTheRowButtonsFollowTheDefaultList) {
    TLoginMethodListForm* seen = nullptr;
    Open([&](TLoginMethodListForm& form) {
        seen = LoginMethodListForm;
        EXPECT_EQ(form.Caption(), "AAC Login Method List Settings: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_EQ(form.ListView1->Items()[1]->Caption(), "default");
        EXPECT_EQ(form.RowComboBox->Text(), "createAndGo");
        EXPECT_TRUE(form.RowComboBox->Visible());
        EXPECT_FALSE(form.EditButton->Enabled());
        EXPECT_FALSE(form.DeleteButton->Enabled());
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_FALSE(form.Server1Edit->Enabled());

        Select(form, "default");
        EXPECT_EQ(form.ListnameEdit->Text(), "default");
        EXPECT_FALSE(form.ListnameEdit->Enabled());
        EXPECT_TRUE(form.EditButton->Enabled());
        EXPECT_FALSE(form.DeleteButton->Enabled());  // "default" cannot be deleted
        EXPECT_FALSE(form.AddButton->Enabled());
        Select(form, "lab");
        EXPECT_TRUE(form.DeleteButton->Enabled());
        EXPECT_EQ(form.ComboBoxType2->Text(), "server-group");
        EXPECT_EQ(form.Server2Edit->Text(), "grpA");
        EXPECT_TRUE(form.Server2Edit->Enabled());
        EXPECT_FALSE(form.Server1Edit->Enabled());

        // The user's choice of a type empties its group edit.
        ChooseItem(form.ComboBoxType1, "server-group");
        EXPECT_TRUE(form.Server1Edit->Enabled());
        ChooseItem(form.ComboBoxType2, "local");
        EXPECT_EQ(form.Server2Edit->Text(), "");
        EXPECT_FALSE(form.Server2Edit->Enabled());

        form.ListView1->ClearSelection();
        EXPECT_FALSE(form.EditButton->Enabled());
        EXPECT_TRUE(form.ListnameEdit->Enabled());
        EXPECT_TRUE(form.AddButton->Enabled());
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(LoginMethodListForm, nullptr);
}

// Edit writes back the group name it showed: a row click and a Refresh leave it as stored.
TEST_F(MethodListFormTest, EditKeepsTheStoredServerGroupName) {
    ui::MessageBoxRecorder boxes;
    Open([&](TLoginMethodListForm& form) {
        Select(form, "lab");
        ASSERT_TRUE(UserClick(form.GetButton));
        EXPECT_EQ(form.Server2Edit->Text(), "");
        Select(form, "lab");
        ASSERT_EQ(form.Server2Edit->Text(), "grpA");
        MarkLog();
        ASSERT_TRUE(UserClick(form.EditButton));
        EXPECT_THAT(OneSet(),
                    ElementsAre(Cell(LoginEntry, 2, Lab) + "=INTEGER:1", Cell(LoginEntry, 4, Lab) + "=INTEGER:5",
                                Cell(LoginEntry, 5, Lab) + "=STRING:\"grpA\""));
        EXPECT_TRUE(NoInvalidBits(form.Lists));
        EXPECT_EQ(form.ListnameEdit->Text(), "");
        EXPECT_FALSE(form.EditButton->Enabled());
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

// radius, none, tacacs: the chain ends at none, so tacacs asks; Yes sends nothing, No sends methods 1 and 2.
TEST_F(MethodListFormTest, TheChainQuestionSendsNothingOnYesAndLeavesTheIneffectiveMethodsOutOnNo) {
    struct Case {
        const char* name;
        bool add;
        int answer;
        std::vector<std::string> sent;  // empty: no SET
    };
    const Case cases[] = {
        {"add, yes", true, ui::mrYes, {}},
        {"add, no",
         true,
         ui::mrNo,
         {Cell(LoginEntry, 2, Ops) + "=INTEGER:4", Cell(LoginEntry, 4, Ops) + "=INTEGER:8",
          Cell(LoginEntry, 10, Ops) + "=INTEGER:4"}},
        {"edit, yes", false, ui::mrYes, {}},
        {"edit, no",
         false,
         ui::mrNo,
         {Cell(LoginEntry, 2, Lab) + "=INTEGER:4", Cell(LoginEntry, 4, Lab) + "=INTEGER:8"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::MessageBoxRecorder boxes(c.answer);
        Open([&](TLoginMethodListForm& form) {
            if (c.add) {
                ASSERT_TRUE(TypeText(form.ListnameEdit, "ops"));
            } else {
                Select(form, "lab");
            }
            ChooseIneffectiveChain(form);
            MarkLog();
            ASSERT_TRUE(UserClick(c.add ? form.AddButton : form.EditButton));
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].Text,
                      "Method(s) after method local and none is(are) ineffective. Do you want to change your "
                      "configurations?");
            EXPECT_EQ(boxes.Calls()[0].Buttons, ui::mbYesNo);
            if (c.sent.empty()) {
                EXPECT_TRUE(NothingSent("SET"));
                EXPECT_EQ(form.ComboBoxType3->Text(), "tacacs");  // kept for the user to change
            } else {
                EXPECT_EQ(OneSet(), c.sent);
            }
            EXPECT_TRUE(NoInvalidBits(form.Lists));
        });
    }
}

TEST_F(MethodListFormTest, AddRefusesAnEmptyOrListedNameAndAStatusOtherThanCreateAndGo) {
    ui::MessageBoxRecorder boxes;
    Open([&](TLoginMethodListForm& form) {
        ChooseItem(form.ComboBoxType1, "local");
        ASSERT_TRUE(UserClick(form.AddButton));
        ASSERT_TRUE(TypeText(form.ListnameEdit, "lab"));
        ASSERT_TRUE(UserClick(form.AddButton));
        form.ListnameEdit->SetText("ops");
        ChooseItem(form.RowComboBox, "active");
        ASSERT_TRUE(UserClick(form.AddButton));
        EXPECT_EQ(BoxTexts(boxes),
                  (std::vector<std::string>{"AAC Login Method List Name must be set.",
                                            "Has already a record with the same Login Method List Name. Please Change "
                                            "Login Method List Name.",
                                            "Row State must be createAndGo."}));
        EXPECT_TRUE(NothingSent("SET"));
        boxes.Clear();
        // A valid chain: local alone; "other" and empty methods send nothing.
        ChooseItem(form.RowComboBox, "createAndGo");
        ChooseItem(form.ComboBoxType2, "other");
        MarkLog();
        ASSERT_TRUE(UserClick(form.AddButton));
        EXPECT_THAT(OneSet(),
                    ElementsAre(Cell(LoginEntry, 2, Ops) + "=INTEGER:6", Cell(LoginEntry, 10, Ops) + "=INTEGER:4"));
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
    });
}

// Delete and Edit with Row Status "destroy" both send Method1 Type with destroy, and no question.
TEST_F(MethodListFormTest, DeleteAndEditWithDestroyRemoveTheList) {
    struct Case {
        const char* name;
        std::function<void(TLoginMethodListForm&)> remove;
    };
    const Case cases[] = {
        {"delete", [](TLoginMethodListForm& form) { ASSERT_TRUE(UserClick(form.DeleteButton)); }},
        {"edit destroy",
         [](TLoginMethodListForm& form) {
             ChooseItem(form.RowComboBox, "destroy");
             ASSERT_TRUE(UserClick(form.EditButton));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeedRows(LoginEntry, Default + " " + Lab);
        SetRw(Cell(LoginEntry, 2, Lab) + " int 1");
        ui::MessageBoxRecorder boxes;
        Open([&](TLoginMethodListForm& form) {
            Select(form, "lab");
            ChooseItem(form.ComboBoxType3, "none");
            ChooseItem(form.ComboBoxType4, "tacacs");
            MarkLog();
            c.remove(form);
            EXPECT_THAT(OneSet(),
                        ElementsAre(Cell(LoginEntry, 2, Lab) + "=INTEGER:1", Cell(LoginEntry, 10, Lab) + "=INTEGER:6"));
            ASSERT_EQ(form.ListView1->Items().Count(), 1);
            EXPECT_EQ(form.StaticText1->Caption(), "1");
            EXPECT_FALSE(form.DeleteButton->Enabled());
            EXPECT_TRUE(NoInvalidBits(form.Lists));
        });
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

TEST_F(MethodListFormTest, ARefusedSetIsReportedAndTheDialogStaysUsable) {
    ui::MessageBoxRecorder boxes;
    Open([&](TLoginMethodListForm& form) {
        Select(form, "lab");
        ASSERT_EQ(Control("error " + LoginEntry + " genErr 1"), "ok");
        ASSERT_TRUE(UserClick(form.EditButton));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_TRUE(NoInvalidBits(form.Lists));
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_TRUE(form.AddButton->Enabled());
    });
}

TEST_F(MethodListFormTest, TheEnableListsEndTheChainAtLocalEnable) {
    SeedRows(EnableEntry, Default);
    ui::MessageBoxRecorder boxes(ui::mrNo);
    RunCommand<TEnableMethodForm>("EnableMethodControl1Click", [&](TEnableMethodForm& form) {
        EXPECT_EQ(form.Caption(), "AAC Enable Method Settings: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_EQ(form.ListView1->Columns()[5]->Caption(), "Enable Method3Type");
        ASSERT_TRUE(UserClick(form.AddButton));
        ASSERT_TRUE(TypeText(form.NameEdit, "ops"));
        ChooseItem(form.Type1ComboBox, "local-enable");
        ChooseItem(form.Type2ComboBox, "server-group");
        ASSERT_TRUE(TypeText(form.ServerGroupEdit2, "grpB"));
        MarkLog();
        ASSERT_TRUE(UserClick(form.AddButton));
        EXPECT_EQ(BoxTexts(boxes).size(), 2u);
        EXPECT_EQ(BoxTexts(boxes)[0], "Enable MethodList Name must be set.");
        EXPECT_THAT(OneSet(),
                    ElementsAre(Cell(EnableEntry, 2, Ops) + "=INTEGER:7", Cell(EnableEntry, 10, Ops) + "=INTEGER:4"));
    });
}

}  // namespace
