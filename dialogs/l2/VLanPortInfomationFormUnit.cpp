#include "VLanPortInfomationFormUnit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

TVLanPortInfomationForm* VLanPortInfomationForm = nullptr;

namespace {

const CatalogTable& PortVlanTable = Oid_bridgemib::Mib2_17_G;

enum Column { PortNumber, Pvid, FrameTypes, Ingress, Gvrp, GvrpFailed, GvrpLastOrigin };

constexpr const char* RefreshNotCompleteText = "Refresh Not Complete";

}  // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(ui::Component* owner)
    : TDedicatedForm(owner, 602, 440), PortTable(AddTable()) {
    SetName("VLanPortInfomationForm");
    BuildButtonPanel("ST_Count");
    ST_Count = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn", [this] { RefreshBtnClick(); });
    // Not the Set role: it stays enabled without a selected row (and then does nothing).
    SetBtn = NewPanelButton("SetBtn", "Set", [this] { SetBtnClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("LV_dot1qPortVlanEntry", 260, false);
    LV_dot1qPortVlanEntry = TableList;
    LV_dot1qPortVlanEntry->SetGridLines(true);
    EditorGrid editors(this, EditorPanel, 0, 140);
    editors.Column(0, 0,
                   {{&PortVLanID, "PortVLanID", "Port VLAN ID", 50},
                    {&AcceptableFrameTypes, "AcceptableFrameTypes", "Acceptable Frame Types", 150},
                    {&IngressFiltering, "IngressFiltering", "Ingress Filtering", 60},
                    {&GvrpStatus, "GvrpStatus", "GVRP Status", 80}});
}

void TVLanPortInfomationForm::FormCreate(ui::Component*) {
    DialogTable::Options options = NoFlagTableOptions();
    options.IncompleteText = options.RefreshRefusedText = RefreshNotCompleteText;
    PortTable.OnWalkEnded = [this] { SelectEditedPort(); };
    OpenRowTable(PortTable, {.Table = &PortVlanTable,
                             .Kind = MVT_FMV,
                             .Bind = [this](DialogRequest& request) {
                                 request.BindEdit(Pvid, "%i{}", PortVLanID);
                                 request.BindComboBox(FrameTypes, AcceptableFrameTypes);
                                 request.BindComboBox(Ingress, IngressFiltering);
                                 request.BindComboBox(Gvrp, GvrpStatus);
                             },
                             .Options = options});
    PortVLanID->SetText("");
}

void TVLanPortInfomationForm::RefreshBtnClick() {
    if (!PortTable.PassRefreshGuard()) return;
    editedPort_.clear();
    PortTable.Reread();
    ShowRowCount();
}

// One SET of the four readwrite columns for the selected port (the port number is the instance).
void TVLanPortInfomationForm::SetBtnClick() {
    if (!PortTable.PassGuard()) return;
    const ui::ListItem* selected = LV_dot1qPortVlanEntry->Selected();
    if (!selected) return;
    editedPort_ = selected->Caption();
    if (!PortTable.WriteOnly([this] { PortTable.SendRefreshing(); })) editedPort_.clear();
}

// After the read that follows a Set, the edited port's row is selected again (the binding then shows it).
void TVLanPortInfomationForm::SelectEditedPort() {
    if (editedPort_.empty()) return;
    const std::string port = editedPort_;
    editedPort_.clear();
    for (int i = 0; i < LV_dot1qPortVlanEntry->Items().Count(); ++i) {
        if (LV_dot1qPortVlanEntry->Items()[i]->Caption() != port) continue;
        LV_dot1qPortVlanEntry->SetItemIndex(i);
        return;
    }
}
