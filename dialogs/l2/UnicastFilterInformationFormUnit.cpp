#include "UnicastFilterInformationFormUnit.h"

#include "CatalogTables.h"

TUnicastFilterInformationForm* UnicastFilterInformationForm = nullptr;

namespace {

const StaticFilterLayout UnicastLayout = {
    .FormName = "UnicastFilterInformationForm",
    .DesignWidth = 695,
    .DesignHeight = 479,
    .Table = &Oid_bridgemib::Mib2_17_7_1_D,
    .ListName = "LV_dot1qStaticUnicastEntry",
    .ListHeight = 200,
    .VlanIdName = "ED_UnicastVID",
    .MacName = "UnicastAddress",
    .MacLabel = "MAC  Address",
    .StatusName = "UStatus",
    .PortsCaption = "Allow To Go To Ports",
    .AddName = "SetBtn",
    .SetName = nullptr,
    .DeleteName = "DeleteBtn",
    .NotPermanentText = "Status Should be permanent",
    .StatusCheckedFirst = false,
    .AddErrors = DialogTable::ErrorText::Bare,
    .LocksSelectedRow = false,
    .RefreshResetsAlways = false,
    .DeletesSelectedRow = false,
};

}  // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(ui::Component* owner)
    : TStaticFilterForm(owner, UnicastLayout),
      LV_dot1qStaticUnicastEntry(TableList),
      ED_UnicastVID(VlanIdEdit),
      UnicastAddress(MacEdit),
      UStatus(StatusCombo),
      ST_Count(RowCountText),
      RefreshBtn(RoleButton(ButtonRole::Refresh)),
      SetBtn(RoleButton(ButtonRole::Add)),
      DeleteBtn(RoleButton(ButtonRole::Delete)),
      btnClose(RoleButton(ButtonRole::Close)),
      UnicastTable(Table) {}

void TUnicastFilterInformationForm::FormCreate(ui::Component* sender) {
    TStaticFilterForm::FormCreate(sender);
    AllowedPorts = Ports;
}
