#include "Oid_dnsresolver.h"
#include "OptionPairs.h"

namespace {

NxOptionList L8;
NxOptionList L10;
NxOptionList L12;
NxOptionList L62;

constinit const NxSNMPVar E_12_85_1[] = {
    {"1.3.6.1.4.1.32473.12.85.1.1", "State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.85.1.2", "Time Out", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_85_1_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.85.1.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.3.1.1.2", "RowStatus", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.85.1.3.1.1.3", "IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.3.1.1.4", "Priority", sxInteger, readwrite, &L62},
    {},
};

constinit const NxSNMPVar E_12_85_1_3_2_1[] = {
    {"1.3.6.1.4.1.32473.12.85.1.3.2.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.3.2.1.2", "IP Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.3.2.1.3", "Priority", sxInteger, readonly, &L62},
    {},
};

constinit const NxSNMPVar E_12_85_1_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.85.1.4.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.1.1.2", "RowStatus", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.85.1.4.1.1.3", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.1.1.4", "IP Address", sxIpAddress, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_85_1_4_2_1[] = {
    {"1.3.6.1.4.1.32473.12.85.1.4.2.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.2.1.2", "Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.2.1.3", "IP Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.2.1.4", "TTL", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.2.1.5", "Clear Control", sxInteger, readwrite, &L8},
    {},
};

}  // namespace

namespace Oid_dnsresolver {

constinit const CatalogTable E_12_85_1 = {"1.3.6.1.4.1.32473.12.85.1", "Oid_dnsresolver", ::E_12_85_1, SVT_SV};
constinit const CatalogTable E_12_85_1_3_1_1 = {"1.3.6.1.4.1.32473.12.85.1.3.1.1", "Oid_dnsresolver", ::E_12_85_1_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_85_1_3_2_1 = {"1.3.6.1.4.1.32473.12.85.1.3.2.1", "Oid_dnsresolver", ::E_12_85_1_3_2_1, MVT_FMV};
constinit const CatalogTable E_12_85_1_4_1_1 = {"1.3.6.1.4.1.32473.12.85.1.4.1.1", "Oid_dnsresolver", ::E_12_85_1_4_1_1, MVT_FMV};
constinit const CatalogTable E_12_85_1_4_2_1 = {"1.3.6.1.4.1.32473.12.85.1.4.2.1", "Oid_dnsresolver", ::E_12_85_1_4_2_1, MVT_FMV};

}  // namespace Oid_dnsresolver

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_dnsresolver::E_12_85_1,
    &Oid_dnsresolver::E_12_85_1_3_1_1,
    &Oid_dnsresolver::E_12_85_1_3_2_1,
    &Oid_dnsresolver::E_12_85_1_4_1_1,
    &Oid_dnsresolver::E_12_85_1_4_2_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {8, &L8, L8Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {62, &L62, L62Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_dnsresolverStartup() { BuildOptionLists(OptionLists); }

void Oid_dnsresolverExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_dnsresolverModule = {"Oid_dnsresolver", Tables, OptionLists, Oid_dnsresolverStartup, Oid_dnsresolverExit};
