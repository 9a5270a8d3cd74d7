#include "IGMPForwordingUnit.h"

#include "CatalogTables.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <algorithm>

TIGMPForwordingForm* IGMPForwordingForm = nullptr;

namespace {

// The catalogue's forwarding entry: VLAN ID, group address (.3), source IP (.2), port member.
const CatalogTable& ForwardingEntries = Oid_switch::E_11_70_7_2_11_8_1_A;

enum Column { VlanId, GroupAddress, SourceIp, PortMemberList };

}  // namespace

TIGMPForwordingForm::TIGMPForwordingForm(ui::Component* owner)
    : TDedicatedForm(owner, 696, 432), ForwardingTable(AddTable()) {
    SetName("IGMPForwordingForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet");
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 180, true);
    ListView1 = TableList;
    const int addressWidth = std::max(110, ui::StaticText::WidthFor("255.255.255.255", ui::sbsSunken));
    stVlanID = NewEditorText("stVlanID", "VLAN ID", std::max(50, ui::StaticText::WidthFor("4094", ui::sbsSunken)));
    stSRCIP = NewEditorText("stSRCIP", "Source IP", addressWidth);
    stGroupAddr = NewEditorText("stGroupAddr", "Group Address", addressWidth);
}

void TIGMPForwordingForm::FormCreate(ui::Component*) {
    PortMember = AddPortPage("Static Ports");
    // The binding disables its controls after each walk of this kind; the boxes stay enabled here.
    ForwardingTable.OnWalkEnded = [this] {
        for (TStackingPortUitForm* selector : PortSelectors) selector->EnableAllPorts();
    };
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(ForwardingTable, {.Table = &ForwardingEntries,
                                   .Kind = MVT_FMV,
                                   .KeyCount = 3,
                                   .Bind =
                                       [this](DialogRequest& request) {
                                           request.BindStaticText(VlanId, stVlanID);
                                           request.BindStaticText(GroupAddress, stGroupAddr);
                                           request.BindStaticText(SourceIp, stSRCIP);
                                           BindPorts(request, PortMemberList, PortMember);
                                       },
                                   .Options = options,
                                   .ClearedTexts = {stVlanID, stSRCIP, stGroupAddr}});
}
