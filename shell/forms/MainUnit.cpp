#include "MainUnit.h"

#include "Application.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "HostRegistry.h"
#include "ImageList.h"
#include "ListView.h"
#include "MainMenuData.h"
#include "MenuProfile.h"
#include "MenuStates.h"
#include "Menus.h"
#include "ModuleStartup.h"
#include "NxSNMPRequest2Edits.h"
#include "NxSNMPRequest2Leds.h"
#include "NxSNMPSession.h"
#include "PanelFormFactory.h"
#include "PanelPictures.h"
#include "PanelQSW2126PFormUnit.h"
#include "Program.h"
#include "Screen.h"
#include "ScrollBox.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"
#include "WaitingFormUnit.h"

#include <stdexcept>

TMainForm* MainForm = nullptr;
std::string StackModeText;
int StackUnitCount = 0;
ui::ListView* StackUnitListView = nullptr;

namespace {

constexpr int DesignClientWidth = 768;
constexpr int DesignClientHeight = 156;
constexpr int StartWidth = 800;
constexpr int StatusBarHeight = 20;
constexpr int StatusPanelWidth = 50;
constexpr int LedPollInterval = 300;  // x 10 ms
constexpr int ScrollFromPanelCount = 5;

const char* const StackModeTable = "1.3.6.1.4.1.32473.12.11.1 (1 entries from \"Mode\")";
const char* const UnitTable = "1.3.6.1.4.1.32473.12.11.1.9.4.1 (9 entries from \"ID\")";
const char* const RmonStateTable = "1.3.6.1.4.1.32473.11.70.7.2.1.2 (1 entries from \"RMON State\")";
const char* const StpVersionTable = "1.3.6.1.4.1.32473.12.15.1 (1 entries from \"STP Version\")";
const char* const Dot1xStateTable = "1.0.8802.1.1.1.1.1";

// Sub-items of a stack-unit row.
enum UnitColumn { ucStartPort = 1, ucPortRange = 2, ucModelName = 6, ucExistState = 7 };

std::string SubItem(const ui::ListItem& item, int index) {
    const ui::Strings& cells = item.SubItems();
    return index < cells.Count() ? cells[index] : std::string();
}

// A cell the views need as a number; raises Exception when it is none.
int CellNumber(const std::string& text) {
    try {
        size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw Exception("'" + text + "' is not a valid integer value");
}

// A read that got no answer at all: every try timed out, or nothing could be sent.
bool GaveNoAnswer(NxSNMPErrorCode code) { return code == NxErrTimeout || code == NxErrTransportFailed; }

bool UnitPresent(const ui::ListItem& row) {
    const std::string state = SubItem(row, ucExistState);
    return state != "no-exist" && state != "(NOTDONE)";
}

// Clears Active, lets the answers still under way arrive, then frees the request. A blocking read under way is
// further down this very call stack (a walk lets events run between rows): waiting for it would never end, so
// the request is only stopped, and freed by a later call once that read has returned.
void StopAndFree(NxSNMPRequest2Edits*& request) {
    if (!request) return;
    request->Request.Active = false;
    if (request->Busy && request->Mode == NxSNMPRequest2Controls::ModeSync) return;
    while (request->Busy) ui::Application::Instance().ProcessMessages();
    delete request;
    request = nullptr;
}

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
    // A window freed without its close step still stops the views and requests before their targets go.
    ClosePanels();
    FreeUnitRequest();
    StopAndFree(StackModeRequest);
    StopAndFree(RmonStateRequest);
    StopAndFree(StpVersionRequest);
    StopAndFree(Dot1xStateRequest);
    if (StackUnitListView == UnitListView) StackUnitListView = nullptr;
    SetStackState(nullptr);
    SetDeviceWindow(nullptr);
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

    ScrollBox1 = new ui::ScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetParent(this);
    ScrollBox1->SetAlign(ui::alClient);
    ScrollBox1->SetAutoScroll(false);
    CreateHiddenTexts();
    CreatePortPopup();

    imageList1_ = new ui::ImageList(this);
    imageList1_->SetName("ImageList1");
    imageList1_->Add(panels::UnitPictures1());
    imageList2_ = new ui::ImageList(this);
    imageList2_->SetName("ImageList2");
    imageList2_->Add(panels::UnitPictures2());

    // The command engine's main-window steps.
    RefreshPanelStep = [this] { RefreshPanel1Click(this); };
    UpdateRmonMenusStep = [this] { UpdateRmonMenus(); };
    Update8021xMenusStep = [this] { Update8021xMenus(); };
    StpVersionRereadStep = [this] {
        try {
            if (StpVersionRequest) StpVersionRequest->Get();
        } catch (const std::exception& error) {
            ShowMainStatus(error.what());  // the command goes on
        }
    };
}

// The device-state texts and the unit list: never shown, read by the menus, views and dialogs.
void TMainForm::CreateHiddenTexts() {
    auto hidden = [this](ui::Control* control, const char* name) {
        control->SetName(name);
        control->SetParent(ScrollBox1);
        control->SetVisible(false);
    };
    ST_StackMode = new ui::Label(this);
    hidden(ST_StackMode, "ST_StackMode");
    ST_StackMode->SetCaption("ST_StackMode");
    UnitListView = new ui::ListView(this);
    hidden(UnitListView, "UnitListView");
    ST_StackNum = new ui::StaticText(this);
    hidden(ST_StackNum, "ST_StackNum");
    ST_RmonState = new ui::StaticText(this);
    hidden(ST_RmonState, "ST_RmonState");
    PortInfoListView = new ui::ListView(this);
    hidden(PortInfoListView, "PortInfoListView");
    ST_STPVersion = new ui::StaticText(this);
    hidden(ST_STPVersion, "ST_STPVersion");
    ST_8021xStatus = new ui::StaticText(this);
    hidden(ST_8021xStatus, "ST_8021xStatus");
    for (ui::StaticText* text : {ST_StackNum, ST_RmonState, ST_STPVersion, ST_8021xStatus})
        text->SetCaption(text->Name());
}

// The port buttons' shared popup; its two commands belong to the command tables.
void TMainForm::CreatePortPopup() {
    PortInfoPopupMenu = new ui::PopupMenu(this);
    PortInfoPopupMenu->SetName("PortInfoPopupMenu");
    struct PopupItem {
        const char* Name;
        const char* Caption;
        void (TMainForm::*Click)(ui::Component*);
    };
    const PopupItem items[] = {{"PortInformation2", "Port Information", &TMainForm::PortInformation2Click},
                               {"PortConfiguration1", "Port Configuration", &TMainForm::PortConfiguration1Click}};
    for (const PopupItem& entry : items) {
        auto* item = new ui::MenuItem(this);
        item->SetName(entry.Name);
        item->SetCaption(entry.Caption);
        item->OnClick = [this, click = entry.Click](ui::Component* sender) { (this->*click)(sender); };
        PortInfoPopupMenu->Items().Add(item);
        menuItems_[entry.Name] = item;
    }
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
    // Files that are there but cannot be read are named; the start goes on without them.
    std::vector<std::string> refusals;
    if (const std::string refusal = registry.Refusal(); !refusal.empty()) refusals.push_back(refusal);
    const ModuleKey moduleKey = ReadModuleKey(registry);
    ModulePath = moduleKey.ModulePath;
    if (moduleKey.Opened) {
        ApplyModelMenuProfile(true);
        ShowPoeAndImageMenus();
    }
    for (const std::string& refusal : LoadModuleMessageFiles(ModuleDirectory(ModulePath))) refusals.push_back(refusal);
    for (const std::string& refusal : refusals)
        ui::MessageBox(nullptr, refusal, ui::Application::Instance().Title());
    ConfigurationDirectory = ReadConfigurationDirectory(registry);
    HostProgramDirectory = ReadHostProgramDirectory(registry);

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
    firstInit_ = true;
    Activated = false;
    OnActivate = [this](ui::Component* sender) { FormActivate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    SetStackState(this);
    SetDeviceWindow(this);
    try {
        SetCaption(DeviceSettingTexts[dsAddress]);
        PanelFormList.clear();
        portButtons_.clear();
        ModelNames = {"QSW-2327", "QSW-2327G", "QSW-2350", "QSW-2126",  "QSW-2127",
                      "QSW-2150", "QSW-2126P", "QSW-2312G", "QSW-2312", "QSW-2126G"};
        // A start that is ending (no command line) reads nothing from the device.
        if (ui::Application::Instance().Terminated()) return;
        CreateStateRequests();
        InitUnitInformation();
        UpdateStackMenus();
    } catch (const std::exception& error) {
        ShowMainStatus(error.what());
    }
}

// The three state requests; the menu steps read them.
void TMainForm::CreateStateRequests() {
    RmonStateRequest = NewStateRequest(RmonStateTable, ST_RmonState);
    StpVersionRequest = NewStateRequest(StpVersionTable, ST_STPVersion);
    Dot1xStateRequest = NewStateRequest(Dot1xStateTable, ST_8021xStatus);
}

NxSNMPRequest2Edits* TMainForm::NewStateRequest(const char* table, ui::StaticText* text) {
    auto* request = new NxSNMPRequest2Edits(this);
    try {
        request->Request.Vars = NxSNMPVarList(PanelCatalogTable(table), SVT_SV, 0);
        request->Mode = NxSNMPRequest2Controls::ModeSync;
        request->BindStaticText(0, text);
    } catch (...) {
        delete request;
        throw;
    }
    return request;
}

void TMainForm::ShowMainStatus(const std::string& text) { StatusBar->Panels()[0]->SetText(text); }

ui::StatusPanel* TMainForm::LedStatusPanel() { return StatusBar->Panels()[0]; }

std::string TMainForm::StackModeText() const { return ::StackModeText; }

int TMainForm::StackUnitCount() const { return ::StackUnitCount; }

std::vector<StackUnitRow> TMainForm::StackUnitRows() const {
    std::vector<StackUnitRow> rows;
    if (!StackUnitListView) return rows;
    for (int i = 0; i < UnitListView->Items().Count(); ++i) {
        const ui::ListItem& item = *UnitListView->Items()[i];
        rows.push_back({item.Caption(), SubItem(item, ucStartPort), SubItem(item, ucModelName),
                        SubItem(item, ucExistState)});
    }
    return rows;
}

std::string TMainForm::DeviceAddress() const { return DeviceAddressText; }

std::string TMainForm::StpVersion() const { return ST_STPVersion->Caption(); }

void TMainForm::SetStpVersion(const std::string& text) { ST_STPVersion->SetCaption(text); }

bool TMainForm::RereadStpVersion() { return StpVersionRequest && StpVersionRequest->Get(); }

bool TMainForm::RereadUnitTable() {
    if (!UnitRequest) return false;
    const bool read = UnitRequest->Get();
    ::StackUnitCount = UnitListView->Items().Count();
    return read;
}

bool TMainForm::InitUnitInformation() {
    if (!UnitRequest) {
        try {
            auto* request = new NxSNMPRequest2Edits(this);
            UnitRequest = request;
            request->Request.Vars = NxSNMPVarList(PanelCatalogTable(UnitTable), MVT_FMV, 1);
            request->Mode = NxSNMPRequest2Controls::ModeSync;
            request->MaxRows = MaxStackUnits;  // an agent that never ends the table cannot hold the start
            request->SetStatusPanel(StatusBar->Panels()[0]);
            request->BindListView(UnitListView);
        } catch (const std::exception&) {
            FreeUnitRequest();
            ShowMainStatus("Initial  Unit Information Failed");
            return false;
        }
    }
    if (!StackModeRequest) {
        try {
            auto* request = new NxSNMPRequest2Edits(this);
            StackModeRequest = request;
            request->Request.Vars = NxSNMPVarList(PanelCatalogTable(StackModeTable), SVT_SV, 0);
            request->Mode = NxSNMPRequest2Controls::ModeSync;
            request->SetStatusPanel(StatusBar->Panels()[0]);
            request->BindControl(0, ST_StackMode);
        } catch (const std::exception&) {
            StopAndFree(StackModeRequest);
            ShowMainStatus("Initial Stack Information Failed");
            return false;
        }
    }
    // A switch that gave no answer is not asked again read after read while the window comes up.
    if (deviceSilent_) {
        ShowMainStatus(SilentDeviceStatus());
        return false;
    }
    try {
        StackModeRequest->Get();
        if (GaveNoAnswer(StackModeRequest->Request.LastCode)) {
            deviceSilent_ = true;
            ShowMainStatus(SilentDeviceStatus());
            return false;
        }
        ::StackModeText = ST_StackMode->Caption();
        // A rebuild reads the rows again too, so that added and removed units show.
        if (::StackUnitCount == 0 || !firstInit_) UnitRequest->Get();
        ::StackUnitCount = UnitListView->Items().Count();
        StackUnitListView = UnitListView;
        while (UnitRequest->Busy) ui::Application::Instance().ProcessMessages();
    } catch (const std::exception&) {
        ShowMainStatus("Get Unit Information Failed");
        return false;
    }
    return true;
}

void TMainForm::FreeUnitRequest() { StopAndFree(UnitRequest); }

std::string TMainForm::SilentDeviceStatus() const {
    const NxSNMPRequest& asked = StackModeRequest->Request;
    return SilentDeviceText(asked.Device, asked.Security.Version, ConfigurationDirectory, DeviceSettingTexts[dsAddress]);
}

void TMainForm::FormActivate(ui::Component*) {
    if (Activated) return;
    PanelCount = 0;
    Activated = true;
    ShowPanelBuild("Initializing Panel");
    deviceSilent_ = false;  // from now on every read asks the switch again
}

void TMainForm::RefreshPanel1Click(ui::Component*) {
    if (ui::MessageBox(this, "Refresh panel may take a long time. Are you sure?",
                       ui::Application::Instance().Title(), ui::mbOKCancel, ui::mtConfirmation) != ui::mrOk)
        return;
    firstInit_ = false;
    ShowPanelBuild("");
    deviceSilent_ = false;
}

// The waiting form runs the build steps on its activation and closes itself; an empty caption keeps its own.
void TMainForm::ShowPanelBuild(const std::string& caption) {
    WaitingForm = new TWaitingForm(this);
    try {
        if (!caption.empty()) WaitingForm->SetCaption(caption);
        WaitingForm->ShowModal();
    } catch (...) {
        delete WaitingForm;
        WaitingForm = nullptr;
        throw;
    }
    delete WaitingForm;
    WaitingForm = nullptr;
    if (PanelCount >= ScrollFromPanelCount) ArrangeForScrolling();
}

void TMainForm::ArrangeForScrolling() {
    ScrollBox1->SetAutoScroll(true);
    SetTop(20);
    SetHeight(500);
    SetWidth(Width() + 20);
    ScrollBox1->SetHeight(430);
    ScrollBox1->SetWidth(ScrollBox1->Width() + 20);
}

void TMainForm::BuildPanels() {
    PanelCount = 0;
    LastPanel = nullptr;
    if (ST_StackMode->Caption() != "enabled") {
        CreateStandalonePanel();
        return;
    }
    try {
        for (int i = 0; i < UnitListView->Items().Count(); ++i) {
            const ui::ListItem& row = *UnitListView->Items()[i];
            if (!UnitPresent(row)) continue;
            CellNumber(SubItem(row, ucStartPort));
            CellNumber(SubItem(row, ucPortRange));
            ++PanelCount;
            CreateUnitPanel(SubItem(row, ucModelName), row.Caption());
        }
    } catch (const std::exception& error) {
        ShowMainStatus(error.what());
    }
}

void TMainForm::CreateUnitPanel(const std::string& model, const std::string& caption) {
    bool known = false;
    for (const std::string& name : ModelNames) known = known || name == model;
    if (!known) return;
    TPanelForm* view = NewPanelForm(model, this, *this);
    if (!view) return;
    const int height = view->ClientHeight();
    const int width = view->ClientWidth();
    try {
        view->UnitNumber = CellNumber(caption);
        view->InitPanelLeds();
        if (model != "QSW-2126G") view->InitPortButtons();
    } catch (...) {
        delete view;
        throw;
    }
    StartViewPolling(*view);
    EmbedPanel(*view, height, width);
}

void TMainForm::CreateStandalonePanel() {
    TPanelForm* view = new TPanelQSW2126PForm(this, *this);
    const int height = view->ClientHeight();
    const int width = view->ClientWidth();
    try {
        view->UnitNumber = 1;
        view->InitPanelLeds();
        view->InitPortButtons();
    } catch (...) {
        delete view;
        throw;
    }
    StartViewPolling(*view);
    ScrollBox1->SetAutoScroll(false);
    EmbedPanel(*view, height, width);
}

void TMainForm::StartViewPolling(TPanelForm& view) {
    if (!view.LedRequest) return;
    try {
        view.LedRequest->StartPolling(LedPollInterval);
    } catch (const std::exception& error) {
        view.LedRequest->ShowStatus(error.what());
    }
}

// Places the view below the last one and grows the window to hold it.
void TMainForm::EmbedPanel(TPanelForm& view, int height, int width) {
    view.SetParent(ScrollBox1);
    view.SetLeft(0);
    ScrollBox1->SetAlign(ui::alNone);
    if (LastPanel) {
        view.SetTop(LastPanel->Top() + LastPanel->ClientHeight() + 1);
        if (ClientWidth() < width + 3) SetClientWidth(width + 3);
    } else {
        view.SetTop(0);
        SetClientWidth(width + 3);
    }
    LastPanel = &view;
    SetClientHeight(view.Top() + height + StatusBar->Height() + static_cast<int>(PanelFormList.size()) + 3);
    ScrollBox1->SetAlign(ui::alClient);
    view.Show();
    if (Width() < view.Width()) SetWidth(view.Width() + 4);
    PanelFormList.push_back(&view);
}

void TMainForm::ClosePanels() {
    for (TPanelForm* view : PanelFormList) {
        view->Close();  // its close step stops its LED polling and waits for its requests
        delete view;
    }
    PanelFormList.clear();
    LastPanel = nullptr;
}

void TMainForm::AssignPortPopup() {
    for (ui::SpeedButton* button : portButtons_) button->SetPopupMenu(PortInfoPopupMenu);
}

void TMainForm::SetPortButtonClick() {
    for (ui::SpeedButton* button : portButtons_)
        button->OnClick = [this, button](ui::Component*) { PortButtonClick(button); };
}

void TMainForm::PortButtonClick(ui::SpeedButton* button) {
    for (ui::SpeedButton* other : portButtons_)
        if (other != button) other->SetDown(false);
}

void TMainForm::ReleasePortButtons() {
    for (ui::SpeedButton* button : portButtons_) button->SetDown(false);
}

void TMainForm::PortInformation2Click(ui::Component*) { RunPortPopupCommand("PortInformation2Click"); }

void TMainForm::PortConfiguration1Click(ui::Component*) { RunPortPopupCommand("PortConfiguration1Click"); }

// The button under the popup (none once its view was closed) is selected and its port's row editor opens.
void TMainForm::RunPortPopupCommand(const std::string& handler) {
    auto* button = dynamic_cast<ui::SpeedButton*>(PortInfoPopupMenu->PopupComponent());
    if (!button) return;
    ReleasePortButtons();
    button->SetDown(true);
    RunPortCommand(handler, button->Hint());
}

// Reads one device state through its request (into the hidden text) and applies the state's menu rule.
void TMainForm::UpdateStateMenus(DeviceStateRule rule, NxSNMPRequest2Edits* request, const ui::Label* text) {
    UpdateDeviceStateMenus(*this, rule, [this, request, text] {
        if (request && !deviceSilent_) request->Get();
        return text->Caption();
    });
}

void TMainForm::UpdateStackMenus() { UpdateStateMenus(DeviceStateRule::Stacking, StackModeRequest, ST_StackMode); }

void TMainForm::UpdateRmonMenus() { UpdateStateMenus(DeviceStateRule::Rmon, RmonStateRequest, ST_RmonState); }

void TMainForm::Update8021xMenus() { UpdateStateMenus(DeviceStateRule::Dot1x, Dot1xStateRequest, ST_8021xStatus); }

// Stops the unit-table request and every view (its LED polling and requests) while the window and its status
// bar still exist; the views would otherwise go on polling into a freed window.
void TMainForm::FormClose(ui::Component*, ui::CloseAction& action) {
    FreeUnitRequest();
    ClosePanels();
    portButtons_.clear();
    action = ui::caFree;
}
