#include "Oid_equipment.h"
#include "OptionPairs.h"

namespace {

NxOptionList L10;
NxOptionList L51;
NxOptionList L52;
NxOptionList L53;
NxOptionList L54;
NxOptionList L55;
NxOptionList L56;
NxOptionList L57;
NxOptionList L58;

constinit const NxSNMPVar E_12_11_1_6_1[] = {
    {"1.3.6.1.4.1.32473.12.11.1.6.1.1", "Unit Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.2", "ID", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.3", "Status", sxInteger, readonly, &L51},
    {},
};

constinit const NxSNMPVar E_12_11_1_7_1[] = {
    {"1.3.6.1.4.1.32473.12.11.1.7.1.1", "Unit Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.7.1.2", "ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.7.1.3", "Status", sxInteger, readonly, &L52},
    {},
};

constinit const NxSNMPVar E_12_11_1_A[] = {
    {"1.3.6.1.4.1.32473.12.11.1.1", "Capacity", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.2", "Mode", sxInteger, readwrite, &L53},
    {"1.3.6.1.4.1.32473.12.11.1.9.5", "Topology", sxInteger, readonly, &L54},
    {"1.3.6.1.4.1.32473.12.11.1.3", "Force Master Role", sxInteger, readwrite, &L53},
    {},
};

constinit const NxSNMPVar E_12_11_1_9[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.1", "Stacking Version", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.2", "Max Supported Units", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.3", "Number Of Unit", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_11_1_B[] = {
    {"1.3.6.1.4.1.32473.12.11.1.2", "Mode", sxInteger, readwrite, &L53},
    {},
};

constinit const NxSNMPVar E_12_11_1_9_4_1_A[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.1", "Management ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.2", "MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.3", "Start Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.4", "Port Range", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.7", "Current Mode", sxInteger, readonly, &L55},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.8", "Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.9", "Module Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.10", "Prom Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.11", "Firmware Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.12", "Hardware Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.13", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.14", "User Set State", sxInteger, readonly, &L56},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.15", "Exist State", sxInteger, readonly, &L57},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.16", "Box ID", sxInteger, readwrite, &L58},
    {},
};

constinit const NxSNMPVar E_12_11_1_9_4_1_B[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.1", "ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.2", "MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.3", "Start Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.4", "Port Range", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.5", "Front Panel Led Status", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.7", "Current Mode", sxInteger, readonly, &L55},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.8", "Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.9", "Module Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.15", "Exist State", sxInteger, readonly, &L57},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.6", "Management Front Panel Led Status", sxOctetStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_11_1_9_4_1_C[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.5", "Management Front Panel Led Status", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_11[] = {
    {"1.3.6.1.2.1.11.1", "SNMP In Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.2", "SNMP Out Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.3", "SNMP In Bad Versions", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.4", "SNMP In Bad Community Names", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.5", "SNMP In Bad Community Uses", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.6", "SNMP In ASN Parse Errors", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.8", "SNMP In Too Bigs", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.9", "SNMP In No Such Names", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.10", "SNMP In Bad Values", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.11", "SNMP In ReadOnlys", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.12", "SNMP In General Errors", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.13", "SNMP In Total Request Vars", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.14", "SNMP In Total Set Vars", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.15", "SNMP In Get Requests", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.16", "SNMP In Get Nexts", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.17", "SNMP In Set Requests", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.18", "SNMP In Get Responses", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.19", "SNMP In Traps", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.20", "SNMP Out Too Bigs", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.21", "SNMP Out No Such Names", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.22", "SNMP Out Bad Values", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.24", "SNMP Out General Errors", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.25", "SNMP Out Get Requests", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.26", "SNMP Out Get Nexts", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.27", "SNMP Out Set Requests", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.28", "SNMP Out Get Responses", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.29", "SNMP Out Traps", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.11.30", "snmp Enable Authentication Traps", sxInteger, readwrite, &L10},
    {},
};

}  // namespace

namespace Oid_equipment {

constinit const CatalogTable E_12_11_1_6_1 = {"1.3.6.1.4.1.32473.12.11.1.6.1", "Oid_equipment", ::E_12_11_1_6_1, MVT_FMV};
constinit const CatalogTable E_12_11_1_7_1 = {"1.3.6.1.4.1.32473.12.11.1.7.1", "Oid_equipment", ::E_12_11_1_7_1, MVT_FMV};
constinit const CatalogTable E_12_11_1_A = {"1.3.6.1.4.1.32473.12.11.1 (4 entries from \"Capacity\")", "Oid_equipment", ::E_12_11_1_A, SVT_SV};
constinit const CatalogTable E_12_11_1_9 = {"1.3.6.1.4.1.32473.12.11.1.9", "Oid_equipment", ::E_12_11_1_9, SVT_SV};
constinit const CatalogTable E_12_11_1_B = {"1.3.6.1.4.1.32473.12.11.1 (1 entries from \"Mode\")", "Oid_equipment", ::E_12_11_1_B, SVT_SV};
constinit const CatalogTable E_12_11_1_9_4_1_A = {"1.3.6.1.4.1.32473.12.11.1.9.4.1 (14 entries from \"Management ID\")", "Oid_equipment", ::E_12_11_1_9_4_1_A, MVT_FMV};
constinit const CatalogTable E_12_11_1_9_4_1_B = {"1.3.6.1.4.1.32473.12.11.1.9.4.1 (9 entries from \"ID\")", "Oid_equipment", ::E_12_11_1_9_4_1_B, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_1_1 = {"1.3.6.1.4.1.32473.11.70.7.2.1.1 (1 entries from \"Management Front Panel Led Status\")", "Oid_equipment", ::E_11_70_7_2_1_1, MVT_SV};
constinit const CatalogTable E_12_11_1_9_4_1_C = {"1.3.6.1.4.1.32473.12.11.1.9.4.1 (1 entries from \"Management Front Panel Led Status\")", "Oid_equipment", ::E_12_11_1_9_4_1_C, MVT_SV};
constinit const CatalogTable Mib2_11 = {"1.3.6.1.2.1.11", "Oid_equipment", ::Mib2_11, SVT_SV};

}  // namespace Oid_equipment

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_equipment::E_12_11_1_6_1,
    &Oid_equipment::E_12_11_1_7_1,
    &Oid_equipment::E_12_11_1_A,
    &Oid_equipment::E_12_11_1_9,
    &Oid_equipment::E_12_11_1_B,
    &Oid_equipment::E_12_11_1_9_4_1_A,
    &Oid_equipment::E_12_11_1_9_4_1_B,
    &Oid_equipment::E_11_70_7_2_1_1,
    &Oid_equipment::E_12_11_1_9_4_1_C,
    &Oid_equipment::Mib2_11,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {51, &L51, L51Pairs, NxOptionList::KindInteger},
    {52, &L52, L52Pairs, NxOptionList::KindInteger},
    {53, &L53, L53Pairs, NxOptionList::KindInteger},
    {54, &L54, L54Pairs, NxOptionList::KindInteger},
    {55, &L55, L55Pairs, NxOptionList::KindInteger},
    {56, &L56, L56Pairs, NxOptionList::KindInteger},
    {57, &L57, L57Pairs, NxOptionList::KindInteger},
    {58, &L58, L58Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_equipmentStartup() { BuildOptionLists(OptionLists); }

void Oid_equipmentExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_equipmentModule = {"Oid_equipment", Tables, OptionLists, Oid_equipmentStartup, Oid_equipmentExit};
