// Editors built from a control list: each item lands in its member with its kind's style and its label beside it,
// the labels follow their editors (the hidden RowStatus combo of a table dialog leaves no "Status" label behind),
// the flags start editors hidden or read-only, and the frame's editor row and the grid place them without overlap.
#include "DedicatedForm.h"
#include "EditorGrid.h"
#include "EditorItems.h"

#include "ExtCtrls.h"
#include "StdCtrls.h"
#include "TestHooks.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A table dialog's editor row, as the dialogs build it.
class TEditorRowForm : public TDedicatedForm {
public:
    TEditorRowForm() : TDedicatedForm(nullptr, 674, 400) {
        BuildButtonPanel("ST_Count");
        BuildTableArea("ListView1", 150, false);
        VlanId = NewEditorEdit("ED_VLANID", "VLAN ID", 50);
        NextFree = NewEditorText("NextFreeLocalVlanIndex", "Next Free Local VLAN Index", 50);
        Status = NewEditorCombo("Status", "Status", 100);
        Status->Hide();
    }
    using TDedicatedForm::EditorLine;

    ui::Edit* VlanId = nullptr;
    ui::StaticText* NextFree = nullptr;
    ui::ComboBox* Status = nullptr;
};

class EditorItemsTest : public testing::Test {
protected:
    void SetUp() override { ui::TestHooks::SetPixelsPerInch(96); }
    void TearDown() override { ui::TestHooks::SetPixelsPerInch(0); }
};

TEST_F(EditorItemsTest, AnItemListBuildsEachKindIntoItsMemberBesideItsLabel) {
    ui::Form form(nullptr);
    ui::Edit* name = nullptr;
    ui::ComboBox* type = nullptr;
    ui::StaticText* count = nullptr;
    EditorRow row(&form, &form);
    const BuiltEditors built = row.Add({{&name, "ED_Name", "Name", 120},
                                        {&type, "cbxType", "Type", 80},
                                        {&count, "ST_Count", "Current Num Of VLANs", 50}});
    ASSERT_NE(name, nullptr);
    ASSERT_NE(type, nullptr);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(built.All, (std::vector<ui::Control*>{name, type, count}));
    EXPECT_TRUE(built.ReadOnly.empty());
    EXPECT_EQ(type->Style(), ui::csDropDownList);
    EXPECT_EQ(count->BorderStyle(), ui::sbsSunken);
    EXPECT_FALSE(count->AutoSize());
    const char* labels[] = {"Name", "Type", "Current Num Of VLANs"};
    int previousRight = 0;
    for (size_t i = 0; i < built.All.size(); ++i) {
        const ui::Control* editor = built.All[i];
        const ui::Label* label = LabelOf(editor);
        ASSERT_NE(label, nullptr) << labels[i];
        EXPECT_EQ(label->Caption(), labels[i]);
        // Left to right: the label after the previous editor, the editor after its label, all on one line.
        EXPECT_GT(label->Left(), previousRight) << labels[i];
        EXPECT_LT(label->Left() + label->Width(), editor->Left()) << labels[i];
        EXPECT_EQ(editor->Top(), 8);
        previousRight = editor->Left() + editor->Width();
    }
    EXPECT_EQ(row.NextLeft(), previousRight + 8);
}

TEST_F(EditorItemsTest, LabelsFollowTheirEditorsAndFlagsStartThemHiddenOrReadOnly) {
    ui::Form form(nullptr);
    ui::Edit* port = nullptr;
    ui::ComboBox* status = nullptr;
    ui::Edit* protocol = nullptr;
    EditorGrid grid(&form, &form, 0, 100);
    const BuiltEditors built = grid.Column(0, 1,
                                           {{&port, "edtPort", "Port", 60},
                                            {&status, "cbxStatus", "Status", 100, EditorFlag::Hidden},
                                            {&protocol, "edtProtocol", "Protocol", 60, EditorFlag::ReadOnly}});
    EXPECT_EQ(built.ReadOnly, std::vector<ui::Control*>{protocol});
    // Top to bottom in one column, each label in the grid's label width.
    EXPECT_EQ(port->Top(), grid.Bottom(1));
    EXPECT_EQ(protocol->Top(), grid.Bottom(3));
    EXPECT_EQ(port->Left(), protocol->Left());
    EXPECT_EQ(LabelOf(port)->Left() + 100, port->Left());

    ui::Label* statusLabel = LabelOf(status);
    ASSERT_NE(statusLabel, nullptr);
    EXPECT_FALSE(status->Visible());
    EXPECT_FALSE(statusLabel->Visible());
    status->Show();
    EXPECT_TRUE(statusLabel->Visible());

    EXPECT_FALSE(protocol->Enabled());
    EXPECT_EQ(protocol->Color(), ui::clMenu);
    EXPECT_FALSE(LabelOf(protocol)->Enabled());
    port->SetEnabled(false);
    EXPECT_FALSE(LabelOf(port)->Enabled());
    port->SetEnabled(true);
    EXPECT_TRUE(LabelOf(port)->Enabled());

    ui::StaticText* key = NewHiddenKeyText(&form, &form, "ST_Key");
    EXPECT_FALSE(key->Visible());
    EXPECT_EQ(key->Name(), "ST_Key");
    EXPECT_EQ(LabelOf(key), nullptr);
}

// The frame's own editor row goes through the same helper: its hidden RowStatus combo hides its label, and the
// editors it places one after another stay on the editor panel.
TEST_F(EditorItemsTest, TheFramesEditorRowHidesTheLabelOfAHiddenCombo) {
    TEditorRowForm form;
    ASSERT_NE(LabelOf(form.Status), nullptr);
    EXPECT_FALSE(LabelOf(form.Status)->Visible());
    EXPECT_TRUE(LabelOf(form.VlanId)->Visible());
    EXPECT_LT(form.VlanId->Left() + form.VlanId->Width(), LabelOf(form.NextFree)->Left());
    EXPECT_LE(form.NextFree->Left() + form.NextFree->Width(), form.EditorPanel->ClientWidth());
    ui::Edit* more = nullptr;
    form.EditorLine().Add({{&more, "ED_More", "More", 40}});
    EXPECT_GT(LabelOf(more)->Left(), form.Status->Left() + form.Status->Width());
}

}  // namespace
