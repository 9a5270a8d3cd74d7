// The main window's menu commands, run by the command engine.
#include "AboutUnit.h"
#include "Application.h"
#include "CommandEngine.h"
#include "MainUnit.h"
#include "MenuCommandTable.h"
#include "ModuleStartup.h"

namespace {

void RunIfSet(const std::function<void()>& step) {
    if (step) step();
}

}  // namespace

void TMainForm::RunMainWindowStep(MainWindowStep step) {
    switch (step) {
    case MainWindowStep::RmonSettingFormClose: RunIfSet(UpdateRmonMenusStep); break;
    case MainWindowStep::Update8021xMenus: RunIfSet(Update8021xMenusStep); break;
    case MainWindowStep::StpVersionReread: RunIfSet(StpVersionRereadStep); break;
    case MainWindowStep::None: break;
    }
}

CommandContext TMainForm::MakeCommandContext() {
    CommandContext context;
    context.MainWindow = this;
    context.DeviceAddress = DeviceAddressText;
    context.ScaleFactor = ScaleFactor;
    context.SettingTexts = &DeviceSettingTexts;
    context.ModuleDirectory = ModuleDirectory(ModulePath);
    context.ToolDirectories = {HostProgramDirectory, context.ModuleDirectory};
    context.RefreshPanel = [this] { RunIfSet(RefreshPanelStep); };
    context.RunStep = [this](MainWindowStep step) { RunMainWindowStep(step); };
    context.About = [] { ShowAboutBox(&ui::Application::Instance()); };
    return context;
}

void TMainForm::RunCommand(const std::string& handler) {
    const MenuCommand* command = FindMenuCommand(handler);
    if (command == nullptr) return;
    DialogCaption = command->Title ? CommandDialogCaption(*command, DeviceAddressText) : std::string();
    RunMenuCommand(*command, MakeCommandContext());
}

void TMainForm::RunPortCommand(const std::string& handler, const std::string& portHint) {
    for (const MenuCommand& command : PortPopupCommands()) {
        if (handler != command.Handler) continue;
        DialogCaption = command.Title;
        RunPortRowCommand(command, portHint, MakeCommandContext());
        return;
    }
}
