// Every generic command row opened for real against the switch simulator.
#include "CommandDialogFixture.h"
#include "GUIConfigForm.h"
#include "GenericCommand.h"
#include "ListView.h"
#include "NxSNMPConvert.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace {

using namespace commandtest;

// The rows the dialog's first list view shows, found among the components the dialog owns; -1 without a list.
int FirstListRows(const ui::Component& owner) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        const ui::Component* component = owner.Components(i);
        if (const auto* list = dynamic_cast<const ui::ListView*>(component)) return list->Items().Count();
        if (const int rows = FirstListRows(*component); rows >= 0) return rows;
    }
    return -1;
}

class CommandDialogsTest : public CommandDialogTest {
protected:
    ui::MessageBoxRecorder boxes;

    // Picks every page of a paged dialog as the user does and checks that each list page shows seeded rows.
    void ExpectEveryListPageShowsRows(TConfigForm& dialog) {
        ASSERT_NE(dialog.PageControl, nullptr);
        for (int i = 0; i < dialog.PageControl->PageCount(); ++i) {
            SCOPED_TRACE(dialog.PageControl->Pages(i)->Caption());
            NxSNMPRequest2Edits& request = *dialog.Requests[static_cast<size_t>(i)];
            if (i > 0) {
                MarkLog();
                dialog.PageControl->SetActivePageIndex(i);
                if (dialog.PageControl->OnChange) dialog.PageControl->OnChange(dialog.PageControl);
                EXPECT_TRUE(RunUntil([&] { return !request.Busy && !Pdus().empty(); }));
            }
            if (request.ListView) {
                EXPECT_GT(request.ListView->Items().Count(), 0) << "no seeded rows shown";
            }
        }
    }

    static uint8_t ExpectedFormType(CommandKind kind) {
        switch (kind) {
        case CommandKind::ScalarsEditor:
        case CommandKind::PortRowEditor: return TConfigForm::ftEditor;
        case CommandKind::Tabbed: return TConfigForm::ftPaged;
        default: return TConfigForm::ftListView;
        }
    }

    // Opens the command's dialog, checks it once its first read has been answered, and closes it.
    void OpenAndClose(const MenuCommand& command, const CommandContext& context, const std::string& portHint = {}) {
        SCOPED_TRACE(command.Handler);
        MarkLog();
        bool shown = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            shown = true;
            auto* dialog = dynamic_cast<TConfigForm*>(&form);
            ASSERT_NE(dialog, nullptr);
            const std::string expectedCaption =
                portHint.empty() ? CommandDialogCaption(command, "127.0.0.1")
                                 : PortRowEditorCaption(command, "127.0.0.1", portHint);
            if (!expectedCaption.empty()) {
                EXPECT_EQ(dialog->Caption(), expectedCaption);
            }
            EXPECT_EQ(dialog->FormType, ExpectedFormType(command.Kind));
            const size_t requests = command.Kind == CommandKind::Tabbed ? command.Pages.size() : 1;
            ASSERT_EQ(dialog->Requests.size(), requests);
            const CommandTable& table = command.Kind == CommandKind::Tabbed ? command.Pages[0].Table : command.Table;
            const NxSNMPVarList& vars = dialog->Requests[0]->Request.Vars;
            if (command.Kind == CommandKind::PortRowEditor) {
                EXPECT_EQ(vars.Kind, MVT_SV);
                EXPECT_EQ(vars.KeyCount, 0);
            } else {
                EXPECT_EQ(vars.Kind, table.ListKind);
                EXPECT_EQ(vars.KeyCount, table.KeyCount);
            }
            EXPECT_TRUE(RunUntil([&] {
                return !dialog->Requests[0]->Busy && (!Pdus("GET").empty() || !Pdus("GETNEXT").empty());
            }));
            if (dialog->FormType == TConfigForm::ftListView) {
                EXPECT_GT(FirstListRows(*dialog), 0) << "no seeded rows shown";
            }
            if (command.Kind == CommandKind::Tabbed) ExpectEveryListPageShowsRows(*dialog);
            dialog->Close();
        });
        if (portHint.empty())
            RunMenuCommand(command, context);
        else
            RunPortRowCommand(command, portHint, context);
        EXPECT_TRUE(shown);
    }
};

TEST_F(CommandDialogsTest, EveryGenericRowOpensItsDialogReadsTheSimulatorAndCloses) {
    CommandContext context;
    context.DeviceAddress = "127.0.0.1";
    std::map<CommandKind, int> counted;
    for (const MenuCommand& command : AllMenuCommands()) {
        const bool generic = command.Kind == CommandKind::ScalarsEditor || command.Kind == CommandKind::TableList ||
                             command.Kind == CommandKind::TableListAddDelete || command.Kind == CommandKind::Tabbed;
        if (!generic) continue;
        OpenAndClose(command, context);
        ++counted[command.Kind];
    }
    for (const MenuCommand& command : PortPopupCommands()) {
        OpenAndClose(command, context, "1.1");
        ++counted[command.Kind];
    }
    const std::map<CommandKind, int> expected = {
        {CommandKind::ScalarsEditor, 105}, {CommandKind::TableList, 153}, {CommandKind::TableListAddDelete, 71},
        {CommandKind::Tabbed, 6},          {CommandKind::PortRowEditor, 2},
    };
    EXPECT_EQ(counted, expected);
    for (const auto& [kind, count] : counted) std::printf("kind %d: %d rows\n", static_cast<int>(kind), count);
    EXPECT_TRUE(boxes.Calls().empty()) << boxes.Calls().front().Text;
    EXPECT_EQ(DefaultSNMPSecurity.Version, 0);
}

TEST_F(CommandDialogsTest, AV2cAtLeastDialogReadsWithSnmpV2cAndTheNextOneWithV1) {
    CommandContext context;
    context.DeviceAddress = "127.0.0.1";
    DefaultSNMPSecurity.Version = 0;
    OpenAndClose(*FindMenuCommand("IFXTable1Click"), context);
    const std::vector<std::string> v2c = Pdus();
    ASSERT_FALSE(v2c.empty());
    OpenAndClose(*FindMenuCommand("PortInformation1Click"), context);
    const std::vector<std::string> v1 = Pdus();
    ASSERT_FALSE(v1.empty());
    EXPECT_NE(v2c.front().find(" v2c "), std::string::npos) << v2c.front();
    EXPECT_NE(v1.front().find(" v1 "), std::string::npos) << v1.front();
    EXPECT_EQ(DefaultSNMPSecurity.Version, 0);
}

TEST_F(CommandDialogsTest, ATabbedDialogHasTheRowsPagesAndReadsAPageWhenItIsPicked) {
    const MenuCommand& command = *FindMenuCommand("VLANTrunk1Click");
    ASSERT_EQ(command.Kind, CommandKind::Tabbed);
    ASSERT_GE(command.Pages.size(), 2u);
    std::vector<std::string> captions;
    bool secondPageRead = false;
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        auto& dialog = dynamic_cast<TConfigForm&>(form);
        ASSERT_NE(dialog.PageControl, nullptr);
        for (int i = 0; i < dialog.PageControl->PageCount(); ++i)
            captions.push_back(dialog.PageControl->Pages(i)->Caption());
        EXPECT_TRUE(RunUntil([&] { return !dialog.Requests[0]->Busy && !Pdus().empty(); }));
        MarkLog();
        dialog.PageControl->SetActivePageIndex(1);  // as the user picks the tab
        if (dialog.PageControl->OnChange) dialog.PageControl->OnChange(dialog.PageControl);
        secondPageRead = RunUntil([&] { return !dialog.Requests[1]->Busy && !Pdus().empty(); });
        dialog.Close();
    });
    RunMenuCommand(command, DeviceContext());
    std::vector<std::string> expected;
    for (const CommandPage& page : command.Pages) expected.push_back(page.Caption);
    EXPECT_EQ(captions, expected);
    EXPECT_TRUE(secondPageRead);
}

TEST_F(CommandDialogsTest, APortRowEditorReadsThePortUnderThePopup) {
    const MenuCommand& command = PortPopupCommands()[0];
    std::vector<std::string> varbinds;
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        auto& dialog = dynamic_cast<TConfigForm&>(form);
        EXPECT_EQ(dialog.Caption(), std::string(command.Title) + ": 127.0.0.1 / Port 5");
        EXPECT_TRUE(RunUntil([&] { return !dialog.Requests[0]->Busy && !Pdus("GET").empty(); }));
        if (!Pdus("GET").empty()) varbinds = simdialog::Varbinds(Pdus("GET").front());
        dialog.Close();
    });
    RunPortRowCommand(command, "5.1", DeviceContext());
    ASSERT_FALSE(varbinds.empty());
    for (const std::string& varbind : varbinds) EXPECT_NE(varbind.find(".5.1="), std::string::npos) << varbind;
}

TEST_F(CommandDialogsTest, TheRmonSettingsDialogRunsTheMainWindowHookWhenItCloses) {
    const MenuCommand& command = *FindMenuCommand("GlobalSettings9Click");
    ASSERT_EQ(command.Extras.OnClose, MainWindowStep::RmonSettingFormClose);
    std::vector<MainWindowStep> steps;
    size_t stepsWhileOpen = 0;
    CommandContext context = DeviceContext();
    context.RunStep = [&](MainWindowStep step) { steps.push_back(step); };
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        auto& dialog = dynamic_cast<TConfigForm&>(form);
        RunUntil([&] { return !dialog.Requests[0]->Busy && !Pdus().empty(); });
        stepsWhileOpen = steps.size();
        dialog.Close();
    });
    RunMenuCommand(command, context);
    EXPECT_EQ(stepsWhileOpen, 0u);
    EXPECT_EQ(steps, std::vector<MainWindowStep>{MainWindowStep::RmonSettingFormClose});
}

TEST_F(CommandDialogsTest, AScalarsEditorWritesTheValuePickedToTheSwitch) {
    const MenuCommand& command = *FindMenuCommand("QinQGlobalSettings1Click");
    ASSERT_EQ(command.Kind, CommandKind::ScalarsEditor);
    std::vector<std::string> sets;
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        auto& dialog = dynamic_cast<TConfigForm&>(form);
        ASSERT_TRUE(RunUntil([&] { return !dialog.Requests[0]->Busy && !Pdus("GET").empty(); }));
        auto* panel = FindOwned<TSNMPEditorPanel>(dialog);
        ASSERT_NE(panel, nullptr);
        auto* state = dynamic_cast<ui::ComboBox*>(panel->EditsPanel->Rows[0].Editor);
        ASSERT_NE(state, nullptr);
        state->SetItemIndex(state->Items().IndexOf("disabled"));
        MarkLog();
        panel->ButtonPanel->SetCheckedButton->Click();
        sets = Pdus("SET");
        dialog.Close();
    });
    RunMenuCommand(command, DeviceContext());
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(simdialog::Varbinds(sets[0]), std::vector<std::string>{"1.3.6.1.4.1.32473.12.57.1.1.0=INTEGER:2"});
    EXPECT_TRUE(boxes.Calls().empty());
}

// Commands that read fewer keys than their table's index: the list shows the seeded rows, and a selected row
// keeps the rest of its instance, so that a write of it goes to the row's whole instance.
TEST_F(CommandDialogsTest, ARowReadWithFewerKeysThanItsIndexKeepsItsWholeInstance) {
    struct Case { const char* handler; const char* row2; int keys; };
    const Case cases[] = {
        // Time Mark, Local Port Number, Index, OUI (counted octets), Subtype, Index: five keys read.
        {"OrgDefineInfoTable1Click", "2.2.2.1.2.2.2", 5},
        // Index, Instance ID, Type, Router ID, LS ID: four keys read.
        {"LinkLSDBTable1Click", "2.2.2.2.2", 4},
        {"VirtualLinkLSDBTable1Click", "2.2.2.2.2", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        const MenuCommand& command = *FindMenuCommand(c.handler);
        ASSERT_EQ(command.Table.KeyCount, c.keys);
        int rows = -1;
        std::string joined, written;
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            auto& dialog = dynamic_cast<TConfigForm&>(form);
            NxSNMPRequest2Edits& request = *dialog.Requests[0];
            EXPECT_TRUE(RunUntil([&] { return !request.Busy && !Pdus("GETNEXT").empty(); }));
            rows = request.ListView->Items().Count();
            if (rows > 1) {
                request.ListView->SetItemIndex(1);
                request.ListView->Click();
                joined = JoinInstance(request.Request.Vars);
                written = WriteInstance(request.Request.Vars);
            }
            dialog.Close();
        });
        RunMenuCommand(command, DeviceContext());
        EXPECT_EQ(rows, 3);
        EXPECT_EQ(written, c.row2);
        EXPECT_LT(joined.size(), written.size());
    }
}

// The Update Server Table is read with four keys: IP Address and Mask (not accessible), Protocol and Port
// (read-only). Add and Delete write the RowStatus column (4, "Status") of the whole four-key instance, and the
// new row's Protocol and Port read back from its instance.
TEST_F(CommandDialogsTest, TheUpdateServerTablesAddAndDeleteWriteTheFourKeyInstance) {
    const MenuCommand& command = *FindMenuCommand("UpdateServerTable1Click");
    ASSERT_EQ(command.Extras.RowStatusColumn, 4);
    const std::string status = "1.3.6.1.4.1.32473.12.39.1.19.1.5.";
    const std::string added = "192.168.5.1.255.255.255.0.2.8080";
    std::vector<std::string> addSets, deleteSets;
    int rowsAfterAdd = -1, rowsAfterDelete = -1;
    std::vector<std::string> addedRow;
    ui::MessageBoxRecorder answers(ui::mrOk);
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        auto& dialog = dynamic_cast<TConfigForm&>(form);
        NxSNMPRequest2Edits& request = *dialog.Requests[0];
        auto* panel = FindOwned<TSNMPListViewPanel>(dialog);
        ASSERT_NE(panel, nullptr);
        ui::ListView& list = *request.ListView;
        EXPECT_TRUE(RunUntil([&] { return !request.Busy && list.Items().Count() == 3; }));
        TEditsPanel& rows = *panel->EditsPanel;
        auto editOf = [&](int row) { return dynamic_cast<ui::Edit*>(rows.Rows[static_cast<size_t>(row)].Editor); };
        auto comboOf = [&](int row) { return dynamic_cast<ui::ComboBox*>(rows.Rows[static_cast<size_t>(row)].Editor); };
        MarkLog();
        ui::TestHooks::RunInNextModal([&](ui::Form& rowDialog) {
            ASSERT_NE(editOf(0), nullptr);
            ASSERT_NE(comboOf(2), nullptr);
            editOf(0)->SetText("192.168.5.1");
            editOf(1)->SetText("255.255.255.0");
            comboOf(2)->SetItemIndex(comboOf(2)->Items().IndexOf("tcp"));
            editOf(3)->SetText("8080");
            EXPECT_EQ(comboOf(4)->Text(), "createAndGo");
            panel->ButtonPanel->SetCheckedButton->Click();
            if (rowDialog.Visible() && rowDialog.ModalResult() == ui::mrNone) rowDialog.Close();
        });
        panel->ButtonPanel->AddButton->Click();
        EXPECT_TRUE(RunUntil([&] { return !request.Busy; }));
        addSets = Pdus("SET");
        rowsAfterAdd = list.Items().Count();
        for (int i = 0; i < rowsAfterAdd; ++i)
            if (list.Items()[i]->ColumnText(0) == "192.168.5.1")
                for (int column = 0; column < 4; ++column) addedRow.push_back(list.Items()[i]->ColumnText(column));
        for (int i = 0; i < rowsAfterAdd; ++i)
            if (list.Items()[i]->ColumnText(0) == "192.168.5.1") list.SetItemIndex(i);
        list.Click();
        MarkLog();
        panel->ButtonPanel->DeleteButton->Click();
        EXPECT_TRUE(RunUntil([&] { return !request.Busy; }));
        deleteSets = Pdus("SET");
        rowsAfterDelete = list.Items().Count();
        dialog.Close();
    });
    RunMenuCommand(command, DeviceContext());
    ASSERT_EQ(addSets.size(), 1u);
    EXPECT_THAT(simdialog::Varbinds(addSets[0]), ::testing::Contains(status + added + "=INTEGER:4"));
    EXPECT_EQ(rowsAfterAdd, 4);
    EXPECT_EQ(addedRow, (std::vector<std::string>{"192.168.5.1", "255.255.255.0", "tcp", "8080"}));
    ASSERT_EQ(deleteSets.size(), 1u);
    EXPECT_THAT(simdialog::Varbinds(deleteSets[0]), ::testing::ElementsAre(status + added + "=INTEGER:6"));
    EXPECT_EQ(rowsAfterDelete, 3);
    ASSERT_EQ(answers.Calls().size(), 1u);
    EXPECT_EQ(answers.Calls()[0].Text, "Are you sure to delete it?");
}

}  // namespace
