#include "NxSNMPVarList.h"

#include "NxOptionList.h"

namespace {

std::optional<std::string> CopyExpr(const char* expr) {
    if (!expr)
        return std::nullopt;
    return std::string(expr);
}

int CountRecords(MibObjectTable table) {
    int n = 0;
    if (table)
        while (table[n].Oid)
            ++n;
    return n;
}

} // namespace

NxSNMPVarList::NxSNMPVarList() = default;

NxSNMPVarList::NxSNMPVarList(MibObjectTable table, NxVarListKind kind, int32_t keyCount)
    : KeyCount(keyCount), Kind(kind) {
    AppendTable(table);
}

NxSNMPVarList::NxSNMPVarList(const NxSNMPVarList& other) { Assign(other); }

NxSNMPVarList& NxSNMPVarList::operator=(const NxSNMPVarList& other) {
    if (this != &other)
        Assign(other);
    return *this;
}

NxSNMPVarList::~NxSNMPVarList() { Clear(); }

void NxSNMPVarList::Assign(const NxSNMPVarList& other) {
    if (this == &other)
        return;
    Clear();
    Kind = other.Kind;
    KeyCount = other.KeyCount;
    IndexRest = other.IndexRest;
    ReadInstance = other.ReadInstance;
    ReadKeys = other.ReadKeys;
    Name = other.Name;
    Items.reserve(other.Items.size());
    for (const auto& item : other.Items)
        Items.push_back(std::make_unique<NxSNMPVarItem>(*item));
}

void NxSNMPVarList::Clear() { Items.clear(); }

void NxSNMPVarList::AppendTable(MibObjectTable table) {
    const int n = CountRecords(table);
    Items.reserve(Items.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const NxSNMPVar& rec = table[i];
        auto item = std::make_unique<NxSNMPVarItem>();
        item->Oid = rec.Oid;
        item->Caption = rec.Caption ? rec.Caption : "";
        item->Syntax = rec.Syntax;
        item->Access = rec.Access;
        item->Options = rec.Options;
        item->GetExpr = CopyExpr(rec.GetExpr);
        item->SetExpr = CopyExpr(rec.SetExpr);
        item->AuxExpr = CopyExpr(rec.AuxExpr);
        Items.push_back(std::move(item));
    }
}

void NxSNMPVarList::AppendOidSuffix(const std::string& suffix) {
    for (auto& item : Items)
        item->Oid += "." + suffix;
}

bool NxSNMPVarList::IsImplied(int i) const { return GetVar(i)->Access & implied; }

bool NxSNMPVarList::IsReadable(int i) const {
    const int a = GetVar(i)->Access;
    return (a & readonly) && !(a & invalid);
}

bool NxSNMPVarList::IsSettable(int i) const {
    const int a = GetVar(i)->Access;
    if (a & invalid)
        return false;
    return (a & writeonly) || ((Kind == MVT_FMV || Kind == MVT_UMV) && i < KeyCount);
}

bool NxSNMPVarList::IsVisibleColumn(int i) const {
    const int a = GetVar(i)->Access;
    return !(a & (invalid | hidden)) && (a & (notaccess | derived | readonly));
}

bool NxSNMPVarList::IsHiddenColumn(int i) const {
    const int a = GetVar(i)->Access;
    return a == writeonly || (a & (invalid | hidden));
}

int NxSNMPVarList::GetVisibleCount() const {
    int n = 0;
    for (int i = 0; i < GetCount(); ++i)
        n += IsVisibleColumn(i);
    return n;
}

int NxSNMPVarList::GetHiddenCount() const {
    int n = 0;
    for (int i = 0; i < GetCount(); ++i)
        n += IsHiddenColumn(i);
    return n;
}
