#include "Oid_supervlan.h"
#include "OptionPairs.h"

namespace {

NxOptionList L12;
NxOptionList L163;

constinit const NxSNMPVar E_12_91_1_1_1[] = {
    {"1.3.6.1.4.1.32473.12.91.1.1.1.1", "VLAN ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.2", "IP Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.3", "IP Address Mask", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.4", "Sub VLAN List 1-64", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.5", "Sub VLAN List 65-128", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.6", "Sub VLAN List 129-192", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.7", "Sub VLAN List 193-256", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.8", "Sub VLAN List 257-320", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.9", "Sub VLAN List 321-384", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.10", "Sub VLAN List 385-448", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.11", "Sub VLAN List 449-512", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.12", "Status", sxInteger, readonly, &L163},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.100", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_91_1_2_1[] = {
    {"1.3.6.1.4.1.32473.12.91.1.2.1.1", "Sub VLAN ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.2.1.2", "Status", sxInteger, readonly, &L163},
    {},
};

constinit const NxSNMPVar E_12_91_1_3_1[] = {
    {" ", "Sub VLAN", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.3.1.1", "IP Address Range From", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.3.1.2", "IP Address Range To", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.3.1.100", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar SnmpModules_12_1[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", sxInteger, readonly, nullptr},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", sxCounter, readonly, nullptr},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", sxCounter, readonly, nullptr},
    {},
};

}  // namespace

namespace Oid_supervlan {

constinit const CatalogTable E_12_91_1_1_1 = {"1.3.6.1.4.1.32473.12.91.1.1.1", "Oid_supervlan", ::E_12_91_1_1_1, MVT_FMV};
constinit const CatalogTable E_12_91_1_2_1 = {"1.3.6.1.4.1.32473.12.91.1.2.1", "Oid_supervlan", ::E_12_91_1_2_1, MVT_FMV};
constinit const CatalogTable E_12_91_1_3_1 = {"1.3.6.1.4.1.32473.12.91.1.3.1", "Oid_supervlan", ::E_12_91_1_3_1, MVT_FMV};
constinit const CatalogTable SnmpModules_12_1 = {"1.3.6.1.6.3.12.1", "Oid_supervlan", ::SnmpModules_12_1, SVT_SV};

}  // namespace Oid_supervlan

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_supervlan::E_12_91_1_1_1,
    &Oid_supervlan::E_12_91_1_2_1,
    &Oid_supervlan::E_12_91_1_3_1,
    &Oid_supervlan::SnmpModules_12_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {163, &L163, L163Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_supervlanStartup() { BuildOptionLists(OptionLists); }

void Oid_supervlanExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_supervlanModule = {"Oid_supervlan", Tables, OptionLists, Oid_supervlanStartup, Oid_supervlanExit};
