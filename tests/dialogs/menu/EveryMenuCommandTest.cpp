// Every menu command that opens a dialog (generic dialogs, port row editors, dedicated dialogs and dialog functions),
// run as the menu runs it against the switch simulator: its dialog shows with its caption and, once its reads have
// ended, closes at the first asking, is freed with its instance pointer cleared and leaves no request running; no
// message box shows on the way. A dedicated dialog or dialog function that no area registers fails the test unless
// the README's limits name its command ("Menu commands without a dialog"), the one list of them.
#include "DedicatedDialogFixture.h"
#include "DeviceWindow.h"
#include "NxSNMPSession.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace dialogtest;

constexpr const char* LeftOutHeading = "### Menu commands without a dialog";

// The handlers the README's limits name as commands without a dialog: the first backquoted word of each item under
// LeftOutHeading, up to the next heading.
std::set<std::string> CommandsLeftOutInReadme() {
    std::ifstream readme(QSW_README);
    EXPECT_TRUE(readme.is_open()) << QSW_README << " not found";
    std::set<std::string> handlers;
    bool inList = false;
    bool found = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind('#', 0) == 0) {
            inList = line == LeftOutHeading;
            found = found || inList;
            continue;
        }
        if (!inList || line.rfind("- `", 0) != 0) continue;
        const size_t end = line.find('`', 3);
        if (end != std::string::npos) handlers.insert(line.substr(3, end - 3));
    }
    EXPECT_TRUE(found) << "the README has no \"" << LeftOutHeading << "\"";
    return handlers;
}

enum class DialogKind { Generic, PortRow, Dedicated, Function, None };

DialogKind KindOf(const MenuCommand& command) {
    switch (command.Kind) {
    case CommandKind::ScalarsEditor:
    case CommandKind::TableList:
    case CommandKind::TableListAddDelete:
    case CommandKind::Tabbed: return DialogKind::Generic;
    case CommandKind::PortRowEditor: return DialogKind::PortRow;
    case CommandKind::DedicatedDialog: return DialogKind::Dedicated;
    case CommandKind::DialogFunction: return DialogKind::Function;
    default: return DialogKind::None;  // no action, host tools, Refresh Panel, Help, About: checked elsewhere
    }
}

bool Registered(const MenuCommand& command) {
    switch (KindOf(command)) {
    case DialogKind::Dedicated: return FindDedicatedDialog(command.FormClass) != nullptr;
    case DialogKind::Function: return command.Function && FindDialogFunction(command.Function);
    default: return true;
    }
}

// No SNMP exchange outstanding, over a few event-loop passes (a read may start from a queued step).
bool NothingOutstanding() {
    for (int pass = 0; pass < 3; ++pass) {
        if (GlobalSnmpSession->Outstanding() != 0) return false;
        ui::Application::Instance().ProcessMessages();
    }
    return GlobalSnmpSession->Outstanding() == 0;
}

// What one command's dialog did.
struct Outcome {
    bool shown = false;
    std::string caption;
    bool readsEnded = false;
    int closeRequests = 0;  // the user's close asked for this many times before the dialog went
    bool freed = false;
    bool pointerCleared = true;
    bool nothingRunning = false;
    std::vector<std::string> boxes;
};

class EveryMenuCommandTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        window.Address = "127.0.0.1";
        SetDeviceWindow(&window);
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
    }

    // Asks the form to close once the modal loop runs, again after each refusal.
    static void CloseWhenAllowed(ui::Form& form, Outcome& outcome) {
        Then([&form, &outcome, life = form.LifeToken()] {
            if (life.expired() || !form.Visible()) return;
            ++outcome.closeRequests;
            form.Close();
            if (life.expired() || !form.Visible()) return;
            RunUntil(NothingOutstanding);
            CloseWhenAllowed(form, outcome);
        });
    }

    // Runs command as the menu does (a port row editor for the port under the popup, 1.1).
    static Outcome Run(const MenuCommand& command) {
        Outcome outcome;
        ui::MessageBoxRecorder boxes;
        std::weak_ptr<void> life;
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            outcome.shown = true;
            outcome.caption = form.Caption();
            life = form.LifeToken();
            outcome.readsEnded = RunUntil(NothingOutstanding);
            CloseWhenAllowed(form, outcome);
        });
        if (KindOf(command) == DialogKind::PortRow)
            RunPortRowCommand(command, "1.1", DeviceContext());
        else
            RunMenuCommand(command, DeviceContext());
        ui::TestHooks::ClearModalDrivers();
        outcome.freed = outcome.shown && life.expired();
        if (command.InstancePointer)
            outcome.pointerCleared = DedicatedDialogInstance(command.InstancePointer) == nullptr;
        outcome.nothingRunning = GlobalSnmpSession->Outstanding() == 0;
        outcome.boxes = BoxTexts(boxes);
        return outcome;
    }

    static std::string ExpectedCaption(const MenuCommand& command) {
        return KindOf(command) == DialogKind::PortRow ? PortRowEditorCaption(command, "127.0.0.1", "1.1")
                                                      : CommandDialogCaption(command, "127.0.0.1");
    }

    DeviceWindowValues window;
};

TEST_F(EveryMenuCommandTest, EachDialogCommandOpensItsDialogWithItsCaptionAndClosesCleanly) {
    const std::set<std::string> leftOutInReadme = CommandsLeftOutInReadme();
    std::map<DialogKind, int> opened;
    std::vector<std::string> leftOut;
    std::set<std::string> handlers;
    for (const std::span<const MenuCommand> commands : {AllMenuCommands(), PortPopupCommands()}) {
        for (const MenuCommand& command : commands) {
            const DialogKind kind = KindOf(command);
            if (kind == DialogKind::None) continue;
            SCOPED_TRACE(std::string(command.Handler) + " (" + command.MenuPath + ")");
            handlers.insert(command.Handler);
            const bool named = leftOutInReadme.count(command.Handler) != 0;
            if (!Registered(command)) {
                EXPECT_TRUE(named) << "no area registers its dialog, and the README's limits do not name it";
                leftOut.push_back(command.Handler);
                continue;
            }
            EXPECT_FALSE(named) << "the README's limits name it as without a dialog, but its dialog is registered";
            const Outcome outcome = Run(command);
            ASSERT_TRUE(outcome.shown) << "no dialog showed";
            ++opened[kind];
            std::printf("  %-40s %s\n", command.Handler, outcome.caption.c_str());
            EXPECT_EQ(outcome.caption, ExpectedCaption(command));
            EXPECT_TRUE(outcome.readsEnded) << "its reads did not end";
            EXPECT_EQ(outcome.closeRequests, 1) << "the close was refused";
            EXPECT_TRUE(outcome.freed) << "the dialog outlived its command";
            EXPECT_TRUE(outcome.pointerCleared) << command.InstancePointer << " still names the dialog";
            EXPECT_TRUE(outcome.nothingRunning) << "a request runs on after the dialog closed";
            EXPECT_TRUE(outcome.boxes.empty()) << "message box: " << outcome.boxes.front();
        }
    }
    for (const std::string& handler : leftOutInReadme)
        EXPECT_TRUE(handlers.count(handler))
            << "the README's limits name " << handler << ", which is no dialog command";
    int total = 0;
    for (const auto& [kind, count] : opened) total += count;
    std::printf(
        "Opened %d dialog commands: %d generic dialogs, %d port row editors, %d dedicated dialogs, %d dialog "
        "functions; %zu left without a dialog (the README's limits).\n",
        total, opened[DialogKind::Generic], opened[DialogKind::PortRow], opened[DialogKind::Dedicated],
        opened[DialogKind::Function], leftOut.size());
    // Every dialog command of the menus and the port popup, less the ones the README names.
    EXPECT_EQ(total + static_cast<int>(leftOut.size()), 105 + 153 + 71 + 6 + 2 + 94 + 4);
}

}  // namespace
