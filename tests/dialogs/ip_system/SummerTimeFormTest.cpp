// The summer time dialog against the simulator: the octet layouts of its rule rows, the date, time, month and
// offset checks, the rows switched by the status, the two reads of a refresh and the two SETs of Set Checked.
#include "IpSystemDialogTest.h"
#include "Summertime.h"

#include "GUIEditorPanel.h"
#include "GUIPanels.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* Handler = "SummerTime1Click";
const std::string Group = "1.3.6.1.4.1.32473.12.10.12";
using Row = TSummerTimeForm::Row;

class SummerTimeFormTest : public DedicatedDialogTest {
protected:
    static void SetUpTestSuite() {
        DedicatedDialogTest::SetUpTestSuite();
        SummerTimeOptionListsInit();
    }
    static void TearDownTestSuite() {
        SummerTimeOptionListsExit();
        DedicatedDialogTest::TearDownTestSuite();
    }
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        ASSERT_EQ(Control("set-rw " + Group + ".1.0 int 1"), "ok");
        ASSERT_EQ(Control("set-rw " + Group + ".2.0 int 60"), "ok");
        ASSERT_EQ(Control("set-rw " + Group + ".3.0 hex 020001030200"), "ok");
        ASSERT_EQ(Control("set-rw " + Group + ".4.0 hex FF00010A0300"), "ok");
        ASSERT_EQ(Control("set-rw " + Group + ".5.0 hex 19030200"), "ok");
        ASSERT_EQ(Control("set-rw " + Group + ".6.0 hex 010A0300"), "ok");
    }
    static std::vector<ui::Control*> Parts(TSummerTimeForm& form, Row row) { return form.RuleControls(row).Parts(); }
    static ui::CheckBox* Box(TSummerTimeForm& form, Row row) {
        return form.EditorPanel()->EditsPanel->Rows[static_cast<size_t>(row)].CheckBox;
    }
    static std::string Text(ui::Control* part) {
        if (auto* edit = dynamic_cast<ui::Edit*>(part)) return edit->Text();
        return static_cast<ui::ComboBox*>(part)->Text();
    }
    static void Type(ui::Control* part, const std::string& text) {
        if (auto* edit = dynamic_cast<ui::Edit*>(part)) {
            edit->SetText("");
            TypeText(edit, text);
        } else {
            ChooseItem(static_cast<ui::ComboBox*>(part), text);
        }
    }
    static void Click(TSummerTimeForm& form, ui::BitBtn* TCtrlBtnPanel::*button) {
        UserClick(form.EditorPanel()->ButtonPanel->*button);
    }
};

TEST_F(SummerTimeFormTest, RefreshReadsTheStatusFirstThenTheOffsetAndItsRules) {
    RunCommand<TSummerTimeForm>(Handler, [&](TSummerTimeForm& form) {
        EXPECT_EQ(form.Caption(), "Summer Time: 127.0.0.1");
        Click(form, &TCtrlBtnPanel::RefreshButton);
        const std::vector<std::string> gets = Pdus("GET");
        ASSERT_EQ(gets.size(), 2u);
        EXPECT_THAT(ColumnVarbinds(gets[0], Group), ElementsAre("1.0=NULL"));
        EXPECT_THAT(ColumnVarbinds(gets[1], Group), ElementsAre("1.0=NULL", "2.0=NULL", "3.0=NULL", "4.0=NULL"));
        EXPECT_EQ(form.StatusBox()->Text(), "repeating");
        EXPECT_EQ(form.OffsetEdit()->Text(), "60");
        std::vector<std::string> start;
        for (ui::Control* part : Parts(form, Row::RepeatStart)) start.push_back(Text(part));
        EXPECT_THAT(start, ElementsAre("Mar", "2nd", "Sun", "2", "0"));
        std::vector<std::string> end;
        for (ui::Control* part : Parts(form, Row::RepeatEnd)) end.push_back(Text(part));
        EXPECT_THAT(end, ElementsAre("Oct", "last", "Sun", "3", "0"));
        EXPECT_TRUE(form.RuleControls(Row::RepeatStart).RowPanel()->Visible());
        EXPECT_FALSE(form.RuleControls(Row::AnnualStart).RowPanel()->Visible());
    });
}

TEST_F(SummerTimeFormTest, ARepeatingRuleIsWrittenInItsOctetLayoutAfterTheStatus) {
    ASSERT_EQ(Control("set-rw " + Group + ".3.0 hex 010002010000"), "ok");
    ASSERT_EQ(Control("set-rw " + Group + ".4.0 hex 010002020000"), "ok");
    ui::MessageBoxRecorder boxes;
    RunCommand<TSummerTimeForm>(Handler, [&](TSummerTimeForm& form) {
        const std::vector<ui::Control*> start = Parts(form, Row::RepeatStart);
        Type(start[0], "Mar");
        Type(start[1], "2nd");
        Type(start[2], "Sun");
        Type(start[3], "2");
        Type(start[4], "0");
        const std::vector<ui::Control*> end = Parts(form, Row::RepeatEnd);
        Type(end[0], "Oct");
        Type(end[1], "last");
        Type(end[2], "Sun");
        Type(end[3], "3");
        Type(end[4], "0");
        for (Row row : {Row::Status, Row::RepeatStart, Row::RepeatEnd}) Box(form, row)->SetChecked(true);
        Click(form, &TCtrlBtnPanel::SetCheckedButton);
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Group), ElementsAre("1.0=INTEGER:1"));
        EXPECT_THAT(ColumnVarbinds(sets[1], Group), ElementsAre("3.0=HEX:020001030200", "4.0=HEX:FF00010A0300"));
    });
}

TEST_F(SummerTimeFormTest, SetRefusesBadDatesTimesMonthsAndOffsets) {
    struct Case {
        const char* Name;
        std::function<void(TSummerTimeForm&)> Fill;
        const char* Message;
    };
    const Case cases[] = {
        {"an offset of 45",
         [](TSummerTimeForm& form) {
             Type(form.OffsetEdit(), "45");
             Box(form, Row::Offset)->SetChecked(true);
         },
         "Summer Time Offset must chosed from {30, 60, 90, 120}."},
        {"a repeating hour of 24",
         [](TSummerTimeForm& form) {
             Type(Parts(form, Row::RepeatStart)[3], "24");
             Box(form, Row::RepeatStart)->SetChecked(true);
         },
         "Time error."},
        {"repeating start and end in March",
         [](TSummerTimeForm& form) {
             Type(Parts(form, Row::RepeatEnd)[0], "Mar");
             Box(form, Row::RepeatStart)->SetChecked(true);
             Box(form, Row::RepeatEnd)->SetChecked(true);
         },
         "From month and To month should not be the same."},
        {"29 February",
         [](TSummerTimeForm& form) {
             ChooseItem(form.StatusBox(), "annual");
             Type(Parts(form, Row::AnnualStart)[0], "29");
             Type(Parts(form, Row::AnnualStart)[1], "Feb");
             Box(form, Row::AnnualStart)->SetChecked(true);
         },
         "Time error."},
        {"day 0",
         [](TSummerTimeForm& form) {
             ChooseItem(form.StatusBox(), "annual");
             Type(Parts(form, Row::AnnualStart)[0], "0");
             Box(form, Row::AnnualStart)->SetChecked(true);
         },
         "Time error."},
        {"annual start and end in October",
         [](TSummerTimeForm& form) {
             ChooseItem(form.StatusBox(), "annual");
             for (Row row : {Row::AnnualStart, Row::AnnualEnd}) {
                 const std::vector<ui::Control*> parts = Parts(form, row);
                 Type(parts[0], row == Row::AnnualStart ? "1" : "30");
                 Type(parts[1], "Oct");
                 Type(parts[2], "2");
                 Type(parts[3], "0");
                 Box(form, row)->SetChecked(true);
             }
         },
         "From month and To month should not be the same."},
    };
    ui::MessageBoxRecorder boxes;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        boxes.Clear();
        RunCommand<TSummerTimeForm>(Handler, [&](TSummerTimeForm& form) {
            c.Fill(form);
            Click(form, &TCtrlBtnPanel::SetCheckedButton);
            EXPECT_THAT(BoxTexts(boxes), ElementsAre(c.Message));
            EXPECT_TRUE(NothingSent("SET"));
        });
    }
}

TEST_F(SummerTimeFormTest, DisableHidesEveryRuleAndTheSecondSetCarriesTheOffsetAlone) {
    ui::MessageBoxRecorder boxes;
    RunCommand<TSummerTimeForm>(Handler, [&](TSummerTimeForm& form) {
        Box(form, Row::RepeatStart)->SetChecked(true);
        ChooseItem(form.StatusBox(), "disable");
        for (Row row : {Row::RepeatStart, Row::RepeatEnd, Row::AnnualStart, Row::AnnualEnd}) {
            EXPECT_FALSE(form.RuleControls(row).RowPanel()->Visible()) << row;
            EXPECT_FALSE(Box(form, row)->Checked()) << row;
        }
        Type(form.OffsetEdit(), "90");
        Box(form, Row::Status)->SetChecked(true);
        Box(form, Row::Offset)->SetChecked(true);
        Click(form, &TCtrlBtnPanel::SetCheckedButton);
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Group), ElementsAre("1.0=INTEGER:0"));
        EXPECT_THAT(ColumnVarbinds(sets[1], Group), ElementsAre("2.0=INTEGER:90"));
    });
}

}  // namespace
