// The frame's pieces that the static VLAN dialog does not use, shown on small forms of their own: scaling, the
// access-bit scope, apply boxes, the duplicate-key test, RowStatus by value, the pause hook, the add/edit form,
// a scalar group with "Set Checked", the wait for a SET's answer, and closing while a walk runs.
#include "DedicatedDialogFixture.h"

#include "AccessScope.h"
#include "ApplyBoxes.h"
#include "DedicatedForm.h"
#include "DialogEditForm.h"
#include "DialogPause.h"
#include "DialogTable.h"

#include "Catalog.h"
#include "CatalogTables.h"
#include "ComCtrls.h"
#include "Exception.h"
#include "ListView.h"
#include "OutsideTables.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* BindingEntry = "1.3.6.1.4.1.32473.12.38.3.3.1";
constexpr const char* StaticVlans = "1.3.6.1.2.1.17.7.1.4 (6 entries from \"VLAN ID\")";

// A row table whose editors stand on an add/edit form: the DHCP static bindings (keys pool name and address).
class TBindingEditForm;
class TBindingTableForm : public TDedicatedForm {
public:
    explicit TBindingTableForm(ui::Component* owner) : TDedicatedForm(owner, 400, 300), Table(AddTable()) {
        BuildButtonPanel("StaticText1");
        RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn");
        AddBtn = NewRoleButton(ButtonRole::Add, "btnAdd", [this] { Open(TDialogEditForm::Mode::Add); });
        EditBtn = NewRoleButton(ButtonRole::Set, "btnEdit", "Edit", [this] { Open(TDialogEditForm::Mode::Edit); });
        CloseBtn = NewRoleButton(ButtonRole::Close, "btnClose");
        BuildTableArea("ListView1", 150, false);
    }
    void FormCreate(ui::Component*) override;
    void Open(TDialogEditForm::Mode mode);
    using TDedicatedForm::SetWaitThenReread;
    using TDedicatedForm::WaitForSet;

    DialogTable& Table;
    TBindingEditForm* EditForm = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* AddBtn = nullptr;
    ui::Button* EditBtn = nullptr;
    ui::Button* CloseBtn = nullptr;
};

class TBindingEditForm : public TDialogEditForm {
public:
    TBindingEditForm(TBindingTableForm& dialog, DialogTable& table) : TDialogEditForm(dialog, table, 300, 200) {
        for (ui::Edit** edit : {&Pool, &Address, &Hardware}) {
            *edit = new ui::Edit(this);
            (*edit)->SetParent(this);
        }
        Status = new ui::ComboBox(this);
        Status->SetParent(this);
        SetBtn = new ui::Button(this);
        SetBtn->SetParent(this);
        SetBtn->OnClick = [this](ui::Component*) { SetThroughTable({3}); };  // the type stays as it is
        PreparesEditors({Pool, Address}, {Hardware}, Status);
    }
    ui::Edit* Pool = nullptr;
    ui::Edit* Address = nullptr;
    ui::Edit* Hardware = nullptr;
    ui::ComboBox* Status = nullptr;
    ui::Button* SetBtn = nullptr;
};

void TBindingTableForm::FormCreate(ui::Component*) {
    EditForm = new TBindingEditForm(*this, Table);
    OpenRowTable(Table, {.Table = &Oid_dhcpserver::E_12_38_3_3_1,
                         .KeyCount = 2,
                         .Bind = [this](DialogRequest& request) {
                             request.BindEdit(0, "%s", EditForm->Pool);
                             request.BindEdit(1, "%s", EditForm->Address);
                             request.BindEdit(2, "%h", EditForm->Hardware);
                         },
                         .RowStatusColumn = 4,
                         .RowStatusCombo = EditForm->Status});
}

void TBindingTableForm::Open(TDialogEditForm::Mode mode) {
    if (!Table.PassGuard()) return;
    if (mode == TDialogEditForm::Mode::Edit && !TableList->Selected()) return;
    EditForm->ShowFor(mode);
    if (mode == TDialogEditForm::Mode::Edit) {
        TableList->ClearSelection();
        ResetRowButtons();
    }
}

// A scalar group with one apply box per scalar: Refresh reads it, "Set Checked" writes the checked rows.
class TStpGroupForm : public TDedicatedForm {
public:
    explicit TStpGroupForm(ui::Component* owner) : TDedicatedForm(owner, 400, 300), Group(AddTable()) {
        BuildButtonPanel("StaticText1");
        SetChecked = NewRoleButton(ButtonRole::Set, "SetButton", "Set Checked", [this] {
            if (Boxes.NoneChecked()) return;
            Group.Write([this] { Group.SendChecked(Boxes); });
        });
        CheckAll = NewRoleButton(ButtonRole::CheckAll, "btnCheckAll");
        ClearChecks = NewRoleButton(ButtonRole::ClearChecks, "btnClearCheck");
        BuildTableArea("ListView1", 10, false);
        std::vector<ApplyBox> boxes;
        for (int row = 0; row < 10; ++row) {
            auto* box = new ui::CheckBox(this);
            box->SetParent(EditorPanel);
            boxes.push_back({box, row});
        }
        Boxes = ApplyBoxes(boxes);
        UseApplyBoxes(Boxes);
        for (ui::Edit** edit : {&MaxAge, &HelloTime, &ForwardDelay}) {
            *edit = new ui::Edit(this);
            (*edit)->SetParent(EditorPanel);
        }
    }
    void FormCreate(ui::Component*) override {
        Group.Open(Oid_switch::E_12_15_1_A, SVT_SV, 0, [this](DialogRequest& request) {
            request.BindEdit(1, "%i", MaxAge);
            request.BindEdit(2, "%i", HelloTime);
            request.BindEdit(3, "%i", ForwardDelay);
        });
    }
    DialogTable& Group;
    ApplyBoxes Boxes;
    ui::Edit* MaxAge = nullptr;
    ui::Edit* HelloTime = nullptr;
    ui::Edit* ForwardDelay = nullptr;
    ui::Button* SetChecked = nullptr;
    ui::Button* CheckAll = nullptr;
    ui::Button* ClearChecks = nullptr;
};

TEST(DialogFrame, FormsScaleOff96DotsPerInchUnlessTheyDoNot) {
    struct Probe : TDedicatedForm {
        Probe(Scaling scaling) : TDedicatedForm(nullptr, 400, 300, scaling) {}
    };
    for (int dpi : {96, 120}) {
        ui::TestHooks::SetPixelsPerInch(dpi);
        Probe scaled(TDedicatedForm::Scaling::Scaled);
        Probe fixed(TDedicatedForm::Scaling::Unscaled);
        EXPECT_EQ(scaled.Width(), dpi == 96 ? 400 : 500);
        EXPECT_EQ(scaled.Height(), dpi == 96 ? 300 : 375);
        EXPECT_EQ(fixed.Width(), 400);
        EXPECT_EQ(fixed.Height(), 300);
        EXPECT_EQ(ScaledDialogSize(587), dpi == 96 ? 587 : 733);  // the fraction is cut off
        // One status panel of width 50.
        ASSERT_EQ(scaled.StatusBar1->Panels().Count(), 1);
        EXPECT_EQ(scaled.StatusBar1->Panels()[0]->Width(), 50);
    }
    ui::TestHooks::SetPixelsPerInch(0);
}

// A scalar group with port pages: the editor panel takes the client area, the pages lie below its editor row.
TEST(DialogFrame, AnEditorAreaWithoutAListHoldsTheEditorRowAndThePortPages) {
    struct Probe : TDedicatedForm {
        Probe() : TDedicatedForm(nullptr, 600, 460) {
            BuildButtonPanel("");
            BuildEditorArea(true, 60);
            Name = NewEditorEdit("Name", "Name", 120);
            Ports = AddPortPage("Ports");
        }
        ui::Edit* Name = nullptr;
        TStackingPortUitForm* Ports = nullptr;
    };
    ui::TestHooks::SetPixelsPerInch(96);
    Probe probe;
    EXPECT_EQ(probe.TableList, nullptr);
    ASSERT_NE(probe.EditorPanel, nullptr);
    ASSERT_NE(probe.PageControl1, nullptr);
    EXPECT_EQ(probe.Name->Parent(), probe.EditorPanel);
    EXPECT_EQ(probe.PageControl1->Parent(), probe.EditorPanel);
    ASSERT_EQ(probe.PageControl1->PageCount(), 1);
    EXPECT_EQ(probe.PageControl1->Pages(0)->Caption(), "Ports");
    EXPECT_EQ(probe.Ports->PortCheckBoxes.size(), 64u);
    ui::TestHooks::SetPixelsPerInch(0);
}

TEST(DialogFrame, AccessScopeRestoresOnEveryPathInItsThreeWays) {
    CatalogStartup();
    NxSNMPVarList vars(FindCatalogTable(StaticVlans), MVT_UMV, 1);
    vars.GetVar(2)->Access = readonly;  // a column whose own bits differ from readwrite
    const std::vector<int32_t> before = {vars.GetVar(0)->Access, vars.GetVar(1)->Access, vars.GetVar(2)->Access,
                                         vars.GetVar(3)->Access, vars.GetVar(4)->Access, vars.GetVar(5)->Access};
    struct Case {
        AccessScope::Restore restore;
        int32_t column2After;
    };
    for (const Case c : {Case{AccessScope::SavedBits, readonly}, Case{AccessScope::Readwrite, readwrite},
                         Case{AccessScope::ClearInvalid, readonly}}) {
        SCOPED_TRACE(int(c.restore));
        EXPECT_THROW(
            {
                AccessScope scope(vars, c.restore);
                scope.LeaveOut({2, 3});
                EXPECT_EQ(vars.GetVar(3)->Access & invalid, invalid);
                EXPECT_FALSE(vars.IsSettable(3));
                throw Exception("Set failed");
            },
            Exception);
        EXPECT_EQ(vars.GetVar(2)->Access, c.column2After);
        EXPECT_EQ(vars.GetVar(3)->Access, readwrite);
        vars.GetVar(2)->Access = readonly;
    }
    {
        AccessScope scope(vars);
        scope.LeaveOutAllBut({5});  // Delete: everything but the index and RowStatus
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(vars.GetVar(i)->Access & invalid, invalid) << i;
        EXPECT_EQ(vars.GetVar(0)->Access, before[0]);
        EXPECT_EQ(vars.GetVar(5)->Access, readwrite);
    }
    for (int i = 0; i < 6; ++i) EXPECT_EQ(vars.GetVar(i)->Access, before[static_cast<size_t>(i)]) << i;
    CatalogExit();
}

TEST(DialogFrame, ApplyBoxesAndTheDuplicateKeyTest) {
    ui::Form form(nullptr);
    std::vector<ApplyBox> table;
    for (int column : {1, 2, 4}) {
        auto* box = new ui::CheckBox(&form);
        box->SetParent(&form);
        table.push_back({box, column});
    }
    table[2].Box->SetEnabled(false);
    ApplyBoxes boxes(table);
    EXPECT_TRUE(boxes.NoneChecked());
    boxes.CheckAll(true);
    EXPECT_TRUE(table[0].Box->Checked() && table[1].Box->Checked());
    EXPECT_FALSE(table[2].Box->Checked());
    boxes.CheckAll();
    EXPECT_TRUE(table[2].Box->Checked());
    table[1].Box->SetChecked(false);
    CatalogStartup();
    NxSNMPVarList vars(FindCatalogTable(StaticVlans), MVT_UMV, 1);
    {
        AccessScope scope(vars);
        boxes.LeaveOutUnchecked(scope);
        EXPECT_FALSE(vars.IsSettable(2));
        EXPECT_TRUE(vars.IsSettable(1));
        EXPECT_TRUE(vars.IsSettable(4));
    }
    EXPECT_TRUE(vars.IsSettable(2));
    CatalogExit();
    boxes.ClearChecks();
    EXPECT_TRUE(boxes.NoneChecked());

    auto* list = new ui::ListView(&form);
    list->SetParent(&form);
    list->Columns().Add()->SetCaption("Pool");
    list->Columns().Add()->SetCaption("Address");
    ui::ListItem* row = list->Items().Add();
    row->SetCaption("lab");
    row->SubItems().Add("10.0.0.1");
    const std::string address = "10.0.0.1";
    const std::string other = "10.0.0.2";
    EXPECT_TRUE(ListHasKey(*list, "lab"));
    EXPECT_FALSE(ListHasKey(*list, "Lab"));
    EXPECT_TRUE(ListHasKey(*list, "lab", &address));
    EXPECT_FALSE(ListHasKey(*list, "lab", &other));
}

TEST(DialogFrame, PausesGoThroughTheHook) {
    std::vector<int> pauses;
    SetDialogPauseHook([&](int ms) { pauses.push_back(ms); });
    DialogPause(800);
    DialogPause(1500);
    SetDialogPauseHook({});
    EXPECT_EQ(pauses, (std::vector<int>{800, 1500}));
}

class DialogFrameSimTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        ASSERT_EQ(Control(std::string("remove ") + BindingEntry), "ok");
        ASSERT_EQ(Control(std::string("rows ") + BindingEntry + " 4.112.111.111.108.10.0.0.1"), "ok");
        MarkLog();
    }
    // Shows form modally and runs driver inside once its first walk has ended; closes it afterwards.
    template <typename Form>
    void Run(Form& form, DialogTable& table, const std::function<void()>& driver) {
        ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
            ASSERT_TRUE(RunUntil([&] { return table.Complete() && !table.Busy(); }));
            MarkLog();
            driver();
            Then([&shown, life = shown.LifeToken()] {
                if (!life.expired()) shown.Close();
            });
        });
        form.ShowModal();
    }
};

TEST_F(DialogFrameSimTest, TheAddEditFormWritesThroughItsTableDialogsRequest) {
    TBindingTableForm dialog(&ui::Application::Instance());
    dialog.SetCaption("Static Binding: 127.0.0.1");
    Run(dialog, dialog.Table, [&] {
        ASSERT_EQ(dialog.TableList->Items().Count(), 1);
        std::string addCaption;
        bool keysEnabled = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
            auto& edit = static_cast<TBindingEditForm&>(shown);
            addCaption = shown.Caption();
            keysEnabled = edit.Pool->Enabled();
            EXPECT_EQ(edit.Status->Text(), "createAndGo");  // the three-value list: createAndGo is entry 1
            EXPECT_FALSE(edit.Status->Enabled());
            edit.Pool->SetText("new");
            edit.Address->SetText("10.0.0.9");
            edit.Hardware->SetText("0000DEADBEEF");
            edit.SetBtn->Click();
            if (shown.ModalResult() == ui::mrNone) {
                ADD_FAILURE() << "the add form stayed open: " << dialog.StatusBar1->Panels()[0]->Text();
                shown.Close();
            }
        });
        dialog.AddBtn->Click();
        EXPECT_EQ(addCaption, "Static Binding: 127.0.0.1 (Add)");
        EXPECT_TRUE(keysEnabled);
        ASSERT_TRUE(RunUntil([&] { return dialog.Table.Complete() && !dialog.Table.Busy(); }));
        std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string row = "3.110.101.119.10.0.0.9";
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(std::string(BindingEntry) + ".3." + row + "=HEX:0000DEADBEEF",
                                                   std::string(BindingEntry) + ".5." + row + "=INTEGER:4"));
        EXPECT_EQ(dialog.TableList->Items().Count(), 2);

        MarkLog();
        dialog.TableList->SetItemIndex(0);
        ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
            auto& edit = static_cast<TBindingEditForm&>(shown);
            EXPECT_THAT(shown.Caption(), ::testing::EndsWith(" (Edit)"));
            EXPECT_FALSE(edit.Pool->Enabled());
            EXPECT_EQ(edit.Pool->Color(), ui::clMenu);
            edit.Hardware->SetText("00000000BEEF");
            edit.SetBtn->Click();
            if (shown.ModalResult() == ui::mrNone) {
                ADD_FAILURE() << "the edit form stayed open: " << dialog.StatusBar1->Panels()[0]->Text();
                shown.Close();
            }
        });
        dialog.EditBtn->Click();
        ASSERT_TRUE(RunUntil([&] { return dialog.Table.Complete() && !dialog.Table.Busy(); }));
        sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0])[0], HasSubstr("=HEX:00000000BEEF"));
        EXPECT_EQ(dialog.TableList->Selected(), nullptr);
        EXPECT_FALSE(dialog.EditBtn->Enabled());
    });
}

TEST_F(DialogFrameSimTest, ClosingWithoutACloseQueryStopsTheWalkAndWaitsForIt) {
    TBindingTableForm dialog(&ui::Application::Instance());
    Run(dialog, dialog.Table, [&] {
        dialog.Table.Request()->Request.Timeout = 1000;
        ASSERT_EQ(Control(std::string("hold ") + BindingEntry + " 300"), "ok");
        dialog.RefreshBtn->Click();
        EXPECT_TRUE(dialog.Table.Busy());
        dialog.CloseBtn->Click();
    });
    EXPECT_EQ(dialog.Table.Request(), nullptr);  // stopped, waited for and freed
    const size_t pdus = Pdus().size();
    for (int i = 0; i < 20; ++i) ui::Application::Instance().ProcessMessages();
    EXPECT_EQ(Pdus().size(), pdus);
}

TEST_F(DialogFrameSimTest, AWaitedSetReturnsWithItsAnswerAndReportsARefusal) {
    ui::MessageBoxRecorder boxes;
    TBindingTableForm dialog(&ui::Application::Instance());
    Run(dialog, dialog.Table, [&] {
        TBindingTableForm& waiter = dialog;
        dialog.TableList->SetItemIndex(0);
        dialog.Table.Request()->Request.Timeout = 1000;
        ASSERT_EQ(Control(std::string("hold ") + BindingEntry + " 200"), "ok");
        EXPECT_TRUE(waiter.WaitForSet(dialog.Table, {3}));
        EXPECT_FALSE(dialog.Table.Waiting());
        EXPECT_FALSE(dialog.Table.Busy());  // the answer is in
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(Control("clear"), "ok");
        ASSERT_EQ(Control(std::string("error ") + BindingEntry + " wrongValue 1"), "ok");
        EXPECT_FALSE(waiter.WaitForSet(dialog.Table, {3}));
        ASSERT_EQ(boxes.Calls().size(), 1u);  // the refusal is not swallowed
        // Not sent at all (the request stopped): no wait.
        dialog.Table.Request()->Request.Active = 0;
        EXPECT_FALSE(waiter.WaitForSet(dialog.Table, {3}));
        EXPECT_EQ(Pdus("SET").size(), 2u);
        dialog.Table.Request()->Request.Active = 1;
        for (int i = 0; i < 5; ++i) EXPECT_EQ(dialog.Table.Vars().GetVar(i)->Access & invalid, 0) << i;
    });
}

TEST_F(DialogFrameSimTest, AWaitedSetIsFollowedByAReadUnlessItWasStopped) {
    ui::MessageBoxRecorder boxes;
    TBindingTableForm dialog(&ui::Application::Instance());
    const std::string walkStart = std::string(BindingEntry) + ".3";  // the first column a walk reads
    Run(dialog, dialog.Table, [&] {
        dialog.TableList->SetItemIndex(0);
        dialog.Table.Request()->Request.Timeout = 1000;
        ASSERT_EQ(Control(std::string("hold ") + BindingEntry + " 200"), "ok");
        bool waited = false;
        Then([&] { waited = dialog.Table.Waiting() && !dialog.Table.Complete(); });
        EXPECT_TRUE(dialog.SetWaitThenReread(dialog.Table, {3}));
        EXPECT_TRUE(waited);
        ASSERT_TRUE(RunUntil([&] { return dialog.Table.Complete() && !dialog.Table.Busy(); }));
        EXPECT_EQ(Pdus("SET").size(), 1u);
        EXPECT_EQ(Walks(walkStart), 1);
        // Stopped during the wait: no read, and the flag is set at once.
        MarkLog();
        dialog.TableList->SetItemIndex(0);
        Then([&] { dialog.Table.Stop(); });
        EXPECT_FALSE(dialog.SetWaitThenReread(dialog.Table, {3}));
        EXPECT_TRUE(dialog.Table.Complete());
        ASSERT_TRUE(RunUntil([&] { return !dialog.Table.Busy(); }));
        EXPECT_EQ(Walks(walkStart), 0);
        EXPECT_TRUE(boxes.Calls().empty());
    });
}

// A table outside the catalogue opens with the kind and key count it is described with, and is read as any other.
TEST_F(DialogFrameSimTest, ATableOutsideTheCatalogueOpensWithItsOwnKindAndKeys) {
    struct Outside : TDedicatedForm {
        Outside() : TDedicatedForm(nullptr, 300, 200), Table(AddTable()) {
            BuildButtonPanel("StaticText1");
            BuildTableArea("ListView1", 100, false);
        }
        DialogTable& Table;
    } form;
    ASSERT_TRUE(form.Table.Open(
        Oid_outside::DdmThresholds, [&](DialogRequest& request) { request.BindListView(form.TableList, true); },
        SynchronousTableOptions()));
    EXPECT_EQ(form.Table.Vars().Kind, MVT_UMV);
    EXPECT_EQ(form.Table.Vars().KeyCount, 2);
    EXPECT_EQ(form.Table.Vars().GetCount(), 6);
    ASSERT_TRUE(form.Table.Reread());
    ASSERT_EQ(form.TableList->Items().Count(), 3);
    EXPECT_EQ(form.TableList->Items()[1]->SubItems()[0], "Voltage");  // the type's option text
}

TEST_F(DialogFrameSimTest, SetCheckedWritesOnlyTheCheckedScalars) {
    TStpGroupForm dialog(&ui::Application::Instance());
    Run(dialog, dialog.Group, [&] {
        EXPECT_THAT(dialog.StatusBar1->Panels()[0]->Text(), HasSubstr("Ok!"));
        dialog.SetChecked->Click();  // nothing checked: nothing sent
        dialog.CheckAll->Click();    // the frame's step on the boxes given to it
        EXPECT_FALSE(dialog.Boxes.NoneChecked());
        dialog.ClearChecks->Click();
        EXPECT_TRUE(dialog.Boxes.NoneChecked());
        dialog.Boxes.Boxes()[1].Box->SetChecked(true);
        dialog.Boxes.Boxes()[3].Box->SetChecked(true);
        dialog.MaxAge->SetText("2000");
        dialog.ForwardDelay->SetText("1500");
        dialog.SetChecked->Click();
        ASSERT_TRUE(RunUntil([&] { return !dialog.Group.Busy(); }));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre("1.3.6.1.4.1.32473.12.15.1.3.0=INTEGER:2000",
                                                   "1.3.6.1.4.1.32473.12.15.1.5.0=INTEGER:1500"));
        for (int i = 0; i < dialog.Group.Vars().GetCount(); ++i)
            EXPECT_EQ(dialog.Group.Vars().GetVar(i)->Access & invalid, 0) << i;
        EXPECT_EQ(dialog.MaxAge->Text(), "2000");  // read again
    });
}

// A row table on the frame's API alone: the static bindings with their RowStatus column and every standard
// button by role, Refresh, Stop and Close left to the frame. The options, the request class and an extra binding
// step come from the test; Add only counts the clicks its guard lets through.
class TProbeForm : public TDedicatedForm {
public:
    explicit TProbeForm(DialogTable::Options options, std::function<void(DialogRequest&)> extraBind = {})
        : TDedicatedForm(&ui::Application::Instance(), 500, 300),
          Table(AddTable()),
          options_(std::move(options)),
          extraBind_(std::move(extraBind)) {
        BuildButtonPanel("StaticText1");
        RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn");
        SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", [this] {
            if (Table.PassGuard()) Table.Write([this] { Table.Send({3}); });
        });
        AddBtn = NewRoleButton(ButtonRole::Add, "AddBtn", [this] {
            if (Table.PassGuard()) ++GuardsPassed;
        });
        StopBtn = NewRoleButton(ButtonRole::Stop, "StopBtn");
        CloseBtn = NewRoleButton(ButtonRole::Close, "CloseBtn");
        BuildTableArea("ListView1", 150, false);
        Pool = NewEditorEdit("Pool", "Pool", 60);
        Address = NewEditorEdit("Address", "Address", 80);
        Hardware = NewEditorEdit("Hardware", "MAC", 120);
        Status = NewEditorCombo("Status", "Status", 80);
    }
    void FormCreate(ui::Component*) override {
        Table.OnWalkEnded = [this] { ++WalksEnded; };
        if (StatusOnBar) {
            StatusBar1->SetSimplePanel(true);
            options_.StatusBarText = StatusBar1;
        }
        OpenRowTable(Table, {.Table = &Oid_dhcpserver::E_12_38_3_3_1,
                             .KeyCount = 2,
                             .Bind = [this](DialogRequest& request) {
                                 request.BindEdit(0, "%s", Pool);
                                 request.BindEdit(1, "%s", Address);
                                 request.BindEdit(2, "%s", Hardware);
                                 if (extraBind_) extraBind_(request);
                             },
                             .Options = options_,
                             .RowStatusColumn = 4,
                             .RowStatusCombo = Status,
                             .KeyEdits = {Pool, Address},
                             .ClearedEdits = {Pool, Address, Hardware},
                             .GuardsClose = options_.KeepsFlag});
    }

    DialogTable& Table;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* AddBtn = nullptr;
    ui::Button* StopBtn = nullptr;
    ui::Button* CloseBtn = nullptr;
    ui::Edit* Pool = nullptr;
    ui::Edit* Address = nullptr;
    ui::Edit* Hardware = nullptr;
    ui::ComboBox* Status = nullptr;
    int GuardsPassed = 0;
    int WalksEnded = 0;
    bool StatusOnBar = false;  // set before it is shown: the bar's one text is the status target

private:
    DialogTable::Options options_;
    std::function<void(DialogRequest&)> extraBind_;
};

// Pool names shown in capitals and sent as the switch keeps them.
class CapitalPoolRequest : public DialogRequest {
public:
    using DialogRequest::DialogRequest;

protected:
    void RowReceived() override {
        std::string& pool = Request.Vars.GetVar(PoolColumn)->Value;
        std::ranges::transform(pool, pool.begin(), [](unsigned char c) { return std::toupper(c); });
        DialogRequest::RowReceived();
    }
    void ControlsToRequest() override {
        DialogRequest::ControlsToRequest();
        std::string& pool = Request.Vars.GetVar(PoolColumn)->Value;
        std::ranges::transform(pool, pool.begin(), [](unsigned char c) { return std::tolower(c); });
    }

private:
    static constexpr int PoolColumn = 0;
};

std::vector<std::string> Texts(const ui::MessageBoxRecorder& boxes) {
    std::vector<std::string> texts;
    for (const ui::MessageBoxCall& call : boxes.Calls()) texts.push_back(call.Text);
    return texts;
}

class FrameApiTest : public DialogFrameSimTest {
protected:
    // Shows probe and runs driver inside once its first walk has ended; closes it afterwards (Stop first, so a
    // walk the driver left held does not keep it open).
    void Run(TProbeForm& probe, const std::function<void()>& driver) {
        ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
            EXPECT_TRUE(RunUntil([&] { return probe.WalksEnded > 0 && !probe.Table.Busy(); }));
            MarkLog();
            driver();
            Then([&shown, life = shown.LifeToken()] {
                if (life.expired()) return;
                Control("release");
                shown.Close();
            });
        });
        probe.ShowModal();
    }
    // The next walk of the table is held after Refresh until "release".
    void HoldNextWalk(TProbeForm& probe) {
        ASSERT_EQ(Control(std::string("hold ") + BindingEntry), "ok");
        probe.RefreshBtn->Click();
        ASSERT_TRUE(probe.Table.Busy());
    }
};

TEST_F(FrameApiTest, ARowTableInOneCallFollowsRowsAndRefusesToCloseDuringAWalk) {
    ui::MessageBoxRecorder boxes;
    TProbeForm probe{DialogTable::Options{}};
    Run(probe, [&] {
        EXPECT_EQ(probe.RowCountText->Caption(), "1");
        EXPECT_FALSE(probe.SetBtn->Enabled());
        EXPECT_TRUE(probe.AddBtn->Enabled());
        EXPECT_EQ(probe.RoleButton(ButtonRole::Delete), nullptr);

        probe.TableList->SetItemIndex(0);
        EXPECT_EQ(probe.Pool->Text(), "pool");
        EXPECT_TRUE(probe.SetBtn->Enabled());
        EXPECT_FALSE(probe.AddBtn->Enabled());
        for (ui::Edit* key : {probe.Pool, probe.Address}) {
            EXPECT_FALSE(key->Enabled());
            EXPECT_EQ(key->Color(), ui::clMenu);
        }
        EXPECT_TRUE(probe.Hardware->Enabled());
        probe.TableList->ClearSelection();
        for (ui::Edit* edit : {probe.Pool, probe.Address, probe.Hardware}) EXPECT_EQ(edit->Text(), "");
        EXPECT_EQ(probe.Status->ItemIndex(), -1);
        EXPECT_TRUE(probe.Pool->Enabled());
        EXPECT_TRUE(probe.AddBtn->Enabled());

        // Refresh (the frame's step) starts a walk; Close is refused until Stop (the frame's step) ends it.
        HoldNextWalk(probe);
        probe.CloseBtn->Click();
        Then([&] {
            EXPECT_EQ(Texts(boxes), std::vector<std::string>{"Get data not complete"});
            EXPECT_TRUE(probe.Visible());
            probe.StopBtn->Click();
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(probe.Table));
            probe.CloseBtn->Click();
        });
    });
    EXPECT_EQ(probe.Table.Request(), nullptr);
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_F(FrameApiTest, TheGuardFollowsTheTablesTextsAndFlagRules) {
    struct Case {
        const char* name;
        std::string incompleteText;
        std::string refreshText;
        std::vector<std::string> addBoxes;      // Add while a walk is held
        std::vector<std::string> refreshBoxes;  // Refresh while it is held
    };
    const Case cases[] = {
        {"the frame's text", GetDataNotCompleteText, "", {"Get data not complete"}, {}},
        {"the dialog's own wording", "Get data not complete!", "Refresh Not Complete", {"Get data not complete!"},
         {"Refresh Not Complete"}},
        {"refused without a word", "", "", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::MessageBoxRecorder boxes;
        DialogTable::Options options;
        options.IncompleteText = c.incompleteText;
        options.RefreshRefusedText = c.refreshText;
        TProbeForm probe{options};
        Run(probe, [&] {
            HoldNextWalk(probe);
            probe.AddBtn->Click();
            EXPECT_EQ(Texts(boxes), c.addBoxes);
            EXPECT_EQ(probe.GuardsPassed, 0);
            boxes.Clear();
            probe.RefreshBtn->Click();
            EXPECT_EQ(Texts(boxes), c.refreshBoxes);
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(probe.Table));
            boxes.Clear();
            probe.AddBtn->Click();
            EXPECT_TRUE(boxes.Calls().empty());
            EXPECT_EQ(probe.GuardsPassed, 1);
        });
    }
}

TEST_F(FrameApiTest, StopSetsTheFlagAtOnceOnlyWhereTheTableSaysSo) {
    for (const bool stopSetsFlag : {false, true}) {
        SCOPED_TRACE(stopSetsFlag);
        ui::MessageBoxRecorder boxes;
        DialogTable::Options options;
        options.StopSetsFlag = stopSetsFlag;
        TProbeForm probe{options};
        Run(probe, [&] {
            HoldNextWalk(probe);
            probe.StopBtn->Click();
            EXPECT_EQ(probe.Table.Complete(), stopSetsFlag);
            EXPECT_TRUE(probe.Table.Busy());  // the walk still ends at its next answer
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(probe.Table));
        });
    }
}

TEST_F(FrameApiTest, ATableWithoutTheFlagGuardsBusyAsItsOptionsSay) {
    for (const bool refusesWhileBusy : {true, false}) {
        SCOPED_TRACE(refusesWhileBusy);
        ui::MessageBoxRecorder boxes;
        DialogTable::Options options = NoFlagTableOptions();
        options.GuardRefusesWhileBusy = refusesWhileBusy;
        TProbeForm probe{options};
        Run(probe, [&] {
            HoldNextWalk(probe);
            probe.AddBtn->Click();
            EXPECT_EQ(probe.GuardsPassed, refusesWhileBusy ? 0 : 1);
            EXPECT_EQ(Texts(boxes), refusesWhileBusy ? std::vector<std::string>{"Get data not complete"}
                                                     : std::vector<std::string>{});
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(RunUntil([&] { return !probe.Table.Busy(); }));
        });
    }
}

// A synchronous table's Send answers whether its SET succeeded, so a sequence of SETs can stop after a refusal.
TEST_F(FrameApiTest, ASynchronousSendAnswersWhetherItsSetSucceeded) {
    ui::MessageBoxRecorder boxes;
    DialogTable::Options options = SynchronousTableOptions();
    options.FirstGet = true;
    TProbeForm probe{options};
    Run(probe, [&] {
        probe.TableList->SetItemIndex(0);
        EXPECT_TRUE(probe.Table.Send({3}));
        EXPECT_TRUE(boxes.Calls().empty());
        ASSERT_EQ(Control(std::string("error ") + BindingEntry + " wrongValue 1"), "ok");
        EXPECT_FALSE(probe.Table.Send({3}));
        EXPECT_EQ(boxes.Calls().size(), 1u);  // the refusal is reported all the same
        EXPECT_EQ(Pdus("SET").size(), 2u);
        EXPECT_EQ(probe.Table.Vars().GetVar(3)->Access & invalid, 0);
    });
}

TEST_F(FrameApiTest, TheWalkEndStepRunsForATableWithoutTheFlag) {
    ui::MessageBoxRecorder boxes;
    TProbeForm probe{NoFlagTableOptions()};
    Run(probe, [&] {
        EXPECT_EQ(probe.WalksEnded, 1);  // the first walk
        probe.RefreshBtn->Click();
        ASSERT_TRUE(RunUntil([&] { return probe.WalksEnded == 2; }));
        // Stopped, then failed: each ends the walk, and a failure still shows in panel 0.
        HoldNextWalk(probe);
        probe.StopBtn->Click();
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(RunUntil([&] { return probe.WalksEnded == 3; }));
        ASSERT_EQ(Control(std::string("error ") + BindingEntry + " genErr"), "ok");
        probe.RefreshBtn->Click();
        ASSERT_TRUE(RunUntil([&] { return probe.WalksEnded == 4; }));
        EXPECT_THAT(Status(probe), HasSubstr("Get: "));
        EXPECT_THAT(Status(probe), ::testing::Not(HasSubstr("Ok!")));
    });
}

TEST_F(FrameApiTest, ARequestSubclassConvertsTheRowsInTheListAndTheValuesItSends) {
    ui::MessageBoxRecorder boxes;
    DialogTable::Options options;
    options.MakeRequest = RequestOf<CapitalPoolRequest>();
    TProbeForm probe{options};
    Run(probe, [&] {
        ASSERT_EQ(probe.TableList->Items().Count(), 1);
        EXPECT_EQ(probe.TableList->Items()[0]->Caption(), "POOL");
        probe.TableList->SetItemIndex(0);
        EXPECT_EQ(probe.Pool->Text(), "POOL");
        probe.Hardware->SetText("0000DEADBEEF");
        probe.SetBtn->Click();
        ASSERT_TRUE(WaitWalk(probe.Table));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u) << Status(probe);
        EXPECT_THAT(Varbinds(sets[0])[0], HasSubstr(".3.4.112.111.111.108.10.0.0.1=HEX:0000DEADBEEF"));
        EXPECT_TRUE(boxes.Calls().empty()) << Texts(boxes)[0];
    });
}

// A table may put its status lines and its caught exceptions in the status bar's one text instead of panel 0.
TEST_F(FrameApiTest, TheStatusBarsOneTextCanTakeTheStatusLinesAndErrors) {
    ui::MessageBoxRecorder boxes;
    TProbeForm probe{NoFlagTableOptions()};
    probe.StatusOnBar = true;
    Run(probe, [&] {
        EXPECT_TRUE(probe.StatusBar1->SimplePanel());
        EXPECT_THAT(probe.StatusBar1->SimpleText(), HasSubstr("Ok!"));
        EXPECT_EQ(Status(probe), "");
    });
    TProbeForm failing{NoFlagTableOptions(), [](DialogRequest&) { throw Exception("No such column"); }};
    failing.StatusOnBar = true;
    ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
        EXPECT_THAT(failing.StatusBar1->SimpleText(), HasSubstr("No such column"));
        shown.Close();
    });
    failing.ShowModal();
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(FrameApiTest, AFailedOpenIsKeptAndTheRowStepsStaySafe) {
    ui::MessageBoxRecorder boxes;
    TProbeForm probe{DialogTable::Options{}, [](DialogRequest&) { throw Exception("No such column"); }};
    ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
        EXPECT_TRUE(probe.Table.OpenFailed());
        EXPECT_TRUE(probe.Table.HasRequest());
        EXPECT_TRUE(probe.Table.Complete());  // a caught exception sets the flag: closing is allowed
        EXPECT_THAT(Status(probe), HasSubstr("No such column"));
        EXPECT_EQ(probe.RowCountText->Caption(), "0");
        probe.AddBtn->Click();
        EXPECT_EQ(probe.GuardsPassed, 1);
        shown.Close();
    });
    probe.ShowModal();
    EXPECT_TRUE(Pdus().empty());

    // A table whose request was never built: the row steps and the guard still answer.
    struct Unopened : TDedicatedForm {
        Unopened() : TDedicatedForm(nullptr, 300, 200), Table(AddTable()) {
            BuildButtonPanel("StaticText1");
            BuildTableArea("ListView1", 100, false);
            FollowRows(Table);
        }
        DialogTable& Table;
    } unopened;
    EXPECT_FALSE(unopened.Table.HasRequest());
    EXPECT_FALSE(unopened.Table.OpenFailed());
    EXPECT_FALSE(unopened.Table.PassGuard());
    EXPECT_EQ(boxes.Calls().back().Text, "Get data not complete");
}

}  // namespace
