#include "DoubleVLANUnit.h"

#include "CatalogTables.h"
#include "EditorInput.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

TDoubleVLANForm* DoubleVLANForm = nullptr;

namespace {

const CatalogTable& GlobalStateTable = Oid_doublevlan::E_12_28_1;
const CatalogTable& DoubleVlanEntries = Oid_doublevlan::E_12_28_3_1_1;

// The catalogue lists Delete Ports (.7) before Unknown Ports (.6).
enum Column { VlanId, VlanName, Tpid, UplinkPortList, AccessPortList, DeletePortList, UnknownPortList, Status };

constexpr int SentenceTop = 36;

}  // namespace

TDoubleVLANForm::TDoubleVLANForm(ui::Component* owner)
    : TDedicatedForm(owner, 643, 514), DoubleVlanTable(AddTable()), StateTable(AddTable()) {
    SetName("DoubleVLANForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); });
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", [this] { SetBtnClick(); });
    AddBtn = NewRoleButton(ButtonRole::Add, "AddBtn", [this] { AddBtnClick(); });
    DeleteBtn = NewRoleButton(ButtonRole::Delete, "DeleteBtn", [this] { DeleteBtnClick(); });
    CloseBtn = NewRoleButton(ButtonRole::Close, "CloseBtn");
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    BuildTableArea("lvDoubleVLAN", 170, true, SentenceTop + 26);
    lvDoubleVLAN = TableList;
    edtID = NewEditorEdit("edtID", "VLAN ID", 40);
    edtTPID = NewEditorEdit("edtTPID", "VLAN TPID", 40);
    edtName = NewEditorEdit("edtName", "VLAN Name", 90);
    cbxStatus = NewEditorCombo("cbxStatus", "Status", 90);
    int left = 8;
    for (ui::Label** label : {&Label2, &lbState, &lbmsg}) {
        *label = new ui::Label(this);
        (*label)->SetParent(EditorPanel);
        (*label)->SetLeft(left);
        (*label)->SetTop(SentenceTop);
        left += 200;
    }
    Label2->SetName("Label2");
    Label2->SetCaption("The current Double VLAN State is ");
    lbState->SetName("lbState");
    lbState->SetCaption("disabled");
    lbmsg->SetName("lbmsg");
    lbmsg->SetCaption("");
}

void TDoubleVLANForm::FormCreate(ui::Component*) {
    DialogTable::Options stateOptions = SynchronousTableOptions();
    stateOptions.Errors = DialogTable::ErrorText::Template;
    StateTable.Open(
        GlobalStateTable, SVT_SV, 0, [this](DialogRequest& request) { request.BindControl(0, lbState); }, stateOptions);
    const bool stateRead = ReadGlobalState();
    StateTable.Close();  // read once: Refresh reads the table only
    if (!stateRead) return RefuseConfiguration();
    configurable_ = lbState->Caption() == "enabled";
    lbmsg->SetCaption(configurable_ ? ", you can configure." : ", you can't configure.");
    // The sentence reads on: the state and its consequence right after the text before them.
    lbState->SetLeft(Label2->Left() + Label2->Width());
    lbmsg->SetLeft(lbState->Left() + lbState->Width());

    UplinkPorts = AddPortPage("Uplink Ports");
    AccessPorts = AddPortPage("Access Ports");
    DeletePorts = AddPortPage("Delete Ports");
    UnknownPorts = AddPortPage("Unknown Ports");
    OpenRowTable(DoubleVlanTable, {.Table = &DoubleVlanEntries,
                                   .Bind =
                                       [this](DialogRequest& request) {
                                           request.BindEdit(VlanId, "%i", edtID);
                                           request.BindEdit(VlanName, "%s", edtName);
                                           request.BindEdit(Tpid, "%h{l4}", edtTPID);
                                           if (configurable_) {
                                               BindPorts(request, UplinkPortList, UplinkPorts);
                                               BindPorts(request, AccessPortList, AccessPorts);
                                               BindPorts(request, DeletePortList, DeletePorts);
                                           } else {
                                               BindPorts(request, UnknownPortList, UnknownPorts);
                                           }
                                       },
                                   .RowStatusColumn = Status,
                                   .RowStatusCombo = cbxStatus,
                                   .KeyEdits = {edtID, edtName},
                                   .ClearedEdits = {edtID, edtName, edtTPID},
                                   .GuardsClose = true});
    UnknownPorts->DisableAllPorts();
    KeepWriteButtonsOff();
}

// A read that fails without an exception (an error answer, no answer) counts as failed too: it is not "disabled".
bool TDoubleVLANForm::ReadGlobalState() {
    DialogRequest* request = StateTable.Request();
    if (!request) return false;
    try {
        request->Request.Active = 1;
        return request->Get();
    } catch (const Exception& error) {
        StateTable.ShowError(error.Message);
        return false;
    }
}

void TDoubleVLANForm::RefuseConfiguration() {
    ShowMessage(this, "Can't get the global state.Can not configure");
    lbState->SetCaption("");
    lbmsg->SetCaption("");
    for (ui::Control* control : std::initializer_list<ui::Control*>{lvDoubleVLAN, edtID, edtTPID, edtName, cbxStatus,
                                                                    SetBtn, AddBtn, DeleteBtn})
        control->SetEnabled(false);
    DoubleVlanTable.SetComplete(true);
}

void TDoubleVLANForm::KeepWriteButtonsOff() {
    if (configurable_) return;
    for (ui::Button* button : {SetBtn, AddBtn, DeleteBtn}) button->SetEnabled(false);
}

void TDoubleVLANForm::RowSelectionChanged(bool) { KeepWriteButtonsOff(); }

void TDoubleVLANForm::AfterWrite() {
    lvDoubleVLAN->ClearSelection();
    ResetRowButtons();
    KeepWriteButtonsOff();
}

void TDoubleVLANForm::RefreshBtnClick() {
    RefreshTables(DoubleVlanTable);
    KeepWriteButtonsOff();
}

void TDoubleVLANForm::SetBtnClick() {
    if (!configurable_ || !lvDoubleVLAN->Selected()) return;
    if (!DoubleVlanTable.PassGuard()) return;
    // The name is fixed once the row exists.
    DoubleVlanTable.Write([this] { DoubleVlanTable.Send({VlanName}); });
    AfterWrite();
}

void TDoubleVLANForm::AddBtnClick() {
    if (!configurable_ || !DoubleVlanTable.PassGuard()) return;
    if (edtID->Text().empty()) return RefuseInput(this, "Please specify VLAN ID of this Double VLAN", edtID);
    if (edtName->Text().empty()) return RefuseInput(this, "Please specify the name of  this Double VLAN", edtName);
    if (cbxStatus->Text() != "createAndGo") return RefuseInput(this, "Status should be createAndGo", cbxStatus);
    DoubleVlanTable.Write([this] {
        if (edtTPID->Text().empty())
            DoubleVlanTable.Send({Tpid});
        else
            DoubleVlanTable.Send();
    });
    AfterWrite();
}

void TDoubleVLANForm::DeleteBtnClick() {
    if (!configurable_ || !lvDoubleVLAN->Selected()) return;
    if (!DoubleVlanTable.PassGuard()) return;
    DoubleVlanTable.DeleteRow();
    ShowRowCount();
    AfterWrite();
}
