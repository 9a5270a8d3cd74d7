#include "SnoopingRouterPorts.h"

#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <algorithm>

namespace {

enum Column { VlanId, StaticList, DynamicList, ForbiddenList };

}  // namespace

TSnoopingRouterPortsForm::TSnoopingRouterPortsForm(ui::Component* owner, const Layout& layout)
    : TDedicatedForm(owner, layout.DesignWidth, layout.DesignHeight), RouterPortsTable(AddTable()), layout_(layout) {
    SetName(layout.FormName);
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet");
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 180, true);
    ListView1 = TableList;
    stVlanID = NewEditorText("stVlanID", "VLAN ID", std::max(50, ui::StaticText::WidthFor("4094", ui::sbsSunken)));
}

void TSnoopingRouterPortsForm::FormCreate(ui::Component*) {
    StaticPorts = AddPortPage("Static Ports");
    ForbiddenPorts = AddPortPage("Forbidden Ports");
    DynamicPorts = AddPortPage("Dynamic Ports");
    // The binding disables its controls after each walk of this kind; the port boxes go back to the user.
    RouterPortsTable.OnWalkEnded = [this] {
        for (TStackingPortUitForm* selector : PortSelectors) selector->EnableAllPorts();
    };
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(RouterPortsTable, {.Table = layout_.Table,
                                    .Kind = MVT_FMV,
                                    .Bind =
                                        [this](DialogRequest& request) {
                                            request.BindStaticText(VlanId, stVlanID);
                                            BindPorts(request, StaticList, StaticPorts);
                                            BindPorts(request, DynamicList, DynamicPorts);
                                            BindPorts(request, ForbiddenList, ForbiddenPorts);
                                        },
                                    .Options = options,
                                    .ClearedTexts = {stVlanID},
                                    .GuardsClose = layout_.GuardsClose});
}

void TSnoopingRouterPortsForm::btnSetClick() {
    if (!ListView1->Selected()) return;
    if (!RouterPortsTable.PassGuard()) return;
    // The dynamic list is the switch's own; its boxes are never read back.
    RouterPortsTable.Write([this] { RouterPortsTable.Send({DynamicList}); });
    ClearEditors();
    ResetRowButtons();
}
