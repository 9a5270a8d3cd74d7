#pragma once
// Dedicated dialogs against the switch simulator, opened as the user opens them: through their menu command, with
// every area registered. A test drives the dialog inside its modal loop; steps that must run after the modal loop
// has handled a close (a refused close, say) are queued with Then.
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
#include "StdCtrls.h"

#include <QComboBox>
#include <QTimer>

#include <functional>
#include <string>

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

    // Runs the menu command of handler; driver gets the dialog inside its modal loop. The dialog is closed
    // afterwards unless the driver (or a step it queued) closed it.
    template <typename Form>
    void RunCommand(const char* handler, const std::function<void(Form&)>& driver) {
        const MenuCommand* command = FindMenuCommand(handler);
        ASSERT_NE(command, nullptr) << handler;
        bool ran = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
            ran = true;
            auto* form = dynamic_cast<Form*>(&shown);
            ASSERT_NE(form, nullptr);
            driver(*form);
            Then([&shown, life = shown.LifeToken()] {
                if (!life.expired()) shown.Close();
            });
        });
        RunMenuCommand(*command, DeviceContext());
        EXPECT_TRUE(ran);
    }

    // Runs the menu command of handler and, once ready holds for the dialog, marks the PDU log and hands the dialog
    // to driver.
    template <typename Form>
    void OpenWhen(const char* handler, const std::function<bool(Form&)>& ready,
                  const std::function<void(Form&)>& driver) {
        RunCommand<Form>(handler, [&](Form& form) {
            ASSERT_TRUE(RunUntil([&] { return ready(form); }));
            MarkLog();
            driver(form);
        });
    }
    // The same, without waiting for anything.
    template <typename Form>
    void OpenNow(const char* handler, const std::function<void(Form&)>& driver) {
        OpenWhen<Form>(
            handler, [](Form&) { return true; }, driver);
    }

    // A table's walk has ended (read to its end or stopped) and nothing is under way.
    static bool WalkEnded(const DialogTable& table) { return table.Complete() && !table.Busy(); }
    static bool WaitWalk(const DialogTable& table) {
        return RunUntil([&] { return WalkEnded(table); });
    }

    // The text of the dialog's first status panel.
    static std::string Status(TDedicatedForm& form) { return form.StatusBar1->Panels()[0]->Text(); }

    // Runs step once the modal loop has handled what is pending (a close query included).
    static void Then(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }
};

}  // namespace dialogtest
