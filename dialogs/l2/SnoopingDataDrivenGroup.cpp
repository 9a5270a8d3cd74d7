#include "SnoopingDataDrivenGroup.h"

#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <algorithm>

namespace {

enum Column { VlanId, Address, RouterPortList, ClearGroup };

}  // namespace

TSnoopingDataDrivenGroupForm::TSnoopingDataDrivenGroupForm(ui::Component* owner, const Layout& layout)
    : TDedicatedForm(owner, layout.DesignWidth, layout.DesignHeight), DataDrivenTable(AddTable()), layout_(layout) {
    SetName(layout.FormName);
    BuildButtonPanel("StaticText1", "Samples");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet");
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    StopButton = NewRoleButton(ButtonRole::Stop, "StopButton");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 180, true);
    ListView1 = TableList;
    stVID = NewEditorText("stVID", "VLAN ID", std::max(50, ui::StaticText::WidthFor("4094", ui::sbsSunken)));
    edtIPAddress = NewEditorEdit("edtIPAddress", "Group IP Address", 160);
    edtIPAddress->SetReadOnly(true);
    if (layout.AddressDisabledAtStart) edtIPAddress->SetEnabled(false);
    CBoxClear = NewEditorCombo("CBoxClear", "Clear Group", 80);
}

void TSnoopingDataDrivenGroupForm::FormCreate(ui::Component*) {
    RouterPorts = AddPortPage("Router Ports");
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    options.StopSetsFlag = true;
    options.RefreshRefusedText = "Get data not complete!";
    OpenRowTable(DataDrivenTable, {.Table = layout_.Table,
                                   .KeyCount = 2,
                                   .Bind =
                                       [this](DialogRequest& request) {
                                           request.BindStaticText(VlanId, stVID);
                                           request.BindEdit(Address, layout_.AddressFormat, edtIPAddress);
                                           BindPorts(request, RouterPortList, RouterPorts);
                                           request.BindComboBox(ClearGroup, CBoxClear);
                                       },
                                   .Options = options,
                                   .ClearedEdits = {edtIPAddress},
                                   .ClearedTexts = {stVID}});
    RouterPorts->DisableAllPorts();
}

void TSnoopingDataDrivenGroupForm::RowSelectionChanged(bool) {
    // Shown, never ticked: the router ports are the switch's own.
    for (TStackingPortUitForm* selector : PortSelectors) selector->DisableAllPorts();
}

void TSnoopingDataDrivenGroupForm::btnSetClick() {
    if (!DataDrivenTable.PassGuard()) return;
    // The keys only make the instance and the router ports are read-only: the SET carries "Clear Group" alone.
    const bool sent = DataDrivenTable.WriteOnly([this] { WaitForSet(DataDrivenTable); });
    ClearEditors();
    ResetRowButtons();
    if (sent) DataDrivenTable.ReadAgain();
}
