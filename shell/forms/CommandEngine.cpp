#include "CommandEngine.h"

#include "Application.h"
#include "Form.h"
#include "GenericCommand.h"
#include "HostTools.h"
#include "NxSNMPSession.h"

#include <map>
#include <memory>

namespace {

GenericDialogRunner& CurrentRunner() {
    static GenericDialogRunner runner;
    return runner;
}

std::map<std::string, ui::Form*>& InstancePointers() {
    static std::map<std::string, ui::Form*> pointers;
    return pointers;
}

void RunStep(const CommandContext& context, MainWindowStep step) {
    if (step != MainWindowStep::None && context.RunStep) context.RunStep(step);
}

bool IsGeneric(CommandKind kind) {
    return kind == CommandKind::ScalarsEditor || kind == CommandKind::TableList ||
           kind == CommandKind::TableListAddDelete || kind == CommandKind::Tabbed ||
           kind == CommandKind::PortRowEditor;
}

void RunGenericDialog(const GenericDialogRequest& request) {
    if (CurrentRunner())
        CurrentRunner()(request);
    else
        RunGenericCommandDialog(request);
}

// Clears the instance pointer when the dialog is gone, however the command ends. A kept pointer would name a
// freed form, so it is cleared whether or not the row keeps it.
class InstancePointerScope {
public:
    InstancePointerScope(const char* name, const InstancePointerSetter* publish, ui::Form* form)
        : name_(name ? name : ""), publish_(publish && *publish ? publish : nullptr) {
        if (!name_.empty()) InstancePointers()[name_] = form;
        if (publish_) (*publish_)(form);
    }
    ~InstancePointerScope() {
        if (publish_) (*publish_)(nullptr);
        if (!name_.empty()) InstancePointers().erase(name_);
    }
    InstancePointerScope(const InstancePointerScope&) = delete;
    InstancePointerScope& operator=(const InstancePointerScope&) = delete;

private:
    std::string name_;
    const InstancePointerSetter* publish_;
};

void RunDedicatedDialog(const MenuCommand& command, const CommandContext& context) {
    const DedicatedDialogEntry* entry = FindDedicatedDialog(command.FormClass);
    if (!entry) return;  // every area registers its forms at start-up
    ui::Component* owner = command.Extras.OwnerMainWindow && context.MainWindow
                               ? context.MainWindow
                               : static_cast<ui::Component*>(&ui::Application::Instance());
    std::unique_ptr<ui::Form> form(entry->Create(owner));
    if (!form) return;
    const bool kept = !command.Extras.NoInstancePointer;
    const InstancePointerScope pointer(kept ? command.InstancePointer : nullptr, kept ? &entry->Publish : nullptr,
                                       form.get());
    form->SetCaption(CommandDialogCaption(command, context.DeviceAddress));
    form->ShowModal();
    form.reset();
}

void RunDialogFunction(const MenuCommand& command, const CommandContext& context) {
    const DialogFunction* function = FindDialogFunction(command.Function ? command.Function : "");
    if (!function) return;
    (*function)(context.DeviceAddress, context.ScaleFactor);
}

void RunSpecial(const MenuCommand& command, const CommandContext& context) {
    switch (command.Special) {
    case SpecialCommand::RefreshPanel:
        if (context.RefreshPanel) context.RefreshPanel();
        break;
    case SpecialCommand::Help: OpenHelpFile(context.ModuleDirectory); break;
    case SpecialCommand::About:
        if (context.About) context.About();
        break;
    case SpecialCommand::None: break;
    }
}

void RunHostTool(const MenuCommand& command, const CommandContext& context) {
    if (command.PageOption == nullptr || context.SettingTexts == nullptr) return;
    RunMibBrowser(command.PageOption, *context.SettingTexts, DefaultSNMPSecurity.Version, context.ToolDirectories);
}

// The steps around any dialog: before, the SNMP version switch, after close.
void RunDialogCommand(const MenuCommand& command, const CommandContext& context,
                      const std::function<void()>& openDialog) {
    RunStep(context, command.Extras.Before);
    {
        const V2cAtLeastScope version(command.Extras.V2cAtLeast);
        openDialog();
    }
    RunStep(context, command.Extras.AfterClose);
}

}  // namespace

std::string CommandDialogCaption(const MenuCommand& command, const std::string& deviceAddress) {
    const char* separator = command.Extras.CaptionSeparator ? command.Extras.CaptionSeparator : ": ";
    return std::string(command.Title ? command.Title : "") + separator + deviceAddress;
}

std::string PortRowEditorCaption(const MenuCommand& command, const std::string& deviceAddress,
                                 const std::string& portHint) {
    const size_t dot = portHint.find('.');
    if (dot == std::string::npos || dot + 1 >= portHint.size()) return {};
    const char medium = portHint[dot + 1];
    if (medium != '1' && medium != '2') return {};
    return CommandDialogCaption(command, deviceAddress) + " / Port " + portHint.substr(0, dot);
}

V2cAtLeastScope::V2cAtLeastScope(bool active) : active_(active) {
    if (!active_) return;
    saved_ = DefaultSNMPSecurity.Version;
    if (saved_ == 0) DefaultSNMPSecurity.Version = 1;
}

V2cAtLeastScope::~V2cAtLeastScope() {
    if (active_) DefaultSNMPSecurity.Version = saved_;
}

void SetGenericDialogRunner(GenericDialogRunner runner) { CurrentRunner() = std::move(runner); }

ui::Form* DedicatedDialogInstance(const std::string& instancePointer) {
    const auto found = InstancePointers().find(instancePointer);
    return found == InstancePointers().end() ? nullptr : found->second;
}

void RunMenuCommand(const MenuCommand& command, const CommandContext& context) {
    switch (command.Kind) {
    case CommandKind::NoAction: return;
    case CommandKind::Special: RunSpecial(command, context); return;
    case CommandKind::HostTool: RunHostTool(command, context); return;
    case CommandKind::DedicatedDialog:
        RunDialogCommand(command, context, [&] { RunDedicatedDialog(command, context); });
        return;
    case CommandKind::DialogFunction:
        RunDialogCommand(command, context, [&] { RunDialogFunction(command, context); });
        return;
    case CommandKind::PortRowEditor: return;  // needs the port: RunPortRowCommand
    default: break;
    }
    if (!IsGeneric(command.Kind)) return;
    RunDialogCommand(command, context, [&] {
        RunGenericDialog({&command, CommandDialogCaption(command, context.DeviceAddress), {}, &context});
    });
}

void RunPortRowCommand(const MenuCommand& command, const std::string& portHint, const CommandContext& context) {
    RunDialogCommand(command, context, [&] {
        RunGenericDialog({&command, PortRowEditorCaption(command, context.DeviceAddress, portHint), portHint,
                          &context});
    });
}
