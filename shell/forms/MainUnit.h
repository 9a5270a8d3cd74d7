#pragma once
// The main window. Its constructor settles everything the module needs before the first SNMP request, in a fixed
// order: scale factor, the global SNMP session, the module's registry key and the model's menu profile, the message
// files, the configuration directory, the command line with the per-device settings file, and the "SNMP v3" menu.
#include "DeviceStartup.h"
#include "Form.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

struct MainMenuItem;
enum class MainWindowStep : uint8_t;

namespace ui {
class MainMenu;
class MenuItem;
class StatusBar;
}

class TMainForm : public ui::Form {
public:
    explicit TMainForm(ui::Component* owner);
    ~TMainForm() override;

    float ScaleFactor = 1.0f;                 // 1.0 at 96 dots per inch, 1.25 otherwise; scales dialog sizes
    DeviceSettingTextList DeviceSettingTexts;  // text copy of each device setting, for the host tools
    std::string DialogCaption;                // caption of the dialog being opened
    std::array<std::string, 10> ModelNames;   // filled by the window's creation step

    // Where the start-up found the module and the per-device settings files.
    std::string ModulePath;
    std::string ConfigurationDirectory;

    bool FirstInit = false;
    bool Activated = false;

    ui::MainMenu* MainMenu1 = nullptr;
    ui::StatusBar* StatusBar = nullptr;

    // The menu item with this component name, or null.
    ui::MenuItem* FindMenuItem(const std::string& name) const;

    // The model's menu profile (applied when flag is set) and the PoE and image menus; the start-up applies
    // both when the module's registry key opens.
    void ApplyModelMenuProfile(bool flag);
    void ShowPoeAndImageMenus();

    // The window's creation step: runs when the constructor has settled the device.
    void FormCreate(ui::Component* sender);

    // Menu commands: every item's OnClick runs the command of its handler (MainCommands.cpp).
    void RunCommand(const std::string& handler);
    void RunPortCommand(const std::string& handler, const std::string& portHint);
    void RunMainWindowStep(MainWindowStep step);
    // Main-window steps the commands call, supplied by the device-state views.
    std::function<void()> RefreshPanelStep, UpdateRmonMenusStep, Update8021xMenusStep, StpVersionRereadStep;

private:
    void CreateComponents();
    void CreateMenuItems(ui::MenuItem& parent, const MainMenuItem& data);
    void StartDevice();

    std::map<std::string, ui::MenuItem*> menuItems_;
};

extern TMainForm* MainForm;
