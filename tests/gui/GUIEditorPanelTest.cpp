// The editor panel against the simulator: rows from a catalogue scalar group, Set Checked, the empty-row check
// and the single-value "Set".
#include "ComCtrls.h"
#include "GUIEditorPanel.h"
#include "SimDialogFixture.h"

#include <gmock/gmock.h>

#include "Exception.h"
#include "NxOptionList.h"
#include "StdCtrls.h"

#include <cctype>

namespace {

using namespace simdialog;
using ::testing::ElementsAre;

// prefix followed by a time "hh:nn:ss" and ".".
bool IsStatusLine(const std::string& line, const std::string& prefix) {
    if (line.size() != prefix.size() + 9 || line.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string time = line.substr(prefix.size());
    for (size_t i : {0u, 1u, 3u, 4u, 6u, 7u})
        if (!std::isdigit(static_cast<unsigned char>(time[i]))) return false;
    return time[2] == ':' && time[5] == ':' && time[8] == '.';
}

class EditorPanelTest : public SimDialogTest {
protected:
    // An editor dialog over a scalar group, read once (the first read runs as its modal loop starts).
    TSNMPEditorPanel* OpenEditor(const char* label) {
        dialog_ = std::make_unique<TConfigForm>(&ui::Application::Instance());
        request_ = NewRequest(dialog_.get(), label, SVT_SV, 0);
        TSNMPEditorPanel* panel = dialog_->CreateEditorPanel(request_);
        return panel;
    }
    // Shows the dialog modally; driver runs once its first read has ended, then the dialog closes.
    void RunDialog(const std::function<void()>& driver) {
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            EXPECT_TRUE(WaitIdle(*request_));
            driver();
            form.Close();
        });
        dialog_->ShowModal();
    }
    ui::Edit* EditOf(TSNMPEditorPanel* panel, int row) {
        return dynamic_cast<ui::Edit*>(panel->EditsPanel->Rows[static_cast<size_t>(row)].Editor);
    }
    ui::ComboBox* ComboOf(TSNMPEditorPanel* panel, int row) {
        return dynamic_cast<ui::ComboBox*>(panel->EditsPanel->Rows[static_cast<size_t>(row)].Editor);
    }
    std::vector<int32_t> Accesses() const {
        std::vector<int32_t> result;
        const NxSNMPVarList& vars = request_->Request.Vars;
        for (int i = 0; i < vars.GetCount(); ++i) result.push_back(vars.GetVar(i)->Access);
        return result;
    }
    std::string StatusText(TSNMPEditorPanel* panel) { return panel->MessagePanel->StatusBar->SimpleText(); }

    std::unique_ptr<TConfigForm> dialog_;
    NxSNMPRequest2Edits* request_ = nullptr;  // owned by the dialog
};

TEST_F(EditorPanelTest, ScalarGroupOpensAsRowsWithLabelsEditorsAndValues) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    TEditsPanel& rows = *panel->EditsPanel;
    ASSERT_EQ(rows.RowCount(), 10);
    EXPECT_EQ(rows.Rows.back().Kind, rkEnd);
    EXPECT_EQ(rows.Rows[0].Label->Caption(), "STP Version");
    EXPECT_EQ(rows.Rows[1].Label->Caption(), "Max Age[600-4000]");
    EXPECT_EQ(rows.Rows[0].Kind, rkComboBox);
    EXPECT_EQ(rows.Rows[1].Kind, rkEdit);
    EXPECT_EQ(rows.Rows[6].Kind, rkComboBox);
    // Every editor starts in one column; rows are stacked one per line.
    for (int i = 1; i < rows.RowCount(); ++i) {
        EXPECT_EQ(rows.Rows[static_cast<size_t>(i)].Editor->Left(), rows.Rows[0].Editor->Left());
        EXPECT_GT(rows.Rows[static_cast<size_t>(i)].Editor->Top(), rows.Rows[static_cast<size_t>(i - 1)].Editor->Top());
        EXPECT_EQ(rows.Rows[static_cast<size_t>(i)].Editor->Width(), 121);
    }
    TCtrlBtnPanel& buttons = *panel->ButtonPanel;
    EXPECT_TRUE(buttons.SetCheckedButton->Visible());
    EXPECT_FALSE(buttons.SetCheckedButton->Enabled());
    EXPECT_TRUE(buttons.CheckAllButton->Visible());
    EXPECT_FALSE(buttons.RowCounter->Visible());
    EXPECT_FALSE(buttons.EditButton->Visible());
    RunDialog([&] {
        const std::string versionOnAgent = request_->Request.Vars.GetVar(0)->Value;
        EXPECT_FALSE(versionOnAgent.empty());
        EXPECT_EQ(ComboOf(panel, 0)->Text(), versionOnAgent);
        EXPECT_GE(ComboOf(panel, 0)->ItemIndex(), 0);
        EXPECT_FALSE(EditOf(panel, 1)->Text().empty());
        EXPECT_EQ(EditOf(panel, 1)->Text(), request_->Request.Vars.GetVar(1)->Value);
    });
    EXPECT_THAT(Pdus("GET"), ::testing::Not(::testing::IsEmpty()));
}

TEST_F(EditorPanelTest, TickingRowsEnablesSetCheckedAndCheckAllClearChecksFollow) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    TEditsPanel& rows = *panel->EditsPanel;
    ui::BitBtn* set = panel->ButtonPanel->SetCheckedButton;
    rows.Rows[1].CheckBox->SetChecked(true);
    EXPECT_TRUE(set->Enabled());
    rows.Rows[1].CheckBox->SetChecked(false);
    EXPECT_FALSE(set->Enabled());
    panel->ButtonPanel->CheckAllButton->Click();
    EXPECT_EQ(rows.CheckedCount(), 10);
    EXPECT_TRUE(set->Enabled());
    panel->ButtonPanel->ClearChecksButton->Click();
    EXPECT_EQ(rows.CheckedCount(), 0);
    EXPECT_FALSE(set->Enabled());
}

TEST_F(EditorPanelTest, SetCheckedSendsExactlyTheTickedRowsAndRestoresTheMarks) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    RunDialog([&] {
        const std::vector<int32_t> before = Accesses();
        const uint8_t modeBefore = request_->Mode;
        EditOf(panel, 1)->SetText("2000");
        ComboOf(panel, 6)->SetItemIndex(1);
        const std::string forwarding = ComboOf(panel, 6)->Text();
        panel->EditsPanel->Rows[1].CheckBox->SetChecked(true);
        panel->EditsPanel->Rows[6].CheckBox->SetChecked(true);
        MarkLog();
        panel->ButtonPanel->SetCheckedButton->Click();
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        const NxOptionList* options = request_->Request.Vars.GetVar(6)->Options;
        ASSERT_NE(options, nullptr);
        EXPECT_THAT(Varbinds(sets[0]),
                    ElementsAre("1.3.6.1.4.1.32473.12.15.1.3.0=INTEGER:2000",
                                "1.3.6.1.4.1.32473.12.15.1.8.0=INTEGER:" +
                                    options->TextToValue(forwarding)));
        EXPECT_EQ(Accesses(), before);
        EXPECT_EQ(request_->Mode, modeBefore);
        EXPECT_TRUE(IsStatusLine(StatusText(panel), "Set: Ok! Receive at ")) << StatusText(panel);
        // The check marks survive the write.
        EXPECT_TRUE(panel->EditsPanel->Rows[1].CheckBox->Checked());
    });
}

TEST_F(EditorPanelTest, SetCheckedClearsTheLeftOutMarkOfEveryUntickedRowAlsoOneSetBefore) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    RunDialog([&] {
        // A dialog left row 2 out before the user wrote; row 3 stays ticked and marked by the dialog.
        request_->Request.Vars.GetVar(2)->Access |= invalid;
        request_->Request.Vars.GetVar(3)->Access |= invalid;
        panel->EditsPanel->Rows[1].CheckBox->SetChecked(true);
        panel->EditsPanel->Rows[3].CheckBox->SetChecked(true);
        EditOf(panel, 1)->SetText("2000");
        MarkLog();
        panel->ButtonPanel->SetCheckedButton->Click();
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre("1.3.6.1.4.1.32473.12.15.1.3.0=INTEGER:2000"));
        EXPECT_EQ(request_->Request.Vars.GetVar(2)->Access & invalid, 0);
        EXPECT_NE(request_->Request.Vars.GetVar(3)->Access & invalid, 0);
    });
}

TEST_F(EditorPanelTest, TypedTextThatIsNoNumberOfItsRangeIsRefusedWithItsRowNamedAndNothingSent) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    RunDialog([&] {
        panel->EditsPanel->Rows[1].CheckBox->SetChecked(true);
        for (const char* typed : {"abc", "12abc", "5000000000", "-2147483649", "1 2"}) {
            EditOf(panel, 1)->SetText(typed);
            MarkLog();
            panel->ButtonPanel->SetCheckedButton->Click();
            EXPECT_TRUE(Pdus("SET").empty()) << typed;
            const std::string status = StatusText(panel);
            EXPECT_EQ(status.rfind("Set: ", 0), 0u) << status;
            EXPECT_NE(status.find("Bad value of the associated SNMP variable's (partial) data! (Max Age[600-4000])"),
                      std::string::npos)
                << status;
        }
        EditOf(panel, 1)->SetText(" 2000 ");
        MarkLog();
        panel->ButtonPanel->SetCheckedButton->Click();
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre("1.3.6.1.4.1.32473.12.15.1.3.0=INTEGER:2000"));
    });
}

TEST_F(EditorPanelTest, ObjectsTheAgentLacksShowEmptyRowsAndTheStatusNamesTheMissingOne) {
    ASSERT_EQ(Control("error 1.3.6.1.4.1.32473.12.15.1.3 noSuchObject"), "ok");
    DefaultSNMPSecurity.Version = snmp::Version2c;  // SNMPv1 has no exception values
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    RunDialog([&] {
        EXPECT_EQ(EditOf(panel, 1)->Text(), "");
        EXPECT_NE(EditOf(panel, 2)->Text(), "");  // the objects it has are shown
        const std::string status = StatusText(panel);
        EXPECT_EQ(status.find("Ok!"), std::string::npos) << status;
        EXPECT_NE(status.find(NxSNMPErrorText(NxErrNoSuchName) + " (Max Age[600-4000])"), std::string::npos)
            << status;
    });
}

TEST_F(EditorPanelTest, ARefusedSetIsReportedAndTheMarksAreRestored) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    RunDialog([&] {
        const std::vector<int32_t> before = Accesses();
        ASSERT_EQ(Control("error 1.3.6.1.4.1.32473.12.15.1.3 badValue"), "ok");
        panel->EditsPanel->Rows[1].CheckBox->SetChecked(true);
        ui::MessageBoxRecorder boxes;
        panel->ButtonPanel->SetCheckedButton->Click();
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
        EXPECT_EQ(Accesses(), before);
        EXPECT_EQ(request_->Mode, NxSNMPRequest2Controls::ModeAsync);
    });
}

TEST_F(EditorPanelTest, AnEmptyTickedRowRefusesTheWriteUnlessItIsOptional) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    RunDialog([&] {
        const std::vector<int32_t> before = Accesses();
        EditOf(panel, 1)->SetText("");
        panel->EditsPanel->Rows[1].CheckBox->SetChecked(true);
        MarkLog();
        {
            ui::MessageBoxRecorder boxes;
            panel->ButtonPanel->SetCheckedButton->Click();
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].Text, "Some items are empty!");
            EXPECT_EQ(boxes.Calls()[0].Type, ui::mtWarning);
            EXPECT_TRUE(Pdus("SET").empty());
            EXPECT_EQ(Accesses(), before);
            EXPECT_TRUE(panel->EditsPanel->Rows[1].CheckBox->Checked());
        }
        // Tagged optional: the empty row passes the check (the value itself is then the binding's matter).
        EditOf(panel, 1)->SetTag(OptionalRowTag);
        ui::MessageBoxRecorder boxes;
        panel->ButtonPanel->SetCheckedButton->Click();
        for (const ui::MessageBoxCall& call : boxes.Calls()) EXPECT_NE(call.Text, "Some items are empty!");
        EXPECT_EQ(Accesses(), before);
    });
}

TEST_F(EditorPanelTest, OneWritableValueGetsAPlainSetWithoutCheckBoxes) {
    TSNMPEditorPanel* panel = OpenEditor(StpVersionOnly);
    ui::BitBtn* set = panel->ButtonPanel->SetCheckedButton;
    EXPECT_EQ(set->Caption(), "Set");
    EXPECT_TRUE(set->Enabled());
    EXPECT_FALSE(panel->ButtonPanel->CheckAllButton->Visible());
    EXPECT_FALSE(panel->ButtonPanel->ClearChecksButton->Visible());
    EXPECT_FALSE(panel->EditsPanel->Rows[0].CheckBox->Visible());
    RunDialog([&] {
        ComboOf(panel, 0)->SetItemIndex(0);
        MarkLog();
        set->Click();
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(Varbinds(sets[0]).size(), 1u);
        EXPECT_EQ(Varbinds(sets[0])[0].rfind("1.3.6.1.4.1.32473.12.15.1.2.0=INTEGER:", 0), 0u);
    });
}

TEST_F(EditorPanelTest, ReadOnlyScalarsShowRefreshAndCloseOnly) {
    TSNMPEditorPanel* panel = OpenEditor(StackingInfo);
    TCtrlBtnPanel& buttons = *panel->ButtonPanel;
    EXPECT_TRUE(buttons.RefreshButton->Visible());
    EXPECT_TRUE(buttons.CloseButton->Visible());
    for (ui::Control* hidden : {static_cast<ui::Control*>(buttons.SetCheckedButton),
                                static_cast<ui::Control*>(buttons.CheckAllButton),
                                static_cast<ui::Control*>(buttons.ClearChecksButton)})
        EXPECT_FALSE(hidden->Visible());
    for (const UISnmpVar& row : panel->EditsPanel->Rows)
        if (row.Kind != rkEnd) {
            EXPECT_FALSE(row.CheckBox->Visible());
            EXPECT_EQ(row.Kind, rkReadOnlyEdit);
        }
}

TEST_F(EditorPanelTest, HiddenRowsCloseUpAndAHiddenFirstRowLeavesItsSpace) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    TEditsPanel& rows = *panel->EditsPanel;
    const int top1 = rows.Rows[1].Editor->Top();
    const int top2 = rows.Rows[2].Editor->Top();
    const int top3 = rows.Rows[3].Editor->Top();
    rows.HideVar(2);
    rows.ArrangeEdits(2, true);
    EXPECT_EQ(rows.Rows[3].Editor->Top(), top2);
    rows.ShowVar(2);
    rows.HideVar(0);
    rows.ArrangeEdits(2, true);
    EXPECT_EQ(rows.Rows[1].Editor->Top(), top1);
    EXPECT_EQ(rows.Rows[3].Editor->Top(), top3);
}

TEST_F(EditorPanelTest, SetVarFormatRefusesComboRows) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    try {
        panel->SetVarFormat(0, "%i{n1x4094l4}");
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message, "Can not set Var format to a ComboBox!");
    }
    EXPECT_NO_THROW(panel->SetVarFormat(1, "%i{n600x4000l4}"));
}

TEST_F(EditorPanelTest, WiderEditorsGrowTheDialogUpTo800By550) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    const int before = dialog_->ClientWidth();
    panel->SetEditWidth(300);
    EXPECT_EQ(panel->EditsPanel->Rows[0].Editor->Width(), 300);
    EXPECT_EQ(dialog_->ClientWidth(), std::min(800, before + 300 - 121));
    panel->SetEditWidth(2000);
    EXPECT_EQ(dialog_->ClientWidth(), 800);
    EXPECT_LE(dialog_->ClientHeight(), 550);
}

TEST_F(EditorPanelTest, ACompositeRowTakesItsEditorsPlaceAndIsEmptyUntilEveryPartHasText) {
    TSNMPEditorPanel* panel = OpenEditor(StpGroup);
    TEditsPanel& rows = *panel->EditsPanel;
    const ui::Control* editor = rows.Rows[1].Editor;
    const int left = editor->Left(), top = editor->Top(), width = editor->Width(), height = editor->Height();
    TCtrlsList controls;
    rows.MakeCompositeRow(1, controls);
    ui::Panel* rowPanel = controls.RowPanel();
    ASSERT_NE(rowPanel, nullptr);
    EXPECT_EQ(rows.Rows[1].Editor, rowPanel);
    EXPECT_EQ(rows.Rows[1].Kind, rkComposite);
    EXPECT_EQ((std::vector<int>{rowPanel->Left(), rowPanel->Top(), rowPanel->Width(), rowPanel->Height()}),
              (std::vector<int>{left, top, width, height}));
    auto* first = new ui::Edit(rowPanel);
    first->SetParent(rowPanel);
    auto* second = new ui::ComboBox(rowPanel);
    second->SetParent(rowPanel);
    second->Items().Add("one");
    controls.Controls.insert(controls.Controls.end(), {first, second});
    EXPECT_THAT(controls.Parts(), ElementsAre(first, second));
    first->SetText("5");
    controls.MarkComplete();
    EXPECT_EQ(rowPanel->Caption(), "");
    EXPECT_TRUE(rows.IsRowEmpty(1));
    second->SetItemIndex(0);
    controls.MarkComplete();
    EXPECT_EQ(rowPanel->Caption(), "-");
    EXPECT_FALSE(rows.IsRowEmpty(1));
}

}  // namespace
