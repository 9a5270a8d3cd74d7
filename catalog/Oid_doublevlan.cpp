#include "Oid_doublevlan.h"
#include "OptionPairs.h"

namespace {

NxOptionList L12;
NxOptionList L60;

constinit const NxSNMPVar E_12_28_1[] = {
    {"1.3.6.1.4.1.32473.12.28.1.1", "Global State", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_12_28_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.28.3.1.1.1", "VLAN ID Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.2", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.3", "TPID", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.4", "Uplink Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.5", "Access Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.7", "Delete Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.6", "Unknown Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.9", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar SnmpModules_10_2_1[] = {
    {"1.3.6.1.6.3.10.2.1.1", "ID", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.2", "Boot Numbers", sxInteger, readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.3", "Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.4", "Max Message Size", sxInteger, readonly, nullptr},
    {},
};

}  // namespace

namespace Oid_doublevlan {

constinit const CatalogTable E_12_28_1 = {"1.3.6.1.4.1.32473.12.28.1", "Oid_doublevlan", ::E_12_28_1, SVT_SV};
constinit const CatalogTable E_12_28_3_1_1 = {"1.3.6.1.4.1.32473.12.28.3.1.1", "Oid_doublevlan", ::E_12_28_3_1_1, MVT_FMV};
constinit const CatalogTable SnmpModules_10_2_1 = {"1.3.6.1.6.3.10.2.1", "Oid_doublevlan", ::SnmpModules_10_2_1, SVT_SV};

}  // namespace Oid_doublevlan

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_doublevlan::E_12_28_1,
    &Oid_doublevlan::E_12_28_3_1_1,
    &Oid_doublevlan::SnmpModules_10_2_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {60, &L60, L60Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_doublevlanStartup() { BuildOptionLists(OptionLists); }

void Oid_doublevlanExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_doublevlanModule = {"Oid_doublevlan", Tables, OptionLists, Oid_doublevlanStartup, Oid_doublevlanExit};
