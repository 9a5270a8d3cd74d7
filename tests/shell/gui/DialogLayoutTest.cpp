// Every generic command's dialog, built at 96 and at 120 dots per inch: each control it places lies inside its
// parent's client area and is tall enough for its text in the font it really shows.
#include "CommandDialogFixture.h"
#include "GUIConfigForm.h"
#include "GUIGenericDialog.h"
#include "GenericCommand.h"
#include "ScrollBox.h"
#include "StdCtrls.h"

#include <QWidget>
#include <QtGlobal>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace commandtest;

class DialogLayoutTest : public CommandDialogTest, public testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        // The application's fonts follow the screen's dots per inch from the start.
        qputenv("QT_FONT_DPI", QByteArray::number(GetParam()));
        CommandDialogTest::SetUp();
        ui::TestHooks::SetPixelsPerInch(GetParam());
    }
    void TearDown() override {
        CommandDialogTest::TearDown();
        qunsetenv("QT_FONT_DPI");
    }
};

// What is wrong with the controls shown under parent, with a path to each.
void CollectClipped(const ui::Control& parent, const std::string& path, std::vector<std::string>& faults) {
    const bool scrolls = dynamic_cast<const ui::ScrollBox*>(&parent) != nullptr;
    for (int i = 0; i < parent.ControlCount(); ++i) {
        const ui::Control& control = *parent.Controls(i);
        if (!control.Visible()) continue;
        const std::string name = path + "/" + (control.Name().empty() ? typeid(control).name() : control.Name()) +
                                 "#" + std::to_string(i);
        const ui::Rect r = control.BoundsRect();
        // A scroll box's content is reached by scrolling.
        if (!scrolls && (r.Left < 0 || r.Top < 0 || r.Right > parent.ClientWidth() || r.Bottom > parent.ClientHeight()))
            faults.push_back(name + " outside " + std::to_string(parent.ClientWidth()) + "x" +
                             std::to_string(parent.ClientHeight()) + ": " + std::to_string(r.Left) + "," +
                             std::to_string(r.Top) + "-" + std::to_string(r.Right) + "," + std::to_string(r.Bottom));
        const bool text = dynamic_cast<const ui::Label*>(&control) || dynamic_cast<const ui::Button*>(&control) ||
                          dynamic_cast<const ui::Edit*>(&control) || dynamic_cast<const ui::CheckBox*>(&control);
        if (text && control.Height() < control.Widget()->minimumSizeHint().height())
            faults.push_back(name + " " + std::to_string(control.Height()) + " high, its text needs " +
                             std::to_string(control.Widget()->minimumSizeHint().height()));
        CollectClipped(control, name, faults);
    }
}

std::vector<std::string> Clipped(const ui::Form& dialog) {
    std::vector<std::string> faults;
    CollectClipped(dialog, "", faults);
    return faults;
}

TEST_P(DialogLayoutTest, NothingAGenericCommandPlacesIsClipped) {
    const CommandContext context = DeviceContext();
    int dialogs = 0;
    const auto check = [&](const MenuCommand& command, const std::string& portHint) {
        SCOPED_TRACE(command.Handler);
        GenericDialogRequest request;
        request.Command = &command;
        request.PortHint = portHint;
        request.Context = &context;
        std::unique_ptr<TConfigForm> dialog = BuildGenericDialog(GenericDialogRecipeFor(request));
        ++dialogs;
        for (const std::string& fault : Clipped(*dialog)) ADD_FAILURE() << fault;
    };
    for (const MenuCommand& command : AllMenuCommands()) {
        const bool generic = command.Kind == CommandKind::ScalarsEditor || command.Kind == CommandKind::TableList ||
                             command.Kind == CommandKind::TableListAddDelete || command.Kind == CommandKind::Tabbed;
        if (generic) check(command, "");
    }
    for (const MenuCommand& command : PortPopupCommands()) check(command, "1.1");
    EXPECT_EQ(dialogs, 337);
}

INSTANTIATE_TEST_SUITE_P(Dpi, DialogLayoutTest, testing::Values(96, 120),
                         [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

}  // namespace
