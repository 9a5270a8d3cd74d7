#include "Ibpviewunit.h"

#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

TIBPViewForm::TIBPViewForm(ui::Component* owner, IbpViewRecipe recipe)
    : TDedicatedForm(owner, 640, recipe.PortColumn >= 0 ? 600 : 420), View(AddTable()), recipe_(std::move(recipe)) {
    SetName(recipe_.FormName);
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    RefreshButton = NewRoleButton(ButtonRole::Refresh, recipe_.RefreshName, [this] { Refresh(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    const int rows = static_cast<int>(recipe_.Editors.size());
    BuildTableArea("ListView1", 180, recipe_.PortColumn >= 0, EditorGrid::RowHeight * rows + 16);
    ListView1 = TableList;
    EditorGrid grid(this, EditorPanel, 420, 170);
    for (int column = 0; column < rows; ++column) {
        const IbpViewEditor& editor = recipe_.Editors[column];
        if (editor.Format.empty()) {
            combo_ = grid.Combo(0, column, editor.Name, editor.Label);
            editors_.push_back(combo_);
        } else {
            ui::Edit* edit = grid.Edit(0, column, editor.Name, editor.Label, 200);
            edit->SetReadOnly(true);
            editors_.push_back(edit);
        }
    }
    if (combo_) ShowsOnly({combo_});
}

ui::Edit* TIBPViewForm::EditorEdit(int column) const { return dynamic_cast<ui::Edit*>(editors_.at(column)); }

ui::ComboBox* TIBPViewForm::EditorCombo(int column) const { return dynamic_cast<ui::ComboBox*>(editors_.at(column)); }

void TIBPViewForm::FormCreate(ui::Component*) {
    if (recipe_.PortColumn >= 0) Ports = AddPortPage("Ports");
    std::vector<ui::Edit*> edits;
    for (ui::Control* editor : editors_)
        if (auto* edit = dynamic_cast<ui::Edit*>(editor)) edits.push_back(edit);
    OpenRowTable(View, {.Table = recipe_.Table,
                        .KeyCount = recipe_.KeyCount,
                        .Bind =
                            [this](DialogRequest& request) {
                                for (size_t column = 0; column < editors_.size(); ++column) {
                                    const int variable = static_cast<int>(column);
                                    if (auto* edit = dynamic_cast<ui::Edit*>(editors_[column]))
                                        request.BindEdit(variable, recipe_.Editors[column].Format, edit);
                                    else
                                        request.BindComboBox(variable, static_cast<ui::ComboBox*>(editors_[column]));
                                }
                                if (Ports) BindPorts(request, recipe_.PortColumn, Ports);
                            },
                        .Options = SynchronousTableOptions(),
                        .ClearedEdits = edits});
    View.Reread();
    ShowRowCount();
    ResetEditors();
}

// The edits and port boxes emptied, the combo box without an entry and disabled.
void TIBPViewForm::ResetEditors() {
    ClearEditors();
    if (!combo_) return;
    combo_->SetItemIndex(-1);
    SetEditorEnabled(combo_, false);
}

void TIBPViewForm::RowSelectionChanged(bool selected) {
    if (!selected) ResetEditors();
}

void TIBPViewForm::Refresh() {
    View.Reread();
    ResetEditors();
}
