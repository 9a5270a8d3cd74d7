#include "Oid_dhcpv6server.h"
#include "OptionPairs.h"

namespace {

NxOptionList L5;
NxOptionList L10;
NxOptionList L12;

constinit const NxSNMPVar E_12_90_1_1[] = {
    {"1.3.6.1.4.1.32473.12.90.1.1.1", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_90_1_1_2_1[] = {
    {"1.3.6.1.4.1.32473.12.90.1.1.2.1.1", "Interface Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.1.2.1.2", "Control State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_90_1_2_1_1[] = {
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.2", "Begin Address", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.3", "End  Address", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.4", "Address Prefix Length", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.5", "Domain Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.6", "Preferred Lifetime", sxGauge, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.7", "Valid Lifetime", sxGauge, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.100", "State", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_90_1_2_2_1[] = {
    {" ", "Pool Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.2.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.2.1.2", "Address", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.2.1.100", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_90_1_3_1[] = {
    {" ", "Pool Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.3.1.1", "IPv6 Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.3.1.2", "DUID", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.3.1.100", "State", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_90_1_4_1[] = {
    {" ", "Pool Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.4.1.1", "Begin Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.4.1.2", "End Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.4.1.100", "State", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_90_1_5_1[] = {
    {" ", "Pool Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.5.1.1", "IPv6 Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.5.1.2", "DUID", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.5.1.3", "Preferred Lifetime", sxGauge, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.5.1.4", "Valid Lifetime", sxGauge, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.5.1.5", "Clear State", sxInteger, readwrite, &L5},
    {},
};

}  // namespace

namespace Oid_dhcpv6server {

constinit const CatalogTable E_12_90_1_1 = {"1.3.6.1.4.1.32473.12.90.1.1", "Oid_dhcpv6server", ::E_12_90_1_1, SVT_SV};
constinit const CatalogTable E_12_90_1_1_2_1 = {"1.3.6.1.4.1.32473.12.90.1.1.2.1", "Oid_dhcpv6server", ::E_12_90_1_1_2_1, MVT_FMV};
constinit const CatalogTable E_12_90_1_2_1_1 = {"1.3.6.1.4.1.32473.12.90.1.2.1.1", "Oid_dhcpv6server", ::E_12_90_1_2_1_1, MVT_FMV};
constinit const CatalogTable E_12_90_1_2_2_1 = {"1.3.6.1.4.1.32473.12.90.1.2.2.1", "Oid_dhcpv6server", ::E_12_90_1_2_2_1, MVT_FMV};
constinit const CatalogTable E_12_90_1_3_1 = {"1.3.6.1.4.1.32473.12.90.1.3.1", "Oid_dhcpv6server", ::E_12_90_1_3_1, MVT_FMV};
constinit const CatalogTable E_12_90_1_4_1 = {"1.3.6.1.4.1.32473.12.90.1.4.1", "Oid_dhcpv6server", ::E_12_90_1_4_1, MVT_FMV};
constinit const CatalogTable E_12_90_1_5_1 = {"1.3.6.1.4.1.32473.12.90.1.5.1", "Oid_dhcpv6server", ::E_12_90_1_5_1, MVT_FMV};

}  // namespace Oid_dhcpv6server

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_dhcpv6server::E_12_90_1_1,
    &Oid_dhcpv6server::E_12_90_1_1_2_1,
    &Oid_dhcpv6server::E_12_90_1_2_1_1,
    &Oid_dhcpv6server::E_12_90_1_2_2_1,
    &Oid_dhcpv6server::E_12_90_1_3_1,
    &Oid_dhcpv6server::E_12_90_1_4_1,
    &Oid_dhcpv6server::E_12_90_1_5_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {5, &L5, L5Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_dhcpv6serverStartup() { BuildOptionLists(OptionLists); }

void Oid_dhcpv6serverExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_dhcpv6serverModule = {"Oid_dhcpv6server", Tables, OptionLists, Oid_dhcpv6serverStartup, Oid_dhcpv6serverExit};
