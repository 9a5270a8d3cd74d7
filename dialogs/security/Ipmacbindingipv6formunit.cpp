#include "Ipmacbindingipv6formunit.h"

#include "CatalogTables.h"

TIPMACBindingIPv6Form* IPMACBindingIPv6Form = nullptr;

TIPMACBindingIPv6Form::TIPMACBindingIPv6Form(ui::Component* owner)
    : TIpMacBindingTableForm(owner, {.Table = &Oid_security::E_12_23_4_4_1,
                                     .FormName = "IPMACBindingIPv6Form",
                                     .Caption = "IP-MAC Binding IPv6Form",
                                     .AddressFormat = "%s{l32}",
                                     .RowStatusColumn = 5,
                                     .ChecksIpv4Address = false}) {}
