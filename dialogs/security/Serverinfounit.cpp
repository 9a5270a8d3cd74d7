#include "Serverinfounit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"

#include "ListView.h"
#include "StdCtrls.h"

TServerInformationForm* ServerInformationForm = nullptr;

namespace {

enum Column { Address, Protocol, Port, Key, Timeout, RetryCount, RowStatus };

}  // namespace

TServerInformationForm::TServerInformationForm(ui::Component* owner)
    : TDedicatedForm(owner, 640, 440), Servers(AddTable()) {
    SetName("ServerInformationForm");
    SetCaption("Server Information Table");
    BuildButtonPanel("Static");
    Static = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    EditButton = NewRoleButton(ButtonRole::Set, "EditButton", "Edit", [this] { EditButtonClick(); });
    AddButton = NewRoleButton(ButtonRole::Add, "AddButton", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 160, false);
    ListView1 = TableList;
    EditorGrid grid(this, EditorPanel, 260, 130);
    IPEdit = grid.Edit(0, 0, "IPEdit", "Server IP", 110);
    ProtocolComboBox = grid.Combo(0, 1, "ProtocolComboBox", "Server Auth Protocol", 110);
    PortEdit = grid.Edit(0, 2, "PortEdit", "Server Auth Port", 110);
    KeyEdit = grid.Edit(0, 3, "KeyEdit", "Server Auth Key", 110);
    TimeoutEdit = grid.Edit(1, 0, "TimeoutEdit", "Server Timeout", 110);
    RetryCEdit = grid.Edit(1, 1, "RetryCEdit", "Server Retry Count", 110);
    RowComboBox = grid.Combo(1, 2, "RowComboBox", "Server Row Status", 110);
}

void TServerInformationForm::FormCreate(ui::Component*) {
    OpenRowTable(Servers, {.Table = &Oid_security::E_12_5_10_1,
                           .KeyCount = 2,
                           .Bind =
                               [this](DialogRequest& request) {
                                   request.BindEdit(Address, "%s{l16}", IPEdit);
                                   request.BindComboBox(Protocol, ProtocolComboBox);
                                   request.BindEdit(Port, "%i{n1x65535l5}", PortEdit);
                                   request.BindEdit(Key, "%s{l254}", KeyEdit);
                                   request.BindEdit(Timeout, "%i{n1x255l3}", TimeoutEdit);
                                   request.BindEdit(RetryCount, "%i{n1x255l3}", RetryCEdit);
                               },
                           .Options = SynchronousTableOptions(),
                           .RowStatusColumn = RowStatus,
                           .RowStatusCombo = RowComboBox,
                           .KeepsRowStatus = true,
                           .KeyEdits = {IPEdit},
                           .ClearedEdits = {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit}});
    ClearEditors();
    Servers.SelectRowStatus(RowStatusValue::CreateAndGo);
    Servers.Reread();
    ShowRowCount();
}

void TServerInformationForm::RowSelectionChanged(bool selected) { SetEditorEnabled(ProtocolComboBox, !selected); }

void TServerInformationForm::AfterWrite() {
    ResetRowButtons();
    SetEditorEnabled(ProtocolComboBox, true);
    ClearEditors();
    ShowRowCount();
}

void TServerInformationForm::GetButtonClick() {
    Servers.Reread();
    AfterWrite();
}

std::vector<int> TServerInformationForm::EmptyOptionalColumns() const {
    std::vector<int> empty;
    const std::pair<int, const ui::Edit*> optional[] = {
        {Port, PortEdit}, {Key, KeyEdit}, {Timeout, TimeoutEdit}, {RetryCount, RetryCEdit}};
    for (const auto& [column, edit] : optional)
        if (edit->Text().empty()) empty.push_back(column);
    return empty;
}

void TServerInformationForm::WriteServer(const std::vector<int>& leftOut) {
    Servers.Write([&] { Servers.Send(leftOut); });
    AfterWrite();
}

void TServerInformationForm::AddButtonClick() {
    if (IPEdit->Text().empty()) return RefuseInput(this, "Server IP must be set.", IPEdit);
    if (ProtocolComboBox->ItemIndex() < 0) return RefuseInput(this, "Protocol must be set.", ProtocolComboBox);
    const std::string protocol = ProtocolComboBox->Text();
    if (ListHasKey(*ListView1, IPEdit->Text(), &protocol))
        return RefuseInput(
            this, "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol.",
            IPEdit);
    if (RowComboBox->Text() != "createAndGo") return RefuseInput(this, "Row State must be createAndGo.", RowComboBox);
    WriteServer(EmptyOptionalColumns());
}

void TServerInformationForm::EditButtonClick() {
    if (!ListView1->Selected()) return;
    if (IPEdit->Text().empty()) return ShowMessage(this, "Server IP must be set.");
    if (ProtocolComboBox->ItemIndex() < 0) return ShowMessage(this, "Protocol must be set.");
    if (RowComboBox->Text() == "destroy") return WriteServer({Port, Key, Timeout, RetryCount});
    std::vector<int> leftOut = EmptyOptionalColumns();
    leftOut.push_back(RowStatus);
    WriteServer(leftOut);
}

void TServerInformationForm::DeleteButtonClick() {
    if (!ListView1->Selected()) return;
    Servers.SelectRowStatus(RowStatusValue::Destroy);
    WriteServer({Port, Key, Timeout, RetryCount});
}
