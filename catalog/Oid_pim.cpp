#include "Oid_pim.h"
#include "OptionPairs.h"

namespace {

NxOptionList L10;
NxOptionList L12;
NxOptionList L121;
NxOptionList L122;
NxOptionList L123;

constinit const NxSNMPVar E_12_52_1[] = {
    {"1.3.6.1.4.1.32473.12.52.1.1", "Global State", sxInteger, readwrite, &L121},
    {},
};

constinit const NxSNMPVar E_12_52_2_3_1[] = {
    {"1.3.6.1.4.1.32473.12.52.2.3.1.1", "Interface", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.2", "Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.3", "Net Mask", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.4", "Designated Router", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.5", "Hello Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.6", "Join Prune Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.7", "DR Priority", sxGauge, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.8", "Mode", sxInteger, readwrite, &L122},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.9", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_52_3_1[] = {
    {"1.3.6.1.4.1.32473.12.52.3.1.1", "Boot Strap Period", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.1.2", "Hash Mask Length", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_52_3_1_3_1[] = {
    {"1.3.6.1.4.1.32473.12.52.3.1.3.1.1", "Interface", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.1.3.1.2", "IP Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.1.3.1.3", "Subnet Mask", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.1.3.1.4", "Priority", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_52_3_2[] = {
    {"1.3.6.1.4.1.32473.12.52.3.2.1", "Hold Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.2.2", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.2.3", " Wildcard Prefix-Cnt", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_52_3_2_4_1[] = {
    {"1.3.6.1.4.1.32473.12.52.3.2.4.1.1", "Group Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.2.4.1.2", "Group Mask", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.2.4.1.3", "Interface", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.2.4.1.4", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_52_3_4[] = {
    {"1.3.6.1.4.1.32473.12.52.3.4.3", "Last Hop SPT Switch over", sxInteger, readwrite, &L123},
    {},
};

constinit const NxSNMPVar E_12_52_3_5_1[] = {
    {"1.3.6.1.4.1.32473.12.52.3.5.1.1", "RP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.5.1.2", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_52_3_6_1[] = {
    {"1.3.6.1.4.1.32473.12.52.3.6.1.1", "Group Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.6.1.2", "Group Mask", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.6.1.3", "Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.6.1.4", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar Mib2_80_1[] = {
    {"1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", sxGauge, readonly, nullptr},
    {},
};

}  // namespace

namespace Oid_pim {

constinit const CatalogTable E_12_52_1 = {"1.3.6.1.4.1.32473.12.52.1", "Oid_pim", ::E_12_52_1, SVT_SV};
constinit const CatalogTable E_12_52_2_3_1 = {"1.3.6.1.4.1.32473.12.52.2.3.1", "Oid_pim", ::E_12_52_2_3_1, MVT_FMV};
constinit const CatalogTable E_12_52_3_1 = {"1.3.6.1.4.1.32473.12.52.3.1", "Oid_pim", ::E_12_52_3_1, SVT_SV};
constinit const CatalogTable E_12_52_3_1_3_1 = {"1.3.6.1.4.1.32473.12.52.3.1.3.1", "Oid_pim", ::E_12_52_3_1_3_1, MVT_FMV};
constinit const CatalogTable E_12_52_3_2 = {"1.3.6.1.4.1.32473.12.52.3.2", "Oid_pim", ::E_12_52_3_2, SVT_SV};
constinit const CatalogTable E_12_52_3_2_4_1 = {"1.3.6.1.4.1.32473.12.52.3.2.4.1", "Oid_pim", ::E_12_52_3_2_4_1, MVT_FMV};
constinit const CatalogTable E_12_52_3_4 = {"1.3.6.1.4.1.32473.12.52.3.4", "Oid_pim", ::E_12_52_3_4, SVT_SV};
constinit const CatalogTable E_12_52_3_5_1 = {"1.3.6.1.4.1.32473.12.52.3.5.1", "Oid_pim", ::E_12_52_3_5_1, MVT_FMV};
constinit const CatalogTable E_12_52_3_6_1 = {"1.3.6.1.4.1.32473.12.52.3.6.1", "Oid_pim", ::E_12_52_3_6_1, MVT_FMV};
constinit const CatalogTable Mib2_80_1 = {"1.3.6.1.2.1.80.1", "Oid_pim", ::Mib2_80_1, SVT_SV};

}  // namespace Oid_pim

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_pim::E_12_52_1,
    &Oid_pim::E_12_52_2_3_1,
    &Oid_pim::E_12_52_3_1,
    &Oid_pim::E_12_52_3_1_3_1,
    &Oid_pim::E_12_52_3_2,
    &Oid_pim::E_12_52_3_2_4_1,
    &Oid_pim::E_12_52_3_4,
    &Oid_pim::E_12_52_3_5_1,
    &Oid_pim::E_12_52_3_6_1,
    &Oid_pim::Mib2_80_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {121, &L121, L121Pairs, NxOptionList::KindInteger},
    {122, &L122, L122Pairs, NxOptionList::KindInteger},
    {123, &L123, L123Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_pimStartup() { BuildOptionLists(OptionLists); }

void Oid_pimExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_pimModule = {"Oid_pim", Tables, OptionLists, Oid_pimStartup, Oid_pimExit};
