// The payload rules against the simulator, opened through their menu command: the two-window rule, the window
// messages with their focus, a checked "deny" without the priority fields, the row status checks of Add, the row
// deleted through Edit, and Delete.
#include "AclDialogTest.h"
#include "Userdefinedruleunit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace acltest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* Handler = "PayloadRule1Click";
const std::string Entry = "1.3.6.1.4.1.32473.11.5.2.3.1";

enum Oid {
    Window1 = 4,
    Window2,
    Window3,
    Window4,
    Window5,
    EnablePriority,
    Priority,
    ReplacePriority,
    EnableReplaceDscp,
    ReplaceDscp,
    Permit,
    RowStatus,
};

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

const std::string Zeros(32, '0');

class PayloadRuleFormTest : public DedicatedDialogTest {
protected:
    using F = TUserDefinedInformationRuleForm;
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1.1 1.2 2.1");
    }
    void Open(const std::function<void(F&)>& driver) { RunCommand<F>(Handler, driver); }
    static std::vector<ui::CheckBox*> WindowBoxes(F& f) {
        return {f.cbxGroupFirst, f.cbxGroupSecond, f.cbxGroupThird, f.cbxGroupForth, f.cbxGroupFifth};
    }
    static std::vector<ui::Edit*> WindowEdits(F& f) {
        return {f.OffsetGroupFirstEdit, f.OffsetGroupSecondEdit, f.OffsetGroupThirdEdit, f.OffsetGroupForthEdit,
                f.OffsetGroupFifthEdit};
    }
    // Window w checked with text.
    static void SetWindow(F& f, int w, const std::string& text) {
        WindowBoxes(f)[w]->SetChecked(true);
        WindowEdits(f)[w]->SetText(text);
    }
    std::string OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::string() : sets[0];
    }
};

TEST_F(PayloadRuleFormTest, OpensWithTheRulesListedAndCreateAndGoShown) {
    Open([&](F& form) {
        EXPECT_EQ(form.Caption(), "User Defined Information Rule: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_EQ(form.ListView1->Columns().Count(), 14);
        EXPECT_EQ(form.RowComboBox->Text(), "createAndGo");
        EXPECT_TRUE(form.RowComboBox->Visible());
        EXPECT_TRUE(form.cbxRow->Visible());
        EXPECT_FALSE(form.EditButton->Enabled());
    });
    EXPECT_EQ(UserDefinedInformationRuleForm, nullptr);
}

TEST_F(PayloadRuleFormTest, TwoWindowsGoOutAndAThirdIsRefused) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.ProfileIDEdit->SetText("7");
        form.AccessIDEdit->SetText("1");
        form.cbxRow->SetChecked(true);
        SetWindow(form, 0, "0102030405060708090a0b0c0d0e0f10");
        SetWindow(form, 2, "FF");
        SetWindow(form, 4, Zeros);             // zeros do not count
        WindowEdits(form)[3]->SetText("xyz");  // unchecked: neither checked nor sent
        form.AddButton->SetFocus();
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Window1, Window3, Window5, RowStatus));
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, Window1)), "0102030405060708090A0B0C0D0E0F10");
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "7.1") + "=INTEGER:4"));
        EXPECT_TRUE(NoInvalidBits(form.Rules));

        MarkLog();
        form.ProfileIDEdit->SetText("7");
        form.AccessIDEdit->SetText("2");
        SetWindow(form, 0, "01");
        SetWindow(form, 1, "02");
        SetWindow(form, 3, "03");
        form.AddButton->SetFocus();
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Packet(s) Offset can not over two groups."});
        EXPECT_TRUE(form.OffsetGroupFirstEdit->Focused());
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

TEST_F(PayloadRuleFormTest, AWindowWithAnInvalidCharacterIsRefusedWithItsMessage) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        const std::string texts[] = {"0 to 15", "16 to 31", "32 to 47", "48 to 63", "64 to 79"};
        for (int w = 0; w < 5; ++w) {
            SCOPED_TRACE(w);
            boxes.Clear();
            form.ProfileIDEdit->SetText("8");
            form.AccessIDEdit->SetText("1");
            for (ui::CheckBox* box : WindowBoxes(form)) box->SetChecked(false);
            SetWindow(form, w, w == 4 ? std::string(33, 'F') : "00G0");
            form.AddButton->SetFocus();
            EXPECT_TRUE(UserClick(form.AddButton));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Packet(s) Offset [" + texts[w] +
                                                                "] can not contain invalid character(s)."});
            EXPECT_TRUE(WindowEdits(form)[w]->Focused());
        }
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

TEST_F(PayloadRuleFormTest, ACheckedDenyLeavesOutThePriorityFields) {
    Open([&](F& form) {
        form.ProfileIDEdit->SetText("9");
        form.AccessIDEdit->SetText("1");
        ChooseItem(form.EnablePriComboBox, "enabled");
        form.PriorityEdit->SetText("5");
        ChooseItem(form.ReplPriyComboBox, "enabled");
        ChooseItem(form.EnableReplComboBox, "enabled");
        form.ReplDSCPEdit->SetText("10");
        EXPECT_TRUE(UserClick(form.CheckButton));
        for (ui::CheckBox* box : WindowBoxes(form)) box->SetChecked(false);
        ChooseItem(form.PermitComboBox, "deny");
        EXPECT_FALSE(form.PriorityEdit->Enabled());
        EXPECT_TRUE(form.cbxPriority->Checked());
        EXPECT_TRUE(UserClick(form.AddButton));
        std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Permit, RowStatus));
        EXPECT_EQ(ValueOf(set, Entry, Permit), "INTEGER:1");

        MarkLog();
        form.ProfileIDEdit->SetText("9");
        form.AccessIDEdit->SetText("2");
        EXPECT_TRUE(UserClick(form.CheckButton));
        for (ui::CheckBox* box : WindowBoxes(form)) box->SetChecked(false);
        ChooseItem(form.PermitComboBox, "permit");
        form.PriorityEdit->SetText("5");
        form.ReplDSCPEdit->SetText("10");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_THAT(Columns(OneSet(), Entry), ElementsAre(EnablePriority, Priority, ReplacePriority, EnableReplaceDscp,
                                                          ReplaceDscp, Permit, RowStatus));
    });
}

TEST_F(PayloadRuleFormTest, AddChecksTheKeysTheDuplicateAndTheRowStatus) {
    struct Case {
        const char* profile;
        const char* access;
        bool rowBox;
        const char* rowStatus;
        const char* message;
    };
    const Case cases[] = {
        {"", "1", false, "createAndGo", "Profile ID must be set."},
        {"3", "", false, "createAndGo", "Access ID must be set."},
        {"1", "2", true, "active",
         "There is already a record with the same Profile ID and Access ID. Please modified "
         "eithor of them."},
        {"3", "1", true, "active", "Row State must be createAndGo."},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.message);
            boxes.Clear();
            form.ProfileIDEdit->SetText(c.profile);
            form.AccessIDEdit->SetText(c.access);
            form.cbxRow->SetChecked(c.rowBox);
            ChooseItem(form.RowComboBox, c.rowStatus);
            EXPECT_TRUE(UserClick(form.AddButton));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
        }
        EXPECT_TRUE(Pdus("SET").empty());
        // With its box clear the row status shown goes as it is.
        form.ProfileIDEdit->SetText("3");
        form.AccessIDEdit->SetText("1");
        form.cbxRow->SetChecked(false);
        ChooseItem(form.RowComboBox, "createAndWait");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_THAT(OneSet(), HasSubstr(Cell(RowStatus, "3.1") + "=INTEGER:5"));
    });
}

// Edit with "destroy" and its box checked deletes the row, whatever the windows hold.
TEST_F(PayloadRuleFormTest, EditDeletesTheRowWithDestroyAndWritesTheCheckedFieldsOtherwise) {
    Open([&](F& form) {
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.ProfileIDEdit->Text(), "1");
        EXPECT_EQ(form.AccessIDEdit->Text(), "2");
        SetWindow(form, 1, "00112233");
        EXPECT_TRUE(UserClick(form.EditButton));
        std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Window2));

        MarkLog();
        form.ListView1->SetItemIndex(1);
        SetWindow(form, 0, "not hex");
        ChooseItem(form.RowComboBox, "destroy");
        form.cbxRow->SetChecked(true);
        EXPECT_TRUE(UserClick(form.EditButton));
        EXPECT_THAT(simdialog::Varbinds(OneSet()), ElementsAre(Cell(RowStatus, "1.2") + "=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 2);

        MarkLog();
        form.ListView1->SetItemIndex(0);
        EXPECT_TRUE(UserClick(form.DeleteButton));
        EXPECT_THAT(simdialog::Varbinds(OneSet()), ElementsAre(Cell(RowStatus, "1.1") + "=INTEGER:6"));
        EXPECT_EQ(form.StaticText1->Caption(), "1");
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

}  // namespace
