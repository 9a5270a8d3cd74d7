// The stack-unit helpers: port numbering and its edges, the present units under both absence marks (and the unit
// table read again when none is counted), the ticked-port test on a real selector, and a small unit-and-port
// dialog against the simulator's twelve-unit stack.
#include "DedicatedDialogFixture.h"

#include "DedicatedForm.h"
#include "DeviceWindow.h"
#include "DialogTable.h"
#include "EditorInput.h"
#include "StackState.h"
#include "StackStateScope.h"
#include "StackUnits.h"
#include "StackingPortUitFormUnit.h"

#include "CatalogTables.h"
#include "ComCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <climits>
#include <memory>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

StackUnitRow Row(const std::string& caption, const std::string& model, const std::string& presence = "exist") {
    return {caption, "", model, presence};
}

std::vector<int> Numbers(const std::vector<StackUnit>& units) {
    std::vector<int> numbers;
    for (const StackUnit& unit : units) numbers.push_back(unit.Number);
    return numbers;
}

std::vector<std::string> Described(const std::vector<StackUnit>& units) {
    std::vector<std::string> texts;
    for (const StackUnit& unit : units)
        texts.push_back(std::to_string(unit.Number) + " " + unit.Model + " " + std::to_string(unit.PortCount));
    return texts;
}

// Publishes window for one test and takes it back afterwards.
struct DeviceWindowScope {
    explicit DeviceWindowScope(DeviceWindow& window) { SetDeviceWindow(&window); }
    ~DeviceWindowScope() { SetDeviceWindow(nullptr); }
    DeviceWindowScope(const DeviceWindowScope&) = delete;
    DeviceWindowScope& operator=(const DeviceWindowScope&) = delete;
};

// A main window whose unit-table read brings rowsRead into state (none: the read failed).
struct RereadingWindow : DeviceWindowValues {
    StackStateValues* State = nullptr;
    std::vector<StackUnitRow> RowsRead;
    bool RereadUnitTable() override {
        ++UnitRereads;
        State->Rows = RowsRead;
        State->UnitCount = static_cast<int>(RowsRead.size());
        return !RowsRead.empty();
    }
};

TEST(StackUnits, GlobalPortsSplitIntoUnitAndPortAndBack) {
    struct Case {
        int global;
        UnitPort split;
    };
    for (const Case& c : std::vector<Case>{{1, {1, 1}},
                                           {64, {1, 64}},
                                           {65, {2, 1}},
                                           {133, {3, 5}},
                                           {704, {11, 64}},
                                           {768, {12, 64}},
                                           // no port
                                           {0, {0, 0}},
                                           {-1, {0, 0}},
                                           {-64, {0, 0}},
                                           {769, {0, 0}},
                                           {INT_MIN, {0, 0}},
                                           {INT_MAX, {0, 0}}}) {
        SCOPED_TRACE(c.global);
        const UnitPort split = UnitPortOf(c.global);
        EXPECT_EQ(split.Unit, c.split.Unit);
        EXPECT_EQ(split.Port, c.split.Port);
    }
    struct Back {
        int unit, port, global;
    };
    for (const Back& c : std::vector<Back>{{1, 1, 1},
                                           {1, 64, 64},
                                           {2, 1, 65},
                                           {3, 5, 133},
                                           {12, 64, 768},
                                           // no port
                                           {0, 0, 0},
                                           {0, 5, 0},
                                           {13, 1, 0},
                                           {-1, 5, 0},
                                           {2, 0, 0},
                                           {2, -1, 0},
                                           {1, 65, 0},  // not unit 2 port 1
                                           {INT_MAX, INT_MAX, 0},
                                           {INT_MIN, 1, 0}}) {
        SCOPED_TRACE(std::to_string(c.unit) + "/" + std::to_string(c.port));
        EXPECT_EQ(GlobalPortOf(c.unit, c.port), c.global);
    }
    for (int global = 1; global <= StackPortCount; ++global) {
        const UnitPort split = UnitPortOf(global);
        ASSERT_EQ(GlobalPortOf(split.Unit, split.Port), global) << global;
    }
}

TEST(StackUnits, PresentUnitsFollowTheStackModeAndTheAbsenceMark) {
    struct Case {
        const char* what;
        std::string mode;
        std::vector<StackUnitRow> rows;
        int counted;
        AbsentUnit absent;
        std::vector<std::string> units;
    };
    const std::vector<StackUnitRow> mixed = {Row("1", "QSW-2126"), Row("2", "Not_Exist", "no-exist"),
                                             Row("3", "QSW-2150"), Row("4", "Not_Exist"),
                                             Row("5", "QSW-2312", "no-exist")};
    const std::vector<Case> cases = {
        {"not stacked: one QSW-2126P, whatever the rows",
         "disabled",
         {Row("1", "QSW-2150"), Row("2", "QSW-2126")},
         2,
         AbsentUnit::PresenceNoExist,
         {"1 QSW-2126P 26"}},
        {"stacking not read yet", "", {}, 0, AbsentUnit::ModelNotExist, {"1 QSW-2126P 26"}},
        {"the presence mark",
         "enabled",
         mixed,
         5,
         AbsentUnit::PresenceNoExist,
         {"1 QSW-2126 24", "3 QSW-2150 48", "4 Not_Exist 0"}},
        {"the model mark",
         "enabled",
         mixed,
         5,
         AbsentUnit::ModelNotExist,
         {"1 QSW-2126 24", "3 QSW-2150 48", "5 QSW-2312 12"}},
        {"only the counted rows", "enabled", mixed, 3, AbsentUnit::PresenceNoExist, {"1 QSW-2126 24", "3 QSW-2150 48"}},
        {"a count past the rows", "enabled", {Row("2", "QSW-2127")}, 4, AbsentUnit::PresenceNoExist, {"2 QSW-2127 25"}},
        {"captions that are no unit",
         "enabled",
         {Row("0", "QSW-2126"), Row("13", "QSW-2126"), Row("x", "QSW-2126"), Row("", "QSW-2126"), Row("2 ", "QSW-2126"),
          Row("12", "QSW-2350")},
         6,
         AbsentUnit::PresenceNoExist,
         {"12 QSW-2350 48"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StackStateScope state(c.mode, c.rows);
        state.values.UnitCount = c.counted;
        const std::vector<StackUnit> units = PresentStackUnits(c.absent);
        EXPECT_EQ(Described(units), c.units);
        for (const StackUnit& unit : units) EXPECT_EQ(FindStackUnit(units, unit.Number), &unit);
    }
    StackStateScope state("enabled", mixed);
    const std::vector<StackUnit> units = PresentStackUnits(AbsentUnit::PresenceNoExist);
    EXPECT_EQ(FindStackUnit(units, 2), nullptr);
    EXPECT_EQ(FindStackUnit(units, 0), nullptr);
    EXPECT_EQ(FindStackUnit({}, 1), nullptr);
}

TEST(StackUnits, TheUnitTableIsReadAgainOnlyWhenAStackCountsNoUnit) {
    struct Case {
        const char* what;
        std::string mode;
        int counted;
        std::vector<StackUnitRow> rowsRead;
        int rereads;
        std::vector<std::string> units;
    };
    const std::vector<StackUnitRow> read = {Row("1", "QSW-2126P"), Row("2", "", "no-exist"), Row("3", "QSW-2350")};
    const std::vector<Case> cases = {
        {"stacked, none counted: the rows read", "enabled", 0, read, 1, {"1 QSW-2126P 24", "3 QSW-2350 48"}},
        {"stacked, the read fails", "enabled", 0, {}, 1, {}},
        {"stacked, units counted", "enabled", 1, read, 0, {"1 QSW-2126 24"}},
        {"not stacked", "disabled", 0, read, 0, {"1 QSW-2126P 26"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StackStateScope state(c.mode, {Row("1", "QSW-2126")});
        state.values.UnitCount = c.counted;
        RereadingWindow window;
        window.State = &state.values;
        window.RowsRead = c.rowsRead;
        DeviceWindowScope published(window);
        EXPECT_EQ(Described(PresentStackUnits(AbsentUnit::PresenceNoExist)), c.units);
        EXPECT_EQ(window.UnitRereads, c.rereads);
    }
}

// A dialog's port page, built from the stack state as the frame builds it.
class TickedPortTest : public ::testing::Test {
protected:
    TStackingPortUitForm& Build() {
        dialog = std::make_unique<ui::Form>(nullptr);
        auto* pages = new ui::PageControl(dialog.get());
        pages->SetParent(dialog.get());
        selector = new TStackingPortUitForm(dialog.get());
        AddStackPortTab("Ports", selector, pages);
        return *selector;
    }
    std::unique_ptr<ui::Form> dialog;
    TStackingPortUitForm* selector = nullptr;
};

TEST_F(TickedPortTest, OnlyTheTickedPortsOfPresentUnitsWithinTheirModelCount) {
    struct Case {
        const char* what;
        std::string mode;
        std::vector<StackUnitRow> rows;
        AbsentUnit absent;
        std::vector<UnitPort> ticked;
        bool expected;
    };
    const std::vector<StackUnitRow> stack = {Row("1", "QSW-2126"), Row("2", "QSW-2126", "no-exist"),
                                             Row("3", "QSW-2150"), Row("4", "Not_Exist")};
    const std::vector<Case> cases = {
        {"nothing ticked", "enabled", stack, AbsentUnit::PresenceNoExist, {}, false},
        {"unit 1 port 1", "enabled", stack, AbsentUnit::PresenceNoExist, {{1, 1}}, true},
        {"the last port of a QSW-2150", "enabled", stack, AbsentUnit::PresenceNoExist, {{3, 48}}, true},
        {"past a unit's ports", "enabled", stack, AbsentUnit::PresenceNoExist, {{3, 49}, {1, 25}}, false},
        {"a unit marked no-exist", "enabled", stack, AbsentUnit::PresenceNoExist, {{2, 1}}, false},
        {"no-exist is not the model mark", "enabled", stack, AbsentUnit::ModelNotExist, {{2, 1}}, true},
        {"a model reading Not_Exist", "enabled", stack, AbsentUnit::ModelNotExist, {{4, 1}}, false},
        {"a unit not in the list", "enabled", stack, AbsentUnit::PresenceNoExist, {{5, 1}, {12, 64}}, false},
        {"one present among absent", "enabled", stack, AbsentUnit::PresenceNoExist, {{2, 1}, {5, 1}, {3, 2}}, true},
        {"not stacked: the QSW-2126P's last port",
         "disabled",
         {Row("1", "QSW-2150")},
         AbsentUnit::PresenceNoExist,
         {{1, 26}},
         true},
        {"not stacked: past its 26 ports",
         "disabled",
         {Row("1", "QSW-2150")},
         AbsentUnit::PresenceNoExist,
         {{1, 27}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StackStateScope state(c.mode, c.rows);
        TStackingPortUitForm& ports = Build();
        // Boxes of hidden pages are ticked as a row's port list ticks them.
        for (const UnitPort& port : c.ticked)
            ports.PortCheckBoxes.at(static_cast<size_t>(GlobalPortOf(port.Unit, port.Port) - 1))->SetChecked(true);
        EXPECT_EQ(PresentUnitPortTicked(ports, c.absent), c.expected);
    }
}

TEST_F(TickedPortTest, ReadsNoUnitTable) {
    StackStateScope state("enabled", {Row("1", "QSW-2126")});
    TStackingPortUitForm& ports = Build();
    ports.PortCheckBoxes[0]->SetChecked(true);
    state.values.UnitCount = 0;
    DeviceWindowValues window;
    DeviceWindowScope published(window);
    EXPECT_FALSE(PresentUnitPortTicked(ports, AbsentUnit::PresenceNoExist));
    EXPECT_EQ(window.UnitRereads, 0);
}

// ------------------------------------------------------------------------------------------ against the simulator

constexpr const char* UnitTable = "1.3.6.1.4.1.32473.12.11.1.9.4.1 (9 entries from \"ID\")";
constexpr const char* UnitModelColumn = "1.3.6.1.4.1.32473.12.11.1.9.4.1.9";
constexpr const char* DeletePortOid = "1.3.6.1.4.1.32473.11.70.7.2.7.2.2.0";

// The main window's part for the dialogs: stacking enabled, the unit list read from the switch only when asked.
class SimStackWindow : public StackState, public DeviceWindowValues {
public:
    SimStackWindow()
        : host_(nullptr), list_(new ui::ListView(&host_)), request_(std::make_unique<NxSNMPRequest2Edits>(&host_)) {
        list_->SetParent(&host_);
        request_->Request.Vars = NxSNMPVarList(FindCatalogTable(UnitTable), MVT_FMV, 1);
        request_->Mode = NxSNMPRequest2Controls::ModeSync;
        request_->BindListView(list_);
        SetStackState(this);
        SetDeviceWindow(this);
    }
    ~SimStackWindow() override {
        SetStackState(nullptr);
        SetDeviceWindow(nullptr);
    }

    std::string StackModeText() const override { return "enabled"; }
    int StackUnitCount() const override { return count_; }
    std::vector<StackUnitRow> StackUnitRows() const override {
        std::vector<StackUnitRow> rows;
        for (int i = 0; i < list_->Items().Count(); ++i) {
            const ui::ListItem& item = *list_->Items()[i];
            const ui::Strings& cells = item.SubItems();
            rows.push_back({item.Caption(), cells[1], cells[6], cells[7]});
        }
        return rows;
    }
    bool RereadUnitTable() override {
        ++UnitRereads;
        const bool read = request_->Get();
        count_ = list_->Items().Count();
        return read;
    }

private:
    ui::Form host_;
    ui::ListView* list_;
    std::unique_ptr<NxSNMPRequest2Edits> request_;
    int count_ = 0;
};

// A port given as unit and port over a scalar that holds the global port number, with the stack's port page.
class TUnitPortForm : public TDedicatedForm {
public:
    explicit TUnitPortForm(ui::Component* owner) : TDedicatedForm(owner, 520, 360), Group(AddTable()) {
        BuildButtonPanel("");
        RefreshBtn = NewPanelButton("btnRefresh", "Refresh", [this] {
            Group.Reread();
            ShowUnitPort();
        });
        SetBtn = NewPanelButton("btnSet", "Set", [this] { SetClick(); });
        BuildTableArea("ListView1", 10, true);
        UnitEdit = NewEditorEdit("UnitEdit", "Unit : ", 40);
        PortEdit = NewEditorEdit("PortEdit", "Port : ", 40);
        GlobalPort = new ui::Edit(this);
        GlobalPort->SetParent(EditorPanel);
        GlobalPort->Hide();
        GlobalPort->OnChange = [this](ui::Component*) { ShowUnitPort(); };
        OnCreate = [this](ui::Component*) { FormCreate(); };
        DoCreate();
    }

    DialogTable& Group;
    std::vector<StackUnit> Units;
    TStackingPortUitForm* Ports = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Edit* UnitEdit = nullptr;
    ui::Edit* PortEdit = nullptr;
    ui::Edit* GlobalPort = nullptr;

private:
    void FormCreate() {
        Units = PresentStackUnits(AbsentUnit::PresenceNoExist);
        Ports = AddPortPage("Ports");
        Group.Open(
            Oid_switch::E_11_70_7_2_7_2, SVT_SV, 0,
            [this](DialogRequest& request) { request.BindEdit(1, "%i", GlobalPort); }, SynchronousTableOptions());
        Group.Reread();
    }
    void ShowUnitPort() {
        const UnitPort port = UnitPortOf(static_cast<int>(TextToIntDef(GlobalPort->Text(), 0)));
        UnitEdit->SetText(std::to_string(port.Unit));
        PortEdit->SetText(std::to_string(port.Port));
    }
    // Sends the port only when its unit is present and has that port.
    void SetClick() {
        const int unit = static_cast<int>(TextToIntDef(UnitEdit->Text(), 0));
        const int port = static_cast<int>(TextToIntDef(PortEdit->Text(), 0));
        const StackUnit* present = FindStackUnit(Units, unit);
        if (!present || port > present->PortCount || GlobalPortOf(unit, port) == 0) return;
        GlobalPort->SetText(std::to_string(GlobalPortOf(unit, port)));
        Group.WriteOnly([this] { Group.Send({0, 2, 3}); });
    }
};

class StackUnitsSimTest : public DedicatedDialogTest {
protected:
    static void SetUpTestSuite() {
        DedicatedDialogTest::SetUpTestSuite();
        delete sim_;
        sim_ = new simtest::SimAgent({"--scenario", std::string(QSWSIM_SCENARIOS) + "/stack-12-units.scn"});
    }

    void Run(TUnitPortForm& form, const std::function<void()>& driver) {
        ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
            MarkLog();
            driver();
            Then([&shown, life = shown.LifeToken()] {
                if (!life.expired()) shown.Close();
            });
        });
        form.ShowModal();
    }

    std::vector<std::string> SetsSent() {
        std::vector<std::string> sets;
        for (const std::string& line : Pdus("SET"))
            for (const std::string& varbind : Varbinds(line)) sets.push_back(varbind);
        MarkLog();
        return sets;
    }
};

TEST_F(StackUnitsSimTest, TheAbsentUnitIsSkippedAndPortsGoBetweenGlobalAndUnitNumbers) {
    ASSERT_EQ(Control(std::string("set-rw ") + DeletePortOid + " int 65"), "ok");
    // The switch names an absent unit's model "Not_Exist" (the scenario leaves it empty).
    ASSERT_EQ(Control(std::string("set ") + UnitModelColumn + ".7 str Not_Exist"), "ok");
    SimStackWindow window;  // nothing counted yet
    TUnitPortForm dialog(&ui::Application::Instance());
    Run(dialog, [&] {
        // The unit table was read once, and unit 7 (no-exist) is neither a unit nor a page.
        EXPECT_EQ(window.UnitRereads, 1);
        const std::vector<int> present = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12};
        EXPECT_EQ(Numbers(dialog.Units), present);
        EXPECT_EQ(Numbers(PresentStackUnits(AbsentUnit::ModelNotExist)), present);
        ASSERT_NE(FindStackUnit(dialog.Units, 2), nullptr);
        EXPECT_EQ(FindStackUnit(dialog.Units, 2)->Model, "QSW-2150");
        EXPECT_EQ(FindStackUnit(dialog.Units, 2)->PortCount, 48);
        ASSERT_EQ(dialog.Ports->UnitTabs.size(), 12u);
        EXPECT_FALSE(dialog.Ports->UnitTabs[6]->TabVisible());
        EXPECT_TRUE(dialog.Ports->UnitTabs[7]->TabVisible());

        // 65 read from the switch is unit 2 port 1.
        EXPECT_EQ(dialog.UnitEdit->Text(), "2");
        EXPECT_EQ(dialog.PortEdit->Text(), "1");

        // Unit 3 port 5 goes out as 133 and is read back as unit 3 port 5.
        dialog.UnitEdit->SetText("3");
        dialog.PortEdit->SetText("5");
        dialog.SetBtn->Click();
        EXPECT_THAT(SetsSent(), ElementsAre(std::string(DeletePortOid) + "=INTEGER:133"));
        dialog.UnitEdit->SetText("");
        dialog.PortEdit->SetText("");
        dialog.RefreshBtn->Click();
        EXPECT_EQ(dialog.GlobalPort->Text(), "133");
        EXPECT_EQ(dialog.UnitEdit->Text(), "3");
        EXPECT_EQ(dialog.PortEdit->Text(), "5");

        // And unit 2 port 1 goes back as 65.
        dialog.UnitEdit->SetText("2");
        dialog.PortEdit->SetText("1");
        dialog.SetBtn->Click();
        EXPECT_THAT(SetsSent(), ElementsAre(std::string(DeletePortOid) + "=INTEGER:65"));

        // The absent unit, a port past a QSW-2150's 48 and unit 13 send nothing.
        for (const auto& [unit, port] : {std::pair{"7", "1"}, std::pair{"2", "49"}, std::pair{"13", "1"}}) {
            dialog.UnitEdit->SetText(unit);
            dialog.PortEdit->SetText(port);
            dialog.SetBtn->Click();
            EXPECT_TRUE(SetsSent().empty()) << unit << "/" << port;
        }

        // A tick on the absent unit's (hidden) page is no port; one on unit 8 is.
        dialog.Ports->PortCheckBoxes[static_cast<size_t>(GlobalPortOf(7, 1) - 1)]->SetChecked(true);
        EXPECT_FALSE(PresentUnitPortTicked(*dialog.Ports, AbsentUnit::PresenceNoExist));
        dialog.Ports->PortCheckBoxes[static_cast<size_t>(GlobalPortOf(8, 12) - 1)]->SetChecked(true);
        EXPECT_TRUE(PresentUnitPortTicked(*dialog.Ports, AbsentUnit::PresenceNoExist));
    });
    EXPECT_EQ(window.UnitRereads, 1);  // the rows counted since
}

}  // namespace
