// Every registered dedicated dialog and dialog function that a menu command opens, and every edit form such a dialog
// owns, at 96 and at 120 dots per inch: as it opens, nothing it shows is clipped, covered by the button panel, the
// splitter or the status bar, or a label beside a hidden control (LayoutFaults.h). The dialogs come from the menu
// table and the registry, so a dialog registered later is checked without a change here.
#include "DedicatedDialogFixture.h"
#include "DialogEditForm.h"
#include "DialogRegistry.h"
#include "LayoutFaults.h"

#include "DeviceWindow.h"
#include "ListView.h"
#include "Screen.h"

#include <QtGlobal>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace dialogtest;

class DialogLayoutTest : public DedicatedDialogTest, public testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        // The application's fonts follow the screen's dots per inch from the start.
        qputenv("QT_FONT_DPI", QByteArray::number(GetParam()));
        DedicatedDialogTest::SetUp();
        ui::TestHooks::SetPixelsPerInch(GetParam());
        window.Address = "127.0.0.1";
        SetDeviceWindow(&window);
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
        qunsetenv("QT_FONT_DPI");
    }

    // Each layout fault of form, under the title of what was opened.
    static void ExpectNoFaults(const std::string& title, const ui::Form& form) {
        for (const std::string& fault : layouttest::LayoutFaults(form))
            ADD_FAILURE() << title << " (" << form.ClientWidth() << " x " << form.ClientHeight() << "): " << fault;
    }

    // The dialog's button captioned caption, else null.
    static ui::Button* ButtonOf(const ui::Component& dialog, const std::string& caption) {
        for (int i = 0; i < dialog.ComponentCount(); ++i)
            if (auto* button = dynamic_cast<ui::Button*>(dialog.Components(i)); button && button->Caption() == caption)
                return button;
        return nullptr;
    }

    // The user selects the first row of the table dialog's list and clicks Edit (an add-only form: Add), again while
    // the dialog refuses (its walk still runs); the edit form's layout is checked as it opens.
    static void CheckEditForm(const std::string& title, TDedicatedForm& dialog) {
        ASSERT_NE(dialog.TableList, nullptr) << title;
        ui::Button* edit = ButtonOf(dialog, "Edit");
        const bool addOnly = edit == nullptr;
        if (addOnly) edit = ButtonOf(dialog, "Add");
        ASSERT_NE(edit, nullptr) << title;
        const std::string formTitle = title + (addOnly ? " (Add)" : " (Edit)");
        bool opened = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            opened = dynamic_cast<TDialogEditForm*>(&form) != nullptr;
            ExpectNoFaults(formTitle, form);
            form.Close();
        });
        const bool tried = RunUntil([&] {
            if (!addOnly) {
                if (dialog.TableList->Items().Count() == 0) return false;
                dialog.TableList->SetItemIndex(-1);
                dialog.TableList->SetItemIndex(0);
            }
            if (edit->Enabled()) edit->Click();
            return opened;
        });
        if (!tried) ui::TestHooks::ClearModalDrivers();
        EXPECT_TRUE(opened) << title << ": " << edit->Caption() << " opened no edit form";
    }

    // Closes form, again after each refusal (a close query refuses while a walk runs).
    static void CloseWhenAllowed(ui::Form& form) {
        Then([&form, life = form.LifeToken()] {
            if (life.expired() || !form.Visible()) return;
            form.Close();
            if (!life.expired() && form.Visible()) CloseWhenAllowed(form);
        });
    }

    // Runs command, checks the dialog it shows (and its edit form, counted in editForms); true when a dialog showed.
    static bool CheckCommand(const MenuCommand& command, int& editForms) {
        const std::string title = command.MenuPath;
        bool shown = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            shown = true;
            ExpectNoFaults(title, form);
            auto* dialog = dynamic_cast<TDedicatedForm*>(&form);
            if (dialog && simdialog::FindOwned<TDialogEditForm>(*dialog)) {
                ++editForms;
                CheckEditForm(title, *dialog);
            }
            CloseWhenAllowed(form);
        });
        CommandContext context = DeviceContext();
        context.ScaleFactor = static_cast<float>(ui::Screen::ScaleFactor());
        RunMenuCommand(command, context);
        return shown;
    }

    static bool Registered(const MenuCommand& command) {
        if (command.Kind == CommandKind::DedicatedDialog) return FindDedicatedDialog(command.FormClass) != nullptr;
        if (command.Kind == CommandKind::DialogFunction)
            return command.Function && FindDialogFunction(command.Function);
        return false;
    }

    DeviceWindowValues window;
};

TEST_P(DialogLayoutTest, NothingARegisteredDialogShowsIsClippedCoveredOrLabelledAlone) {
    ui::MessageBoxRecorder boxes;
    std::set<std::string> opened;
    int registered = 0;
    int editForms = 0;
    for (const std::span<const MenuCommand> commands : {AllMenuCommands(), PortPopupCommands()}) {
        for (const MenuCommand& command : commands) {
            if (!Registered(command)) continue;
            ++registered;
            SCOPED_TRACE(command.Handler);
            EXPECT_TRUE(CheckCommand(command, editForms)) << command.MenuPath << " showed no dialog";
            opened.insert(command.Handler);
        }
    }
    // Every dedicated dialog and dialog function of the menus is registered (94 and the four transceiver
    // diagnostics functions). Eleven dialogs own an Add or Edit form; the IPv4 static route dialog is opened by two
    // commands (IPStaticRoute1Click has no menu item), so its edit form is checked twice.
    EXPECT_EQ(registered, 94 + 4);
    EXPECT_EQ(opened.size(), static_cast<size_t>(registered));
    EXPECT_EQ(editForms, 11 + 1);
}

INSTANTIATE_TEST_SUITE_P(Dpi, DialogLayoutTest, testing::Values(96, 120),
                         [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

}  // namespace
