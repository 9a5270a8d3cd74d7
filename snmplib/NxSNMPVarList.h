#pragma once
// The variables of one request: heap copies of a MibObjectTable's records with their run-time values.
#include "NxSNMPVar.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class NxOptionList;

// A variable of a list: a copy of a static record plus its value text and walk cursor.
struct NxSNMPVarItem {
    std::string Oid;
    std::string Caption;
    int32_t Syntax = 0;
    int32_t Access = 0;
    NxOptionList* Options = nullptr;  // never owned
    std::optional<std::string> GetExpr;
    std::optional<std::string> SetExpr;
    std::optional<std::string> AuxExpr;
    std::string Value;    // text form; "(NULL)" absent, "(NOTDONE)" column walk ended
    std::string LastOid;  // full OID of the last varbind received for this variable
};

class NxSNMPVarList {
public:
    NxSNMPVarList();  // kind SVT_SV, no keys, no variables
    NxSNMPVarList(MibObjectTable table, NxVarListKind kind, int32_t keyCount);
    NxSNMPVarList(const NxSNMPVarList& other);             // empty Instance, then Assign
    NxSNMPVarList& operator=(const NxSNMPVarList& other);  // Assign
    ~NxSNMPVarList();

    void Assign(const NxSNMPVarList& other);  // keeps Instance; OwnedOptionLists not copied
    void Clear();
    void AppendTable(MibObjectTable table);
    void AppendOidSuffix(const std::string& suffix);

    NxSNMPVarItem* GetVar(int i) { return Items[static_cast<size_t>(i)].get(); }
    const NxSNMPVarItem* GetVar(int i) const { return Items[static_cast<size_t>(i)].get(); }
    int GetCount() const { return static_cast<int>(Items.size()); }

    bool IsImplied(int i) const;
    bool IsReadable(int i) const;
    bool IsSettable(int i) const;
    bool IsVisibleColumn(int i) const;
    bool IsHiddenColumn(int i) const;
    int GetVisibleCount() const;
    int GetHiddenCount() const;

    std::string Instance;
    int32_t KeyCount = 0;
    // The current row's instance after its key columns, dotted: a list read with fewer keys than its table's
    // index keeps them here, so that a write reaches the row's whole instance. Copied with the values.
    std::string IndexRest;
    // The current row's whole instance and its keys' wire values as they were read. While the keys keep those
    // values a write goes to that instance, even where a key's text does not give its sub-identifiers back (a
    // length-prefixed address, a long zone). Copied with the values; empty for a row not read.
    std::string ReadInstance;
    std::vector<std::string> ReadKeys;
    NxVarListKind Kind = SVT_SV;
    std::string Name;
    std::vector<std::unique_ptr<NxSNMPVarItem>> Items;
    std::vector<std::unique_ptr<NxOptionList>> OwnedOptionLists;
};
