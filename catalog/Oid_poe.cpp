#include "Oid_poe.h"
#include "OptionPairs.h"

namespace {

NxOptionList L10;
NxOptionList L130;
NxOptionList L131;
NxOptionList L132;
NxOptionList L133;
NxOptionList L134;
NxOptionList L135;

constinit const NxSNMPVar E_12_24_1[] = {
    {"1.3.6.1.4.1.32473.12.24.1.1", "Power Limit", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.24.1.2", "Power Disconnect Method", sxInteger, readwrite, &L130},
    {"1.3.6.1.4.1.32473.12.24.1.3", "Management Mode", sxInteger, readwrite, &L131},
    {"1.3.6.1.4.1.32473.12.24.1.4", "Legacy PD", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_24_2_1_1_A[] = {
    {"1.3.6.1.4.1.32473.12.24.2.1.1.1", "Box ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.24.2.1.1.2", "Power Consumption", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.2.1.1.3", "Power Remained", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.2.1.1.4", "Power Limit", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.24.2.1.1.5", "Power Disconnect Method", sxInteger, readwrite, &L130},
    {"1.3.6.1.4.1.32473.12.24.2.1.1.6", "Management Mode", sxInteger, readwrite, &L131},
    {"1.3.6.1.4.1.32473.12.24.2.1.1.7", "Led State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.24.2.1.1.8", "Legacy PD", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_24_2_1_1_B[] = {
    {"1.3.6.1.4.1.32473.12.24.2.1.1.7", "Led State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_24_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.24.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.2", "State", sxInteger, readwrite, &L132},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.3", "Priority", sxInteger, readwrite, &L133},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.4", "Power Limit", sxInteger, readwrite, &L134},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.5", "User Defined", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_24_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.24.4.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.2", "Class", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.3", "Power", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.4", "Voltage", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.5", "Current", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.6", "Status", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.7", "Led Status", sxInteger, readonly, &L135},
    {},
};

}  // namespace

namespace Oid_poe {

constinit const CatalogTable E_12_24_1 = {"1.3.6.1.4.1.32473.12.24.1", "Oid_poe", ::E_12_24_1, SVT_SV};
constinit const CatalogTable E_12_24_2_1_1_A = {"1.3.6.1.4.1.32473.12.24.2.1.1 (8 entries from \"Box ID\")", "Oid_poe", ::E_12_24_2_1_1_A, MVT_FMV};
constinit const CatalogTable E_12_24_2_1_1_B = {"1.3.6.1.4.1.32473.12.24.2.1.1 (1 entries from \"Led State\")", "Oid_poe", ::E_12_24_2_1_1_B, MVT_SV};
constinit const CatalogTable E_12_24_3_1_1 = {"1.3.6.1.4.1.32473.12.24.3.1.1", "Oid_poe", ::E_12_24_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_24_4_1_1 = {"1.3.6.1.4.1.32473.12.24.4.1.1", "Oid_poe", ::E_12_24_4_1_1, MVT_FMV};

}  // namespace Oid_poe

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_poe::E_12_24_1,
    &Oid_poe::E_12_24_2_1_1_A,
    &Oid_poe::E_12_24_2_1_1_B,
    &Oid_poe::E_12_24_3_1_1,
    &Oid_poe::E_12_24_4_1_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {130, &L130, L130Pairs, NxOptionList::KindInteger},
    {131, &L131, L131Pairs, NxOptionList::KindInteger},
    {132, &L132, L132Pairs, NxOptionList::KindInteger},
    {133, &L133, L133Pairs, NxOptionList::KindInteger},
    {134, &L134, L134Pairs, NxOptionList::KindInteger},
    {135, &L135, L135Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_poeStartup() { BuildOptionLists(OptionLists); }

void Oid_poeExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_poeModule = {"Oid_poe", Tables, OptionLists, Oid_poeStartup, Oid_poeExit};
