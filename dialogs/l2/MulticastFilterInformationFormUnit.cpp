#include "MulticastFilterInformationFormUnit.h"

#include "CatalogTables.h"

TMulticastFilterInformationForm* MulticastFilterInformationForm = nullptr;

namespace {

const StaticFilterLayout MulticastLayout = {
    .FormName = "MulticastFilterInformationForm",
    .DesignWidth = 659,
    .DesignHeight = 449,
    .Table = &Oid_bridgemib::Mib2_17_7_1_C,
    .ListName = "LV_dot1qStaticMulticastEntry",
    .ListHeight = 190,
    .VlanIdName = "ED_MulticastVID",
    .MacName = "ED_MACAddress",
    .MacLabel = "MAC Address",
    .StatusName = "Status",
    .PortsCaption = "Egress Ports",
    .AddName = "AddBtn",
    .SetName = "SetBtn",
    .DeleteName = "btnDelete",
    .NotPermanentText = "Status should be set to permanent",
    .StatusCheckedFirst = true,
    .AddErrors = DialogTable::ErrorText::Template,
    .LocksSelectedRow = true,
    .RefreshResetsAlways = true,
    .DeletesSelectedRow = true,
};

}  // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(ui::Component* owner)
    : TStaticFilterForm(owner, MulticastLayout),
      LV_dot1qStaticMulticastEntry(TableList),
      ED_MulticastVID(VlanIdEdit),
      ED_MACAddress(MacEdit),
      Status(StatusCombo),
      ST_Count(RowCountText),
      RefreshBtn(RoleButton(ButtonRole::Refresh)),
      SetBtn(RoleButton(ButtonRole::Set)),
      AddBtn(RoleButton(ButtonRole::Add)),
      btnDelete(RoleButton(ButtonRole::Delete)),
      btnClose(RoleButton(ButtonRole::Close)),
      MulticastTable(Table) {}

void TMulticastFilterInformationForm::FormCreate(ui::Component* sender) {
    TStaticFilterForm::FormCreate(sender);
    EgressPorts = Ports;
}
