#include "Oid_rmon.h"
#include "OptionPairs.h"

namespace {

NxOptionList L12;
NxOptionList L138;

constinit const NxSNMPVar Mib2_16_19_A[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.16.19.2", "Software revision", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.16.19.3", "Hardware revision", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", sxInteger, readwrite, &L138},
    {},
};

constinit const NxSNMPVar Mib2_16_19_11_1[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "IP Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.2", "Subnet Mask", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.3", "Status", sxInteger, readonly, &L12},
    {},
};

constinit const NxSNMPVar Mib2_16_19_B[] = {
    {"1.3.6.1.2.1.16.19.12", "Default Gateway", sxIpAddress, readwrite, nullptr},
    {},
};

}  // namespace

namespace Oid_rmon {

constinit const CatalogTable Mib2_16_19_A = {"1.3.6.1.2.1.16.19 (4 entries from \"Capabilities\")", "Oid_rmon", ::Mib2_16_19_A, SVT_SV};
constinit const CatalogTable Mib2_16_19_11_1 = {"1.3.6.1.2.1.16.19.11.1", "Oid_rmon", ::Mib2_16_19_11_1, MVT_FMV};
constinit const CatalogTable Mib2_16_19_B = {"1.3.6.1.2.1.16.19 (1 entries from \"Default Gateway\")", "Oid_rmon", ::Mib2_16_19_B, SVT_SV};

}  // namespace Oid_rmon

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_rmon::Mib2_16_19_A,
    &Oid_rmon::Mib2_16_19_11_1,
    &Oid_rmon::Mib2_16_19_B,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {138, &L138, L138Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_rmonStartup() { BuildOptionLists(OptionLists); }

void Oid_rmonExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_rmonModule = {"Oid_rmon", Tables, OptionLists, Oid_rmonStartup, Oid_rmonExit};
