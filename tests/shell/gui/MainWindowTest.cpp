// The main window against the switch simulator: device-state texts, the views of the stack units, the port buttons
// acting as one group, the port popup, "Refresh Panel", closing while the views poll, and a switch that does not
// answer.
#include "Application.h"
#include "CommandDialogFixture.h"
#include "EventWait.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "GUIConfigForm.h"
#include "ListView.h"
#include "MainUnit.h"
#include "MenuCommandTable.h"
#include "Menus.h"
#include "MessageTablesGuard.h"
#include "ModuleWorkspace.h"
#include "NxSNMPRequest2Edits.h"
#include "NxSNMPRequest2Leds.h"
#include "PanelQSW2126PFormUnit.h"
#include "PanelQSW2150FormUnit.h"
#include "PanelQSW2126FormUnit.h"
#include "Program.h"
#include "ScrollBox.h"
#include "Shape.h"
#include "SimProcess.h"
#include "StdCtrls.h"
#include "TestHooks.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr const char* DeviceLedOid = "1.3.6.1.4.1.32473.11.70.7.2.1.1.6.0";
constexpr const char* UnitEntry = "1.3.6.1.4.1.32473.12.11.1.9.4.1";
constexpr const char* StackModeOid = "1.3.6.1.4.1.32473.12.11.1.2.0";

constexpr int32_t Black = 0x000000;
constexpr int32_t Green = 0x00FF00;
constexpr int32_t Orange = 0x4080FF;

// Port 2 absent, port 5 orange, port 6 blinking green.
const char* const LedFrame = "2 2 0 3 2 / 3 - 4 3 1 3b 0 0 0 0 0 0 0 0 0 0 0 0 0 0 3 0 0 0 1 0";

std::vector<std::string> ScenarioLines(const std::string& name) {
    std::ifstream in(std::string(QSWSIM_SCENARIOS) + "/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The standalone scenario with one lasting LED frame of the device that has an absent port.
std::vector<std::string> StandaloneWithAbsentPort() {
    std::vector<std::string> lines;
    for (const std::string& line : ScenarioLines("standalone-qsw2126p.scn"))
        if (line.rfind(std::string("led ") + DeviceLedOid, 0) != 0) lines.push_back(line);
    lines.push_back(std::string("led ") + DeviceLedOid + " 600000 " + LedFrame);
    return lines;
}

// The directives that make unit 3 of the stack scenario a present QSW-2126.
std::vector<std::string> AddUnitThree() {
    const std::string entry = UnitEntry;
    return {"set " + entry + ".3.3 int 129", "set " + entry + ".4.3 int 26", "set " + entry + ".9.3 str QSW-2126",
            "set " + entry + ".7.3 int 5",   "set " + entry + ".15.3 int 1"};
}

bool RunUntil(const std::function<bool()>& done, int seconds = 20) { return testsupport::RunEventsUntil(done, seconds); }

std::string OutputPath(const std::string& name) { return testsupport::OutputPath(name); }

void SaveScreenshot(TMainForm& form, const std::string& name) {
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.Widget()->grab().save(QString::fromStdString(OutputPath(name))));
}

NxLedBinding* Led(NxSNMPRequest2Leds* request, ui::Panel* panel, size_t i) {
    size_t seen = 0;
    for (auto& led : request->Leds)
        if (led->Shape->Parent() == panel && seen++ == i) return led.get();
    return nullptr;
}

// The module started against a simulator with the lines of a scenario; the host's settings file names the
// simulator's port.
class MainWindowTest : public ::testing::Test {
protected:
    ModuleWorkspace work;
    ui::MessageBoxRecorder boxes{ui::mrOk};
    MessageTablesGuard messageTables;
    std::unique_ptr<simtest::SimAgent> sim;
    int argc = 1;
    char name[16] = "qsw2126p-mgr";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<ui::Application> app;
    std::unique_ptr<ModuleUnits> units;
    TMainForm* form = nullptr;

    void SetUp() override {
        ui::TestHooks::SetPixelsPerInch(96);
    }
    void TearDown() override {
        delete form;
        units.reset();
        app.reset();
        sim.reset();
        ui::TestHooks::SetPixelsPerInch(0);
        SetProgramArguments({});
    }

    void StartSim(const std::vector<std::string>& scenario) {
        const std::string path = work.File("test.scn");
        std::ofstream out(path);
        for (const std::string& line : scenario) out << line << "\n";
        out.close();
        sim = std::make_unique<simtest::SimAgent>(std::vector<std::string>{"--scenario", path});
    }

    // Creates the window (its creation step reads the device) and shows it: the first activation builds the
    // views inside the waiting form.
    void StartModule() {
        const std::string dir = work.File("conf") + "/";
        fs::create_directories(dir);
        std::ofstream(work.File("registry.ini"))
            << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\MibFile]\nPath=" << dir << "\n";
        std::ofstream(dir + "127.0.0.1.cfg")
            << "[Program Information]\nAgentPort=" << sim->Port()
            << "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
        app = std::make_unique<ui::Application>(argc, argv);
        units = std::make_unique<ModuleUnits>(*app);
        app->SetTitle(ApplicationTitle);
        SetProgramArguments({"/I127.0.0.1", "/Rtundra", "/Wharbour"});
        form = app->CreateForm<TMainForm>();
        form->Show();
    }

    std::string Status() const { return form->StatusBar->Panels()[0]->Text(); }
    bool ItemVisible(const char* item) const { return form->FindMenuItem(item)->Visible(); }
    bool ItemEnabled(const char* item) const { return form->FindMenuItem(item)->Enabled(); }
    std::vector<std::string> Hints() const {
        std::vector<std::string> hints;
        for (ui::SpeedButton* button : form->PortButtonList()) hints.push_back(button->Hint());
        return hints;
    }
    bool HasHint(const std::string& hint) const {
        const std::vector<std::string> hints = Hints();
        return std::find(hints.begin(), hints.end(), hint) != hints.end();
    }
    // Requests naming the MAC address column: only the unit-table read does.
    int UnitReads() const {
        int count = 0;
        for (const std::string& line : sim->PduLog()) count += line.find(std::string(UnitEntry) + ".2") != std::string::npos;
        return count;
    }
    // The buttons pressed now, by hint.
    std::vector<std::string> DownHints() const {
        std::vector<std::string> down;
        for (ui::SpeedButton* button : form->PortButtonList())
            if (button->Down()) down.push_back(button->Hint());
        return down;
    }
    // A right click on the port button, then a click on the popup item with this caption; driver runs inside the
    // dialog the item opens. Returns the logged PDUs of that time.
    std::vector<std::string> PickFromPortPopup(ui::SpeedButton* button, const std::string& caption,
                                               const ui::TestHooks::ModalDriver& driver) {
        const size_t mark = sim->PduLog().size();
        const QPoint at(3, 3);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, button->Widget()->mapToGlobal(at));
        QCoreApplication::sendEvent(button->Widget(), &rightClick);
        EXPECT_EQ(form->PortInfoPopupMenu->PopupComponent(), button);
        ui::MenuItem* item = form->PortInfoPopupMenu->Items().Find(caption);
        EXPECT_NE(item, nullptr) << caption;
        if (!item) return {};
        bool shown = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& dialog) {
            shown = true;
            driver(dialog);
        });
        form->PortInfoPopupMenu->MenuWidget()->hide();
        item->Action()->trigger();  // the user's choice
        EXPECT_TRUE(shown) << caption;
        const std::vector<std::string> log = sim->PduLog();
        return {log.begin() + static_cast<std::ptrdiff_t>(std::min(mark, log.size())), log.end()};
    }
    bool HintsUnique() const {
        std::vector<std::string> hints = Hints();
        std::sort(hints.begin(), hints.end());
        return std::adjacent_find(hints.begin(), hints.end()) == hints.end();
    }
};

TEST_F(MainWindowTest, StandaloneSwitchGetsOneQsw2126pViewWithItsStateTexts) {
    StartSim(StandaloneWithAbsentPort());
    StartModule();

    EXPECT_EQ(form->Caption(), "127.0.0.1");
    EXPECT_EQ(StackModeText, "disabled");
    EXPECT_EQ(form->ST_StackMode->Caption(), "disabled");
    EXPECT_EQ(form->ST_RmonState->Caption(), "enabled");
    EXPECT_EQ(form->ST_STPVersion->Caption(), "ST_STPVersion");  // read only by the STP settings command
    EXPECT_EQ(form->ST_8021xStatus->Caption(), "disabled");
    EXPECT_EQ(StackUnitCount, 1);
    EXPECT_EQ(StackUnitListView, form->UnitListView);
    const ui::ListItem& row = *form->UnitListView->Items()[0];
    EXPECT_EQ(row.Caption(), "1");
    EXPECT_EQ(row.SubItems()[1], "1");
    EXPECT_EQ(row.SubItems()[2], "26");
    EXPECT_EQ(row.SubItems()[4], "stand-alone");
    EXPECT_EQ(row.SubItems()[6], "QSW-2126P");
    EXPECT_EQ(row.SubItems()[7], "exist");

    ASSERT_EQ(form->PanelFormList.size(), 1u);
    auto* view = dynamic_cast<TPanelQSW2126PForm*>(form->PanelFormList[0]);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->UnitNumber, 1);
    EXPECT_EQ(view->Parent(), form->ScrollBox1);
    EXPECT_EQ(view->Top(), 0);
    EXPECT_EQ(form->ClientWidth(), view->ClientWidth() + 3);
    EXPECT_EQ(form->ClientHeight(), view->ClientHeight() + 20 + 3);
    EXPECT_EQ(form->PortButtonList().size(), 28u);
    EXPECT_TRUE(HasHint("1.1"));
    EXPECT_TRUE(HasHint("24.2"));

    // Unit items hidden, RMON items enabled, 802.1X item disabled.
    EXPECT_FALSE(ItemVisible("Unitinformation1"));
    EXPECT_FALSE(ItemVisible("UnitTable1"));
    for (const char* item : {"Statistics1", "History1", "AlarmEvent1"}) EXPECT_TRUE(ItemEnabled(item)) << item;
    EXPECT_FALSE(ItemEnabled("Auth1"));

    // The LEDs follow the device's string; every poll writes its Get line into the first status panel.
    NxSNMPRequest2Leds* leds = view->LedRequest;
    ASSERT_NE(leds, nullptr);
    EXPECT_TRUE(leds->PollTimer->Enabled());
    ASSERT_TRUE(RunUntil([&] { return Led(leds, view->LedPanel("LedPanel1"), 0)->Colour == Green; }));
    NxLedBinding* absent = Led(leds, view->LedPanel("LedPanel1"), 1);
    NxLedBinding* orange = Led(leds, view->LedPanel("LedPanel1"), 4);
    NxLedBinding* blinking = Led(leds, view->LedPanel("LedPanel1"), 5);
    EXPECT_EQ(absent->Colour, Black);
    EXPECT_EQ(orange->Colour, Orange);
    EXPECT_EQ(blinking->Colour, Green);
    EXPECT_TRUE(blinking->Blinking);
    EXPECT_FALSE(orange->Blinking);
    ASSERT_TRUE(RunUntil([&] { return Status().find("Led Status") != std::string::npos; })) << Status();
    EXPECT_EQ(Status().rfind("Get: Ok! Request: Led Status. Receive at ", 0), 0u) << Status();
    SaveScreenshot(*form, "mainwindow-standalone.png");
}

TEST_F(MainWindowTest, ThreeUnitStackGetsOneViewPerPresentUnitAndOnePortGroup) {
    StartSim(ScenarioLines("stack-3-units.scn"));
    StartModule();

    EXPECT_EQ(StackModeText, "enabled");
    EXPECT_EQ(StackUnitCount, 3);
    EXPECT_EQ(form->PanelCount, 2);  // unit 3 is not present
    ASSERT_EQ(form->PanelFormList.size(), 2u);
    TPanelForm* first = form->PanelFormList[0];
    TPanelForm* second = form->PanelFormList[1];
    EXPECT_NE(dynamic_cast<TPanelQSW2126PForm*>(first), nullptr);
    EXPECT_NE(dynamic_cast<TPanelQSW2150Form*>(second), nullptr);
    EXPECT_EQ(first->UnitNumber, 1);
    EXPECT_EQ(second->UnitNumber, 2);
    EXPECT_EQ(first->Top(), 0);
    EXPECT_EQ(second->Top(), first->ClientHeight() + 1);
    EXPECT_EQ(form->LastPanel, second);
    EXPECT_EQ(form->ClientHeight(), second->Top() + second->ClientHeight() + 20 + 1 + 3);
    EXPECT_GE(form->ClientWidth(), std::max(first->ClientWidth(), second->ClientWidth()) + 3);

    EXPECT_TRUE(ItemVisible("Unitinformation1"));
    EXPECT_TRUE(ItemVisible("UnitTable1"));
    for (const char* item : {"Statistics1", "History1", "AlarmEvent1"}) EXPECT_FALSE(ItemEnabled(item)) << item;
    EXPECT_TRUE(ItemEnabled("Auth1"));

    // Stacked port numbering: unit 2's ports count from 65.
    EXPECT_TRUE(HasHint("1.1"));
    EXPECT_TRUE(HasHint("65.1"));
    EXPECT_TRUE(HasHint("112.1"));
    EXPECT_FALSE(HasHint("129.1"));

    // All port buttons share the popup, and pressing one in unit 2 releases the one pressed in unit 1.
    for (ui::SpeedButton* button : form->PortButtonList()) ASSERT_EQ(button->PopupMenu(), form->PortInfoPopupMenu);
    ui::SpeedButton* unit1Port = first->PortButton(3);
    ui::SpeedButton* unit2Port = second->PortButton(7);
    unit1Port->Click();
    unit1Port->SetDown(true);
    unit2Port->SetDown(true);
    unit2Port->Click();
    EXPECT_FALSE(unit1Port->Down());
    EXPECT_TRUE(unit2Port->Down());

    // The port selector sees the same rows.
    const std::vector<StackUnitRow> rows = CurrentStackState().StackUnitRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].UnitId, "2");
    EXPECT_EQ(rows[1].StartPort, "65");
    EXPECT_EQ(rows[1].ModelName, "QSW-2150");
    EXPECT_EQ(rows[2].Presence, "no-exist");

    ASSERT_TRUE(RunUntil([&] { return Status().find("Led Status") != std::string::npos; })) << Status();
    SaveScreenshot(*form, "mainwindow-stack-3-units.png");
    testsupport::SaveDocsPicture(*form->Widget(), "main-window-stack.png");
}

// The port popup as the user works it, on a copper port of unit 2 and on the fibre connector of a unit-1 combo port:
// the clicked button becomes the one pressed port of the stack, the dialog is captioned with the port and reads the
// row at port.medium, and Set Checked writes only the ticked row there.
TEST_F(MainWindowTest, PortPopupOpensTheRowEditorOfTheClickedPortAndWritesOnlyTheTickedRows) {
    StartSim(ScenarioLines("stack-3-units.scn"));
    StartModule();
    ASSERT_EQ(form->PanelFormList.size(), 2u);
    ui::SpeedButton* fibre21 = form->PanelFormList[0]->PortButton(25);
    ui::SpeedButton* copper69 = form->PanelFormList[1]->PortButton(5);
    ASSERT_EQ(fibre21->Hint(), "21.2");
    ASSERT_EQ(copper69->Hint(), "69.1");
    const std::string information = "1.3.6.1.4.1.32473.11.70.7.2.3.1.1.";
    const std::string configuration = "1.3.6.1.4.1.32473.11.70.7.2.3.2.1.";

    // "Port Information" on unit 2's copper port 5, while a port of unit 1 is pressed.
    fibre21->Click();
    fibre21->SetDown(true);
    std::string caption;
    std::vector<std::string> downWhileOpen;
    std::vector<std::string> log = PickFromPortPopup(copper69, "Port Information", [&](ui::Form& form) {
        auto& dialog = dynamic_cast<TConfigForm&>(form);
        caption = dialog.Caption();
        downWhileOpen = DownHints();
        EXPECT_TRUE(RunUntil([&] { return !dialog.Requests[0]->Busy; }));
        dialog.Close();
    });
    EXPECT_EQ(caption, "Port Information Table: 127.0.0.1 / Port 69");
    EXPECT_EQ(form->DialogCaption, "Port Information Table");
    EXPECT_EQ(downWhileOpen, std::vector<std::string>{"69.1"});
    std::vector<std::string> reads;
    for (const std::string& line : log)
        if (line.rfind("GET ", 0) == 0 && line.find(information) != std::string::npos)
            for (const std::string& varbind : simdialog::Varbinds(line))
                reads.push_back(varbind.substr(0, varbind.find('=')));
    EXPECT_EQ(reads, (std::vector<std::string>{information + "3.69.1", information + "4.69.1", information + "5.69.1",
                                               information + "6.69.1", information + "7.69.1"}));

    // "Port Configuration" on the fibre side of unit 1's combo port 21: only the ticked Admin State is written.
    std::vector<std::string> sets;
    caption.clear();
    log = PickFromPortPopup(fibre21, "Port Configuration", [&](ui::Form& form) {
        auto& dialog = dynamic_cast<TConfigForm&>(form);
        caption = dialog.Caption();
        downWhileOpen = DownHints();
        ASSERT_TRUE(RunUntil([&] { return !dialog.Requests[0]->Busy; }));
        auto* panel = commandtest::FindOwned<TSNMPEditorPanel>(dialog);
        ASSERT_NE(panel, nullptr);
        std::vector<UISnmpVar>& rows = panel->EditsPanel->Rows;
        auto* adminState = dynamic_cast<ui::ComboBox*>(rows[1].Editor);
        ASSERT_NE(adminState, nullptr);
        adminState->SetItemIndex(adminState->Items().IndexOf("disabled"));
        panel->ButtonPanel->ClearChecksButton->Click();
        rows[1].CheckBox->SetChecked(true);
        panel->ButtonPanel->SetCheckedButton->Click();
        dialog.Close();
    });
    EXPECT_EQ(caption, "Port Configuration: 127.0.0.1 / Port 21");
    EXPECT_EQ(downWhileOpen, std::vector<std::string>{"21.2"});
    for (const std::string& line : log)
        if (line.rfind("GET ", 0) == 0 && line.find(configuration) != std::string::npos)
            for (const std::string& varbind : simdialog::Varbinds(line))
                EXPECT_NE(varbind.find(".21.2="), std::string::npos) << varbind;
        else if (line.rfind("SET ", 0) == 0)
            sets.push_back(line);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(simdialog::Varbinds(sets[0]), std::vector<std::string>{configuration + "4.21.2=INTEGER:2"});
    EXPECT_TRUE(boxes.Calls().empty()) << boxes.Calls().front().Text;
}

// The DDM commands hand the device address and the window's scale factor to their dialog functions; the option
// lists those dialogs show are built by the module's start-up.
TEST_F(MainWindowTest, DdmCommandsOpenTheirDialogsWithTheAddressAndTheScaleFactor) {
    StartSim(StandaloneWithAbsentPort());
    StartModule();
    std::string caption;
    std::vector<std::string> trapStates;
    ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
        auto& dialog = dynamic_cast<TConfigForm&>(shown);
        caption = dialog.Caption();
        EXPECT_TRUE(RunUntil([&] { return !dialog.Requests[0]->Busy; }));
        auto* panel = commandtest::FindOwned<TSNMPEditorPanel>(dialog);
        ASSERT_NE(panel, nullptr);
        auto* trapState = dynamic_cast<ui::ComboBox*>(panel->EditsPanel->Rows[0].Editor);
        ASSERT_NE(trapState, nullptr);
        for (int i = 0; i < trapState->Items().Count(); ++i) trapStates.push_back(trapState->Items()[i]);
        dialog.Close();
    });
    form->FindMenuItem("ControlTable6")->Click();
    EXPECT_EQ(caption, "DDM Settings: 127.0.0.1");
    EXPECT_EQ(trapStates, (std::vector<std::string>{"enabled", "disabled"}));

    form->ScaleFactor = 1.25f;
    int height = 0;
    ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
        height = shown.Height();
        EXPECT_TRUE(RunUntil([&] { return !dynamic_cast<TConfigForm&>(shown).Requests[0]->Busy; }));
        shown.Close();
    });
    form->FindMenuItem("PortManagementTable4")->Click();
    EXPECT_EQ(height, 562);
    EXPECT_TRUE(boxes.Calls().empty()) << boxes.Calls().front().Text;
}

TEST_F(MainWindowTest, RefreshPanelAsksFirstAndReadsTheUnitTableAgain) {
    StartSim(ScenarioLines("stack-3-units.scn"));
    StartModule();
    ASSERT_EQ(form->PanelFormList.size(), 2u);
    const std::vector<TPanelForm*> before = form->PanelFormList;

    // Cancel: nothing is read or rebuilt.
    boxes.QueueAnswer(ui::mrCancel);
    const int unitReads = UnitReads();
    form->FindMenuItem("RefreshPanel1")->Click();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].Text, "Refresh panel may take a long time. Are you sure?");
    EXPECT_EQ(boxes.Calls()[0].Buttons, ui::mbOKCancel);
    EXPECT_EQ(boxes.Calls()[0].Type, ui::mtConfirmation);
    EXPECT_EQ(form->PanelFormList, before);
    EXPECT_EQ(UnitReads(), unitReads);

    // A unit joins the stack: OK rebuilds with a view for it.
    for (const std::string& directive : AddUnitThree()) ASSERT_EQ(sim->Control(directive), "ok");
    form->FindMenuItem("RefreshPanel1")->Click();
    EXPECT_EQ(StackUnitCount, 3);
    EXPECT_EQ(form->PanelCount, 3);
    ASSERT_EQ(form->PanelFormList.size(), 3u);
    EXPECT_NE(dynamic_cast<TPanelQSW2126Form*>(form->PanelFormList[2]), nullptr);
    EXPECT_EQ(form->PanelFormList[2]->UnitNumber, 3);
    EXPECT_TRUE(HasHint("129.1"));
    EXPECT_TRUE(HintsUnique()) << "no button of a freed view stays in the list";
    SaveScreenshot(*form, "mainwindow-refresh-added-unit.png");

    // Unit 2 leaves: the item directly under Configuration rebuilds without it.
    ASSERT_EQ(sim->Control(std::string("set ") + UnitEntry + ".15.2 int 2"), "ok");
    form->FindMenuItem("RefreshPanel2")->Click();
    ASSERT_EQ(form->PanelFormList.size(), 2u);
    EXPECT_EQ(form->PanelFormList[1]->UnitNumber, 3);
    EXPECT_EQ(form->PanelFormList[1]->Top(), form->PanelFormList[0]->ClientHeight() + 1);
    EXPECT_FALSE(HasHint("65.1"));
    EXPECT_TRUE(HintsUnique());
}

// The steps the RMON and 802.1X settings dialogs run when they close read the switch again and set their items.
TEST_F(MainWindowTest, MenuItemsFollowTheSwitchsStatesWhenTheyAreReadAgain) {
    StartSim(ScenarioLines("standalone-qsw2126p.scn"));
    StartModule();
    const char* const rmonItems[] = {"Statistics1", "History1", "AlarmEvent1"};
    const std::string rmonState = "set-rw 1.3.6.1.4.1.32473.11.70.7.2.1.2.4.0 int ";
    const std::string dot1xState = "set-rw 1.0.8802.1.1.1.1.1.1.0 int ";
    for (const char* item : rmonItems) ASSERT_TRUE(ItemEnabled(item)) << item;
    ASSERT_FALSE(ItemEnabled("Auth1"));

    ASSERT_EQ(sim->Control(rmonState + "2"), "ok");
    ASSERT_EQ(sim->Control(dot1xState + "1"), "ok");
    form->RunMainWindowStep(MainWindowStep::RmonSettingFormClose);
    form->RunMainWindowStep(MainWindowStep::Update8021xMenus);
    EXPECT_EQ(form->ST_RmonState->Caption(), "disabled");
    for (const char* item : rmonItems) EXPECT_FALSE(ItemEnabled(item)) << item;
    EXPECT_TRUE(ItemEnabled("Auth1"));

    ASSERT_EQ(sim->Control(rmonState + "3"), "ok");
    ASSERT_EQ(sim->Control(dot1xState + "2"), "ok");
    form->RunMainWindowStep(MainWindowStep::RmonSettingFormClose);
    form->RunMainWindowStep(MainWindowStep::Update8021xMenus);
    for (const char* item : rmonItems) EXPECT_TRUE(ItemEnabled(item)) << item;
    EXPECT_FALSE(ItemEnabled("Auth1"));

    // Stacking switched on: the unit items show. An error answer leaves the last mode read, so the items stay.
    ASSERT_EQ(sim->Control("set-rw 1.3.6.1.4.1.32473.12.11.1.2.0 int 1"), "ok");
    form->UpdateStackMenus();
    EXPECT_TRUE(ItemVisible("Unitinformation1") && ItemVisible("UnitTable1"));
    ASSERT_EQ(sim->Control("error 1.3.6.1.4.1.32473.12.11.1.2 genErr 1"), "ok");
    form->UpdateStackMenus();
    EXPECT_EQ(form->ST_StackMode->Caption(), "enabled");
    EXPECT_TRUE(ItemVisible("Unitinformation1") && ItemVisible("UnitTable1"));
}

TEST_F(MainWindowTest, ClosingDuringAPollStopsEveryViewBeforeItIsFreed) {
    StartSim(ScenarioLines("stack-3-units.scn"));
    StartModule();
    ASSERT_EQ(form->PanelFormList.size(), 2u);
    std::vector<std::weak_ptr<void>> lives;
    for (TPanelForm* view : form->PanelFormList) lives.push_back(view->LifeToken());

    // Hold the LED replies so that a poll is under way when the window closes.
    ASSERT_EQ(sim->Control(std::string("hold ") + UnitEntry + ".5 1500"), "ok");
    ASSERT_TRUE(RunUntil([&] {
        for (TPanelForm* view : form->PanelFormList)
            if (view->LedRequest && view->LedRequest->Busy) return true;
        return false;
    }));
    form->Close();
    EXPECT_TRUE(form->PanelFormList.empty());
    EXPECT_TRUE(form->PortButtonList().empty());
    EXPECT_EQ(form->UnitRequest, nullptr);
    for (const std::weak_ptr<void>& life : lives) EXPECT_TRUE(life.expired());
    // The held answers arrive into nothing; the window's own status line is left alone.
    const std::string status = Status();
    ASSERT_EQ(sim->Control("release"), "ok");
    testsupport::PumpEvents(500);
    EXPECT_EQ(Status(), status);
}

TEST_F(MainWindowTest, SwitchThatDoesNotAnswerStillGetsItsViewAndATimeOutLine) {
    std::vector<std::string> lines = ScenarioLines("standalone-qsw2126p.scn");
    StartSim(lines);
    ASSERT_EQ(sim->Control("drop 1 1000000"), "ok");
    StartModule();

    // The stacking mode could not be read: the label keeps its design text, so the device counts as not stacked.
    EXPECT_EQ(form->ST_StackMode->Caption(), "ST_StackMode");
    EXPECT_EQ(StackUnitCount, 0);
    ASSERT_EQ(form->PanelFormList.size(), 1u);
    EXPECT_NE(dynamic_cast<TPanelQSW2126PForm*>(form->PanelFormList[0]), nullptr);
    EXPECT_EQ(form->PortButtonList().size(), 28u);
    // Device-state texts unread: the menus keep their design states.
    EXPECT_TRUE(ItemVisible("UnitTable1"));
    EXPECT_FALSE(ItemVisible("Unitinformation1"));
    EXPECT_TRUE(ItemEnabled("Statistics1"));
    EXPECT_TRUE(ItemEnabled("Auth1"));
    EXPECT_TRUE(boxes.Calls().empty());
    ASSERT_TRUE(RunUntil([&] { return Status().find("Led Status") != std::string::npos; }, 30)) << Status();
    EXPECT_NE(Status().find("timed out"), std::string::npos) << Status();
    SaveScreenshot(*form, "mainwindow-no-answer.png");
}

TEST_F(MainWindowTest, FiveUnitsGetTheScrollArrangement) {
    std::vector<std::string> lines = ScenarioLines("stack-3-units.scn");
    for (const std::string& directive : AddUnitThree()) lines.push_back(directive);
    const std::string entry = UnitEntry;
    for (int unit : {4, 5})
        for (const std::string& directive :
             {".3." + std::to_string(unit) + " int " + std::to_string((unit - 1) * 64 + 1),
              ".4." + std::to_string(unit) + " int 26", ".9." + std::to_string(unit) + " str QSW-2126",
              ".15." + std::to_string(unit) + " int 1"})
            lines.push_back("set " + entry + directive);
    StartSim(lines);
    StartModule();
    EXPECT_EQ(form->PanelCount, 5);
    EXPECT_EQ(form->PanelFormList.size(), 5u);
    EXPECT_EQ(form->Top(), 20);
    EXPECT_EQ(form->Height(), 500);
    EXPECT_TRUE(form->ScrollBox1->AutoScroll());
}

}  // namespace
