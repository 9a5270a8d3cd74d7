// Every generic command row opened for real against the switch simulator.
#include "Application.h"
#include "CommandEngine.h"
#include "GUIConfigForm.h"
#include "GenericCommand.h"
#include "Program.h"
#include "SimDialogFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

class CommandDialogsTest : public simdialog::SimDialogTest {
protected:
    int argc_ = 1;
    char name_[16] = "qsw2126p-mgr";
    char* argv_[2] = {name_, nullptr};
    std::optional<ui::Application> app_;
    ui::MessageBoxRecorder boxes;

    void SetUp() override {
        app_.emplace(argc_, argv_);
        app_->SetTitle(ApplicationTitle);
        ui::TestHooks::SetPixelsPerInch(96);
        SimDialogTest::SetUp();
    }
    void TearDown() override {
        SimDialogTest::TearDown();
        ui::TestHooks::SetPixelsPerInch(0);
        app_.reset();
    }

    static uint8_t ExpectedFormType(CommandKind kind) {
        switch (kind) {
        case CommandKind::ScalarsEditor:
        case CommandKind::PortRowEditor: return TConfigForm::ftEditor;
        case CommandKind::Tabbed: return TConfigForm::ftPaged;
        default: return TConfigForm::ftListView;
        }
    }

    // Opens the command's dialog, checks it once its first read has been answered, and closes it.
    void OpenAndClose(const MenuCommand& command, const CommandContext& context, const std::string& portHint = {}) {
        SCOPED_TRACE(command.Handler);
        MarkLog();
        bool shown = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            shown = true;
            auto* dialog = dynamic_cast<TConfigForm*>(&form);
            ASSERT_NE(dialog, nullptr);
            const std::string expectedCaption =
                portHint.empty() ? CommandDialogCaption(command, "127.0.0.1")
                                 : PortRowEditorCaption(command, "127.0.0.1", portHint);
            if (!expectedCaption.empty()) {
                EXPECT_EQ(dialog->Caption(), expectedCaption);
            }
            EXPECT_EQ(dialog->FormType, ExpectedFormType(command.Kind));
            const size_t requests = command.Kind == CommandKind::Tabbed ? command.Pages.size() : 1;
            ASSERT_EQ(dialog->Requests.size(), requests);
            const CommandTable& table = command.Kind == CommandKind::Tabbed ? command.Pages[0].Table : command.Table;
            const NxSNMPVarList& vars = dialog->Requests[0]->Request.Vars;
            if (command.Kind == CommandKind::PortRowEditor) {
                EXPECT_EQ(vars.Kind, MVT_SV);
                EXPECT_EQ(vars.KeyCount, 0);
            } else {
                EXPECT_EQ(vars.Kind, table.ListKind);
                EXPECT_EQ(vars.KeyCount, table.KeyCount);
            }
            EXPECT_TRUE(RunUntil([&] {
                return !dialog->Requests[0]->Busy && (!Pdus("GET").empty() || !Pdus("GETNEXT").empty());
            }));
            dialog->Close();
        });
        if (portHint.empty())
            RunMenuCommand(command, context);
        else
            RunPortRowCommand(command, portHint, context);
        EXPECT_TRUE(shown);
    }
};

TEST_F(CommandDialogsTest, EveryGenericRowOpensItsDialogReadsTheSimulatorAndCloses) {
    CommandContext context;
    context.DeviceAddress = "127.0.0.1";
    std::map<CommandKind, int> counted;
    for (const MenuCommand& command : AllMenuCommands()) {
        const bool generic = command.Kind == CommandKind::ScalarsEditor || command.Kind == CommandKind::TableList ||
                             command.Kind == CommandKind::TableListAddDelete || command.Kind == CommandKind::Tabbed;
        if (!generic) continue;
        OpenAndClose(command, context);
        ++counted[command.Kind];
    }
    for (const MenuCommand& command : PortPopupCommands()) {
        OpenAndClose(command, context, "1.1");
        ++counted[command.Kind];
    }
    const std::map<CommandKind, int> expected = {
        {CommandKind::ScalarsEditor, 105}, {CommandKind::TableList, 153}, {CommandKind::TableListAddDelete, 71},
        {CommandKind::Tabbed, 6},          {CommandKind::PortRowEditor, 2},
    };
    EXPECT_EQ(counted, expected);
    for (const auto& [kind, count] : counted) std::printf("kind %d: %d rows\n", static_cast<int>(kind), count);
    EXPECT_TRUE(boxes.Calls().empty()) << boxes.Calls().front().Text;
    EXPECT_EQ(DefaultSNMPSecurity.Version, 0);
}

TEST_F(CommandDialogsTest, AV2cAtLeastDialogReadsWithSnmpV2cAndTheNextOneWithV1) {
    CommandContext context;
    context.DeviceAddress = "127.0.0.1";
    DefaultSNMPSecurity.Version = 0;
    OpenAndClose(*FindMenuCommand("IFXTable1Click"), context);
    const std::vector<std::string> v2c = Pdus();
    ASSERT_FALSE(v2c.empty());
    OpenAndClose(*FindMenuCommand("PortInformation1Click"), context);
    const std::vector<std::string> v1 = Pdus();
    ASSERT_FALSE(v1.empty());
    EXPECT_NE(v2c.front().find(" v2c "), std::string::npos) << v2c.front();
    EXPECT_NE(v1.front().find(" v1 "), std::string::npos) << v1.front();
    EXPECT_EQ(DefaultSNMPSecurity.Version, 0);
}

}  // namespace
