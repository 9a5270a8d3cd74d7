#include "Oid_vacm.h"
#include "OptionPairs.h"

namespace {

NxOptionList L12;
NxOptionList L171;
NxOptionList L172;
NxOptionList L174;
NxOptionList L177;

constinit const NxSNMPVar SnmpModules_16_1_2_1[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Model", sxInteger, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.2", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.4", "Storage Type", sxInteger, readwrite, &L171},
    {"1.3.6.1.6.3.16.1.2.1.5", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar SnmpModules_16_1[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.1", "Context Prefix", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.2", "Security Model", sxInteger, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.3", "Security Level", sxInteger, notaccess, &L172},
    {"1.3.6.1.6.3.16.1.4.1.4", "Context Match", sxInteger, readwrite, &L177},
    {"1.3.6.1.6.3.16.1.4.1.5", "Read View Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.6", "Write View Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.7", "Notify View Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.8", "Storage Type", sxInteger, readwrite, &L171},
    {"1.3.6.1.6.3.16.1.4.1.9", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar SnmpModules_16_1_5_2_1[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "Subtree", sxObjectId, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "Mask", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "Family Type", sxInteger, readwrite, &L174},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "Family Storage Type", sxInteger, readwrite, &L171},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "Status", sxInteger, readwrite, &L12},
    {},
};

}  // namespace

namespace Oid_vacm {

constinit const CatalogTable SnmpModules_16_1_2_1 = {"1.3.6.1.6.3.16.1.2.1", "Oid_vacm", ::SnmpModules_16_1_2_1, MVT_FMV};
constinit const CatalogTable SnmpModules_16_1 = {"1.3.6.1.6.3.16.1", "Oid_vacm", ::SnmpModules_16_1, MVT_FMV};
constinit const CatalogTable SnmpModules_16_1_5_2_1 = {"1.3.6.1.6.3.16.1.5.2.1", "Oid_vacm", ::SnmpModules_16_1_5_2_1, MVT_FMV};

}  // namespace Oid_vacm

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_vacm::SnmpModules_16_1_2_1,
    &Oid_vacm::SnmpModules_16_1,
    &Oid_vacm::SnmpModules_16_1_5_2_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {171, &L171, L171Pairs, NxOptionList::KindInteger},
    {172, &L172, L172Pairs, NxOptionList::KindInteger},
    {174, &L174, L174Pairs, NxOptionList::KindInteger},
    {177, &L177, L177Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_vacmStartup() { BuildOptionLists(OptionLists); }

void Oid_vacmExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_vacmModule = {"Oid_vacm", Tables, OptionLists, Oid_vacmStartup, Oid_vacmExit};
