#include "Oid_filesystem.h"

namespace {

constexpr NxOptionPair L1Pairs[] = {
    NxOptionPair::Int(0, "a"), NxOptionPair::Int(1, "b"), NxOptionPair::Int(2, "c"), NxOptionPair::Int(3, "d"),
    NxOptionPair::Int(4, "e"), NxOptionPair::Int(5, "f"), NxOptionPair::End(),
};
constexpr NxOptionPair L2Pairs[] = {
    NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "a"), NxOptionPair::Int(3, "b"), NxOptionPair::Int(4, "c"),
    NxOptionPair::Int(5, "d"), NxOptionPair::Int(6, "e"), NxOptionPair::Int(7, "f"), NxOptionPair::Int(8, "g"),
    NxOptionPair::Int(9, "h"), NxOptionPair::Int(10, "i"), NxOptionPair::Int(11, "j"), NxOptionPair::Int(12, "k"),
    NxOptionPair::Int(13, "l"), NxOptionPair::Int(14, "m"), NxOptionPair::Int(15, "n"), NxOptionPair::Int(16, "o"),
    NxOptionPair::Int(17, "p"), NxOptionPair::Int(18, "q"), NxOptionPair::Int(19, "r"), NxOptionPair::Int(20, "s"),
    NxOptionPair::Int(21, "t"), NxOptionPair::Int(22, "u"), NxOptionPair::Int(23, "v"), NxOptionPair::Int(24, "w"),
    NxOptionPair::Int(25, "x"), NxOptionPair::Int(26, "y"), NxOptionPair::Int(27, "z"), NxOptionPair::End(),
};
constexpr NxOptionPair L3Pairs[] = {
    NxOptionPair::Int(1, "a"), NxOptionPair::Int(2, "b"), NxOptionPair::Int(3, "c"), NxOptionPair::Int(4, "d"),
    NxOptionPair::Int(5, "e"), NxOptionPair::Int(6, "f"), NxOptionPair::Int(7, "g"), NxOptionPair::Int(8, "h"),
    NxOptionPair::Int(9, "i"), NxOptionPair::Int(10, "j"), NxOptionPair::Int(11, "k"), NxOptionPair::Int(12, "l"),
    NxOptionPair::Int(13, "m"), NxOptionPair::Int(14, "n"), NxOptionPair::Int(15, "o"), NxOptionPair::Int(16, "p"),
    NxOptionPair::Int(17, "q"), NxOptionPair::Int(18, "r"), NxOptionPair::Int(19, "s"), NxOptionPair::Int(20, "t"),
    NxOptionPair::Int(21, "u"), NxOptionPair::Int(22, "v"), NxOptionPair::Int(23, "w"), NxOptionPair::Int(24, "x"),
    NxOptionPair::Int(25, "y"), NxOptionPair::Int(26, "z"), NxOptionPair::End(),
};
constexpr NxOptionPair L4Pairs[] = {NxOptionPair::Int(1, "dir"), NxOptionPair::Int(2, "file"), NxOptionPair::End()};
constexpr NxOptionPair L5Pairs[] = {NxOptionPair::Int(1, "none"), NxOptionPair::Int(2, "start"), NxOptionPair::End()};
constexpr NxOptionPair L6Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "upload"), NxOptionPair::Int(3, "download"),
    NxOptionPair::End(),
};
constexpr NxOptionPair L7Pairs[] = {NxOptionPair::Int(0, "unknown"), NxOptionPair::Int(1, "ipv4"), NxOptionPair::End()};
constexpr NxOptionPair L8Pairs[] = {NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "start"), NxOptionPair::End()};
constexpr NxOptionPair L9Pairs[] = {NxOptionPair::Int(1, "true"), NxOptionPair::Int(2, "false"), NxOptionPair::End()};

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

constinit const CatalogTable Tables[] = {
    {"1.3.6.1.4.1.32473.12.14.2.1.1", "Oid_filesystem", E_12_14_2_1_1, MVT_FMV},
    {"1.3.6.1.4.1.32473.12.14.2.3", "Oid_filesystem", E_12_14_2_3, SVT_SV},
    {"1.3.6.1.4.1.32473.12.14.2.4.1", "Oid_filesystem", E_12_14_2_4_1, MVT_FMV},
    {"1.3.6.1.4.1.32473.12.14.3.3.2.1", "Oid_filesystem", E_12_14_3_3_2_1, MVT_FMV},
    {"1.3.6.1.4.1.32473.12.14.4.1", "Oid_filesystem", E_12_14_4_1, SVT_SV},
    {"1.3.6.1.4.1.32473.12.14.4.2", "Oid_filesystem", E_12_14_4_2, SVT_SV},
    {"1.3.6.1.4.1.32473.12.14.5", "Oid_filesystem", E_12_14_5, SVT_SV},
    {"1.3.6.1.4.1.32473.12.82.1.1.1", "Oid_filesystem", E_12_82_1_1_1, MVT_FMV},
    {"1.3.6.1.4.1.32473.12.82.1.2.1", "Oid_filesystem", E_12_82_1_2_1, MVT_FMV},
    {"1.3.6.1.4.1.32473.12.82.1.3.1", "Oid_filesystem", E_12_82_1_3_1, MVT_FMV},
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
