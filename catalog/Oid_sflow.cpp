#include "Oid_sflow.h"
#include "OptionPairs.h"

namespace {

NxOptionList L10;
NxOptionList L12;

constinit const NxSNMPVar E_12_36_1[] = {
    {"1.3.6.1.4.1.32473.12.36.1.1", "Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.2", "Agent Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.3", "Agent State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.36.1.7", "IPv6 Address", sxIpv6Address, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_36_1_4_1[] = {
    {"1.3.6.1.4.1.32473.12.36.1.4.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.2", "Owner", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.3", "Timeout", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.4", "Maximum Datagram Size", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.5", "Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.6", "Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.7", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.8", "IPv6 Address", sxIpv6Address, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_36_1_5_1[] = {
    {"1.3.6.1.4.1.32473.12.36.1.5.1.1", "Data Source", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.5.1.3", "Receiver", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.5.1.4", "Packet Sampling RX Rate", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.5.1.5", "Maximum Header Size", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.5.1.6", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.36.1.5.1.7", "Packet Sampling TX Rate", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_36_1_6_1[] = {
    {"1.3.6.1.4.1.32473.12.36.1.6.1.1", "Data Source", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.6.1.3", "Receiver", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.6.1.4", "Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.6.1.5", "Row Status", sxInteger, readwrite, &L12},
    {},
};

}  // namespace

namespace Oid_sflow {

constinit const CatalogTable E_12_36_1 = {"1.3.6.1.4.1.32473.12.36.1", "Oid_sflow", ::E_12_36_1, SVT_SV};
constinit const CatalogTable E_12_36_1_4_1 = {"1.3.6.1.4.1.32473.12.36.1.4.1", "Oid_sflow", ::E_12_36_1_4_1, MVT_FMV};
constinit const CatalogTable E_12_36_1_5_1 = {"1.3.6.1.4.1.32473.12.36.1.5.1", "Oid_sflow", ::E_12_36_1_5_1, MVT_FMV};
constinit const CatalogTable E_12_36_1_6_1 = {"1.3.6.1.4.1.32473.12.36.1.6.1", "Oid_sflow", ::E_12_36_1_6_1, MVT_FMV};

}  // namespace Oid_sflow

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_sflow::E_12_36_1,
    &Oid_sflow::E_12_36_1_4_1,
    &Oid_sflow::E_12_36_1_5_1,
    &Oid_sflow::E_12_36_1_6_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_sflowStartup() { BuildOptionLists(OptionLists); }

void Oid_sflowExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_sflowModule = {"Oid_sflow", Tables, OptionLists, Oid_sflowStartup, Oid_sflowExit};
