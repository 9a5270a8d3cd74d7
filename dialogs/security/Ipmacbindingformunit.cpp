#include "Ipmacbindingformunit.h"

#include "CatalogTables.h"

TIPMACBindingForm* IPMACBindingForm = nullptr;

TIPMACBindingForm::TIPMACBindingForm(ui::Component* owner)
    : TIpMacBindingTableForm(owner, {.Table = &Oid_security::E_12_23_4_1_1,
                                     .FormName = "IPMACBindingForm",
                                     .Caption = "IP-MAC Binding Form",
                                     .AddressFormat = "%s{l16}",
                                     .RowStatusColumn = 3,
                                     .ChecksIpv4Address = true}) {}
