#include "GUIEditorPanel.h"

#include "Application.h"
#include "Dialogs.h"
#include "Exception.h"
#include "NxSNMPError.h"
#include "NxSNMPRequest2Edits.h"
#include "ScrollBox.h"
#include "StdCtrls.h"

#include <algorithm>

namespace {

NxSNMPVarList& VarsOf(NxSNMPRequest2Edits* request) { return request->Request.Vars; }

// A message box over owner, titled with the application title, as the binding shows its errors.
void ShowErrorBox(ui::Control* owner, const std::string& text) {
    const ui::Application* app = ui::Application::InstanceOrNull();
    ui::MessageBox(owner, text, app ? app->Title() : std::string(), ui::mbOK);
}

void ApplyColors(ui::Control* editor, ui::Color fontColor, ui::Color color) {
    ui::Font font = editor->Font();
    font.Color = fontColor;
    editor->SetFont(font);
    editor->SetColor(color);
}

std::string EditorText(const ui::Control* editor) {
    if (auto* edit = dynamic_cast<const ui::Edit*>(editor)) return edit->Text();
    if (auto* combo = dynamic_cast<const ui::ComboBox*>(editor)) return combo->Text();
    if (auto* panel = dynamic_cast<const ui::Panel*>(editor)) return panel->Caption();
    return {};
}

bool IsTextEditor(const ui::Control* editor) {
    return dynamic_cast<const ui::Edit*>(editor) || dynamic_cast<const ui::ComboBox*>(editor) ||
           dynamic_cast<const ui::Panel*>(editor);
}

}  // namespace

// The values to write start empty and take the selected list row (when a list view is bound). The row is copied
// before any variable is marked invalid for the write, since the marks move variables between the list's
// hidden and visible columns and so would change which cell lands in which variable.
void CopySelectedRow(NxSNMPRequest2Edits& request) {
    NxSNMPVarList& vars = request.Request.Vars;
    for (int i = 0; i < vars.GetCount(); ++i) vars.GetVar(i)->Value.clear();
    request.ListItemToData();
}

// ---- TCtrlsList -------------------------------------------------------------------------------------------

ui::Panel* TCtrlsList::RowPanel() const {
    return Controls.empty() ? nullptr : dynamic_cast<ui::Panel*>(Controls.front());
}

std::vector<ui::Control*> TCtrlsList::Parts() const {
    return Controls.empty() ? std::vector<ui::Control*>{}
                            : std::vector<ui::Control*>(Controls.begin() + 1, Controls.end());
}

void TCtrlsList::MarkComplete() const {
    ui::Panel* panel = RowPanel();
    if (!panel) return;
    bool complete = true;
    for (const ui::Control* part : Parts()) complete = complete && !EditorText(part).empty();
    panel->SetCaption(complete ? "-" : "");
}

// ---- TEditsPanel ------------------------------------------------------------------------------------------

TEditsPanel::TEditsPanel(ui::Component* owner, NxSNMPRequest2Edits* request) : ui::Panel(owner) {
    SetBevelOuter(ui::bvNone);
    ScrollBox = new ui::ScrollBox(this);
    ScrollBox->SetParent(this);
    ScrollBox->SetBorderStyle(ui::bsNone);
    ScrollBox->SetAlign(ui::alClient);
    if (auto* parent = dynamic_cast<ui::Control*>(owner)) SetParent(parent);
    if (request) SetRequest(request);
    for (UISnmpVar& row : Rows) {
        if (row.Kind == rkEnd) continue;
        row.Label->SetParent(ScrollBox);
        row.CheckBox->SetParent(ScrollBox);
        row.Editor->SetParent(ScrollBox);
    }
    SetDisabledColors(ui::clBlack, ui::clBtnFace);
}

bool TEditsPanel::IsRowSettable(int index) const { return EditCtrl && VarsOf(EditCtrl).IsSettable(index); }

bool TEditsPanel::IsKeyRow(int index) const { return EditCtrl && index < VarsOf(EditCtrl).KeyCount; }

void TEditsPanel::FreeRows() {
    for (UISnmpVar& row : Rows) {
        delete row.Editor;
        delete row.CheckBox;
        delete row.Label;
    }
    Rows.clear();
}

void TEditsPanel::BuildVars() {
    FreeRows();
    const NxSNMPVarList& vars = VarsOf(EditCtrl);
    for (int i = 0; i < vars.GetCount(); ++i) {
        const NxSNMPVarItem* var = vars.GetVar(i);
        UISnmpVar row;
        if (!vars.IsSettable(i))
            row.Kind = var->Options ? rkReadOnlyOptions : rkReadOnlyEdit;
        else
            row.Kind = var->Options ? rkComboBox : rkEdit;
        row.Format = var->Syntax == sxIpAddress ? "%s{I}" : "%s";
        Rows.push_back(row);
    }
    Rows.push_back(UISnmpVar{});
}

void TEditsPanel::SetRequest(NxSNMPRequest2Edits* request) {
    EditCtrl = request;
    BuildVars();
    const NxSNMPVarList& vars = VarsOf(EditCtrl);
    for (int i = 0; i < RowCount(); ++i) {
        UISnmpVar& row = Rows[static_cast<size_t>(i)];
        row.CheckBox = new ui::CheckBox(this);
        row.CheckBox->SetParent(ScrollBox);
        row.CheckBox->SetWidth(20);
        row.CheckBox->SetTag(i);
        row.CheckBox->SetTabStop(false);
        row.CheckBox->OnClick = [this](ui::Component* sender) { RowCheckClick(sender); };
        row.Label = new ui::Label(this);
        row.Label->SetParent(ScrollBox);
        row.Label->SetAutoSize(true);
        row.Label->SetCaption(vars.GetVar(i)->Caption);
        row.Label->SetTag(i);
        if (row.Kind == rkComboBox) {
            auto* combo = new ui::ComboBox(this);
            combo->SetParent(ScrollBox);
            combo->SetTag(i);
            row.Editor = combo;
            EditCtrl->BindComboBox(i, combo);
        } else {
            auto* edit = new ui::Edit(this);
            edit->SetParent(ScrollBox);
            edit->SetTag(i);
            row.Editor = edit;
            EditCtrl->BindEdit(i, row.Kind == rkReadOnlyOptions ? "%s" : row.Format, edit);
        }
    }
    ResetRows(false);
    ArrangeEdits(2, true);
}

void TEditsPanel::ResetRows(bool state) {
    CheckedState = state;
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsRowSettable(i) || IsKeyRow(i))
            MakeRowReadOnly(i);
        else
            MakeRowEditable(i);
    }
}

void TEditsPanel::MakeRowReadOnly(int index) {
    UISnmpVar& row = Rows.at(static_cast<size_t>(index));
    row.CheckBox->SetEnabled(false);
    row.CheckBox->Hide();
    row.CheckBox->SetChecked(false);
    if (auto* edit = dynamic_cast<ui::Edit*>(row.Editor)) {
        edit->SetReadOnly(true);
        edit->SetTabStop(false);
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(row.Editor)) {
        combo->SetEnabled(false);
    } else {
        return;
    }
    ApplyColors(row.Editor, DisabledFontColor, DisabledColor);
}

void TEditsPanel::MakeRowEditable(int index) {
    UISnmpVar& row = Rows.at(static_cast<size_t>(index));
    row.CheckBox->SetEnabled(true);
    row.CheckBox->Show();
    row.CheckBox->SetChecked(CheckedState);
    if (auto* edit = dynamic_cast<ui::Edit*>(row.Editor)) {
        edit->SetReadOnly(false);
        edit->SetTabStop(true);
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(row.Editor)) {
        combo->SetEnabled(true);
    } else {
        return;
    }
    ApplyColors(row.Editor, ui::clBlack, ui::clWhite);
}

void TEditsPanel::SetDisabledColors(ui::Color fontColor, ui::Color color) {
    DisabledFontColor = fontColor;
    DisabledColor = color;
    for (int i = 0; i < RowCount(); ++i)
        if (!IsRowSettable(i)) MakeRowReadOnly(i);
}

void TEditsPanel::ArrangeEdits(int, bool resize) {
    int labelWidth = 0;
    for (int i = 0; i < RowCount(); ++i) {
        UISnmpVar& row = Rows[static_cast<size_t>(i)];
        row.Editor->SetWidth(EditWidth);
        labelWidth = std::max(labelWidth, row.Label->Width());
    }
    int top = Margin, right = 0, bottom = 0;
    const bool hasVars = EditCtrl != nullptr;
    for (int i = 0; i < RowCount(); ++i) {
        UISnmpVar& row = Rows[static_cast<size_t>(i)];
        if (hasVars && (VarsOf(EditCtrl).GetVar(i)->Access & hidden)) continue;
        if (i == 0) {
            top = Margin;
        } else {
            if (row.Editor->Height() < 20) row.Editor->SetHeight(21);
            top += row.Editor->Height() + Gap;
        }
        const int h = row.Editor->Height();
        row.Editor->SetTop(top);
        row.CheckBox->SetTop(top + (h - row.CheckBox->Height()) / 2);
        row.Label->SetTop(top + (h - row.Label->Height()) / 2);
        row.CheckBox->SetLeft(Margin);
        row.Label->SetLeft(row.CheckBox->Left() + row.CheckBox->Width() + Gap);
        row.Editor->SetLeft(row.Label->Left() + labelWidth + Gap);
        right = std::max(right, row.Editor->Left() + row.Editor->Width());
        bottom = std::max(bottom, row.Editor->Top() + row.Editor->Height());
    }
    if (resize) {
        SetAlign(ui::alNone);
        SetWidth(right + 2 * Margin);
        SetHeight(bottom + 2 * Margin);
    }
}

void TEditsPanel::SetEditWidth(int width, int layout) {
    EditWidth = width;
    ArrangeEdits(layout, true);
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    if (!EditCtrl) throw Exception("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    for (ui::Control* c : {static_cast<ui::Control*>(buttons->RefreshButton), static_cast<ui::Control*>(buttons->SetCheckedButton),
                           static_cast<ui::Control*>(buttons->CheckAllButton), static_cast<ui::Control*>(buttons->ClearChecksButton),
                           static_cast<ui::Control*>(buttons->CloseButton)})
        c->Show();
    for (ui::Control* c : {static_cast<ui::Control*>(buttons->SamplesLabel), static_cast<ui::Control*>(buttons->RowCounter),
                           static_cast<ui::Control*>(buttons->EditButton), static_cast<ui::Control*>(buttons->AddButton),
                           static_cast<ui::Control*>(buttons->DeleteButton), static_cast<ui::Control*>(buttons->StopButton)})
        c->Hide();
    bool anyWritable = false;
    for (int i = 0; i < RowCount(); ++i) anyWritable = anyWritable || (IsRowSettable(i) && !IsKeyRow(i));
    if (!anyWritable) {
        buttons->SetCheckedButton->Hide();
        buttons->CheckAllButton->Hide();
        buttons->ClearChecksButton->Hide();
    } else {
        int open = 0;
        for (const UISnmpVar& row : Rows)
            if (row.Kind != rkEnd && row.CheckBox->Visible() && row.CheckBox->Enabled()) ++open;
        if (open <= 1) {
            buttons->CheckAllButton->Hide();
            buttons->ClearChecksButton->Hide();
            buttons->SetCheckedButton->SetCaption("Set");
            buttons->SetCheckedButton->SetEnabled(true);
            // One writable value: a plain "Set" without check boxes, every row included.
            if (CheckedCount() <= 1)
                for (UISnmpVar& row : Rows)
                    if (row.Kind != rkEnd) row.CheckBox->Hide();
            for (UISnmpVar& row : Rows)
                if (row.Kind != rkEnd) row.CheckBox->SetChecked(!(row.CheckBox->Visible() && row.CheckBox->Enabled()));
            buttons->SetCheckedButton->SetEnabled(true);
        }
    }
    buttons->ArrangeButtons();
}

void TEditsPanel::HideVar(int index) {
    VarsOf(EditCtrl).GetVar(index)->Access |= hidden;
    UISnmpVar& row = Rows.at(static_cast<size_t>(index));
    row.Editor->Hide();
    row.CheckBox->Hide();
    row.Label->Hide();
}

void TEditsPanel::ShowVar(int index) {
    VarsOf(EditCtrl).GetVar(index)->Access &= ~hidden;
    UISnmpVar& row = Rows.at(static_cast<size_t>(index));
    row.Editor->Show();
    row.CheckBox->Show();
    row.Label->Show();
}

void TEditsPanel::UncheckVar(int index) { Rows.at(static_cast<size_t>(index)).CheckBox->SetChecked(false); }

void TEditsPanel::SetVarText(int index, const std::string& text) {
    UISnmpVar& row = Rows.at(static_cast<size_t>(index));
    if (auto* edit = dynamic_cast<ui::Edit*>(row.Editor)) {
        edit->SetText(text);
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(row.Editor)) {
        combo->SetItemIndex(combo->Items().IndexOf(text));
    }
    VarsOf(EditCtrl).GetVar(index)->Value = text;
}

void TEditsPanel::ClearRow(int index) {
    UISnmpVar& row = Rows.at(static_cast<size_t>(index));
    if (auto* edit = dynamic_cast<ui::Edit*>(row.Editor))
        edit->SetText("");
    else if (auto* combo = dynamic_cast<ui::ComboBox*>(row.Editor))
        combo->SetItemIndex(-1);
    VarsOf(EditCtrl).GetVar(index)->Value.clear();
}

void TEditsPanel::ClearRows() {
    for (int i = 0; i < RowCount(); ++i) ClearRow(i);
}

void TEditsPanel::MakeCompositeRow(int index, TCtrlsList& controls) {
    UISnmpVar& row = Rows.at(static_cast<size_t>(index));
    EditCtrl->Unbind(index);
    auto* panel = new ui::Panel(this);
    panel->SetParent(ScrollBox);
    panel->SetBevelOuter(ui::bvNone);
    panel->SetCaption("");
    panel->SetBounds(row.Editor->Left(), row.Editor->Top(), row.Editor->Width(), row.Editor->Height());
    panel->SetEnabled(row.Editor->Enabled());
    panel->SetTag(index);
    delete row.Editor;
    row.Editor = panel;
    row.Kind = rkComposite;
    controls.Controls = {panel};
}

void TEditsPanel::SetVarFormat(int index, const std::string& format, NxTextChecker checker) {
    UISnmpVar& row = Rows.at(static_cast<size_t>(index));
    EditCtrl->Unbind(index);
    if (row.Kind == rkReadOnlyEdit || row.Kind == rkEdit) {
        row.Format = format;
        EditCtrl->BindEdit(index, format, static_cast<ui::Edit*>(row.Editor), checker);
    } else if (row.Kind == rkComboBox) {
        throw Exception("Can not set Var format to a ComboBox!");
    } else {
        throw Exception("Unknow UI Control type!");
    }
}

bool TEditsPanel::IsRowEmpty(int index) const {
    const UISnmpVar& row = Rows.at(static_cast<size_t>(index));
    if (row.Editor->Tag() == OptionalRowTag || !row.CheckBox->Visible()) return false;
    if (!IsTextEditor(row.Editor)) return true;
    return EditorText(row.Editor).empty();
}

int TEditsPanel::CheckedCount() const {
    int count = 0;
    for (const UISnmpVar& row : Rows)
        if (row.Kind != rkEnd && row.CheckBox->Checked()) ++count;
    return count;
}

ui::BitBtn* TEditsPanel::CurrentSetButton() const {
    ui::Control* client = Parent();
    auto* host = client ? dynamic_cast<TSNMPPanel*>(client->Parent()) : nullptr;
    return host ? host->ButtonPanel->SetCheckedButton : nullptr;
}

void TEditsPanel::RowCheckClick(ui::Component*) {
    if (ui::BitBtn* set = CurrentSetButton()) set->SetEnabled(CheckedCount() >= 1);
}

// ---- TSNMPEditorPanel -------------------------------------------------------------------------------------

TSNMPEditorPanel::TSNMPEditorPanel(ui::Component* owner, NxSNMPRequest2Edits* request)
    : TSNMPPanel(owner, nullptr, request) {
    EditsPanel = new TEditsPanel(ClientPanel, request);
    ButtonPanel->SetCheckedButton->OnClick = [this](ui::Component* sender) { SetCheckedClick(sender); };
    ButtonPanel->SetCheckedButton->SetEnabled(false);
    ButtonPanel->CheckAllButton->OnClick = [this](ui::Component* sender) { CheckAllClick(sender); };
    ButtonPanel->ClearChecksButton->OnClick = [this](ui::Component* sender) { ClearChecksClick(sender); };
    EditsPanel->ArrangeCtrlBtn(ButtonPanel);
    SetClientControl(EditsPanel);
}

void TSNMPEditorPanel::SetEditWidth(int width) {
    EditsPanel->SetEditWidth(width, 2);
    SetClientControl(EditsPanel);
    if (HostForm) PlaceOnForm(HostForm);
}

void TSNMPEditorPanel::SetVarFormat(int index, const std::string& format) { EditsPanel->SetVarFormat(index, format); }

void TSNMPEditorPanel::SetCheckedClick(ui::Component* sender) {
    TEditsPanel& rows = *EditsPanel;
    NxSNMPRequest2Edits& request = *Request;
    NxSNMPVarList& vars = request.Request.Vars;
    const uint8_t savedMode = request.Mode;
    request.Mode = NxSNMPRequest2Controls::ModeSync;
    // Every unticked row is left out of this write and loses the mark afterwards, also a mark a dialog set
    // before (a dialog that pre-marks rows relies on that).
    const auto unticked = [&rows](int i) { return !rows.Rows[static_cast<size_t>(i)].CheckBox->Checked(); };
    auto* button = dynamic_cast<ui::Control*>(sender);
    ui::Form* rowDialog = button && button->Tag() == 1 ? HostFormOf(button) : nullptr;
    bool refused = false;
    bool written = false;
    try {
        CopySelectedRow(request);
        for (int i = 0; i < rows.RowCount(); ++i) {
            NxSNMPVarItem* var = vars.GetVar(i);
            if (unticked(i)) var->Access |= invalid;
            if (!(var->Access & invalid) && rows.IsRowEmpty(i) && i != 17) refused = true;
        }
        if (refused) {
            const ui::Application* app = ui::Application::InstanceOrNull();
            ui::MessageBox(HostFormOf(rows.Parent()), "Some items are empty!", app ? app->Title() : std::string(),
                           ui::mbOK, ui::mtWarning);
        } else {
            request.ControlsToData(-1);
            written = request.Set(false, false, "", nullptr);
        }
    } catch (const std::exception& error) {
        request.StatusTemplate = StatusTemplateSet;
        request.ShowStatus(error.what());
        // The status line is in the table dialog, behind a row dialog: the row dialog says it too (a refused
        // input's box has said it already).
        const auto* raised = dynamic_cast<const Exception*>(&error);
        if (rowDialog && !(raised && raised->HelpContext == NxErrInputRefused)) ShowErrorBox(rowDialog, error.what());
    }
    for (int i = 0; i < rows.RowCount(); ++i)
        if (unticked(i)) vars.GetVar(i)->Access &= ~invalid;
    request.Mode = savedMode;
    // A row dialog whose write failed stays open with the values typed.
    if (written && rowDialog) rowDialog->Close();
}

void TSNMPEditorPanel::CheckAllClick(ui::Component*) {
    for (UISnmpVar& row : EditsPanel->Rows)
        if (row.Kind != rkEnd && row.CheckBox->Enabled()) row.CheckBox->SetChecked(true);
    if (ui::BitBtn* set = EditsPanel->CurrentSetButton()) set->SetEnabled(EditsPanel->CheckedCount() >= 1);
}

void TSNMPEditorPanel::ClearChecksClick(ui::Component*) {
    for (UISnmpVar& row : EditsPanel->Rows)
        if (row.Kind != rkEnd && row.CheckBox->Enabled()) row.CheckBox->SetChecked(false);
    if (ui::BitBtn* set = EditsPanel->CurrentSetButton()) set->SetEnabled(EditsPanel->CheckedCount() >= 1);
}
