#include "MainUnit.h"

#include "Application.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "HostRegistry.h"
#include "MainMenuData.h"
#include "MenuProfile.h"
#include "Menus.h"
#include "ModuleStartup.h"
#include "NxSNMPSession.h"
#include "Program.h"
#include "Screen.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr int DesignClientWidth = 768;
constexpr int DesignClientHeight = 156;
constexpr int StartWidth = 800;
constexpr int StatusBarHeight = 20;
constexpr int StatusPanelWidth = 50;

}  // namespace

TMainForm::TMainForm(ui::Component* owner) : ui::Form(owner) {
    MainForm = this;
    try {
        CreateComponents();
        ScaleFactor = static_cast<float>(ui::Screen::ScaleFactor());
        SetWidth(StartWidth);
        StartDevice();
    } catch (...) {
        MainForm = nullptr;  // the destructor does not run for a form whose construction failed
        throw;
    }
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

TMainForm::~TMainForm() {
    if (MainForm == this) MainForm = nullptr;
}

// The form as designed.
void TMainForm::CreateComponents() {
    SetName("MainForm");
    SetBorderStyle(ui::bsSingle);
    SetPosition(ui::poScreenCenter);
    SetClientWidth(DesignClientWidth);
    SetClientHeight(DesignClientHeight);

    MainMenu1 = new ui::MainMenu(this);
    MainMenu1->SetName("MainMenu1");
    for (const MainMenuItem& top : MainMenuTopItems()) CreateMenuItems(MainMenu1->Items(), top);

    StatusBar = new ui::StatusBar(this);
    StatusBar->SetName("StatusBar");
    StatusBar->SetParent(this);
    StatusBar->SetHeight(StatusBarHeight);
    StatusBar->SetAlign(ui::alBottom);
    StatusBar->Panels().Add()->SetWidth(StatusPanelWidth);
}

// The menu as designed: every item enabled, some hidden.
void TMainForm::CreateMenuItems(ui::MenuItem& parent, const MainMenuItem& data) {
    auto* item = new ui::MenuItem(this);
    item->SetName(data.Name);
    item->SetCaption(data.Caption);
    item->SetVisible(!data.HiddenAtStart);
    parent.Add(item);
    if (!data.IsSeparator()) menuItems_[data.Name] = item;
    if (data.HasCommand())
        item->OnClick = [this, handler = std::string(data.Handler)](ui::Component*) { RunCommand(handler); };
    for (const MainMenuItem& child : data.Children) CreateMenuItems(*item, child);
}

ui::MenuItem* TMainForm::FindMenuItem(const std::string& name) const {
    const auto found = menuItems_.find(name);
    return found == menuItems_.end() ? nullptr : found->second;
}

void TMainForm::ApplyModelMenuProfile(bool flag) {
    if (!flag) return;
    for (const MenuVisibility& entry : ModelMenuProfile()) FindMenuItem(entry.Name)->SetVisible(entry.Visible);
}

void TMainForm::ShowPoeAndImageMenus() {
    for (const MenuVisibility& entry : PoeAndImageMenus()) FindMenuItem(entry.Name)->SetVisible(entry.Visible);
}

// Everything before the first request, in this order; an exception leaves the constructor and ends the program.
void TMainForm::StartDevice() {
    CreateGlobalSnmpSession("");
    DefaultSNMPSecurity.Version = 0;

    host::Registry registry;
    const ModuleKey moduleKey = ReadModuleKey(registry);
    ModulePath = moduleKey.ModulePath;
    if (moduleKey.Opened) {
        ApplyModelMenuProfile(true);
        ShowPoeAndImageMenus();
    }
    LoadModuleMessageFiles(ModuleDirectory(ModulePath));
    ConfigurationDirectory = ReadConfigurationDirectory(registry);

    const std::vector<std::string>& arguments = ProgramArguments();
    if (arguments.empty()) {
        ui::MessageBox(nullptr, "No parameter input", ui::Application::Instance().Title());
        ui::Application::Instance().Terminate();
    } else {
        DeviceDefaults defaults = DeviceDefaults::Current();
        ApplyCommandLine(arguments, ConfigurationDirectory, defaults, DeviceSettingTexts);
        defaults.MakeCurrent();
        DeviceAddressText = DeviceSettingTexts[dsAddress];
    }

    FindMenuItem(SnmpV3MenuName)->SetEnabled(SnmpV3MenuEnabled(DefaultSNMPSecurity.Version));
}

void TMainForm::FormCreate(ui::Component*) {
    FirstInit = true;
    Activated = false;
    SetCaption(DeviceSettingTexts[dsAddress]);
    // A start that is ending (no command line) reads nothing from the device.
    if (ui::Application::Instance().Terminated()) return;
}
