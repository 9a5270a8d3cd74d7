#include "Oid_lacp.h"
#include "OptionPairs.h"

namespace {

NxOptionList L9;

constinit const NxSNMPVar E_12_4_1_1_1_1[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.2", "MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.3", "Actor System Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.4", "Actor System ID", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.5", "Aggregate Or Individual", sxInteger, readonly, &L9},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.6", "Actor Administration value Key", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.7", "Actor Operational Value Key", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.8", "Partner System ID", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.9", "Partner System Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.10", "Partner Operational Value Key", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.11", "Collector Max Delay", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.2.1.1", "Ports                ", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_4_1_2_1_1[] = {
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.2", "Actor System Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.3", "Actor System ID", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.4", "Actor Administration Key", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.5", "Actor Operation Key", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.6", "Partner Administration System Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.7", "Partner Operation System Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.8", "Partner Administration System ID", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.9", "Partner Operation System ID", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.10", "Partner Administration Key", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.11", "Partner Operation Key", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.12", "Selected Aggregate ID", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.13", "Attached Aggregate ID", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.14", "Actor Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.15", "Actor Port Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.16", "Partner Administration Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.17", "Partner Operation Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.18", "Partner Administration Port Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.19", "Partner Operation Port Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.20", "Actor Administration State", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.21", "Actor Operation State", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.22", "Partner Administration State", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.23", "Partner Operation State", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.24", "Aggregate Or Individual", sxInteger, readonly, &L9},
    {},
};

constinit const NxSNMPVar Mib2_15[] = {
    {"1.3.6.1.2.1.15.1", "Version", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.15.2", "Local Autonomous System Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.4", "Identifier", sxIpAddress, readonly, nullptr},
    {},
};

}  // namespace

namespace Oid_lacp {

constinit const CatalogTable E_12_4_1_1_1_1 = {"1.3.6.1.4.1.32473.12.4.1.1.1.1", "Oid_lacp", ::E_12_4_1_1_1_1, MVT_FMV};
constinit const CatalogTable E_12_4_1_1 = {"1.3.6.1.4.1.32473.12.4.1.1", "Oid_lacp", ::E_12_4_1_1, MVT_FMV};
constinit const CatalogTable E_12_4_1_2_1_1 = {"1.3.6.1.4.1.32473.12.4.1.2.1.1", "Oid_lacp", ::E_12_4_1_2_1_1, MVT_FMV};
constinit const CatalogTable Mib2_15 = {"1.3.6.1.2.1.15", "Oid_lacp", ::Mib2_15, SVT_SV};

}  // namespace Oid_lacp

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_lacp::E_12_4_1_1_1_1,
    &Oid_lacp::E_12_4_1_1,
    &Oid_lacp::E_12_4_1_2_1_1,
    &Oid_lacp::Mib2_15,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {9, &L9, L9Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_lacpStartup() { BuildOptionLists(OptionLists); }

void Oid_lacpExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_lacpModule = {"Oid_lacp", Tables, OptionLists, Oid_lacpStartup, Oid_lacpExit};
