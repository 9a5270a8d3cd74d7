// Input rules on real edits: typing filtered with a beep, the exit check when the focus moves to another control of
// the window, its message box and the text put back, the next-control move, the saved handlers and their veto.
#include "NxEditConstraintControls.h"

#include "BindingTestSupport.h"
#include "Exception.h"
#include "StdCtrls.h"
#include "TestHooks.h"

#include <QApplication>
#include <QTest>

namespace {

using bindtest::FormTest;

class EditConstraintTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        edit = Make<ui::Edit>(0);
        other = Make<ui::Edit>(30);
        third = Make<ui::Edit>(60);
        constraint = std::make_unique<NxEditConstraint>(form, true);
    }
    void TearDown() override {
        constraint.reset();
        FormTest::TearDown();
    }
    // Types into the focused edit, as a user does.
    void Type(const std::string& keys) {
        edit->SetFocus();
        QTest::keyClicks(edit->Widget(), QString::fromStdString(keys));
    }
    // Selects the whole text of the edit and types keys over it, as a user does.
    void TypeOver(const std::string& keys) {
        edit->SetFocus();
        edit->SelectAll();
        QTest::keyClicks(edit->Widget(), QString::fromStdString(keys));
    }
    // Leaves the edit for another control of the form; the exit check runs.
    void Leave() {
        edit->SetFocus();
        other->SetFocus();
    }

    ui::Edit* edit = nullptr;
    ui::Edit* other = nullptr;
    ui::Edit* third = nullptr;
    std::unique_ptr<NxEditConstraint> constraint;
};

TEST_F(EditConstraintTest, TypingRemovesWhatTheRuleRefusesWithABeepAndStopsAtTheLength) {
    ShowAndActivate();
    ui::BeepRecorder beeps;
    constraint->AddConstraint("%i{n1x4094l4}", edit);
    EXPECT_EQ(edit->MaxLength(), 4);
    Type("1a2b345");
    EXPECT_EQ(edit->Text(), "1234");
    ASSERT_EQ(beeps.Beeps().size(), 2u);
    EXPECT_EQ(beeps.Beeps()[0].Frequency, 1000);
    EXPECT_EQ(beeps.Beeps()[0].DurationMs, 200);
}

struct ExitCase {
    const char* format;
    const char* text;
    const char* message;  // "" when the text passes
};

void PrintTo(const ExitCase& c, std::ostream* os) { *os << c.format << " with \"" << c.text << "\""; }

class ExitCheckTest : public EditConstraintTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitCheckTest, RefusesWithTheMessageAndPutsTheLastAcceptedTextBack) {
    const ExitCase& c = GetParam();
    ShowAndActivate();
    constraint->AddConstraint(c.format, edit);
    edit->SetText("");
    ui::MessageBoxRecorder boxes;
    // A marker text comes from code (a value not read); the others are typed.
    if (IsEditMarkerText(c.text))
        edit->SetText(c.text);
    else
        TypeOver(c.text);
    ASSERT_EQ(edit->Text(), c.text);
    Leave();
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(boxes.Calls().empty());
        // A marker text is not checked; set by code, it is the text a refusal puts back.
        EXPECT_EQ(constraint->FindConstraint(edit)->LastGoodText(), c.text);
        EXPECT_TRUE(other->Focused());
        return;
    }
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].Text, c.message);
    EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
    EXPECT_EQ(boxes.Calls()[0].Buttons, ui::mbOK);
    EXPECT_EQ(edit->Text(), "");  // the text set by code before
    EXPECT_TRUE(edit->Focused());
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ExitCheckTest,
    ::testing::Values(ExitCase{"%i{n1x4094l4}", "0", " Please enter a number between 1 and 4094!"},
                      ExitCase{"%i{n1x4094l4}", "4095", " Please enter a number between 1 and 4094!"},
                      ExitCase{"%i{n1x4094l4}", "4094", ""},
                      ExitCase{"%i{n1x4094l4}", "", ""},
                      ExitCase{"%s{l4f}", "abc", " Please enter a string whose length is 4!"},
                      ExitCase{"%s{l4f}", "abcd", ""},
                      ExitCase{"%s{l16n}", "", " Empty value is not allowed!"},
                      ExitCase{"%s{I}", "10.1.2.3", ""},
                      ExitCase{"%s{I}", "10.1.2", " Please enter a valid IP address!"},
                      ExitCase{"%s{I}", "10.1.2.256", " Please enter a valid IP address!"},
                      ExitCase{"%s{I}", "(NULL)", ""},
                      ExitCase{"%i{n1x10}", "(NOTDONE)", ""}));

TEST_F(EditConstraintTest, ARefusedTextGoesBackToTheLastAcceptedOne) {
    ShowAndActivate();
    constraint->AddConstraint("%i{n1x4094l4}", edit);
    TypeOver("100");
    Leave();
    ui::MessageBoxRecorder boxes;
    TypeOver("5000");
    Leave();
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(edit->Text(), "100");
}

TEST_F(EditConstraintTest, AnotherWindowTakingTheFocusRunsNoCheck) {
    ShowAndActivate();
    constraint->AddConstraint("%i{n1x10}", edit);
    edit->SetFocus();
    edit->SetText("99");
    ui::MessageBoxRecorder boxes;
    ui::Form window(nullptr);
    window.SetBounds(300, 300, 200, 100);
    window.Show();
    QApplication::setActiveWindow(window.Widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.Widget()));
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(edit->Text(), "99");
    window.Hide();
}

TEST_F(EditConstraintTest, TheChecksOwnMessageBoxNeverStartsAnotherCheck) {
    ShowAndActivate();
    constraint->AddConstraint("%i{n1x10}", edit);
    constraint->AddConstraint("%s{l4n}", third);
    edit->SetText("99");
    int boxes = 0;
    ui::TestHooks::SetMessageBoxHook([&](const ui::MessageBoxCall&) {
        ++boxes;
        third->SetFocus();  // focus wanders while the box is up
        other->SetFocus();  // the empty third edit would refuse if it were checked now
        return ui::mrOk;
    });
    Leave();
    ui::TestHooks::SetMessageBoxHook(nullptr);
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(edit->Focused());
}

TEST_F(EditConstraintTest, MarkerTextsAreNeitherFilteredNorChecked) {
    ShowAndActivate();
    ui::BeepRecorder beeps;
    ui::MessageBoxRecorder boxes;
    constraint->AddConstraint("%i{n1x4094l4}", edit);
    edit->SetFocus();
    edit->SetText("(NULL)");
    EXPECT_EQ(edit->Text(), "(NULL)");
    Leave();
    EXPECT_TRUE(beeps.Beeps().empty());
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(EditConstraintTest, BadFormatsRaiseMinusTwoAndAttachNothing) {
    for (const char* format : {"%x", "s{l4}", "%s{l}", "%s{l4", "%n", "%s{q}", "%i{l4n5}"}) {
        SCOPED_TRACE(format);
        try {
            constraint->AddConstraint(format, edit);
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, -2);
            EXPECT_EQ(e.Message, " Bad format specifier of edit's constraint!");
        }
        EXPECT_EQ(constraint->FindConstraint(edit), nullptr);
        EXPECT_FALSE(edit->OnChange);
    }
}

TEST_F(EditConstraintTest, ReachingTheLengthMovesToTheNextControl) {
    ShowAndActivate();
    constraint->AddConstraint("%i{n1x10l2a}", edit);
    Type("1");
    bindtest::Pump(20);
    EXPECT_TRUE(edit->Focused());
    QTest::keyClicks(edit->Widget(), "0");
    bindtest::Pump(50);
    EXPECT_TRUE(other->Focused());
}

TEST_F(EditConstraintTest, TheExitCharacterIsRemovedAndMovesOn) {
    ShowAndActivate();
    constraint->AddConstraint("%s{e.}", edit);
    Type("ab.");
    EXPECT_EQ(edit->Text(), "ab");
    bindtest::Pump(50);
    EXPECT_TRUE(other->Focused());
}

TEST_F(EditConstraintTest, SavedHandlersRunForPassingTextsAndTagMinusOneVetoes) {
    ShowAndActivate();
    int changes = 0;
    int exits = 0;
    edit->OnChange = [&](ui::Component*) { ++changes; };
    edit->OnExit = [&](ui::Component*) {
        ++exits;
        edit->SetTag(-1);
    };
    constraint->AddConstraint("%i{n1x100}", edit);
    Type("5x");
    EXPECT_EQ(changes, 2);  // "5", then "5" again after the x went
    ui::MessageBoxRecorder boxes;
    Leave();
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(edit->Text(), "");  // vetoed: the last accepted text (none yet) is back
}

TEST_F(EditConstraintTest, RemoveAndDestructionGiveTheEditItsHandlersBack) {
    int changes = 0;
    edit->OnChange = [&](ui::Component*) { ++changes; };
    constraint->AddConstraint("%u", edit);
    constraint->AddConstraint("%u", other);
    constraint->Remove(edit);
    edit->SetText("x");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->Text(), "x");

    constraint.reset();
    other->SetText("y");  // no rule and no call into the freed constraint
    EXPECT_EQ(other->Text(), "y");
    EXPECT_FALSE(other->OnChange);
}

TEST_F(EditConstraintTest, AFormatOfSeveralSegmentsGoesToTheEditsInOrder) {
    constraint->AddFormat("%s{l4}%i{n1x9}", {edit, other});
    EXPECT_EQ(constraint->FindConstraint(edit)->Format().TypeLetter, 's');
    EXPECT_EQ(constraint->FindConstraint(other)->Format().TypeLetter, 'i');
    EXPECT_THROW(constraint->AddFormat("%s%s%s", {edit, other}), Exception);
    EXPECT_EQ(constraint->FindConstraint(third), nullptr);
    EXPECT_THROW(constraint->AddFormat("%s.%s", {third, third}), Exception);
    EXPECT_EQ(constraint->FindConstraint(third), nullptr);
}

TEST_F(EditConstraintTest, ACustomCheckerDecidesAZFormatSilently) {
    ShowAndActivate();
    constraint->AddConstraint("%s{Z}", edit, [](ui::Control* control) { return NormalizeHexWordText(control); });
    ui::MessageBoxRecorder boxes;
    edit->SetText("81");
    Leave();
    EXPECT_EQ(edit->Text(), "0081");
    EXPECT_EQ(constraint->FindConstraint(edit)->LastGoodText(), "0081");
    TypeOver("81G0");
    Leave();
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(edit->Text(), "0081");
    EXPECT_TRUE(edit->Focused());
}

}  // namespace
