#pragma once
// Runs a menu command by its kind: generic dialogs, dedicated dialogs and dialog functions, host tools, the special
// commands and the ones that do nothing. Each command's dialog lives exactly as long as the command.
#include "DeviceStartup.h"
#include "DialogRegistry.h"
#include "MenuCommandTable.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui {
class Component;
class Form;
}

// What a command takes from the main window.
struct CommandContext {
    ui::Component* MainWindow = nullptr;
    std::string DeviceAddress;
    float ScaleFactor = 1.0f;
    const DeviceSettingTextList* SettingTexts = nullptr;  // for the host tools
    std::string ModuleDirectory;                          // where the help file lies
    std::vector<std::string> ToolDirectories;             // where the host tools are looked for first, in order
    std::function<void()> RefreshPanel;
    std::function<void(MainWindowStep)> RunStep;  // Update8021xMenus, StpVersionReread, RmonSettingFormClose
    std::function<void()> About;
};

// Title, the row's separator and the device address.
std::string CommandDialogCaption(const MenuCommand& command, const std::string& deviceAddress);
// A port row editor's caption for the port button hint "port.medium": title, ": ", address, " / Port " and the port
// when the medium is 1 or 2; empty (left unset) for any other medium.
std::string PortRowEditorCaption(const MenuCommand& command, const std::string& deviceAddress,
                                 const std::string& portHint);

// While it lives the device defaults use SNMPv2c at least (a code 0 becomes 1); the saved code is put back however
// the scope ends, an exception from the dialog included.
class V2cAtLeastScope {
public:
    explicit V2cAtLeastScope(bool active);
    ~V2cAtLeastScope();
    V2cAtLeastScope(const V2cAtLeastScope&) = delete;
    V2cAtLeastScope& operator=(const V2cAtLeastScope&) = delete;

private:
    bool active_;
    uint8_t saved_ = 0;
};

// One generic dialog, built, shown and freed: scalars editor, table list (with or without Add/Delete), tabbed and
// port row editor. portHint is empty except for a port row editor.
struct GenericDialogRequest {
    const MenuCommand* Command = nullptr;
    std::string Caption;
    std::string PortHint;
    const CommandContext* Context = nullptr;
};
using GenericDialogRunner = std::function<void(const GenericDialogRequest& request)>;
// Replaces the runner (tests record the requests); an empty one restores the generic dialog.
void SetGenericDialogRunner(GenericDialogRunner runner);

// Dedicated dialogs and dialog functions come from the registry (DialogRegistry.h), which every area fills at
// start-up; a command whose form class or function is not registered opens nothing.
// The form a global instance pointer names while its dialog is open, else null.
ui::Form* DedicatedDialogInstance(const std::string& instancePointer);

void RunMenuCommand(const MenuCommand& command, const CommandContext& context);
// One of the port buttons' popup commands, for the port whose hint is portHint.
void RunPortRowCommand(const MenuCommand& command, const std::string& portHint, const CommandContext& context);
