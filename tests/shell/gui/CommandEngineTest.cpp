#include "AboutUnit.h"
#include "Application.h"
#include "Catalog.h"
#include "CommandEngine.h"
#include "ComCtrls.h"
#include "Exception.h"
#include "HostTools.h"
#include "Image.h"
#include "MainMenuData.h"
#include "MainUnit.h"
#include "MenuStates.h"
#include "Menus.h"
#include "MessageTablesGuard.h"
#include "ModuleWorkspace.h"
#include "NxSNMPRequest2Edits.h"
#include "NxSNMPSession.h"
#include "Program.h"
#include "SnmpdAgent.h"
#include "StdCtrls.h"
#include "TestHooks.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

// A key pressed and released on a control, as the keyboard delivers it.
void PressKey(ui::Control& control, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(control.Widget(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(control.Widget(), &release);
}

DeviceSettingTextList Texts(const std::string& version) {
    DeviceSettingTextList texts;
    texts[dsAddress] = "10.0.0.1";
    texts[dsReadCommunity] = "my public";
    texts[dsWriteCommunity] = "a/b /W c";
    texts[dsAgentPort] = "161";
    texts[dsVersion] = version;
    texts[dsSecurityName] = "admin user";
    texts[dsAuthPassword] = "auth pass";
    texts[dsPrivPassword] = "priv/pass";
    texts[dsAuthProtocol] = "2";
    texts[dsPrivProtocol] = "2";
    texts[dsContextEngineID] = "engine";
    texts[dsSecurityLevel] = "3";
    texts[dsContextName] = "";
    texts[dsSecurityModel] = "3";
    return texts;
}

const std::vector<std::string> V3Arguments = {"/I10.0.0.1", "/t161",         "/v3",         "/dengine",
                                              "/m3",        "/nadmin user",  "/l3",         "/a2",
                                              "/p2",        "/Aauth pass",   "/Ppriv/pass", "/c"};

TEST(HostToolCommand, ValuesStayOneArgumentEachAndTheV3FormFollowsTheEffectiveVersion) {
    struct Case {
        const char* name;
        std::string versionText;
        uint8_t effectiveVersion;
        std::vector<std::string> arguments;  // before the page option
    };
    const Case cases[] = {
        {"v2c", "1", 1, {"/I10.0.0.1", "/Rmy public", "/Wa/b /W c"}},
        {"v1 without a settings file", "", 0, {"/I10.0.0.1", "/Rmy public", "/Wa/b /W c"}},
        {"v3 from the settings file", "3", 3, V3Arguments},
        {"v3 from the command line only", "", 3, V3Arguments},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolCommand command = BuildMibBrowserCommand("/TMIB_Info", Texts(c.versionText), c.effectiveVersion);
        EXPECT_EQ(command.Program, "MIB");
        std::vector<std::string> expected = c.arguments;
        expected.push_back("/TMIB_Info");
        EXPECT_EQ(command.Arguments, expected);
    }
}

TEST(HostToolCommand, ThePageOptionNamesTheProgramAndIsTheLastArgument) {
    const ToolCommand command = BuildMibBrowserCommand("/TRmon_AlarmEvent", Texts("1"), 1);
    EXPECT_EQ(command.Program, "Rmon");
    EXPECT_EQ(command.Arguments.back(), "/TRmon_AlarmEvent");
    EXPECT_EQ(BuildMibBrowserCommand("/TIFMib_LastChangeTable", Texts("1"), 1).Program, "IFMib");
}

void WriteExecutable(const std::string& path, bool executable = true) {
    std::ofstream(path) << "#!/bin/sh\n";
    fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
}

TEST(HostToolCommand, TheProgramIsTakenFromTheFirstDirectoryThatHoldsIt) {
    testsupport::TempDir dirs;
    for (const char* dir : {"host", "module"}) fs::create_directories(dirs.File(dir));
    WriteExecutable(dirs.File("host/MIB"));
    WriteExecutable(dirs.File("module/MIB"));
    WriteExecutable(dirs.File("module/Rmon"));
    WriteExecutable(dirs.File("host/Bridge"), false);
    fs::create_directories(dirs.File("host/IFMib"));  // a directory is no program
    const std::vector<std::string> directories = {"", dirs.File("host"), dirs.File("module")};
    struct Case {
        const char* tool;
        std::string program;
    };
    const Case cases[] = {
        {"MIB", dirs.File("host/MIB")},
        {"Rmon", dirs.File("module/Rmon")},
        {"Bridge", "Bridge"},
        {"IFMib", "IFMib"},
    };
    for (const Case& c : cases) EXPECT_EQ(FindToolProgram(c.tool, directories), c.program) << c.tool;
    EXPECT_EQ(FindToolProgram("MIB", {}), "MIB");
}

// Records what the engine starts and shows, and restores every hook afterwards.
class EngineTest : public ::testing::Test {
protected:
    ModuleWorkspace work;
    ui::MessageBoxRecorder boxes;
    MessageTablesGuard messageTables;
    std::vector<ToolCommand> launched;
    std::vector<GenericDialogRequest> dialogs;
    std::vector<std::string> dialogCaptions;
    std::vector<MainWindowStep> steps;
    int refreshes = 0;
    int abouts = 0;
    DeviceSettingTextList texts = Texts("1");
    uint8_t savedVersion = DefaultSNMPSecurity.Version;
    int argc_ = 1;
    char name_[16] = "qsw2126p-mgr";
    char* argv_[2] = {name_, nullptr};
    std::optional<ui::Application> app_;

    void SetUp() override {
        app_.emplace(argc_, argv_);
        app_->SetTitle(ApplicationTitle);
        ui::TestHooks::SetPixelsPerInch(96);
        SetProcessLauncher([this](const ToolCommand& command) {
            launched.push_back(command);
            return true;
        });
        SetGenericDialogRunner([this](const GenericDialogRequest& request) {
            dialogs.push_back(request);
            dialogCaptions.push_back(request.Caption);
        });
    }
    void TearDown() override {
        SetProcessLauncher({});
        SetGenericDialogRunner({});
        DefaultSNMPSecurity.Version = savedVersion;
        ui::TestHooks::SetPixelsPerInch(0);
        SetProgramArguments({});
        app_.reset();
    }

    CommandContext Context() {
        CommandContext context;
        context.DeviceAddress = "10.0.0.1";
        context.SettingTexts = &texts;
        context.ModuleDirectory = work.Path();
        context.RefreshPanel = [this] { ++refreshes; };
        context.RunStep = [this](MainWindowStep step) { steps.push_back(step); };
        context.About = [this] { ++abouts; };
        return context;
    }
};

const MenuCommand& Command(const char* handler) {
    const MenuCommand* command = FindMenuCommand(handler);
    if (command == nullptr) throw std::runtime_error(std::string("no command ") + handler);
    return *command;
}

bool OpensGenericDialog(CommandKind kind) {
    return kind == CommandKind::ScalarsEditor || kind == CommandKind::TableList ||
           kind == CommandKind::TableListAddDelete || kind == CommandKind::Tabbed;
}

// While it lives every registered dedicated dialog is replaced by a form that records its class and closes at once,
// and every registered dialog function by one that records its name; the registered entries come back afterwards.
class RegisteredDialogProbe {
public:
    RegisteredDialogProbe() {
        for (const MenuCommand& command : AllMenuCommands()) {
            if (command.Kind == CommandKind::DialogFunction) {
                const DialogFunction* function = FindDialogFunction(command.Function);
                if (!function || savedFunctions_.count(command.Function)) continue;
                savedFunctions_[command.Function] = *function;
                RegisterDialogFunction(command.Function, [this, name = std::string(command.Function)](
                                                             const std::string&, float) { called.push_back(name); });
                continue;
            }
            const DedicatedDialogEntry* entry = FindDedicatedDialog(command.FormClass);
            if (command.Kind != CommandKind::DedicatedDialog || !entry || saved_.count(command.FormClass)) continue;
            saved_[command.FormClass] = *entry;
            const DedicatedFormClass* formClass = command.FormClass;
            RegisterDedicatedDialog(formClass, [this, formClass](ui::Component* owner) {
                opened.push_back(formClass);
                auto* form = new ui::Form(owner);
                ui::TestHooks::RunInNextModal([](ui::Form& shown) { shown.Close(); });
                return form;
            });
        }
    }
    ~RegisteredDialogProbe() {
        for (const auto& [formClass, entry] : saved_) RegisterDedicatedDialog(formClass, entry.Create, entry.Publish);
        for (const auto& [name, function] : savedFunctions_) RegisterDialogFunction(name, function);
    }
    RegisteredDialogProbe(const RegisteredDialogProbe&) = delete;
    RegisteredDialogProbe& operator=(const RegisteredDialogProbe&) = delete;

    bool Registered(const DedicatedFormClass* formClass) const { return saved_.count(formClass) != 0; }
    bool Registered(const std::string& function) const { return savedFunctions_.count(function) != 0; }
    std::vector<const DedicatedFormClass*> opened;
    std::vector<std::string> called;

private:
    std::map<const DedicatedFormClass*, DedicatedDialogEntry> saved_;
    std::map<std::string, DialogFunction> savedFunctions_;
};

// Every row runs by its kind; each dedicated dialog and dialog function is registered by its area and opens.
TEST_F(EngineTest, EveryRowRunsByItsKind) {
    std::map<CommandKind, int> counted;
    const CommandContext context = Context();
    RegisterDialogAreas();
    RegisteredDialogProbe registered;
    for (const MenuCommand& command : AllMenuCommands()) {
        SCOPED_TRACE(command.Handler);
        ++counted[command.Kind];
        const size_t dialogsBefore = dialogs.size();
        const size_t launchedBefore = launched.size();
        const size_t boxesBefore = boxes.Calls().size();
        RunMenuCommand(command, context);
        switch (command.Kind) {
        case CommandKind::ScalarsEditor:
        case CommandKind::TableList:
        case CommandKind::TableListAddDelete:
        case CommandKind::Tabbed:
            ASSERT_EQ(dialogs.size(), dialogsBefore + 1);
            EXPECT_EQ(dialogs.back().Command, &command);
            EXPECT_EQ(dialogCaptions.back(),
                      std::string(command.Title) + command.Extras.CaptionSeparator + "10.0.0.1");
            if (command.Kind == CommandKind::Tabbed) {
                EXPECT_FALSE(command.Pages.empty());
                for (const CommandPage& page : command.Pages) EXPECT_NE(FindCatalogTable(page.Table.Label()), nullptr);
            } else {
                EXPECT_NE(FindCatalogTable(command.Table.Label()), nullptr);
            }
            EXPECT_EQ(command.Kind == CommandKind::TableListAddDelete, command.Extras.RowStatusColumn >= 0);
            break;
        case CommandKind::HostTool:
            ASSERT_EQ(launched.size(), launchedBefore + 1);
            EXPECT_EQ(launched.back().Arguments.back(), command.PageOption);
            break;
        case CommandKind::DedicatedDialog:
            ASSERT_TRUE(registered.Registered(command.FormClass));
            ASSERT_FALSE(registered.opened.empty());
            EXPECT_EQ(registered.opened.back(), command.FormClass);
            EXPECT_EQ(boxes.Calls().size(), boxesBefore);
            break;
        case CommandKind::DialogFunction:
            ASSERT_TRUE(registered.Registered(command.Function));
            ASSERT_FALSE(registered.called.empty());
            EXPECT_EQ(registered.called.back(), command.Function);
            EXPECT_EQ(boxes.Calls().size(), boxesBefore);
            break;
        case CommandKind::NoAction:
        case CommandKind::PortRowEditor:
            EXPECT_EQ(dialogs.size(), dialogsBefore);
            EXPECT_EQ(boxes.Calls().size(), boxesBefore);
            EXPECT_EQ(launched.size(), launchedBefore);
            break;
        case CommandKind::Special:
            if (command.Special == SpecialCommand::Help) {  // the help file is not there
                ASSERT_EQ(boxes.Calls().size(), boxesBefore + 1);
                EXPECT_EQ(boxes.Calls().back().Text, "Cannot find the help file " + work.File(HelpFileName) + ".");
            }
            break;
        }
    }
    for (const MenuCommand& command : PortPopupCommands()) {
        ++counted[command.Kind];
        RunPortRowCommand(command, "3.1", context);
    }
    const std::map<CommandKind, int> expected = {
        {CommandKind::ScalarsEditor, 105}, {CommandKind::TableList, 153},      {CommandKind::TableListAddDelete, 71},
        {CommandKind::Tabbed, 6},          {CommandKind::PortRowEditor, 2},    {CommandKind::DedicatedDialog, 94},
        {CommandKind::DialogFunction, 4},  {CommandKind::HostTool, 18},        {CommandKind::NoAction, 32},
        {CommandKind::Special, 4},
    };
    EXPECT_EQ(counted, expected);
    EXPECT_EQ(dialogs.size(), 105u + 153 + 71 + 6 + 2);
    EXPECT_EQ(launched.size(), 18u);
    EXPECT_EQ(refreshes, 2);  // Refresh Panel sits in two places
    EXPECT_EQ(abouts, 1);
    EXPECT_EQ(DefaultSNMPSecurity.Version, savedVersion);
}

TEST_F(EngineTest, V2cAtLeastHoldsForTheDialogAndIsRestoredOnEveryPath) {
    const MenuCommand& command = Command("IFXTable1Click");
    ASSERT_TRUE(command.Extras.V2cAtLeast);
    struct Case {
        uint8_t before;
        uint8_t during;
        bool throws;
    };
    for (const Case c : {Case{0, 1, false}, Case{0, 1, true}, Case{1, 1, false}, Case{3, 3, true}}) {
        SCOPED_TRACE(int(c.before));
        DefaultSNMPSecurity.Version = c.before;
        std::optional<uint8_t> seen;
        SetGenericDialogRunner([&](const GenericDialogRequest&) {
            seen = DefaultSNMPSecurity.Version;
            if (c.throws) throw std::runtime_error("dialog failed");
        });
        if (c.throws) {
            EXPECT_THROW(RunMenuCommand(command, Context()), std::runtime_error);
        } else {
            RunMenuCommand(command, Context());
        }
        EXPECT_EQ(seen, c.during);
        EXPECT_EQ(DefaultSNMPSecurity.Version, c.before);
    }
    // A command without the extra leaves SNMPv1 alone.
    DefaultSNMPSecurity.Version = 0;
    std::optional<uint8_t> seen;
    SetGenericDialogRunner([&](const GenericDialogRequest&) { seen = DefaultSNMPSecurity.Version; });
    RunMenuCommand(Command("PortInformation1Click"), Context());
    EXPECT_EQ(seen, 0);
}

TEST_F(EngineTest, MainWindowStepsRunAroundTheDialog) {
    for (const MenuCommand& command : AllMenuCommands()) {
        if (command.Extras.AfterClose == MainWindowStep::None && command.Extras.Before == MainWindowStep::None)
            continue;
        SCOPED_TRACE(command.Handler);
        steps.clear();
        std::vector<MainWindowStep> stepsWhenOpened;
        SetGenericDialogRunner([&](const GenericDialogRequest&) { stepsWhenOpened = steps; });
        RunMenuCommand(command, Context());
        std::vector<MainWindowStep> expected;
        if (command.Extras.Before != MainWindowStep::None) expected.push_back(command.Extras.Before);
        if (OpensGenericDialog(command.Kind)) {
            EXPECT_EQ(stepsWhenOpened, expected);
        }
        if (command.Extras.AfterClose != MainWindowStep::None) expected.push_back(command.Extras.AfterClose);
        EXPECT_EQ(steps, expected);
    }
}

TEST_F(EngineTest, PortRowEditorIsCaptionedWithThePortForCopperAndFibreOnly) {
    const MenuCommand& command = PortPopupCommands()[0];
    const CommandContext context = Context();
    for (const char* hint : {"7.1", "12.2", "7.3", "7", ""}) RunPortRowCommand(command, hint, context);
    const std::string title = std::string(command.Title) + ": 10.0.0.1 / Port ";
    EXPECT_EQ(dialogCaptions, (std::vector<std::string>{title + "7", title + "12", "", "", ""}));
    EXPECT_EQ(dialogs[0].PortHint, "7.1");
}

class ProbeForm : public ui::Form {
public:
    using ui::Form::Form;
    static inline int alive = 0;
    static inline ui::Form* seenByPointer = nullptr;
    ProbeForm(ui::Component* owner, int) : ui::Form(owner) { ++alive; }
    ~ProbeForm() override { --alive; }
};

TEST_F(EngineTest, DedicatedDialogPointerNamesTheOpenFormOnlyWhileItLives) {
    MenuCommand command = Command("TrustHostTable1Click");
    ASSERT_EQ(command.Kind, CommandKind::DedicatedDialog);
    for (bool pointerKept : {false, true}) {
        SCOPED_TRACE(pointerKept);
        command.Extras.PointerKept = pointerKept;
        ui::Component mainWindow(nullptr);
        CommandContext context = Context();
        context.MainWindow = &mainWindow;
        ui::Component* owner = nullptr;
        std::string caption;
        const DedicatedDialogEntry* registered = FindDedicatedDialog(command.FormClass);
        const std::optional<DedicatedDialogEntry> saved =
            registered ? std::optional<DedicatedDialogEntry>(*registered) : std::nullopt;
        RegisterDedicatedDialog(command.FormClass, [&](ui::Component* formOwner) {
            owner = formOwner;
            auto* form = new ProbeForm(formOwner, 0);
            ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
                ProbeForm::seenByPointer = DedicatedDialogInstance(command.InstancePointer);
                caption = shown.Caption();
                shown.Close();
            });
            return form;
        });
        RunMenuCommand(command, context);
        UnregisterDedicatedDialog(command.FormClass);
        if (saved) RegisterDedicatedDialog(command.FormClass, saved->Create, saved->Publish);
        EXPECT_EQ(owner, &mainWindow);  // owner main window
        EXPECT_EQ(caption, std::string(command.Title) + ": 10.0.0.1");
        EXPECT_NE(ProbeForm::seenByPointer, nullptr);
        EXPECT_EQ(ProbeForm::alive, 0);
        EXPECT_EQ(DedicatedDialogInstance(command.InstancePointer), nullptr);
    }
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(EngineTest, HostToolThatCannotStartIsIgnored) {
    SetProcessLauncher([](const ToolCommand&) -> bool { throw std::runtime_error("no such program"); });
    EXPECT_NO_THROW(RunMenuCommand(Command("Information3Click"), Context()));
    EXPECT_TRUE(boxes.Calls().empty());
}

// The main window itself, built as the host starts it.
class MainWindowCommandTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        units_.emplace(*app_);
        // The host's program directory holds one of its tools.
        fs::create_directories(work.File("host"));
        WriteExecutable(work.File("host/MIB"));
        std::ofstream(work.File("registry.ini"))
            << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath]\nPath=" << work.File("host") << "\n";
        SetProgramArguments({"/I10.0.0.1", "/Rpub lic"});
        form = app_->CreateForm<TMainForm>();
    }
    void TearDown() override {
        delete form;
        units_.reset();
        EngineTest::TearDown();
    }
    TMainForm* form = nullptr;

private:
    std::optional<ModuleUnits> units_;
};

TEST_F(MainWindowCommandTest, EveryMenuItemWithAHandlerRunsItsCommand) {
    int items = 0;
    for (const MainMenuItem* item : AllMainMenuItems()) {
        if (!item->HasCommand()) continue;
        SCOPED_TRACE(item->Name);
        ++items;
        const MenuCommand* command = FindMenuCommand(item->Handler);
        ASSERT_NE(command, nullptr);
        if (command->Kind != CommandKind::TableList) continue;
        const size_t before = dialogs.size();
        form->FindMenuItem(item->Name)->Click();
        ASSERT_EQ(dialogs.size(), before + 1);
        EXPECT_EQ(dialogs.back().Command, command);
        EXPECT_EQ(form->DialogCaption, dialogCaptions.back());
    }
    EXPECT_GT(items, 390);
    form->FindMenuItem("Information3")->Click();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0].Program, work.File("host/MIB"));
    EXPECT_EQ(launched[0].Arguments, (std::vector<std::string>{"/I10.0.0.1", "/Rpub lic", "/W", "/TMIB_Info"}));
    // A tool the host's directory lacks is left to the system's program search.
    form->FindMenuItem("PortTable1")->Click();
    ASSERT_EQ(launched.size(), 2u);
    EXPECT_EQ(launched[1].Program, "Bridge");
}

TEST_F(MainWindowCommandTest, AFailedStpVersionRereadIsShownAndTheCommandGoesOn) {
    ASSERT_NE(form->StpVersionRequest, nullptr);
    form->StpVersionRequest->Request.Vars.GetVar(0)->Oid = "no object";  // the re-read raises
    int commands = 0;
    for (const MainMenuItem* item : AllMainMenuItems()) {
        if (!item->HasCommand()) continue;
        const MenuCommand* command = FindMenuCommand(item->Handler);
        if (command == nullptr || command->Kind != CommandKind::TableList ||
            command->Extras.Before != MainWindowStep::StpVersionReread)
            continue;
        SCOPED_TRACE(item->Name);
        ++commands;
        form->StatusBar->Panels()[0]->SetText("");
        const size_t before = dialogs.size();
        form->FindMenuItem(item->Name)->Click();
        EXPECT_FALSE(form->StatusBar->Panels()[0]->Text().empty());
        EXPECT_EQ(dialogs.size(), before + 1);
    }
    EXPECT_GT(commands, 0);
}

TEST_F(MainWindowCommandTest, DeviceStateRulesSetTheirItems) {
    ui::MenuItem* unitInfo = form->FindMenuItem("Unitinformation1");
    ui::MenuItem* unitTable = form->FindMenuItem("UnitTable1");
    ui::MenuItem* auth = form->FindMenuItem("Auth1");
    const bool unitInfoAtStart = unitInfo->Visible();
    // a third value changes nothing
    ApplyDeviceStateRule(*form, DeviceStateRule::Stacking, "other");
    EXPECT_EQ(unitInfo->Visible(), unitInfoAtStart);
    EXPECT_TRUE(unitTable->Visible());
    ApplyDeviceStateRule(*form, DeviceStateRule::Stacking, "enabled");
    EXPECT_TRUE(unitInfo->Visible() && unitTable->Visible());
    ApplyDeviceStateRule(*form, DeviceStateRule::Stacking, "disabled");
    EXPECT_FALSE(unitInfo->Visible() || unitTable->Visible());

    ApplyDeviceStateRule(*form, DeviceStateRule::Rmon, "disabled");
    for (const char* name : {"Statistics1", "History1", "AlarmEvent1"}) EXPECT_FALSE(form->FindMenuItem(name)->Enabled());
    ApplyDeviceStateRule(*form, DeviceStateRule::Rmon, "Enabled");  // not the agent's text
    EXPECT_FALSE(form->FindMenuItem("Statistics1")->Enabled());
    ApplyDeviceStateRule(*form, DeviceStateRule::Rmon, "enabled");
    for (const char* name : {"Statistics1", "History1", "AlarmEvent1"}) EXPECT_TRUE(form->FindMenuItem(name)->Enabled());

    ApplyDeviceStateRule(*form, DeviceStateRule::Dot1x, "disabled");
    EXPECT_FALSE(auth->Enabled());

    // A failed read: the message in panel 0; stacking hides both unit items, 802.1X keeps its state.
    ApplyDeviceStateRule(*form, DeviceStateRule::Stacking, "enabled");
    const auto fail = []() -> std::string { throw Exception("No response"); };
    UpdateDeviceStateMenus(*form, DeviceStateRule::Dot1x, fail);
    EXPECT_FALSE(auth->Enabled());
    EXPECT_EQ(form->StatusBar->Panels()[0]->Text(), "No response");
    UpdateDeviceStateMenus(*form, DeviceStateRule::Stacking, fail);
    EXPECT_FALSE(unitInfo->Visible() || unitTable->Visible());
    UpdateDeviceStateMenus(*form, DeviceStateRule::Dot1x, [] { return std::string("enabled"); });
    EXPECT_TRUE(auth->Enabled());
}

TEST_F(MainWindowCommandTest, AboutShowsTheReleaseAndShiftAltF3TheBuild) {
    std::vector<std::string> versions;
    const auto look = [&](bool pressF3) {
        ui::TestHooks::RunInNextModal([&, pressF3](ui::Form& shown) {
            auto& about = dynamic_cast<TAboutForm&>(shown);
            EXPECT_EQ(AboutForm, &about);
            EXPECT_EQ(about.Caption(), "About QSW-2126P Module");
            EXPECT_EQ(about.AboutLabel->Caption(), "Vantrel QSW-2126P Management Module");
            for (ui::Image* image : about.ModelImages) EXPECT_EQ(image->Visible(), image == about.Image2126P);
            about.BT_Ok->SetFocus();
            PressKey(*about.BT_Ok, Qt::Key_F3, Qt::ShiftModifier);  // Shift alone does nothing
            EXPECT_EQ(about.VersionLabel->Caption(), AboutReleaseVersion);
            if (pressF3) PressKey(*about.BT_Ok, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
            versions.push_back(about.VersionLabel->Caption());
            about.BT_Ok->Click();
        });
        form->FindMenuItem("About1")->Click();
        EXPECT_EQ(AboutForm, nullptr);
    };
    look(true);
    look(false);
    EXPECT_EQ(versions, (std::vector<std::string>{AboutBuildVersion, AboutReleaseVersion}));
}

}  // namespace
