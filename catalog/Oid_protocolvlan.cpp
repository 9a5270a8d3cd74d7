#include "Oid_protocolvlan.h"
#include "OptionPairs.h"

namespace {

NxOptionList L10;
NxOptionList L12;
NxOptionList L136;
NxOptionList L137;

constinit const NxSNMPVar E_12_16_1_1_1[] = {
    {"1.3.6.1.4.1.32473.12.16.1.1.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.2", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.3", "Protocol Type", sxInteger, readwrite, &L136},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.4", "Advertisement", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.5", "User Defined Protocol", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.6", "Encap Type", sxInteger, readwrite, &L137},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.7", "Row Status", sxInteger, readwrite, &L12},
    {},
};

}  // namespace

namespace Oid_protocolvlan {

constinit const CatalogTable E_12_16_1_1_1 = {"1.3.6.1.4.1.32473.12.16.1.1.1", "Oid_protocolvlan", ::E_12_16_1_1_1, MVT_FMV};

}  // namespace Oid_protocolvlan

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_protocolvlan::E_12_16_1_1_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {136, &L136, L136Pairs, NxOptionList::KindInteger},
    {137, &L137, L137Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_protocolvlanStartup() { BuildOptionLists(OptionLists); }

void Oid_protocolvlanExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_protocolvlanModule = {"Oid_protocolvlan", Tables, OptionLists, Oid_protocolvlanStartup, Oid_protocolvlanExit};
