#include "GUIListViewPanel.h"

#include "Application.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "Exception.h"
#include "ListView.h"
#include "NxSNMPRequest2Edits.h"

#include <algorithm>
#include <set>

namespace {

void ShowMessage(ui::Control* owner, const std::string& text, ui::MsgButtons buttons = ui::mbOK,
                 ui::MsgDlgType type = ui::mtCustom, int* answer = nullptr) {
    const ui::Application* app = ui::Application::InstanceOrNull();
    const int result = ui::MessageBox(owner, text, app ? app->Title() : std::string(), buttons, type);
    if (answer) *answer = result;
}

ui::ComboBox* ComboOf(TEditsPanel& rows, int column) {
    if (column < 0 || column >= rows.RowCount()) return nullptr;
    return dynamic_cast<ui::ComboBox*>(rows.Rows[static_cast<size_t>(column)].Editor);
}

std::vector<std::string> ItemsOf(const ui::ComboBox& combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo.Items().Count(); ++i) items.push_back(combo.Items()[i]);
    return items;
}

}  // namespace

// ---- TListViewPanel ---------------------------------------------------------------------------------------

TListViewPanel::TListViewPanel(ui::Component* owner, NxSNMPRequest2Edits* request) : ui::Panel(owner) {
    SetBevelOuter(ui::bvNone);
    if (auto* parent = dynamic_cast<ui::Control*>(owner)) SetParent(parent);
    ListView = new ui::ListView(this);
    ListView->SetParent(this);
    // The editor rows keep their state across reads: a read must not disable the fields the Add dialog needs.
    request->BindListView(ListView, false);
    size_t captionChars = 0;
    for (int i = 0; i < ListView->Columns().Count(); ++i) captionChars += ListView->Columns()[i]->Caption().size();
    SetWidth(std::min<int>(static_cast<int>(captionChars) * PixelsPerCaptionChar, MaxWidth));
    SetHeight(DesignHeight);
    ListView->SetAlign(ui::alClient);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{buttons->SamplesLabel, buttons->RowCounter,
                                                             buttons->RefreshButton, buttons->EditButton,
                                                             buttons->CloseButton})
        c->Show();
    buttons->EditButton->SetEnabled(false);
    buttons->AddButton->SetVisible(AddStatusColumn != -1);
    buttons->DeleteButton->SetVisible(DeleteStatusColumn != -1);
    buttons->DeleteButton->SetEnabled(false);
    for (ui::Control* c : std::initializer_list<ui::Control*>{buttons->SetCheckedButton, buttons->CheckAllButton,
                                                             buttons->ClearChecksButton, buttons->StopButton})
        c->Hide();
    buttons->ArrangeButtons();
}

// ---- TSNMPListViewPanel -----------------------------------------------------------------------------------

TSNMPListViewPanel::TSNMPListViewPanel(ui::Component* owner, NxSNMPRequest2Edits* request)
    : TSNMPEditorPanel(owner, request) {
    ListViewPanel = new TListViewPanel(ClientPanel, request);
    ui::ListView* list = ListViewPanel->ListView;
    list->OnClick = [this](ui::Component* sender) { ListViewClick(sender); };
    list->OnDblClick = [this](ui::Component* sender) { ListViewDblClick(sender); };
    list->OnChange = [this](ui::Component* sender, ui::ListItem* item, ui::ItemChange change) {
        ListViewChange(sender, item, change);
    };
    list->OnMouseMove = [this](ui::Component* sender, int x, int y) { ListViewMouseMove(sender, x, y); };
    ButtonPanel->RefreshButton->OnClick = [this](ui::Component* sender) { RefreshClick(sender); };
    ButtonPanel->EditButton->OnClick = [this](ui::Component* sender) { EditButtonClick(sender); };
    ButtonPanel->AddButton->OnClick = [this](ui::Component* sender) { AddButtonClick(sender); };
    ButtonPanel->StopButton->OnClick = [this](ui::Component* sender) { StopClick(sender); };
    ButtonPanel->DeleteButton->OnClick = [this](ui::Component* sender) { DeleteClick(sender); };
    ListViewPanel->ArrangeCtrlBtn(ButtonPanel);
    bool editable = false;
    for (int i = 0; i < EditsPanel->RowCount(); ++i)
        editable = editable || (EditsPanel->IsRowSettable(i) && !EditsPanel->IsKeyRow(i));
    if (!editable) {
        ButtonPanel->EditButton->Hide();
        ButtonPanel->ArrangeButtons();
    }
    SetClientControl(ListViewPanel);
    OnBeforeAdd = [this](ui::Component*) { EditsPanel->ClearRows(); };
}

void TSNMPListViewPanel::SetAddStatus(int column, const std::string& value) {
    ui::ComboBox* combo = ComboOf(*EditsPanel, column);
    if (!combo || combo->Items().IndexOf(value) < 0)
        throw Exception("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + value);
    ListViewPanel->AddStatusColumn = column;
    ListViewPanel->AddStatusValue = value;
    ButtonPanel->AddButton->Show();
    ButtonPanel->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int column, const std::string& value) {
    ui::ComboBox* combo = ComboOf(*EditsPanel, column);
    if (!combo || combo->Items().IndexOf(value) < 0)
        throw Exception("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" + value);
    ListViewPanel->DeleteStatusColumn = column;
    ListViewPanel->DeleteStatusValue = value;
    ButtonPanel->DeleteButton->Show();
    ButtonPanel->ArrangeButtons();
}

void TSNMPListViewPanel::SetVarFormat(int index, const std::string& format, NxTextChecker checker) {
    EditsPanel->SetVarFormat(index, format, checker);
}

void TSNMPListViewPanel::UpdateRowCounter() {
    ButtonPanel->RowCounter->SetCaption(std::to_string(ListViewPanel->ListView->Items().Count()));
}

void TSNMPListViewPanel::SetRowButtonsEnabled(bool enabled) {
    ButtonPanel->EditButton->SetEnabled(enabled);
    ButtonPanel->DeleteButton->SetEnabled(enabled);
}

void TSNMPListViewPanel::RefreshClick(ui::Component* sender) {
    if (Request->Mode == NxSNMPRequest2Controls::ModeAsync && Request->Busy) return;
    SetRowButtonsEnabled(false);
    TSNMPPanel::RefreshClick(sender);
    UpdateRowCounter();
}

void TSNMPListViewPanel::ListViewClick(ui::Component*) {
    try {
        Request->Request.Active = 0;
        if (ListViewPanel->ListView->Selected()) {
            SetRowButtonsEnabled(true);
        } else {
            SetRowButtonsEnabled(false);
            EditsPanel->ClearRows();
        }
    } catch (const std::exception&) {
        ShowMessage(this, "Please select a entry ");
    }
}

void TSNMPListViewPanel::ListViewDblClick(ui::Component*) {
    try {
        if (ListViewPanel->ListView->Selected() && ButtonPanel->EditButton->OnClick)
            ButtonPanel->EditButton->OnClick(ButtonPanel->EditButton);
    } catch (const std::exception&) {
    }
}

void TSNMPListViewPanel::ListViewChange(ui::Component*, ui::ListItem*, ui::ItemChange) {
    try {
        UpdateRowCounter();
    } catch (const std::exception&) {
    }
}

std::string TSNMPListViewPanel::RowHint(const ui::ListItem& item) const {
    const ui::ListColumns& columns = ListViewPanel->ListView->Columns();
    size_t longest = 0;
    for (int c = 0; c < columns.Count(); ++c) longest = std::max(longest, columns[c]->Caption().size());
    std::string hint;
    for (int c = 0; c < columns.Count(); ++c) {
        const std::string& caption = columns[c]->Caption();
        hint += caption + std::string(longest - caption.size(), '\t') + "  " + item.ColumnText(c) + "\n";
    }
    return hint;
}

void TSNMPListViewPanel::ListViewMouseMove(ui::Component*, int x, int y) {
    ui::ListView* list = ListViewPanel->ListView;
    ui::ListItem* item = list->GetItemAt(x, y);
    if (!item) {
        list->SetShowHint(false);
        return;
    }
    list->SetHint(RowHint(*item));
    list->SetShowHint(true);
}

void TSNMPListViewPanel::AddButtonClick(ui::Component* sender) {
    Request->Request.Active = 1;
    if (OnBeforeAdd) OnBeforeAdd(sender);
    AddClick(sender);
    if (OnAfterAdd) OnAfterAdd(sender);
}

void TSNMPListViewPanel::EditButtonClick(ui::Component* sender) {
    if (OnBeforeEdit) OnBeforeEdit(sender);
    EditClick(sender);
    if (OnAfterEdit) OnAfterEdit(sender);
}

std::string TSNMPListViewPanel::RowDialogCaption(const std::string& suffix) const {
    ui::Control* parent = Parent();
    if (auto* form = dynamic_cast<ui::Form*>(parent)) return form->Caption() + suffix;
    if (auto* sheet = dynamic_cast<ui::TabSheet*>(parent))
        return sheet->Caption() + ": " + Request->Request.Device.Address + suffix;
    ui::Form* host = HostForm ? HostForm : HostFormOf(const_cast<TSNMPListViewPanel*>(this));
    return (host ? host->Caption() : std::string()) + suffix;
}

ui::Form* TSNMPListViewPanel::NewRowDialog(const std::string& suffix, TSNMPPanel*& dialogPanel) {
    auto* dialog = new ui::Form(ui::Application::InstanceOrNull());
    dialog->SetPosition(ui::poOwnerFormCenter);
    dialog->SetCaption(RowDialogCaption(suffix));
    dialog->SetClientWidth(0);
    dialog->SetClientHeight(0);
    Request->SetConstraintOwner(dialog);
    dialogPanel = new TSNMPPanel(dialog, MessagePanel, Request);
    ui::BitBtn* set = dialogPanel->ButtonPanel->SetCheckedButton;
    set->OnClick = [this](ui::Component* sender) { SetCheckedClick(sender); };
    set->SetTag(1);
    dialogPanel->ButtonPanel->CheckAllButton->OnClick = [this](ui::Component* sender) { CheckAllClick(sender); };
    dialogPanel->ButtonPanel->ClearChecksButton->OnClick = [this](ui::Component* sender) { ClearChecksClick(sender); };
    return dialog;
}

void TSNMPListViewPanel::PlaceRowsOnDialog(ui::Form* dialog, TSNMPPanel* dialogPanel) {
    EditsPanel->ArrangeCtrlBtn(dialogPanel->ButtonPanel);
    dialogPanel->ButtonPanel->RefreshButton->Hide();
    dialogPanel->ButtonPanel->ArrangeButtons();
    EditsPanel->ArrangeEdits(2, true);
    dialogPanel->SetClientControl(EditsPanel);
    dialogPanel->PlaceOnForm(dialog);
}

void TSNMPListViewPanel::EndRowDialog(ui::Form* dialog) {
    EditsPanel->Hide();
    EditsPanel->SetAlign(ui::alNone);
    EditsPanel->SetParent(ClientPanel);
    EditsPanel->ScrollBox->VertScrollBar().SetPosition(0);
    delete dialog;
    Request->SetConstraintOwner(HostFormOf(this));
    RefreshClick(ButtonPanel->RefreshButton);
}

void TSNMPListViewPanel::SelectComboItem(int column, const std::string& value) {
    if (ui::ComboBox* combo = ComboOf(*EditsPanel, column)) combo->SetItemIndex(combo->Items().IndexOf(value));
}

void TSNMPListViewPanel::AddClick(ui::Component*) {
    TSNMPPanel* dialogPanel = nullptr;
    ui::Form* dialog = NewRowDialog(" (Add)", dialogPanel);
    TEditsPanel& rows = *EditsPanel;
    const int keyCount = Request->Request.Vars.KeyCount;
    // The keys form the new row's instance: always written.
    for (int i = 0; i < std::min(keyCount, rows.RowCount()); ++i) {
        rows.MakeRowEditable(i);
        UISnmpVar& row = rows.Rows[static_cast<size_t>(i)];
        row.CheckBox->SetChecked(true);
        row.CheckBox->Show();
        row.CheckBox->SetEnabled(false);
        row.Editor->SetEnabled(true);
    }
    const int status = ListViewPanel->AddStatusColumn;
    if (status >= 0 && status < rows.RowCount()) {
        UISnmpVar& row = rows.Rows[static_cast<size_t>(status)];
        row.Editor->SetEnabled(false);
        row.CheckBox->SetEnabled(false);
        row.CheckBox->SetChecked(true);
        SelectComboItem(status, ListViewPanel->AddStatusValue);
    }
    PlaceRowsOnDialog(dialog, dialogPanel);
    ListViewPanel->ListView->ClearSelection();
    SetRowButtonsEnabled(false);
    try {
        dialog->ShowModal();
    } catch (...) {
        EndRowDialog(dialog);
        throw;
    }
    EndRowDialog(dialog);
}

void TSNMPListViewPanel::WaitForReadEnd() {
    if (Request->Mode != NxSNMPRequest2Controls::ModeAsync) return;
    Request->Request.Active = 0;
    // The write of the row dialog must never overlap a walk: wait for the walk's last answer (or time-out).
    while (Request->Busy) ui::Application::Instance().ProcessMessages();
    Request->Request.Active = 1;
}

void TSNMPListViewPanel::EditClick(ui::Component*) {
    WaitForReadEnd();
    TSNMPPanel* dialogPanel = nullptr;
    ui::Form* dialog = NewRowDialog(" (Edit)", dialogPanel);
    dialogPanel->ButtonPanel->SetCheckedButton->SetEnabled(false);
    TEditsPanel& rows = *EditsPanel;
    rows.ResetRows(false);
    PlaceRowsOnDialog(dialog, dialogPanel);
    // Editing never sends createAndGo or destroy: those items leave the RowStatus combo for the dialog's run.
    struct SavedCombo {
        int Column;
        std::vector<std::string> Items;
        int ItemIndex;
        bool Hidden;
    };
    std::vector<SavedCombo> saved;
    const std::pair<int, std::string> removals[] = {
        {ListViewPanel->AddStatusColumn, ListViewPanel->AddStatusValue},
        {ListViewPanel->DeleteStatusColumn, ListViewPanel->DeleteStatusValue},
    };
    for (const auto& [column, value] : removals) {
        ui::ComboBox* combo = ComboOf(rows, column);
        if (!combo) continue;
        auto it = std::find_if(saved.begin(), saved.end(), [&](const SavedCombo& s) { return s.Column == column; });
        if (it == saved.end()) it = saved.insert(saved.end(), {column, ItemsOf(*combo), combo->ItemIndex(), false});
        SavedCombo& entry = *it;
        const int index = combo->Items().IndexOf(value);
        if (index >= 0) {
            const std::string selected = combo->Text();
            combo->Items().Delete(index);
            combo->SetItemIndex(combo->Items().IndexOf(selected));
        }
        if (combo->Items().Count() == 0 && !entry.Hidden) {
            rows.HideVar(column);
            entry.Hidden = true;
        }
    }
    if (!saved.empty()) {
        rows.ArrangeEdits(2, true);
        dialogPanel->SetClientControl(EditsPanel);
    }
    auto restore = [&] {
        for (const SavedCombo& entry : saved) {
            if (entry.Hidden) rows.ShowVar(entry.Column);
            ui::ComboBox* combo = ComboOf(rows, entry.Column);
            const std::string selected = combo->Text();
            combo->Items().Clear();
            for (const std::string& item : entry.Items) combo->Items().Add(item);
            combo->SetItemIndex(combo->Items().IndexOf(selected));
        }
        rows.ArrangeEdits(2, true);
    };
    try {
        dialog->ShowModal();
    } catch (...) {
        restore();
        EndRowDialog(dialog);
        throw;
    }
    restore();
    EndRowDialog(dialog);
}

void TSNMPListViewPanel::DeleteClick(ui::Component*) {
    int answer = ui::mrCancel;
    ShowMessage(this, "Are you sure to delete it?", ui::mbOKCancel, ui::mtConfirmation, &answer);
    if (answer != ui::mrOk) return;
    NxSNMPRequest2Edits& request = *Request;
    NxSNMPVarList& vars = request.Request.Vars;
    const uint8_t savedMode = request.Mode;
    request.Mode = NxSNMPRequest2Controls::ModeSync;
    request.Request.Active = 1;
    const int statusColumn = ListViewPanel->DeleteStatusColumn;
    // Only the keys and the RowStatus column go out; the marks set here are the ones taken back.
    std::set<int> leftOut;
    try {
        CopySelectedRow(request);
        for (int i = vars.KeyCount; i < vars.GetCount(); ++i) {
            if (i == statusColumn || (vars.GetVar(i)->Access & invalid)) continue;
            vars.GetVar(i)->Access |= invalid;
            leftOut.insert(i);
        }
        request.ControlsToData(-1);
        if (statusColumn >= 0 && statusColumn < vars.GetCount())
            vars.GetVar(statusColumn)->Value = ListViewPanel->DeleteStatusValue;
        request.Set(false, false, "", nullptr);
    } catch (const std::exception& error) {
        request.ShowStatus(error.what());
    }
    for (int i : leftOut) vars.GetVar(i)->Access &= ~invalid;
    RefreshClick(ButtonPanel->RefreshButton);
    request.Mode = savedMode;
}
