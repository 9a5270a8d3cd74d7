#include "Oid_usm.h"
#include "OptionPairs.h"

namespace {

NxOptionList L12;
NxOptionList L171;
NxOptionList L175;
NxOptionList L176;

constinit const NxSNMPVar SnmpModules_15_1_2_2_1[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", sxOctetStr, notaccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", sxObjectId, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", sxObjectId, readwrite, &L175},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", sxObjectId, readwrite, &L176},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", sxInteger, readwrite, &L171},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", sxInteger, readwrite, &L12},
    {},
};

}  // namespace

namespace Oid_usm {

constinit const CatalogTable SnmpModules_15_1_2_2_1 = {"1.3.6.1.6.3.15.1.2.2.1", "Oid_usm", ::SnmpModules_15_1_2_2_1, MVT_FMV};

}  // namespace Oid_usm

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_usm::SnmpModules_15_1_2_2_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {171, &L171, L171Pairs, NxOptionList::KindInteger},
    {175, &L175, L175Pairs, NxOptionList::KindString},
    {176, &L176, L176Pairs, NxOptionList::KindString},
};

}  // namespace

void Oid_usmStartup() { BuildOptionLists(OptionLists); }

void Oid_usmExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_usmModule = {"Oid_usm", Tables, OptionLists, Oid_usmStartup, Oid_usmExit};
