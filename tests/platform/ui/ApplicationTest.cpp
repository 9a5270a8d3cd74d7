// The application object: uncaught exceptions, message boxes, pending messages, timers, screen.
#include "Application.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "Screen.h"
#include "StdCtrls.h"
#include "TestHooks.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Waits, handling events, until done() holds; the bound only stops a broken test from hanging.
template <class Done>
bool PumpUntil(Done done, int maxRounds = 20000) {
    for (int i = 0; i < maxRounds && !done(); ++i) ui::Application::Instance().ProcessMessages();
    return done();
}

class ApplicationTest : public testing::Test {
protected:
    void TearDown() override { ui::Application::Instance().OnException = nullptr; }
    ui::Application& app = ui::Application::Instance();
};

TEST_F(ApplicationTest, UserHandlerExceptionReachesHandlerAndProgramGoesOn) {
    std::vector<std::string> caught;
    app.OnException = [&](ui::Component*, const std::exception& e) { caught.push_back(e.what()); };
    auto form = std::make_unique<ui::Form>(nullptr);
    form->Show();
    auto* button = new ui::Button(form.get());
    button->SetParent(form.get());
    int clicks = 0;
    button->OnClick = [&](ui::Component*) {
        ++clicks;
        throw Exception("Get data not complete", -1);
    };
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(caught, (std::vector<std::string>{"Get data not complete", "Get data not complete"}));
    form->Hide();
}

TEST_F(ApplicationTest, UncaughtExceptionIsShownInMessageBox) {
    ui::MessageBoxRecorder boxes;
    auto form = std::make_unique<ui::Form>(nullptr);
    form->OnMessage = [](ui::Component*, ui::Message&) { throw std::runtime_error("disk full"); };
    ui::PostMessage(form.get(), ui::WM_APP + 1);
    ui::PostMessage(form.get(), ui::WM_APP + 2);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Calls().size() == 2; }));
    EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
    EXPECT_EQ(boxes.Calls()[0].Text, "disk full");
    EXPECT_EQ(boxes.Calls()[0].Buttons, ui::mbOK);
    EXPECT_EQ(boxes.Calls()[0].Type, ui::mtError);
}

TEST_F(ApplicationTest, ExceptionThatIsNoStdExceptionIsStillHandled) {
    std::vector<std::string> caught;
    app.OnException = [&](ui::Component*, const std::exception& e) { caught.push_back(e.what()); };
    auto form = std::make_unique<ui::Form>(nullptr);
    form->OnMessage = [](ui::Component*, ui::Message&) { throw 42; };
    ui::PostMessage(form.get(), ui::WM_APP);
    ASSERT_TRUE(PumpUntil([&] { return !caught.empty(); }));
    EXPECT_EQ(caught[0], "Unknown exception");
}

TEST_F(ApplicationTest, TimerExceptionReachesHandlerAndTimerGoesOn) {
    int ticks = 0;
    std::vector<std::string> caught;
    app.OnException = [&](ui::Component*, const std::exception& e) { caught.push_back(e.what()); };
    auto owner = std::make_unique<ui::Form>(nullptr);
    auto* timer = new ui::Timer(owner.get());
    timer->SetInterval(1);
    timer->OnTimer = [&](ui::Component*) {
        ++ticks;
        throw Exception("tick failed");
    };
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_GE(caught.size(), 3u);
}

TEST_F(ApplicationTest, TimerWithIntervalZeroOrDisabledDoesNotFire) {
    auto owner = std::make_unique<ui::Form>(nullptr);
    int zeroTicks = 0, disabledTicks = 0, referenceTicks = 0;
    auto* zero = new ui::Timer(owner.get());
    zero->SetInterval(0);
    zero->OnTimer = [&](ui::Component*) { ++zeroTicks; };
    auto* disabled = new ui::Timer(owner.get());
    disabled->SetInterval(1);
    disabled->SetEnabled(false);
    disabled->OnTimer = [&](ui::Component*) { ++disabledTicks; };
    auto* reference = new ui::Timer(owner.get());  // fires many times meanwhile
    reference->SetInterval(1);
    reference->OnTimer = [&](ui::Component*) { ++referenceTicks; };
    ASSERT_TRUE(PumpUntil([&] { return referenceTicks >= 5; }));
    EXPECT_EQ(zeroTicks, 0);
    EXPECT_EQ(disabledTicks, 0);
    EXPECT_EQ(zero->Interval(), 0);
    EXPECT_EQ(ui::Timer(nullptr).Interval(), 1000);
}

TEST_F(ApplicationTest, ProcessMessagesDeliversPostedWork) {
    auto form = std::make_unique<ui::Form>(nullptr);
    std::vector<int> order;
    form->OnMessage = [&](ui::Component*, ui::Message& m) { order.push_back(static_cast<int>(m.WParam)); };
    for (int i = 0; i < 3; ++i) ui::PostMessage(form.get(), ui::WM_APP, static_cast<uintptr_t>(i));
    ASSERT_TRUE(PumpUntil([&] { return order.size() == 3; }));
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
}

TEST_F(ApplicationTest, MessageBoxHookRecordsAndAnswers) {
    ui::MessageBoxRecorder boxes;
    boxes.QueueAnswer(ui::mrCancel);
    auto form = std::make_unique<ui::Form>(nullptr);
    EXPECT_EQ(ui::MessageBox(form.get(), "Are you sure to delete it?", "QSW2126P", ui::mbOKCancel, ui::mtConfirmation),
              ui::mrCancel);
    EXPECT_EQ(ui::MessageBox(nullptr, "Refresh panel may take a long time. Are you sure?", "QSW2126P", ui::mbYesNo,
                             ui::mtWarning),
              ui::mrYes);
    EXPECT_EQ(ui::MessageBox(nullptr, "Some items are empty!", "QSW2126P"), ui::mrOk);
    ASSERT_EQ(boxes.Calls().size(), 3u);
    EXPECT_EQ(boxes.Calls()[0].Text, "Are you sure to delete it?");
    EXPECT_EQ(boxes.Calls()[0].Buttons, ui::mbOKCancel);
    EXPECT_EQ(boxes.Calls()[0].Type, ui::mtConfirmation);
    EXPECT_EQ(boxes.Calls()[0].Owner, form.get());
    EXPECT_EQ(boxes.Calls()[1].Buttons, ui::mbYesNo);
    EXPECT_EQ(boxes.Calls()[2].Type, ui::mtCustom);
}

TEST_F(ApplicationTest, BeepHookRecords) {
    ui::BeepRecorder beeps;
    ui::Beep(1000, 200);
    ASSERT_EQ(beeps.Beeps().size(), 1u);
    EXPECT_EQ(beeps.Beeps()[0].Frequency, 1000);
    EXPECT_EQ(beeps.Beeps()[0].DurationMs, 200);
}

TEST_F(ApplicationTest, ScaleFactorFollowsPixelsPerInch) {
    struct Case {
        int ppi;
        double scale;
    };
    for (const Case& c : {Case{96, 1.0}, Case{120, 1.25}, Case{144, 1.25}, Case{72, 1.25}}) {
        ui::TestHooks::SetPixelsPerInch(c.ppi);
        EXPECT_EQ(ui::Screen::PixelsPerInch(), c.ppi);
        EXPECT_EQ(ui::Screen::ScaleFactor(), c.scale) << c.ppi;
    }
    ui::TestHooks::SetPixelsPerInch(0);
    EXPECT_GT(ui::Screen::PixelsPerInch(), 0);
}

TEST_F(ApplicationTest, MainFormCloseTerminatesOnlyWhenItIsTheMainForm) {
    auto form = std::make_unique<ui::Form>(nullptr);
    form->Show();
    form->Close();  // not the main form: it hides
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(app.Terminated());
}

}  // namespace

namespace {

TEST(ProcessMessagesNested, WaitLoopInsideHandlerSeesLaterEventsAndTimers) {
    auto& app = ui::Application::Instance();
    auto form = std::make_unique<ui::Form>(nullptr);
    auto* timer = new ui::Timer(form.get());
    timer->SetInterval(1);
    int ticks = 0;
    timer->OnTimer = [&](ui::Component*) { ++ticks; };
    bool busy = true;
    bool waited = false;
    form->OnMessage = [&](ui::Component*, ui::Message& m) {
        if (m.Msg == ui::WM_APP + 2) {
            busy = false;  // the answer that ends the wait
            return;
        }
        // A handler that waits, processing messages, until its request is no longer busy.
        ui::PostMessage(form.get(), ui::WM_APP + 2);
        for (int i = 0; i < 20000 && (busy || ticks < 2); ++i) app.ProcessMessages();
        waited = !busy && ticks >= 2;
    };
    ui::PostMessage(form.get(), ui::WM_APP + 1);
    for (int i = 0; i < 20000 && !waited; ++i) app.ProcessMessages();
    EXPECT_TRUE(waited);
}

}  // namespace
