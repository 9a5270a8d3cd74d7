#include "Oid_usm.h"

namespace {

constexpr NxOptionPair L12Pairs[] = {
    NxOptionPair::Int(1, "active"), NxOptionPair::Int(2, "notInService"), NxOptionPair::Int(3, "notReady"),
    NxOptionPair::Int(4, "createAndGo"), NxOptionPair::Int(5, "createAndWait"), NxOptionPair::Int(6, "destroy"),
    NxOptionPair::End(),
};
constexpr NxOptionPair L171Pairs[] = {
    NxOptionPair::Int(1, "other"), NxOptionPair::Int(2, "volatile"), NxOptionPair::Int(3, "nonVolatile"),
    NxOptionPair::Int(4, "permanent"), NxOptionPair::Int(5, "readOnly"), NxOptionPair::End(),
};
constexpr NxOptionPair L175Pairs[] = {
    NxOptionPair::Str("1.3.6.1.6.3.10.1.1.1", "None"), NxOptionPair::Str("1.3.6.1.6.3.10.1.1.2", "MD5"),
    NxOptionPair::Str("1.3.6.1.6.3.10.1.1.3", "SHA"), NxOptionPair::End(),
};
constexpr NxOptionPair L176Pairs[] = {
    NxOptionPair::Str("1.3.6.1.6.3.10.1.2.1", "None"), NxOptionPair::Str("1.3.6.1.6.3.10.1.2.2", "DES"),
    NxOptionPair::End(),
};

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

constinit const CatalogTable Tables[] = {
    {"1.3.6.1.6.3.15.1.2.2.1", "Oid_usm", SnmpModules_15_1_2_2_1, MVT_FMV},
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
