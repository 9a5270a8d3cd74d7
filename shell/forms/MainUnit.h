#pragma once
// The main window. Its constructor settles everything the module needs before the first SNMP request, in a fixed
// order: scale factor, the global SNMP session, the module's registry key and the model's menu profile, the message
// files, the configuration directory, the command line with the per-device settings file, and the "SNMP v3" menu.
//
// After that it keeps the device state that menus, views and dialogs read (stacking mode, stack-unit table, RMON,
// STP and 802.1X states in hidden texts), builds one front-panel view per present stack unit inside the
// "Initializing Panel" waiting form on its first activation, and rebuilds them on "Refresh Panel".
#include "DeviceStartup.h"
#include "DeviceWindow.h"
#include "Form.h"
#include "PanelHost.h"
#include "StackState.h"
#include "WaitingSupport.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct CommandContext;
struct MainMenuItem;
enum class MainWindowStep : uint8_t;
enum class DeviceStateRule;
class NxSNMPRequest2Edits;
class TPanelForm;

namespace ui {
class ImageList;
class Label;
class ListView;
class MainMenu;
class MenuItem;
class PopupMenu;
class ScrollBox;
class SpeedButton;
class StaticText;
class StatusBar;
}

// The stacking mode last read ("enabled", "disabled", "other"; empty before the first read), the rows of the
// stack-unit list after the last read, and that list once a read has run.
extern std::string StackModeText;
extern int StackUnitCount;
extern ui::ListView* StackUnitListView;

class TMainForm : public ui::Form, public PanelBuildSteps, public TPanelHost, public StackState, public DeviceWindow {
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
    std::string HostProgramDirectory;  // the host's companion tools

    bool Activated = false;   // the first activation has run
    int PanelCount = 0;       // stack units for which a view was asked in the last build
    TPanelForm* LastPanel = nullptr;
    std::vector<TPanelForm*> PanelFormList;  // the views shown, top to bottom

    ui::MainMenu* MainMenu1 = nullptr;
    ui::StatusBar* StatusBar = nullptr;
    ui::ScrollBox* ScrollBox1 = nullptr;
    ui::Label* ST_StackMode = nullptr;
    ui::ListView* UnitListView = nullptr;
    ui::StaticText* ST_StackNum = nullptr;
    ui::StaticText* ST_RmonState = nullptr;
    ui::ListView* PortInfoListView = nullptr;
    ui::StaticText* ST_STPVersion = nullptr;
    ui::StaticText* ST_8021xStatus = nullptr;
    ui::PopupMenu* PortInfoPopupMenu = nullptr;

    NxSNMPRequest2Edits* UnitRequest = nullptr;
    NxSNMPRequest2Edits* StackModeRequest = nullptr;
    NxSNMPRequest2Edits* RmonStateRequest = nullptr;
    NxSNMPRequest2Edits* StpVersionRequest = nullptr;
    NxSNMPRequest2Edits* Dot1xStateRequest = nullptr;

    // The menu item with this component name, or null.
    ui::MenuItem* FindMenuItem(const std::string& name) const;

    // The model's menu profile (applied when flag is set) and the PoE and image menus; the start-up applies
    // both when the module's registry key opens.
    void ApplyModelMenuProfile(bool flag);
    void ShowPoeAndImageMenus();

    // The window's creation step: runs when the constructor has settled the device.
    void FormCreate(ui::Component* sender);
    // The first activation builds the views inside the waiting form; later ones do nothing.
    void FormActivate(ui::Component* sender);
    // Stops every request and every view's LED polling before anything they write to goes away.
    void FormClose(ui::Component* sender, ui::CloseAction& action);

    // Panel building, run by the waiting form.
    bool FirstInit() const override { return firstInit_; }
    bool InitUnitInformation() override;
    void ClosePanels() override;
    void ClearPortButtonList() override { portButtons_.clear(); }
    void BuildPanels() override;
    void AssignPortPopup() override;
    void SetPortButtonClick() override;
    void UpdateRmonMenus() override;
    void Update8021xMenus() override;
    void UpdateStackMenus() override;

    void CreateStandalonePanel();
    void CreateUnitPanel(const std::string& model, const std::string& caption);
    void PortButtonClick(ui::SpeedButton* button);
    void ReleasePortButtons();
    // The port popup's two commands: the button the popup was opened on becomes the one selected port, and the
    // row editor of that port (its hint is the row instance) opens.
    void PortInformation2Click(ui::Component* sender);
    void PortConfiguration1Click(ui::Component* sender);
    // "Refresh Panel": asks, then closes and rebuilds the views inside the waiting form.
    void RefreshPanel1Click(ui::Component* sender);

    // What the views need of the main window.
    ui::StatusPanel* LedStatusPanel() override;
    ui::ImageList* ImageList1() override { return imageList1_; }
    ui::ImageList* ImageList2() override { return imageList2_; }
    std::vector<ui::SpeedButton*>& PortButtonList() override { return portButtons_; }
    std::string StackModeText() const override;

    // The stack state the port selector reads.
    int StackUnitCount() const override;
    std::vector<StackUnitRow> StackUnitRows() const override;

    // What the dedicated dialogs read and change of the window.
    std::string DeviceAddress() const override;
    std::string StpVersion() const override;
    void SetStpVersion(const std::string& text) override;
    bool RereadStpVersion() override;
    bool RereadUnitTable() override;

    // Menu commands: every item's OnClick runs the command of its handler (MainCommands.cpp).
    void RunCommand(const std::string& handler);
    void RunPortCommand(const std::string& handler, const std::string& portHint);
    void RunMainWindowStep(MainWindowStep step);
    // What a command takes from the window: address, scale, settings, directories and the window's steps.
    CommandContext MakeCommandContext();
    // Main-window steps the commands call, supplied by the device-state views.
    std::function<void()> RefreshPanelStep, UpdateRmonMenusStep, Update8021xMenusStep, StpVersionRereadStep;

private:
    void CreateComponents();
    void CreateHiddenTexts();
    void CreatePortPopup();
    void RunPortPopupCommand(const std::string& handler);
    void CreateStateRequests();
    NxSNMPRequest2Edits* NewStateRequest(const char* table, ui::StaticText* text);
    void ShowPanelBuild(const std::string& caption);
    void ArrangeForScrolling();
    void StartViewPolling(TPanelForm& view);
    void EmbedPanel(TPanelForm& view, int height, int width);
    void FreeUnitRequest();
    void UpdateStateMenus(DeviceStateRule rule, NxSNMPRequest2Edits* request, const ui::Label* text);
    void ShowMainStatus(const std::string& text);
    std::string SilentDeviceStatus() const;
    void CreateMenuItems(ui::MenuItem& parent, const MainMenuItem& data);
    void StartDevice();

    std::map<std::string, ui::MenuItem*> menuItems_;
    bool firstInit_ = false;
    bool deviceSilent_ = false;  // the switch gave no answer during this build of the window: ask no more
    std::vector<ui::SpeedButton*> portButtons_;
    ui::ImageList* imageList1_ = nullptr;
    ui::ImageList* imageList2_ = nullptr;
};

extern TMainForm* MainForm;
