#pragma once
// Dedicated dialogs against the switch simulator, opened as the user opens them: through their menu command, with
// every area registered. A test drives the dialog inside its modal loop; steps that must run after the modal loop
// has handled a close (a refused close, say) are queued with Then.
//
// Rules a test must know:
// - From tests/gui/SimDialogFixture.h (the base SimDialogTest) come the simulator (one per suite, cleared per test),
//   Control (one control word), Pdus and MarkLog (the PDU log), RunUntil, WaitIdle of a bare request, NewRequest,
//   FindOwned and Varbinds. The simulator's control words (hold, release, error, drop, clear, and the scenario
//   directives set, set-rw, remove, rows) are described in sim/TestControls.h and sim/README.md ("Test controls").
// - The PDU log is marked where the driver starts: every open helper (RunCommand, OpenWhen, OpenWhenIdle, ShowWhen,
//   OpenWhenWalked) marks it when it hands the dialog over, after whatever it waited for. So Pdus() in a driver holds
//   what the driver made the dialog send (RunCommand waits for nothing: the opening reads may still come in). A test
//   marks it again itself before each further step it judges on its own; control words send no PDU.
// - Clicks go through UserClick and typing through TypeText, which fail the test on a disabled or hidden control
//   and, as for a user, do nothing then. Button::Click runs the handler regardless, so a test clicking a disabled
//   button that way proves nothing.
#include "AclDialogs.h"
#include "CommandEngine.h"
#include "DedicatedForm.h"
#include "IpSystemDialogs.h"
#include "L2Dialogs.h"
#include "MenuCommandTable.h"
#include "SecurityDialogs.h"
#include "SimDialogFixture.h"
#include "StackStateScope.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace dialogtest {

inline CommandContext DeviceContext() {
    CommandContext context;
    context.DeviceAddress = "127.0.0.1";
    return context;
}

using simdialog::FindOwned;

// The user picks the item of combo whose text is text (its change event runs as for a user's choice).
inline void ChooseItem(ui::ComboBox* combo, const std::string& text) {
    const int index = combo->Items().IndexOf(text);
    ASSERT_GE(index, 0) << text;
    static_cast<QComboBox*>(combo->Widget())->setCurrentIndex(index);
}

// Whether the user can reach control now: enabled and shown (its parents included). Fails the test when not.
inline bool UserCanReach(const ui::Control* control, const char* action) {
    const QWidget* widget = control->Widget();
    if (widget->isEnabled() && widget->isVisible()) return true;
    ADD_FAILURE() << action << " " << control->Name() << ": it is " << (widget->isEnabled() ? "hidden" : "disabled");
    return false;
}

// A left click on button as the mouse gives it (press and release at its centre); fails the test and clicks nothing
// when the button is disabled or hidden. True when it was clicked.
inline bool UserClick(ui::Button* button) {
    if (!UserCanReach(button, "click")) return false;
    QWidget* widget = button->Widget();
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, centre, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    return true;
}

// Types text into edit key by key (letters, digits and punctuation without modifiers), after the text it holds;
// fails the test and types nothing when the edit is disabled, hidden or read-only.
inline bool TypeText(ui::Edit* edit, const std::string& text) {
    if (!UserCanReach(edit, "type into")) return false;
    if (edit->ReadOnly()) {
        ADD_FAILURE() << "type into " << edit->Name() << ": it is read-only";
        return false;
    }
    QWidget* widget = edit->Widget();
    for (char ch : text) {
        const QString typed(QChar::fromLatin1(ch));
        const int key = QChar::fromLatin1(ch).toUpper().unicode();
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, typed);
            QApplication::sendEvent(widget, &event);
        }
    }
    return true;
}

// The texts of the message boxes recorded, in order.
inline std::vector<std::string> BoxTexts(const ui::MessageBoxRecorder& boxes) {
    std::vector<std::string> texts;
    for (const ui::MessageBoxCall& call : boxes.Calls()) texts.push_back(call.Text);
    return texts;
}

// Which table of a Form an open helper waits for: [](TMyForm& form) -> DialogTable& { return form.MyTable; }.
template <typename Form>
using TableOf = std::function<const DialogTable&(Form&)>;

class DedicatedDialogTest : public simdialog::SimDialogTest {
protected:
    static void SetUpTestSuite() {
        SimDialogTest::SetUpTestSuite();
        RegisterL2Dialogs();
        RegisterAclDialogs();
        RegisterSecurityDialogs();
        RegisterIpSystemDialogs();
    }
    void SetUp() override {
        ui::TestHooks::SetPixelsPerInch(96);
        SimDialogTest::SetUp();
    }
    void TearDown() override {
        SimDialogTest::TearDown();
        ui::TestHooks::SetPixelsPerInch(0);
    }

    // ------------------------------------------------------------------------------------------ the simulator

    // The rows of the table under entry are exactly instances (space separated; an arc may be a range: "1-3"),
    // each with the simulator's seeded values.
    static void SeedRows(const std::string& entry, const std::string& instances) {
        ASSERT_EQ(Control("remove " + entry), "ok") << entry;
        ASSERT_EQ(Control("rows " + entry + " " + instances), "ok") << entry << " " << instances;
    }

    // Walks started since the mark: the first request of a walk names firstColumn, the bare OID of the first column
    // it reads.
    int Walks(const std::string& firstColumn) const {
        int walks = 0;
        for (const std::string& line : Pdus("GETNEXT"))
            if (line.find(" " + firstColumn + "=NULL") != std::string::npos) ++walks;
        return walks;
    }

    // Nothing was sent since the mark (of kind, when given), once the events pending now have run; the failure
    // lists what was sent.
    ::testing::AssertionResult NothingSent(const std::string& kind = "") const {
        for (int i = 0; i < 20; ++i) ui::Application::Instance().ProcessMessages();
        const std::vector<std::string> sent = Pdus(kind);
        if (sent.empty()) return ::testing::AssertionSuccess();
        ::testing::AssertionResult failure = ::testing::AssertionFailure();
        failure << sent.size() << " PDU(s) sent:";
        for (const std::string& line : sent) failure << "\n  " << line;
        return failure;
    }

    // Starts a walk of table by a click on refresh and holds it after its first row: the answer to the request that
    // names heldOid (the first column the walk reads, at the first row's instance) is held for holdMs milliseconds,
    // or until released ("release" or "clear") when holdMs is 0. The request's time-out is made long enough that the
    // held request is not sent again. True once the first row is listed in list, the simulator has the held request
    // and the walk is still under way.
    ::testing::AssertionResult HoldWalkAfterFirstRow(DialogTable& table, const ui::ListView& list, ui::Button* refresh,
                                                     const std::string& heldOid, int holdMs = 0) const {
        if (!table.HasRequest()) return ::testing::AssertionFailure() << "the table has no request";
        table.Request()->Request.Timeout = HeldAnswerTimeout;
        const std::string hold = "hold " + heldOid + (holdMs > 0 ? " " + std::to_string(holdMs) : "");
        if (Control(hold) != "ok") return ::testing::AssertionFailure() << hold;
        const size_t logStart = sim_->PduLog().size();
        if (!UserClick(refresh)) return ::testing::AssertionFailure() << "refresh not clicked";
        const auto heldRequestSent = [&] {
            const std::vector<std::string> lines = sim_->PduLog();
            for (size_t i = logStart; i < lines.size(); ++i)
                if (lines[i].find(" " + heldOid + "=") != std::string::npos) return true;
            return false;
        };
        if (!RunUntil([&] { return list.Items().Count() == 1 && heldRequestSent(); }))
            return ::testing::AssertionFailure() << "not held after the first row; rows: " << list.Items().Count();
        if (!table.Busy()) return ::testing::AssertionFailure() << "the walk ended after its first row";
        return ::testing::AssertionSuccess();
    }
    // Hundredths of a second: longer than any test holds an answer.
    static constexpr int HeldAnswerTimeout = 1000;

    // ------------------------------------------------------------------------------------------ tables

    // A table's walk has ended (read to its end or stopped) and nothing is under way.
    static bool WalkEnded(const DialogTable& table) { return table.Complete() && !table.Busy(); }
    static bool WaitWalk(const DialogTable& table) {
        return RunUntil([&] { return WalkEnded(table); });
    }
    // Nothing is under way on table (for tables without the get-complete flag, and after writes).
    static bool WaitIdle(const DialogTable& table) {
        return RunUntil([&] { return !table.Busy(); });
    }
    using SimDialogTest::WaitIdle;

    // No column of table is left marked invalid (the access bits a write changed are back); the failure names them.
    static ::testing::AssertionResult NoInvalidBits(DialogTable& table) {
        std::vector<int> marked;
        for (int column = 0; column < table.Vars().GetCount(); ++column)
            if (table.Vars().GetVar(column)->Access & invalid) marked.push_back(column);
        if (marked.empty()) return ::testing::AssertionSuccess();
        ::testing::AssertionResult failure = ::testing::AssertionFailure();
        failure << "columns left invalid:";
        for (int column : marked) failure << " " << column;
        return failure;
    }

    // The text of the dialog's first status panel.
    static std::string Status(TDedicatedForm& form) { return form.StatusBar1->Panels()[0]->Text(); }

    // ------------------------------------------------------------------------------------------ opening

    // Runs the menu command of handler; once ready holds for the dialog, marks the PDU log and hands the dialog to
    // driver inside its modal loop. The dialog is closed afterwards unless the driver (or a step it queued) closed it.
    template <typename Form>
    void OpenWhen(const char* handler, const std::function<bool(Form&)>& ready,
                  const std::function<void(Form&)>& driver) {
        const MenuCommand* command = FindMenuCommand(handler);
        ASSERT_NE(command, nullptr) << handler;
        bool ran = false;
        DriveNextModal<Form>(ready, driver, ran);
        RunMenuCommand(*command, DeviceContext());
        EXPECT_TRUE(ran);
    }
    // The same for a dialog the test built itself, shown modally.
    template <typename Form>
    void ShowWhen(Form& dialog, const std::function<bool(Form&)>& ready, const std::function<void(Form&)>& driver) {
        bool ran = false;
        DriveNextModal<Form>(ready, driver, ran);
        dialog.ShowModal();
        EXPECT_TRUE(ran);
    }
    // The same, handing the dialog over at once.
    template <typename Form>
    void RunCommand(const char* handler, const std::function<void(Form&)>& driver) {
        OpenWhen<Form>(
            handler, [](Form&) { return true; }, driver);
    }
    // The same, once nothing is under way on the table.
    template <typename Form>
    void OpenWhenIdle(const char* handler, const TableOf<Form>& table, const std::function<void(Form&)>& driver) {
        OpenWhen<Form>(
            handler, [&](Form& form) { return !table(form).Busy(); }, driver);
    }
    // The same, once the table's walk has ended.
    template <typename Form>
    void OpenWhenWalked(const char* handler, const TableOf<Form>& table, const std::function<void(Form&)>& driver) {
        OpenWhen<Form>(
            handler, [&](Form& form) { return WalkEnded(table(form)); }, driver);
    }

    // Runs step once the modal loop has handled what is pending (a close query included).
    static void Then(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

private:
    // The next modal loop's driver: waits for ready, marks the log, runs driver, then closes the form unless it is
    // gone (also when the wait failed or the driver threw).
    template <typename Form>
    void DriveNextModal(const std::function<bool(Form&)>& ready, const std::function<void(Form&)>& driver, bool& ran) {
        ui::TestHooks::RunInNextModal([this, &ready, &driver, &ran](ui::Form& shown) {
            ran = true;
            // Closed afterwards on every path: a failed wait or a throwing driver must not leave the loop running.
            struct CloseAfter {
                ui::Form& shown;
                ~CloseAfter() {
                    Then([&form = shown, life = shown.LifeToken()] {
                        if (!life.expired()) form.Close();
                    });
                }
            } closeAfter{shown};
            auto* form = dynamic_cast<Form*>(&shown);
            ASSERT_NE(form, nullptr);
            ASSERT_TRUE(RunUntil([&] { return ready(*form); }));
            MarkLog();
            try {
                driver(*form);
            } catch (const std::exception& error) {
                ADD_FAILURE() << "the driver threw: " << error.what();
            }
        });
    }
};

}  // namespace dialogtest
