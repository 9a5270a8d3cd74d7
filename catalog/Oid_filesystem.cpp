#include "Oid_filesystem.h"
#include "OptionPairs.h"

namespace {

NxOptionList L1;
NxOptionList L2;
NxOptionList L3;
NxOptionList L4;
NxOptionList L5;
NxOptionList L6;
NxOptionList L7;
NxOptionList L8;
NxOptionList L9;

constinit const NxSNMPVar E_12_14_2_1_1[] = {
    {"1.3.6.1.4.1.32473.12.14.2.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.2", "Media ID", sxInteger, readonly, &L1},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.3", "Type", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.4", "Size", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.5", "Partition", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.1.1.6", "Type", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_14_2_3[] = {
    {"1.3.6.1.4.1.32473.12.14.2.3.1", "Unit ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.3.2", "Drive Change Drive ID", sxInteger, readwrite, &L2},
    {},
};

constinit const NxSNMPVar E_12_14_2_4_1[] = {
    {"1.3.6.1.4.1.32473.12.14.2.4.1.1", "Unit ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.2", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.3", "Drive ID", sxInteger, readonly, &L3},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.4", "Type", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.5", "Size", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.6", "Partition", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.2.4.1.7", "Type", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_14_3_3_2_1[] = {
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.2", "Attribute", sxInteger, readonly, &L4},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.3", "Time", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1.4", "Size", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_14_4_1[] = {
    {"1.3.6.1.4.1.32473.12.14.4.1.1", "Source Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.4.1.2", "Target Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.4.1.3", "Rename Activity", sxInteger, readwrite, &L5},
    {},
};

constinit const NxSNMPVar E_12_14_4_2[] = {
    {"1.3.6.1.4.1.32473.12.14.4.2.1", "Delete Name", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_14_5[] = {
    {"1.3.6.1.4.1.32473.12.14.5.1", "Source Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.5.2", "Destination Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.5.3", "Activity", sxInteger, readwrite, &L5},
    {"1.3.6.1.4.1.32473.12.14.5.4", "Destination Unit ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.14.5.5", "Destination Drive ID", sxInteger, readwrite, &L2},
    {},
};

constinit const NxSNMPVar E_12_82_1_1_1[] = {
    {"1.3.6.1.4.1.32473.12.82.1.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.2", "Load Type", sxInteger, readwrite, &L6},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.3", "Type", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.4", "Server User Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.5", "Server Address Type", sxInteger, readwrite, &L7},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.6", "Server Address", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.7", "Server Path File Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.8", "Unit ID", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.9", "Control ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.1.1.12", "Control", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_82_1_2_1[] = {
    {"1.3.6.1.4.1.32473.12.82.1.2.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.2", "Load Type", sxInteger, readwrite, &L6},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.3", "File Type", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.4", "Server User Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.5", "Server Address Type", sxInteger, readwrite, &L7},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.6", "Server Address", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.7", "Server Path File Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.8", "Device Path File Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.9", "Unit ID", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.10", "Boot Up Image", sxInteger, readwrite, &L9},
    {"1.3.6.1.4.1.32473.12.82.1.2.1.12", "Control", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_82_1_3_1[] = {
    {"1.3.6.1.4.1.32473.12.82.1.3.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.3.1.2", "Address Type", sxInteger, readwrite, &L7},
    {"1.3.6.1.4.1.32473.12.82.1.3.1.3", "Address", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.82.1.3.1.4", "User Name", sxDisplayStr, readwrite, nullptr},
    {},
};

}  // namespace

namespace Oid_filesystem {

constinit const CatalogTable E_12_14_2_1_1 = {"1.3.6.1.4.1.32473.12.14.2.1.1", "Oid_filesystem", ::E_12_14_2_1_1, MVT_FMV};
constinit const CatalogTable E_12_14_2_3 = {"1.3.6.1.4.1.32473.12.14.2.3", "Oid_filesystem", ::E_12_14_2_3, SVT_SV};
constinit const CatalogTable E_12_14_2_4_1 = {"1.3.6.1.4.1.32473.12.14.2.4.1", "Oid_filesystem", ::E_12_14_2_4_1, MVT_FMV};
constinit const CatalogTable E_12_14_3_3_2_1 = {"1.3.6.1.4.1.32473.12.14.3.3.2.1", "Oid_filesystem", ::E_12_14_3_3_2_1, MVT_FMV};
constinit const CatalogTable E_12_14_4_1 = {"1.3.6.1.4.1.32473.12.14.4.1", "Oid_filesystem", ::E_12_14_4_1, SVT_SV};
constinit const CatalogTable E_12_14_4_2 = {"1.3.6.1.4.1.32473.12.14.4.2", "Oid_filesystem", ::E_12_14_4_2, SVT_SV};
constinit const CatalogTable E_12_14_5 = {"1.3.6.1.4.1.32473.12.14.5", "Oid_filesystem", ::E_12_14_5, SVT_SV};
constinit const CatalogTable E_12_82_1_1_1 = {"1.3.6.1.4.1.32473.12.82.1.1.1", "Oid_filesystem", ::E_12_82_1_1_1, MVT_FMV};
constinit const CatalogTable E_12_82_1_2_1 = {"1.3.6.1.4.1.32473.12.82.1.2.1", "Oid_filesystem", ::E_12_82_1_2_1, MVT_FMV};
constinit const CatalogTable E_12_82_1_3_1 = {"1.3.6.1.4.1.32473.12.82.1.3.1", "Oid_filesystem", ::E_12_82_1_3_1, MVT_FMV};

}  // namespace Oid_filesystem

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_filesystem::E_12_14_2_1_1,
    &Oid_filesystem::E_12_14_2_3,
    &Oid_filesystem::E_12_14_2_4_1,
    &Oid_filesystem::E_12_14_3_3_2_1,
    &Oid_filesystem::E_12_14_4_1,
    &Oid_filesystem::E_12_14_4_2,
    &Oid_filesystem::E_12_14_5,
    &Oid_filesystem::E_12_82_1_1_1,
    &Oid_filesystem::E_12_82_1_2_1,
    &Oid_filesystem::E_12_82_1_3_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {1, &L1, L1Pairs, NxOptionList::KindInteger},
    {2, &L2, L2Pairs, NxOptionList::KindInteger},
    {3, &L3, L3Pairs, NxOptionList::KindInteger},
    {4, &L4, L4Pairs, NxOptionList::KindInteger},
    {5, &L5, L5Pairs, NxOptionList::KindInteger},
    {6, &L6, L6Pairs, NxOptionList::KindInteger},
    {7, &L7, L7Pairs, NxOptionList::KindInteger},
    {8, &L8, L8Pairs, NxOptionList::KindInteger},
    {9, &L9, L9Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_filesystemStartup() { BuildOptionLists(OptionLists); }

void Oid_filesystemExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_filesystemModule = {"Oid_filesystem", Tables, OptionLists, Oid_filesystemStartup, Oid_filesystemExit};
