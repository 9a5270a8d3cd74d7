#include "ProtcolVlanUnit.h"

#include "CatalogTables.h"
#include "DialogMessages.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

TProtocolVlanForm* ProtocolVlanForm = nullptr;

namespace {

const CatalogTable& ProtocolVlanEntries = Oid_protocolvlan::E_12_16_1_1_1;

enum Column { VlanId, VlanName, ProtocolTypeColumn, AdvertisementColumn, UserDefinedProtocol, EncapType, Status };

constexpr const char* UserDefined = "protocol-userDefined";

}  // namespace

TProtocolVlanForm::TProtocolVlanForm(ui::Component* owner)
    : TDedicatedForm(owner, 661, 359), ProtocolVlanTable(AddTable()) {
    SetName("ProtocolVlanForm");
    SetPosition(ui::poDesktopCenter);
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    StaticText1->Hide();
    Get = NewRoleButton(ButtonRole::Refresh, "Get", "Refresh", [this] { GetClick(); });
    Add = NewRoleButton(ButtonRole::Add, "Add", [this] { AddClick(); });
    Delete = NewRoleButton(ButtonRole::Delete, "Delete", [this] { DeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    Edit = NewRoleButton(ButtonRole::Set, "Edit", "Edit", [] {});  // its write is not reachable: never shown
    Edit->Hide();
    BuildTableArea("ListView1", 120, false);
    ListView1 = TableList;
    EditorGrid editors(this, EditorPanel, 250, 130);
    Index = editors.Edit(0, 0, "Index", "VLAN ID", 60);
    Name = editors.Edit(1, 0, "Name", "Name", 100);
    ProtocolType = editors.Combo(0, 1, "ProtocolType", "Protocol Type", 110);
    Advertisement = editors.Combo(1, 1, "Advertisement", "Advertisement", 100);
    UserProtocol = editors.Edit(0, 2, "UserProtocol", "User Defined Protocol", 60);
    Encap = editors.Combo(1, 2, "Encap", "Encap Type", 100);
    RowStatus = editors.Combo(0, 3, "RowStatus", "Row Status", 110);
}

void TProtocolVlanForm::FormCreate(ui::Component*) {
    // Kept when the binding hooks the box.
    ProtocolType->OnChange = [this](ui::Component*) { ProtocolTypeChange(); };
    OpenRowTable(ProtocolVlanTable, {.Table = &ProtocolVlanEntries,
                                     .Bind =
                                         [this](DialogRequest& request) {
                                             request.BindEdit(VlanId, "%i{n1x4094l4}", Index);
                                             request.BindEdit(VlanName, "%s{l32}", Name);
                                             request.BindComboBox(ProtocolTypeColumn, ProtocolType);
                                             request.BindComboBox(AdvertisementColumn, Advertisement);
                                             request.BindEdit(UserDefinedProtocol, "%u{n0x65535l5}", UserProtocol);
                                             request.BindComboBox(EncapType, Encap);
                                         },
                                     .Options = SynchronousTableOptions(),
                                     .RowStatusColumn = Status,
                                     .RowStatusCombo = RowStatus,
                                     .KeepsRowStatus = true,
                                     .KeyEdits = {Index},
                                     .ClearedEdits = {Index, Name, UserProtocol}});
    ProtocolVlanTable.ReadAgain();
    ClearEditors();
    ShowRowCount();
}

void TProtocolVlanForm::ProtocolTypeChange() {
    const bool userDefined = ProtocolType->Text() == UserDefined;
    SetEditorEnabled(UserProtocol, userDefined);
    SetEditorEnabled(Encap, userDefined);
}

void TProtocolVlanForm::RowSelectionChanged(bool) { ProtocolTypeChange(); }

void TProtocolVlanForm::ResetButtons() {
    ResetRowButtons();
    ClearEditors();
    ShowRowCount();
    ProtocolTypeChange();
}

void TProtocolVlanForm::GetClick() {
    ProtocolVlanTable.ReadAgain();
    ResetButtons();
}

std::vector<int> TProtocolVlanForm::UnusedColumns() const {
    std::vector<int> unused;
    const std::string type = ProtocolType->Text();
    if (type.empty() || type == "0") unused.push_back(ProtocolTypeColumn);
    const bool userDefined = type == UserDefined;
    if (!userDefined || UserProtocol->Text().empty()) unused.push_back(UserDefinedProtocol);
    if (!userDefined || Encap->Text().empty() || Encap->Text() == "0") unused.push_back(EncapType);
    if (Advertisement->Text().empty()) unused.push_back(AdvertisementColumn);
    return unused;
}

void TProtocolVlanForm::AddClick() {
    if (Index->Text().empty()) return RefuseInput(this, "Index must be set.", Index);
    if (Name->Text().empty()) return RefuseInput(this, "VLAN name must be set", Name);
    if (ListHasKey(*ListView1, Index->Text()))
        return RefuseInput(this, "There is already a record with the same Index. Please modified it.", Index);
    if (RowStatus->Text() != "createAndGo") return RefuseInput(this, "Row State must be createAndGo.", RowStatus);
    ProtocolVlanTable.Write([this] { ProtocolVlanTable.Send(UnusedColumns()); });
    ResetButtons();
}

void TProtocolVlanForm::DeleteClick() {
    ProtocolVlanTable.DeleteRow();
    ResetButtons();
}
