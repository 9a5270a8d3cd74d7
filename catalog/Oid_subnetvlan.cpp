#include "Oid_subnetvlan.h"
#include "OptionPairs.h"

namespace {

NxOptionList L12;
NxOptionList L170;

constinit const NxSNMPVar E_12_75_3_2_1[] = {
    {"1.3.6.1.4.1.32473.12.75.3.2.1.1", "IP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.2.1.2", "IP Mask", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.2.1.3", "VLAN ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.2.1.4", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.2.1.5", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_75_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.75.3.1.1.1", "Port Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.1.1.2", "Classification", sxInteger, readwrite, &L170},
    {},
};

constinit const NxSNMPVar E_12_75_3_3_1[] = {
    {"1.3.6.1.4.1.32473.12.75.3.3.1.1", "Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.3.1.2", "Prefix Length", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.3.1.3", "VLAN ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.3.1.4", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.3.1.5", "Row Status", sxInteger, readwrite, &L12},
    {},
};

}  // namespace

namespace Oid_subnetvlan {

constinit const CatalogTable E_12_75_3_2_1 = {"1.3.6.1.4.1.32473.12.75.3.2.1", "Oid_subnetvlan", ::E_12_75_3_2_1, MVT_FMV};
constinit const CatalogTable E_12_75_3_1_1 = {"1.3.6.1.4.1.32473.12.75.3.1.1", "Oid_subnetvlan", ::E_12_75_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_75_3_3_1 = {"1.3.6.1.4.1.32473.12.75.3.3.1", "Oid_subnetvlan", ::E_12_75_3_3_1, MVT_FMV};

}  // namespace Oid_subnetvlan

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_subnetvlan::E_12_75_3_2_1,
    &Oid_subnetvlan::E_12_75_3_1_1,
    &Oid_subnetvlan::E_12_75_3_3_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {170, &L170, L170Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_subnetvlanStartup() { BuildOptionLists(OptionLists); }

void Oid_subnetvlanExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_subnetvlanModule = {"Oid_subnetvlan", Tables, OptionLists, Oid_subnetvlanStartup, Oid_subnetvlanExit};
