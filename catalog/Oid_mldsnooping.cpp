#include "Oid_mldsnooping.h"
#include "OptionPairs.h"

namespace {

NxOptionList L10;
NxOptionList L86;
NxOptionList L103;
NxOptionList L104;
NxOptionList L105;
NxOptionList L106;

constinit const NxSNMPVar E_12_34[] = {
    {"1.3.6.1.4.1.32473.12.34.1.1", "Global State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.12.34.1.2", "Multicast Router Only", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.12.34.1.3", "Max Data Driven Learning Count", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.1", "Max Supported VLAN", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_34_3_2_1[] = {
    {"1.3.6.1.4.1.32473.12.34.3.2.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.2", "Query Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.3", "Max Response Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.4", "Robustness", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.5", "Last Member Query Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.6", "Host Timeout", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.7", "Route Timeout", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.8", "Done Timer", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.9", "Query State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.10", "Current State", sxInteger, readonly, &L103},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.11", "Control State", sxInteger, readwrite, &L104},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.12", "Fast Done State", sxInteger, readwrite, &L104},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.13", "Version", sxInteger, readwrite, &L105},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.14", "Data Driven Learning State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.15", "Data Driven Learning Aged Out State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.16", "Data Driven Group Expiry Time", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_34_3_4_1[] = {
    {"1.3.6.1.4.1.32473.12.34.3.4.1.1", "Router Ports VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.2", "Router Static Port List", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.3", "Dynamic Port List", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.4", "Router Forbidden Port List", sxBitStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_34_3_5_1[] = {
    {"1.3.6.1.4.1.32473.12.34.3.5.1.1", "Group VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.2", "Group Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.3", "Source Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.4", "Include Member Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.5", "Exclude Member Ports", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_34_3_7_1[] = {
    {"1.3.6.1.4.1.32473.12.34.3.7.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.7.1.2", "Source IP Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.7.1.3", "Multicast Group IP Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.7.1.4", "Forwarding Listen Port", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_34_3_8_1[] = {
    {"1.3.6.1.4.1.32473.12.34.3.8.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.8.1.2", "Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.8.1.3", "Router Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.8.1.100", "Clear Group", sxInteger, readwrite, &L106},
    {},
};

constinit const NxSNMPVar SnmpModules_11_2_1[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", sxCounter, readonly, nullptr},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", sxCounter, readonly, nullptr},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", sxCounter, readonly, nullptr},
    {},
};

}  // namespace

namespace Oid_mldsnooping {

constinit const CatalogTable E_12_34 = {"1.3.6.1.4.1.32473.12.34", "Oid_mldsnooping", ::E_12_34, SVT_SV};
constinit const CatalogTable E_12_34_3_2_1 = {"1.3.6.1.4.1.32473.12.34.3.2.1", "Oid_mldsnooping", ::E_12_34_3_2_1, MVT_FMV};
constinit const CatalogTable E_12_34_3_4_1 = {"1.3.6.1.4.1.32473.12.34.3.4.1", "Oid_mldsnooping", ::E_12_34_3_4_1, MVT_FMV};
constinit const CatalogTable E_12_34_3_5_1 = {"1.3.6.1.4.1.32473.12.34.3.5.1", "Oid_mldsnooping", ::E_12_34_3_5_1, MVT_FMV};
constinit const CatalogTable E_12_34_3_7_1 = {"1.3.6.1.4.1.32473.12.34.3.7.1", "Oid_mldsnooping", ::E_12_34_3_7_1, MVT_FMV};
constinit const CatalogTable E_12_34_3_8_1 = {"1.3.6.1.4.1.32473.12.34.3.8.1", "Oid_mldsnooping", ::E_12_34_3_8_1, MVT_FMV};
constinit const CatalogTable SnmpModules_11_2_1 = {"1.3.6.1.6.3.11.2.1", "Oid_mldsnooping", ::SnmpModules_11_2_1, SVT_SV};

}  // namespace Oid_mldsnooping

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_mldsnooping::E_12_34,
    &Oid_mldsnooping::E_12_34_3_2_1,
    &Oid_mldsnooping::E_12_34_3_4_1,
    &Oid_mldsnooping::E_12_34_3_5_1,
    &Oid_mldsnooping::E_12_34_3_7_1,
    &Oid_mldsnooping::E_12_34_3_8_1,
    &Oid_mldsnooping::SnmpModules_11_2_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {86, &L86, L86Pairs, NxOptionList::KindInteger},
    {103, &L103, L103Pairs, NxOptionList::KindInteger},
    {104, &L104, L104Pairs, NxOptionList::KindInteger},
    {105, &L105, L105Pairs, NxOptionList::KindInteger},
    {106, &L106, L106Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_mldsnoopingStartup() { BuildOptionLists(OptionLists); }

void Oid_mldsnoopingExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_mldsnoopingModule = {"Oid_mldsnooping", Tables, OptionLists, Oid_mldsnoopingStartup, Oid_mldsnoopingExit};
