// The time ranges against the simulator, opened through their menu command: the weekday octets a new range
// carries, the checks, Edit making a range active, Delete, and the get-complete flag (closing refused during the
// first walk, Edit and Delete refused during a walk, Stop then Refresh).
#include "AclDialogTest.h"
#include "Timerangeformunit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "NxSNMPSession.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>
#include <QApplication>
#include <QMouseEvent>
#include <QTableView>

#include <functional>

namespace {

using namespace dialogtest;
using namespace acltest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* Handler = "TimeRange1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.50.3.1.1";
// The ranges "rest" and "work": the name as a counted string.
const std::string Rest = "4.114.101.115.116";
const std::string Work = "4.119.111.114.107";

std::string Column(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

// A left-button click on row of list, as the mouse sends it: press, release.
void ClickRow(ui::ListView& list, int row) {
    list.FlushRows();
    auto* view = static_cast<QTableView*>(list.Widget());
    QWidget* viewport = view->viewport();
    const QPointF centre = view->visualRect(view->model()->index(row, 0)).center();
    const QPointF global = viewport->mapToGlobal(centre);
    for (const auto& [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::MouseButtons(Qt::LeftButton)},
                                        std::pair{QEvent::MouseButtonRelease, Qt::MouseButtons(Qt::NoButton)}}) {
        QMouseEvent event(type, centre, centre, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}

class TimeRangeFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, Rest + " " + Work);
    }
    void Open(const std::function<void(TTimeRangeForm&)>& driver, bool waitFirstWalk = true) {
        OpenWhen<TTimeRangeForm>(
            Handler, [waitFirstWalk](TTimeRangeForm& form) { return !waitFirstWalk || WalkEnded(form.Ranges); },
            driver);
    }
    static bool WaitWalk(TTimeRangeForm& form) { return DedicatedDialogTest::WaitWalk(form.Ranges); }
    static void Times(TTimeRangeForm& form, const char* start, const char* end) {
        form.edtStart->SetText(start);
        form.edtEnd->SetText(end);
    }
};

TEST_F(TimeRangeFormTest, OpensWithTheRangesListedAndTheAddStateSet) {
    TTimeRangeForm* seen = nullptr;
    Open([&](TTimeRangeForm& form) {
        seen = TimeRangeForm;
        EXPECT_EQ(form.Caption(), "Time Range: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_EQ(form.ListView1->Columns().Count(), 5);
        EXPECT_EQ(form.ListView1->Items()[0]->Caption(), "rest");
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
        EXPECT_TRUE(form.btnAdd->Enabled());
        EXPECT_FALSE(form.btnSet->Enabled());
        EXPECT_FALSE(form.btnDelete->Enabled());
        EXPECT_FALSE(form.CheckBox8->Visible());
        EXPECT_FALSE(form.cbxStatus->Visible());

        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.edtName->Text(), "work");
        EXPECT_FALSE(form.edtName->Enabled());
        EXPECT_FALSE(form.cbxStatus->Enabled());
        EXPECT_TRUE(form.btnSet->Enabled());
        EXPECT_FALSE(form.btnAdd->Enabled());
        form.ListView1->ClearSelection();
        EXPECT_EQ(form.edtName->Text(), "");
        EXPECT_EQ(form.edtStart->Text(), "");
        EXPECT_TRUE(form.edtName->Enabled());
        EXPECT_TRUE(form.cbxStatus->Enabled());
        EXPECT_EQ(form.cbxStatus->ItemIndex(), -1);
        EXPECT_FALSE(form.btnSet->Enabled());
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(TimeRangeForm, nullptr);
}

TEST_F(TimeRangeFormTest, TheWeekdaysGoOutAsOneOctetSundayFirst) {
    struct Case {
        const char* name;
        std::function<std::vector<ui::CheckBox*>(TTimeRangeForm&)> days;
        const char* octet;
    };
    using F = TTimeRangeForm;
    const Case cases[] = {
        {"sun", [](F& f) { return std::vector<ui::CheckBox*>{f.CheckBox7}; }, "80"},
        {"weekdays",
         [](F& f) { return std::vector<ui::CheckBox*>{f.CheckBox1, f.CheckBox2, f.CheckBox3, f.CheckBox4, f.CheckBox5}; },
         "7C"},
        {"all",
         [](F& f) {
             return std::vector<ui::CheckBox*>{f.CheckBox1, f.CheckBox2, f.CheckBox3, f.CheckBox4,
                                               f.CheckBox5, f.CheckBox6, f.CheckBox7};
         },
         "FE"},
        {"sat", [](F& f) { return std::vector<ui::CheckBox*>{f.CheckBox6}; }, "02"},
    };
    Open([&](TTimeRangeForm& form) {
        size_t rows = 2;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            MarkLog();
            form.edtName->SetText(c.name);
            for (ui::CheckBox* day : c.days(form)) day->SetChecked(true);
            Times(form, "08:00:00", "17:30:00");
            ASSERT_TRUE(UserClick(form.btnAdd));
            ASSERT_TRUE(WaitWalk(form));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            std::string instance = std::to_string(std::string(c.name).size());
            for (char ch : std::string(c.name)) instance += "." + std::to_string(static_cast<int>(ch));
            EXPECT_THAT(Columns(sets[0], Entry), ElementsAre(2, 3, 4, 5));
            EXPECT_THAT(sets[0], HasSubstr(Column(5, instance) + "=INTEGER:4"));
            EXPECT_EQ(OctetsHex(ValueOf(sets[0], Entry, 2)), c.octet);
            EXPECT_EQ(ValueOf(sets[0], Entry, 3), "STRING:\"08:00:00\"");
            EXPECT_EQ(ValueOf(sets[0], Entry, 4), "STRING:\"17:30:00\"");
            EXPECT_EQ(static_cast<size_t>(form.ListView1->Items().Count()), ++rows);
            // Add leaves the editors as they are; the next case starts clean.
            for (ui::CheckBox* day : c.days(form)) day->SetChecked(false);
        }
    });
}

TEST_F(TimeRangeFormTest, AddWantsAWeekdayAStartAndAnEndTime) {
    ui::MessageBoxRecorder boxes;
    // "rest" has only the hidden "None" bit.
    ASSERT_EQ(Control("set-rw " + Column(2, Rest) + " hex 01"), "ok");
    Open([&](TTimeRangeForm& form) {
        form.ListView1->SetItemIndex(0);
        ASSERT_TRUE(form.CheckBox8->Checked());
        form.ListView1->ClearSelection();
        EXPECT_TRUE(form.CheckBox8->Checked());  // the reset leaves the hidden box alone
        form.edtName->SetText("night");
        Times(form, "22:00:00", "06:00:00");
        EXPECT_TRUE(UserClick(form.btnAdd));
        form.CheckBox3->SetChecked(true);
        Times(form, "", "");
        EXPECT_TRUE(UserClick(form.btnAdd));
        form.edtStart->SetText("22:00:00");
        EXPECT_TRUE(UserClick(form.btnAdd));
        EXPECT_EQ(BoxTexts(boxes),
                  (std::vector<std::string>{"Please select the weekdays", "Please select the daily start time",
                                            "Please select the daily end time"}));
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

TEST_F(TimeRangeFormTest, EditWritesTheDaysAndTimesAndMakesTheRangeActive) {
    ASSERT_EQ(Control("set-rw " + Column(5, Work) + " int 2"), "ok");  // notInService
    ASSERT_EQ(Control("set-rw " + Column(2, Work) + " hex 7C"), "ok");  // Monday to Friday, one octet
    Open([&](TTimeRangeForm& form) {
        form.ListView1->SetItemIndex(1);
        ASSERT_EQ(form.cbxStatus->Text(), "notInService");
        EXPECT_TRUE(form.CheckBox1->Checked());
        EXPECT_TRUE(form.CheckBox5->Checked());
        EXPECT_FALSE(form.CheckBox6->Checked());
        EXPECT_FALSE(form.CheckBox7->Checked());
        for (ui::CheckBox* day : {form.CheckBox2, form.CheckBox3, form.CheckBox4, form.CheckBox5}) day->SetChecked(false);
        Times(form, "09:00:00", "12:00:00");
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(WaitWalk(form));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(simdialog::Varbinds(sets[0]),
                    ElementsAre(Column(2, Work) + "=STRING:\"@\"", Column(3, Work) + "=STRING:\"09:00:00\"",
                                Column(4, Work) + "=STRING:\"12:00:00\"", Column(5, Work) + "=INTEGER:1"));
        EXPECT_FALSE(form.btnSet->Enabled());
        EXPECT_FALSE(form.btnDelete->Enabled());
        EXPECT_TRUE(form.btnAdd->Enabled());
        EXPECT_TRUE(form.edtName->Enabled());
        EXPECT_FALSE(form.CheckBox1->Checked());
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.ListView1->Items()[1]->SubItems()[3], "active");
    });
}

// A day mask the agent sends without octets is no error: the range shows no day ticked and can be given days.
TEST_F(TimeRangeFormTest, ADayMaskWithoutOctetsShowsClearDaysAndTakesNewOnes) {
    ui::MessageBoxRecorder boxes;
    ASSERT_EQ(Control("set-rw " + Column(2, Work) + " str \"\""), "ok");
    Open([&](TTimeRangeForm& form) {
        // Clicked as the user does: a failing selection shows its error in a box and the dialog goes on.
        ClickRow(*form.ListView1, 1);
        ASSERT_EQ(form.ListView1->ItemIndex(), 1);
        EXPECT_TRUE(boxes.Calls().empty()) << boxes.Calls().front().Text;
        EXPECT_EQ(form.edtName->Text(), "work");
        for (ui::CheckBox* day : {form.CheckBox1, form.CheckBox2, form.CheckBox3, form.CheckBox4, form.CheckBox5,
                                  form.CheckBox6, form.CheckBox7, form.CheckBox8})
            EXPECT_FALSE(day->Checked()) << day->Caption();
        form.CheckBox1->SetChecked(true);
        Times(form, "09:00:00", "12:00:00");
        form.btnSet->Click();
        ASSERT_TRUE(WaitWalk(form));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(OctetsHex(ValueOf(sets[0], Entry, 2)), "40");  // Monday alone, one octet
    });
}

TEST_F(TimeRangeFormTest, DeleteSendsTheDaysAndTimesWithDestroy) {
    Open([&](TTimeRangeForm& form) {
        form.ListView1->SetItemIndex(0);
        const std::string days = form.ListView1->Items()[0]->SubItems()[0];
        const std::string start = form.edtStart->Text();
        const std::string end = form.edtEnd->Text();
        ASSERT_TRUE(UserClick(form.btnDelete));
        ASSERT_TRUE(WaitWalk(form));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(OctetsHex(ValueOf(sets[0], Entry, 2)), days);
        EXPECT_THAT(simdialog::Varbinds(sets[0]),
                    ElementsAre(::testing::StartsWith(Column(2, Rest) + "="), Column(3, Rest) + "=STRING:\"" + start + "\"",
                                Column(4, Rest) + "=STRING:\"" + end + "\"", Column(5, Rest) + "=INTEGER:6"));
        ASSERT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_EQ(form.StaticText1->Caption(), "1");
        EXPECT_FALSE(form.btnDelete->Enabled());
    });
}

TEST_F(TimeRangeFormTest, WhileTheFirstWalkRunsWritesAndCloseAreRefused) {
    ui::MessageBoxRecorder boxes;
    DefaultSNMPTimeout = 1000;  // the held answer must not time out
    ASSERT_EQ(Control("hold " + Entry), "ok");
    Open(
        [&](TTimeRangeForm& form) {
            EXPECT_FALSE(form.Ranges.Complete());
            form.edtName->SetText("x");
            form.CheckBox1->SetChecked(true);
            Times(form, "01:00:00", "02:00:00");
            EXPECT_TRUE(UserClick(form.btnAdd));
            EXPECT_TRUE(UserClick(form.btnGet));  // nothing, without a word
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Get data not complete"});
            boxes.Clear();
            EXPECT_TRUE(UserClick(form.btnClose));
            Then([&] {
                EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Get data not complete"});
                EXPECT_TRUE(form.Visible());
                EXPECT_TRUE(Pdus("SET").empty());
                ASSERT_EQ(Control("release"), "ok");
                ASSERT_TRUE(WaitWalk(form));
                EXPECT_EQ(form.ListView1->Items().Count(), 2);
                boxes.Clear();
                EXPECT_TRUE(UserClick(form.btnClose));
            });
        },
        false);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TimeRangeFormTest, StopKeepsTheRowsReadAndRefreshReadsTheWholeTableAgain) {
    Open([&](TTimeRangeForm& form) {
        // The step after the first row (it names the first read column at that row) is held: one row arrives
        // and the walk stays under way.
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.Ranges, *form.ListView1, form.btnGet, Column(2, Rest)));
        EXPECT_FALSE(form.Ranges.Complete());
        ASSERT_TRUE(UserClick(form.btnStop));
        MarkLog();
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_THAT(Status(form), HasSubstr("Stop, SNMP Request is not active."));
        // The held answer still brings its row; no row is asked for after it.
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_TRUE(NothingSent());
        EXPECT_TRUE(form.CheckBox1->Enabled());
        ASSERT_TRUE(UserClick(form.btnGet));
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(Walks(Entry + ".2"), 1);  // the whole table from its start
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
    });
}

TEST_F(TimeRangeFormTest, EditAndDeleteDuringAWalkAreRefusedAndSendNothing) {
    ui::MessageBoxRecorder boxes;
    Open([&](TTimeRangeForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.Ranges, *form.ListView1, form.btnGet, Column(2, Rest)));
        form.ListView1->SetItemIndex(0);
        Times(form, "03:00:00", "04:00:00");
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(UserClick(form.btnDelete));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete", "Get data not complete"}));
        EXPECT_TRUE(NothingSent("SET"));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
    });
}

}  // namespace
