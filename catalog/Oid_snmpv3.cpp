#include "Oid_snmpv3.h"
#include "OptionPairs.h"

namespace {

NxOptionList L12;
NxOptionList L171;
NxOptionList L172;
NxOptionList L173;
NxOptionList L174;

constinit const NxSNMPVar SnmpModules_12_1_2_1[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", sxDisplayStr, notaccess | implied, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.2", "TDomain", sxObjectId, readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.3", "TAddress", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", sxInteger, readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retry Count", sxInteger, readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tag List", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.7", "Params", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.8", "Storage Type", sxInteger, readwrite, &L171},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar SnmpModules_12_1_3_1[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", sxDisplayStr, notaccess | implied, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", sxInteger, readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", sxInteger, readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.4", "Security Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", sxInteger, readwrite, &L172},
    {"1.3.6.1.6.3.12.1.3.1.6", "Storage Type", sxInteger, readwrite, &L171},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar SnmpModules_18_1_1_1[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", sxDisplayStr, notaccess | implied, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", sxInteger, readwrite, &L171},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar SnmpModules_A[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", sxDisplayStr, notaccess | implied, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.1", "TMask", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.2", "MMS", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar SnmpModules_13_1_1_1[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", sxDisplayStr, notaccess | implied, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", sxInteger, readwrite, &L173},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", sxInteger, readwrite, &L171},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar SnmpModules_B[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", sxDisplayStr, notaccess | implied, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.1", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.2", "Storage Type", sxInteger, readwrite, &L171},
    {"1.3.6.1.6.3.13.1.2.1.3", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar SnmpModules_13_1[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Profile Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.1", "Subtree", sxObjectId, notaccess | implied, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.2", "Mask", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.3", "Type", sxInteger, readwrite, &L174},
    {"1.3.6.1.6.3.13.1.3.1.4", "Storage Type", sxInteger, readwrite, &L171},
    {"1.3.6.1.6.3.13.1.3.1.5", "Row Status", sxInteger, readwrite, &L12},
    {},
};

}  // namespace

namespace Oid_snmpv3 {

constinit const CatalogTable SnmpModules_12_1_2_1 = {"1.3.6.1.6.3.12.1.2.1", "Oid_snmpv3", ::SnmpModules_12_1_2_1, MVT_FMV};
constinit const CatalogTable SnmpModules_12_1_3_1 = {"1.3.6.1.6.3.12.1.3.1", "Oid_snmpv3", ::SnmpModules_12_1_3_1, MVT_FMV};
constinit const CatalogTable SnmpModules_18_1_1_1 = {"1.3.6.1.6.3.18.1.1.1", "Oid_snmpv3", ::SnmpModules_18_1_1_1, MVT_FMV};
constinit const CatalogTable SnmpModules_A = {"1.3.6.1.6.3 (3 entries from \"Name\")", "Oid_snmpv3", ::SnmpModules_A, MVT_FMV};
constinit const CatalogTable SnmpModules_13_1_1_1 = {"1.3.6.1.6.3.13.1.1.1", "Oid_snmpv3", ::SnmpModules_13_1_1_1, MVT_FMV};
constinit const CatalogTable SnmpModules_B = {"1.3.6.1.6.3 (4 entries from \"Target Params Name\")", "Oid_snmpv3", ::SnmpModules_B, MVT_FMV};
constinit const CatalogTable SnmpModules_13_1 = {"1.3.6.1.6.3.13.1", "Oid_snmpv3", ::SnmpModules_13_1, MVT_FMV};

}  // namespace Oid_snmpv3

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_snmpv3::SnmpModules_12_1_2_1,
    &Oid_snmpv3::SnmpModules_12_1_3_1,
    &Oid_snmpv3::SnmpModules_18_1_1_1,
    &Oid_snmpv3::SnmpModules_A,
    &Oid_snmpv3::SnmpModules_13_1_1_1,
    &Oid_snmpv3::SnmpModules_B,
    &Oid_snmpv3::SnmpModules_13_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {171, &L171, L171Pairs, NxOptionList::KindInteger},
    {172, &L172, L172Pairs, NxOptionList::KindInteger},
    {173, &L173, L173Pairs, NxOptionList::KindInteger},
    {174, &L174, L174Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_snmpv3Startup() { BuildOptionLists(OptionLists); }

void Oid_snmpv3Exit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_snmpv3Module = {"Oid_snmpv3", Tables, OptionLists, Oid_snmpv3Startup, Oid_snmpv3Exit};
