#include "Application.h"
#include "ComCtrls.h"
#include "MainMenuData.h"
#include "MainUnit.h"
#include "MenuProfile.h"
#include "Menus.h"
#include "MessageTablesGuard.h"
#include "HostileAgent.h"
#include "ListView.h"
#include "ModuleWorkspace.h"
#include "NxSNMPRequest.h"
#include "Program.h"
#include "ReadableFile.h"
#include "SimProcess.h"
#include "TestHooks.h"
#include "WaitingFormUnit.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QCoreApplication>
#include <QMenuBar>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

namespace {

namespace fs = std::filesystem;

void WriteFile(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string RegistryKey(const std::string& key, const std::string& values) {
    return "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\" + key + "]\n" + values;
}

const NxSNMPVar SystemDescription[] = {
    {"1.3.6.1.2.1.1.1", "Description", sxDisplayStr, readonly},
    {},
};

// Each test runs in its own directory (the boot-counter file and relative message files go there) with its own
// registry file.
class MainStartTest : public ::testing::Test {
protected:
    ModuleWorkspace work;
    ui::MessageBoxRecorder boxes;
    MessageTablesGuard messageTables;

    void SetUp() override {
        ui::TestHooks::SetPixelsPerInch(96);
    }
    void TearDown() override {
        ui::TestHooks::SetPixelsPerInch(0);
        SetProgramArguments({});
    }

    void WriteRegistry(const std::string& text) { WriteFile(work.File("registry.ini"), text); }
    // The host keeps the settings files in a directory of its own.
    std::string UseConfigurationDirectory() {
        const std::string dir = work.File("conf") + "/";
        WriteRegistry(RegistryKey("Halvex5.1\\MibFile", "Path=" + dir + "\n"));
        return dir;
    }

    // Starts the program as the host does; whileRunning runs once the event loop runs, then the window closes.
    void Start(const std::vector<std::string>& arguments, std::function<void()> whileRunning = {}) {
        std::vector<std::string> texts = {"qsw2126p-mgr"};
        texts.insert(texts.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& text : texts) argv.push_back(text.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(texts.size());

        ui::Component alive(nullptr);  // work still queued after the start is dropped with it
        // The window's creation and first activation read the switch and let events run meanwhile: the work
        // waits until the window is shown and its views are built.
        std::function<void()> runWhenShown = [&] {
            if (MainForm && !ui::Application::Instance().Terminated() && (!MainForm->Visible() || WaitingForm)) {
                ui::detail::Post(&alive, runWhenShown);
                return;
            }
            if (whileRunning) whileRunning();
            if (MainForm) MainForm->Close();
        };
        ui::detail::Post(&alive, runWhenShown);
        EXPECT_EQ(RunModule(argc, argv.data()), 0);
        EXPECT_EQ(MainForm, nullptr);
    }
};

// The application object and the units' start-up, for constructing the main window directly.
class ModuleApplication {
public:
    ModuleApplication() : app_(argc_, argv_), units_(app_) { app_.SetTitle(ApplicationTitle); }
    ui::Application& App() { return app_; }
    TMainForm* CreateMainForm(std::vector<std::string> arguments) {
        SetProgramArguments(std::move(arguments));
        return app_.CreateForm<TMainForm>();
    }

private:
    int argc_ = 1;
    char name_[16] = "qsw2126p-mgr";
    char* argv_[2] = {name_, nullptr};
    ui::Application app_;
    ModuleUnits units_;
};

}  // namespace

TEST_F(MainStartTest, WithoutArgumentsTheStartShowsNoParameterInputAndEnds) {
    Start({});
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].Text, "No parameter input");
    EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
}

TEST_F(MainStartTest, WithoutArgumentsTheWindowIsStillBuiltWithTheDefaults) {
    ModuleApplication module;
    TMainForm* form = module.CreateMainForm({});
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].Text, "No parameter input");
    EXPECT_TRUE(module.App().Terminated());
    EXPECT_EQ(MainForm, form);
    EXPECT_EQ(DefaultSNMPDevice.Address, "127.0.0.1");
    EXPECT_EQ(DefaultSNMPDevice.Port, 161);
    EXPECT_EQ(DefaultSNMPSecurity.Version, 0);
    EXPECT_EQ(form->Caption(), "");
    EXPECT_FALSE(form->Visible());
}

TEST_F(MainStartTest, TheWindowIsEightHundredWideAndScalesDialogsByTheScreen) {
    ModuleApplication module;
    TMainForm* form = module.CreateMainForm({"/I10.0.0.1"});
    EXPECT_EQ(form->Width(), 800);
    EXPECT_FLOAT_EQ(form->ScaleFactor, 1.0f);
    EXPECT_EQ(form->Caption(), "10.0.0.1");
    EXPECT_EQ(DeviceAddressText, "10.0.0.1");
    ASSERT_EQ(form->StatusBar->Panels().Count(), 1);
    EXPECT_EQ(form->StatusBar->Panels()[0]->Width(), 50);
    delete form;
    EXPECT_EQ(MainForm, nullptr);

    ui::TestHooks::SetPixelsPerInch(120);
    form = module.CreateMainForm({"/I10.0.0.1"});
    EXPECT_FLOAT_EQ(form->ScaleFactor, 1.25f);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MainStartTest, TheModuleKeyGivesTheMessageDirectory) {
    const std::string moduleDir = work.File("modules") + "/";
    WriteRegistry(RegistryKey("Modules\\HelpPath", "1.3.6.1.4.1.32473.11.70.7=" + moduleDir + "qsw2126p-mgr\n"));
    WriteFile(moduleDir + "errmsg/nxsnmp.err", "module text\n");
    WriteFile(work.File("errmsg/nxsnmp.err"), "current directory text\n");
    ModuleApplication module;
    TMainForm* form = module.CreateMainForm({"/I10.0.0.1"});
    EXPECT_EQ(form->ModulePath, moduleDir + "qsw2126p-mgr");
    EXPECT_EQ(NxSNMPErrorMessages[0], "module text");
}

TEST_F(MainStartTest, WithoutTheModuleKeyMessageFilesComeFromTheCurrentDirectory) {
    const std::string builtIn = SnmpErrorMessages[0];
    WriteFile(work.File("errmsg/nxsnmp.err"), "current directory text\n");
    ModuleApplication module;
    TMainForm* form = module.CreateMainForm({"/I10.0.0.1"});
    EXPECT_EQ(form->ModulePath, "");
    EXPECT_EQ(NxSNMPErrorMessages[0], "current directory text");
    EXPECT_EQ(SnmpErrorMessages[0], builtIn);  // its file is missing
    EXPECT_FALSE(fs::exists(work.File("registry.ini")));  // nothing written
}

TEST_F(MainStartTest, TheSettingsFileIsLookedUpInTheConfigurationDirectory) {
    const char* settings = "[Program Information]\nAgentPort=1161\nVersion=1\nSecurityModel=2\n"
                           "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
    struct Case {
        std::string registry;
        std::string settingsDir;
    };
    const Case cases[] = {
        {"", work.Path() + "/"},  // no host keys: the current directory
        {RegistryKey("Halvex5.1\\ExePath", "Path=" + work.File("host/bin") + "/\n"), work.File("host/bin/../Conf/MBF/")},
        {RegistryKey("Halvex5.1\\ExePath", "Path=" + work.File("host/bin") + "/\n") +
             RegistryKey("Halvex5.1\\MibFile", "Path=" + work.File("mibs") + "/\n"),
         work.File("mibs") + "/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settingsDir);
        fs::remove_all(work.File("host"));
        fs::remove_all(work.File("mibs"));
        fs::remove(work.File("10.0.0.1.cfg"));
        WriteRegistry(c.registry);
        WriteFile(c.settingsDir + "10.0.0.1.cfg", settings);
        ModuleApplication module;
        TMainForm* form = module.CreateMainForm({"/I10.0.0.1", "/Rabc"});
        EXPECT_EQ(DefaultSNMPDevice.Port, 1161);
        EXPECT_EQ(DefaultSNMPSecurity.Version, 1);
        EXPECT_EQ(DefaultSNMPSecurity.ReadCommunity, "abc");
        EXPECT_EQ(form->DeviceSettingTexts[dsAgentPort], "1161");
    }
}

TEST_F(MainStartTest, ABadSettingsFileEndsTheStartWithItsMessage) {
    const std::string dir = UseConfigurationDirectory();
    WriteFile(dir + "10.0.0.1.cfg", "[Program Information]\nAgentPort=1161\nVersion=1\n");
    Start({"/I10.0.0.1", "/Rabc"}, [] { ADD_FAILURE() << "the window came up"; });
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
    EXPECT_EQ(boxes.Calls()[0].Text,
              "'' is not a valid integer value (key \"SecurityModel\" of " + dir + "10.0.0.1.cfg)");
}

TEST_F(MainStartTest, AnAddressNamingAFileEndsTheStart) {
    Start({"/I../../etc/passwd", "/Rabc"}, [] { ADD_FAILURE() << "the window came up"; });
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_NE(boxes.Calls()[0].Text.find("Invalid device address"), std::string::npos) << boxes.Calls()[0].Text;
}

TEST_F(MainStartTest, StartsAgainstTheSimulatorWithItsSettingsFile) {
    simtest::SimAgent sim;
    const std::string port = std::to_string(sim.Port());
    struct Case {
        const char* name;
        std::string settings;
        uint8_t version;
        const char* pduPrefix;
    };
    const Case cases[] = {
        {"v2c",
         "AgentPort=" + port + "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n", 1,
         "GET v2c tundra "},
        {"v3 authPriv",
         "AgentPort=" + port + "\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=admin\n"
             "AuthProtocol=2\nPrivProtocol=1\nAuthPassword=authpass1\nPrivPassword=privpass1\n",
         3, "GET v3 admin "},
    };
    const std::string dir = UseConfigurationDirectory();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(dir + "127.0.0.1.cfg", "[Program Information]\n" + c.settings);
        bool reached = false;
        Start({"/I127.0.0.1", "/Rtundra", "/Wharbour"}, [&] {
            ASSERT_NE(MainForm, nullptr);
            reached = true;
            EXPECT_TRUE(MainForm->Visible());
            EXPECT_EQ(MainForm->Caption(), "127.0.0.1");
            EXPECT_EQ(DefaultSNMPDevice.Address, "127.0.0.1");
            EXPECT_EQ(DefaultSNMPDevice.Port, sim.Port());
            EXPECT_EQ(DefaultSNMPSecurity.Version, c.version);
            EXPECT_EQ(MainForm->FindMenuItem("VACM1")->Enabled(), c.version == 3);
            if (c.version == 3) {
                EXPECT_EQ(DefaultSNMPSecurity.SecurityModel, 3);
                EXPECT_EQ(DefaultSNMPSecurity.SecurityLevel, 3);
                EXPECT_EQ(DefaultSNMPSecurity.AuthProtocol, 3);
                EXPECT_EQ(DefaultSNMPSecurity.PrivProtocol, 2);
                EXPECT_EQ(DefaultSNMPSecurity.SecurityName, "admin");
            }
            // A request made now copies the defaults and reaches the switch.
            NxSNMPRequest request;
            request.Vars = NxSNMPVarList(SystemDescription, SVT_SV, 0);
            bool ok = false;
            request.Get(ok, true);
            EXPECT_TRUE(ok);
            EXPECT_FALSE(request.Vars.GetVar(0)->Value.empty());
        });
        EXPECT_TRUE(reached);
        EXPECT_TRUE(boxes.Calls().empty());
        bool logged = false;
        for (const std::string& line : sim.PduLog()) logged |= line.rfind(c.pduPrefix, 0) == 0;
        EXPECT_TRUE(logged) << c.pduPrefix;
    }
}

// A switch that does not answer holds the window back for one read's time-out, not for every read of the start.
TEST_F(MainStartTest, ASilentSwitchIsNamedInTheStatusLineAfterOneRead) {
    testsupport::SilentUdpPort silent;
    const std::string dir = UseConfigurationDirectory();
    struct Case {
        const char* name;
        bool settingsFile;
        std::string status;
    };
    const Case cases[] = {
        {"settings file", true,
         "The switch at 127.0.0.1:" + std::to_string(silent.Port()) + " (SNMPv2c) does not answer."},
        // Without a file the port is the default one, where nothing listens here either.
        {"no settings file", false,
         "The switch at 127.0.0.1:161 (SNMPv1) does not answer. No settings file " + dir + "127.0.0.1.cfg was found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(dir + "127.0.0.1.cfg");
        if (c.settingsFile)
            WriteFile(dir + "127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(silent.Port()) +
                                                 "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\n"
                                                 "PrivProtocol=0\n");
        const auto started = std::chrono::steady_clock::now();
        std::chrono::steady_clock::duration shownAfter{};
        std::chrono::milliseconds oneRead{};
        bool reached = false;
        Start({"/I127.0.0.1", "/Rtundra"}, [&] {
            shownAfter = std::chrono::steady_clock::now() - started;
            reached = true;
            NxSNMPRequest probe;  // the time-out and retries every read of the start has
            oneRead = std::chrono::milliseconds(probe.Timeout * 10 * (probe.Retries + 1));
            EXPECT_TRUE(MainForm->Visible());
            EXPECT_EQ(MainForm->StatusBar->Panels()[0]->Text(), c.status);
            // The view of a switch whose stacking mode is unknown; its LED polling finds the switch once it answers.
            EXPECT_EQ(MainForm->PanelFormList.size(), 1u);
        });
        EXPECT_TRUE(reached);
        EXPECT_TRUE(boxes.Calls().empty());
        // One read's time-out and the start's own work; waiting for every read in turn took over ten times as long.
        EXPECT_LT(shownAfter, 3 * oneRead);
    }
}

// An agent that answers every GET-NEXT inside the stack-unit table with one more row: the table never ends.
TEST_F(MainStartTest, AUnitTableThatNeverEndsStillLetsTheWindowComeUp) {
    using testsupport::HostileVarBind;
    const testsupport::OidArcs unitEntry = testsupport::ParseArcs("1.3.6.1.4.1.32473.12.11.1.9.4.1");
    std::atomic<int> unitSteps{0};
    testsupport::HostileAgent agent([&](const testsupport::HostileRequest& r) {
        testsupport::HostileReply reply;
        for (const testsupport::OidArcs& oid : r.oids) {
            const bool inUnitTable = oid.size() > unitEntry.size() && std::equal(unitEntry.begin(), unitEntry.end(), oid.begin());
            if (r.pduType != 0xA1 || !inUnitTable) {
                reply.varbinds.push_back(HostileVarBind::Exception(oid, r.pduType == 0xA1 ? 0x82 : 0x81));
                continue;
            }
            const uint32_t column = oid[unitEntry.size()];
            testsupport::OidArcs next(unitEntry);
            next.push_back(column);
            next.push_back(oid.size() > unitEntry.size() + 1 ? oid[unitEntry.size() + 1] + 1 : 1);
            if (column == 2 || column == 5) reply.varbinds.push_back(HostileVarBind::Octets(next, std::string(6, '\x01')));
            else if (column >= 8 && column <= 12) reply.varbinds.push_back(HostileVarBind::Octets(next, "QSW-2126P"));
            else reply.varbinds.push_back(HostileVarBind::Integer(next, 1));
        }
        if (r.pduType == 0xA1 && !r.oids.empty() && r.oids[0].size() > unitEntry.size() &&
            std::equal(unitEntry.begin(), unitEntry.end(), r.oids[0].begin()))
            ++unitSteps;
        return reply;
    });
    const std::string dir = UseConfigurationDirectory();
    WriteFile(dir + "127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(agent.Port()) +
                                         "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    bool reached = false;
    Start({"/I127.0.0.1", "/Rtundra"}, [&] {
        reached = true;
        EXPECT_TRUE(MainForm->Visible());
        // The table holds twelve units at most: the walk reads no more.
        EXPECT_EQ(MainForm->UnitListView->Items().Count(), 12);
    });
    EXPECT_TRUE(reached);
    // Twelve rows and the step that finds a thirteenth.
    EXPECT_LE(unitSteps.load(), 13);
}

// A FIFO in place of a file would block the start on opening it: such files are refused by name.
TEST_F(MainStartTest, FilesThatAreNoRegularFilesAreRefusedByName) {
    fs::create_directories(work.File("errmsg"));
    ASSERT_EQ(mkfifo(work.File("errmsg/snmp.err").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(work.File("registry.fifo").c_str(), 0600), 0);
    setenv("VANTREL_REGISTRY", work.File("registry.fifo").c_str(), 1);
    {
        ModuleApplication module;
        TMainForm* form = module.CreateMainForm({"/I10.0.0.1"});
        EXPECT_EQ(form->ModulePath, "");
        ASSERT_EQ(boxes.Calls().size(), 2u);
        EXPECT_EQ(boxes.Calls()[0].Text,
                  "The registry file " + work.File("registry.fifo") + " is not a regular file: it is not read.");
        EXPECT_EQ(boxes.Calls()[1].Text,
                  "The message file errmsg/snmp.err is not a regular file: its texts are not loaded.");
    }
    // A settings file that cannot be read ends the start, as a broken one does.
    ASSERT_EQ(mkfifo(work.File("10.0.0.9.cfg").c_str(), 0600), 0);
    Start({"/I10.0.0.9", "/Rabc"}, [] { ADD_FAILURE() << "the window came up"; });
    ASSERT_EQ(boxes.Calls().size(), 5u);
    EXPECT_EQ(boxes.Calls()[4].Text, "The settings file 10.0.0.9.cfg is not a regular file");
}

// A registry, message or settings file beyond 16 MiB would stall the start reading it: it is refused by name unread.
TEST_F(MainStartTest, FilesBeyond16MiBAreRefusedByName) {
    auto huge = [](const std::string& path) {
        WriteFile(path, "");
        fs::resize_file(path, files::MaxStartupFileBytes + 1);  // sparse: nothing to write
    };
    huge(work.File("errmsg/snmp.err"));
    huge(work.File("registry.ini"));
    setenv("VANTREL_REGISTRY", work.File("registry.ini").c_str(), 1);
    {
        ModuleApplication module;
        TMainForm* form = module.CreateMainForm({"/I10.0.0.1"});
        EXPECT_EQ(form->ModulePath, "");
        ASSERT_EQ(boxes.Calls().size(), 2u);
        EXPECT_EQ(boxes.Calls()[0].Text,
                  "The registry file " + work.File("registry.ini") + " is larger than 16 MiB: it is not read.");
        EXPECT_EQ(boxes.Calls()[1].Text,
                  "The message file errmsg/snmp.err is larger than 16 MiB: its texts are not loaded.");
    }
    huge(work.File("10.0.0.9.cfg"));
    Start({"/I10.0.0.9", "/Rabc"}, [] { ADD_FAILURE() << "the window came up"; });
    ASSERT_EQ(boxes.Calls().size(), 5u);
    EXPECT_EQ(boxes.Calls()[4].Text, "The settings file 10.0.0.9.cfg is larger than 16 MiB");
}

TEST_F(MainStartTest, TheMenuBarIsBuiltFromTheMenuData) {
    ModuleApplication module;
    TMainForm* form = module.CreateMainForm({"/I10.0.0.1"});
    const auto tops = MainMenuTopItems();
    ASSERT_EQ(form->MainMenu1->Items().Count(), static_cast<int>(tops.size()));
    for (size_t i = 0; i < tops.size(); ++i) {
        ui::MenuItem* item = form->MainMenu1->Items().Items(static_cast<int>(i));
        EXPECT_EQ(item->Name(), tops[i].Name);
        EXPECT_EQ(item->Caption(), tops[i].Caption);
    }
    EXPECT_EQ(form->MenuWidget(), static_cast<QWidget*>(form->MainMenu1->MenuBar()));
    // Every named item is there with its caption and design visibility, unless the start-up set it.
    std::set<std::string> setAtStart;
    for (const auto& table : {ModelMenuProfile(), PoeAndImageMenus()})
        for (const MenuVisibility& entry : table) setAtStart.insert(entry.Name);
    for (const MainMenuItem* data : AllMainMenuItems()) {
        if (data->IsSeparator()) continue;
        ui::MenuItem* item = form->FindMenuItem(data->Name);
        ASSERT_NE(item, nullptr) << data->Name;
        EXPECT_EQ(item->Caption(), data->Caption);
        EXPECT_TRUE(item->Enabled() || data->Name == std::string(SnmpV3MenuName)) << data->Name;
        if (!setAtStart.count(data->Name)) {
            EXPECT_EQ(item->Visible(), !data->HiddenAtStart) << data->Name;
        }
    }
}

TEST_F(MainStartTest, TheSnmpV3MenuIsEnabledOnlyForVersion3) {
    struct Case {
        std::vector<std::string> arguments;
        bool enabled;
    };
    const Case cases[] = {
        {{"/I10.0.0.1"}, false},
        {{"/I10.0.0.1", "/v1"}, false},
        {{"/I10.0.0.1", "/v3"}, true},
        {{"/I10.0.0.1", "/v3", "/v0"}, false},
        {{}, false},
    };
    for (const Case& c : cases) {
        ModuleApplication module;
        TMainForm* form = module.CreateMainForm(c.arguments);
        EXPECT_EQ(form->FindMenuItem("VACM1")->Enabled(), c.enabled) << c.arguments.size();
    }
}

TEST_F(MainStartTest, TheModelMenuProfileAppliesWhenTheModuleKeyOpens) {
    {
        ModuleApplication module;
        TMainForm* form = module.CreateMainForm({"/I10.0.0.1"});
        for (const auto& table : {ModelMenuProfile(), PoeAndImageMenus()})
            for (const MenuVisibility& entry : table)
                EXPECT_EQ(form->FindMenuItem(entry.Name)->Visible(), entry.Visible) << entry.Name;
        EXPECT_FALSE(form->FindMenuItem("OSPFRFC18501")->Visible());
    }
    // A registry that cannot be read opens no key: the menus keep their design.
    setenv("VANTREL_REGISTRY", work.Path().c_str(), 1);
    ModuleApplication module;
    TMainForm* form = module.CreateMainForm({"/I10.0.0.1"});
    for (const auto& table : {ModelMenuProfile(), PoeAndImageMenus()})
        for (const MenuVisibility& entry : table)
            EXPECT_EQ(form->FindMenuItem(entry.Name)->Visible(), !FindMainMenuItem(entry.Name)->HiddenAtStart)
                << entry.Name;
    EXPECT_TRUE(form->FindMenuItem("OSPFRFC18501")->Visible());
    EXPECT_TRUE(form->FindMenuItem("miVRRP")->Visible());
}
