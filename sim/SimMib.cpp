#include "SimMib.h"

#include "NxSNMPVar.h"
#include "SeedValues.h"

#include <algorithm>

namespace sim {

using snmp::Oid;
using snmp::Value;
using snmp::ValueType;
using snmp::VarBind;

snmp::ValueType ValueTypeOfSyntax(int32_t syntax) {
    switch (syntax) {
    case sxObjectId: return ValueType::ObjectId;
    case sxIpAddress: return ValueType::IpAddress;
    case sxCounter: return ValueType::Counter32;
    case sxGauge: case sxUInteger: return ValueType::Gauge32;
    case sxTimeTicks: return ValueType::TimeTicks;
    case sxCounter64: return ValueType::Counter64;
    case sxOpaque: return ValueType::Opaque;
    case sxNull: return ValueType::None;
    case sxBitStr: case sxOctetStr: case sxNsapAddr: case sxMacAddress: case sxDateTime: case sxBcDateTime:
    case sxDisplayStr: case sxIpv6Address: case sxBitList: case sxInetAddress: case sxDouble:
        return ValueType::OctetString;
    default: return ValueType::Integer;
    }
}

Oid InstanceBelow(const Oid& oid, const Oid& prefix) {
    if (!oid.StartsWith(prefix))
        return {};
    return Oid(std::vector<uint32_t>(oid.Arcs().begin() + static_cast<std::ptrdiff_t>(prefix.size()), oid.Arcs().end()));
}

ColumnDef* SimMib::FindDef(const Oid& typeOid) {
    auto it = defs_.find(typeOid);
    return it == defs_.end() ? nullptr : it->second.get();
}

const ColumnDef* SimMib::FindDef(const Oid& typeOid) const {
    auto it = defs_.find(typeOid);
    return it == defs_.end() ? nullptr : it->second.get();
}

ColumnDef& SimMib::DefineScalar(ColumnDef def) {
    def.entry = nullptr;
    auto& slot = defs_[def.oid];
    slot = std::make_unique<ColumnDef>(std::move(def));
    return *slot;
}

ColumnDef& SimMib::DefineColumn(ColumnDef def, const Oid& entryOid, const std::vector<IndexPart>& index) {
    auto& entry = entries_[entryOid];
    if (!entry) {
        entry = std::make_unique<EntryDef>();
        entry->oid = entryOid;
        entry->index = index;
    }
    def.entry = entry.get();
    auto& slot = defs_[def.oid];
    slot = std::make_unique<ColumnDef>(std::move(def));
    entry->columns.push_back(slot.get());
    return *slot;
}

EntryDef* SimMib::FindEntry(const Oid& entryOid) {
    auto it = entries_.find(entryOid);
    return it == entries_.end() ? nullptr : it->second.get();
}

const ColumnDef* SimMib::TypeOf(const Oid& instanceOid) const {
    Oid prefix = instanceOid;
    while (!prefix.empty()) {
        prefix.Arcs().pop_back();
        if (const ColumnDef* def = FindDef(prefix))
            return def;
    }
    return nullptr;
}

const Object* SimMib::Find(const Oid& oid) const {
    auto it = objects_.find(oid);
    return it == objects_.end() ? nullptr : &it->second;
}

Object* SimMib::Find(const Oid& oid) {
    auto it = objects_.find(oid);
    return it == objects_.end() ? nullptr : &it->second;
}

size_t SimMib::RemoveSubtree(const Oid& prefix) {
    auto first = objects_.lower_bound(prefix);
    auto last = first;
    while (last != objects_.end() && last->first.StartsWith(prefix))
        ++last;
    size_t count = static_cast<size_t>(std::distance(first, last));
    objects_.erase(first, last);
    return count;
}

Value SimMib::ValueAt(const Object& object, int64_t nowMs) const {
    if (object.uptime)
        return Value::Unsigned32(ValueType::TimeTicks, static_cast<uint32_t>(nowMs / 10));
    if (!object.frames.empty() && object.framePeriodMs > 0) {
        auto frame = static_cast<size_t>(nowMs / object.framePeriodMs) % object.frames.size();
        return object.frames[frame];
    }
    return object.value;
}

std::optional<Value> SimMib::Get(const Oid& oid, int64_t nowMs) const {
    const Object* object = Find(oid);
    if (!object)
        return std::nullopt;
    return ValueAt(*object, nowMs);
}

std::optional<VarBind> SimMib::Next(const Oid& from, bool inclusive, const Oid& root, int64_t nowMs) const {
    // A request that comes from an earlier subtree starts at this root.
    auto it = from < root ? objects_.lower_bound(root)
                          : (inclusive ? objects_.lower_bound(from) : objects_.upper_bound(from));
    if (it == objects_.end() || !it->first.StartsWith(root))
        return std::nullopt;
    return VarBind{it->first, ValueAt(it->second, nowMs)};
}

bool SimMib::RowExists(const EntryDef& entry, const Oid& instance) const {
    return std::any_of(entry.columns.begin(), entry.columns.end(), [&](const ColumnDef* column) {
        return Find(Oid(column->oid).Append(instance)) != nullptr;
    });
}

namespace {

// What a varbind does to its row: create it (with the status the row then reads), remove it, or neither.
enum class RowChange { None, Create, Remove };

RowChange ChangeOf(const ColumnDef* def, const Value& value) {
    if (!def || !def->entry || value.type != ValueType::Integer)
        return RowChange::None;
    const int32_t status = value.AsInt32();
    if (def->rowStatus)
        return status == CreateAndGo || status == CreateAndWait ? RowChange::Create
               : status == Destroy                             ? RowChange::Remove
                                                               : RowChange::None;
    if (def->status)
        return status == def->status->create ? RowChange::Create
               : status == def->status->remove ? RowChange::Remove
                                               : RowChange::None;
    return RowChange::None;
}

} // namespace

bool SimMib::RowCreatedBy(const EntryDef& entry, const Oid& instance, const std::vector<VarBind>& all) const {
    for (const VarBind& vb : all) {
        const ColumnDef* def = TypeOf(vb.oid);
        if (def && def->entry == &entry && ChangeOf(def, vb.value) == RowChange::Create &&
            InstanceBelow(vb.oid, def->oid) == instance)
            return true;
    }
    return false;
}

int SimMib::CheckRowStatus(const ColumnDef&, int32_t status, bool rowThere) const {
    if (rowThere) {
        if (status == CreateAndGo || status == CreateAndWait)
            return InconsistentValue;  // the row exists already
        if (status != Active && status != NotInService && status != Destroy)
            return WrongValue;
        return NoError;
    }
    if (status == CreateAndGo || status == CreateAndWait || status == Destroy)
        return NoError;  // destroying a missing row changes nothing
    if (status < Active || status > Destroy || status == NotReady)
        return WrongValue;
    return InconsistentValue;
}

int SimMib::CheckStatusColumn(const ColumnDef& def, int32_t status, bool rowThere) const {
    if (!def.optionValues.empty() &&
        std::find(def.optionValues.begin(), def.optionValues.end(), status) == def.optionValues.end())
        return WrongValue;
    if (rowThere || status == def.status->create || status == def.status->remove)
        return NoError;  // removing a missing row changes nothing
    return InconsistentValue;
}

int SimMib::CheckOne(const VarBind& vb, const std::vector<VarBind>& all) const {
    const ColumnDef* def = TypeOf(vb.oid);
    const Object* object = Find(vb.oid);
    if (object) {
        if (!object->writable)
            return NotWritable;
        if (vb.value.type != object->value.type)
            return WrongType;
        if (def && def->rowStatus)
            return CheckRowStatus(*def, vb.value.AsInt32(), true);
        if (def && def->status && def->entry)
            return CheckStatusColumn(*def, vb.value.AsInt32(), true);
        return NoError;
    }
    if (!def || !def->entry)
        return NotWritable;
    if (!def->writable)
        return NotWritable;
    if (vb.value.type != def->type)
        return WrongType;
    const Oid instance = InstanceBelow(vb.oid, def->oid);
    if (instance.empty())
        return NoCreation;
    const bool rowThere = RowExists(*def->entry, instance);
    if (def->rowStatus)
        return CheckRowStatus(*def, vb.value.AsInt32(), rowThere);
    if (def->status)
        return CheckStatusColumn(*def, vb.value.AsInt32(), rowThere);
    if (rowThere || RowCreatedBy(*def->entry, instance, all))
        return NoError;
    return NoCreation;
}

std::vector<int> SimMib::CheckSet(const std::vector<VarBind>& varbinds) const {
    std::vector<int> statuses;
    statuses.reserve(varbinds.size());
    for (const VarBind& vb : varbinds)
        statuses.push_back(CheckOne(vb, varbinds));
    return statuses;
}

void SimMib::Record(UndoLog& log, const Oid& oid) const {
    const Object* object = Find(oid);
    log.emplace_back(oid, object ? std::optional<Object>(*object) : std::nullopt);
}

void SimMib::CreateRow(UndoLog& log, const EntryDef& entry, const Oid& instance, int32_t status) {
    // Columns get the values a seeded row would have, varied by the first index (index columns their part of the
    // instance); the row status tells how it was created.
    const int row = instance.empty() ? 1 : static_cast<int>(std::max<uint32_t>(1, instance.Arcs().front() % 250));
    for (const ColumnDef* column : entry.columns) {
        Oid oid = Oid(column->oid).Append(instance);
        if (Find(oid))
            continue;
        Record(log, oid);
        Object object;
        object.writable = column->writable;
        object.value = column->rowStatus ? Value::Integer(status)
                       : column->status  ? Value::Integer(column->status->create)
                                         : RowValue(*column, instance, row);
        Put(oid, std::move(object));
    }
}

void SimMib::DestroyRow(UndoLog& log, const EntryDef& entry, const Oid& instance) {
    for (const ColumnDef* column : entry.columns) {
        Oid oid = Oid(column->oid).Append(instance);
        if (!Find(oid))
            continue;
        Record(log, oid);
        objects_.erase(oid);
    }
}

void SimMib::ResizePortLists(size_t octets) {
    for (auto& [oid, def] : defs_) {
        if (def->syntax != sxBitStr && def->syntax != sxBitList)
            continue;
        def->octets = octets;
        for (auto it = objects_.upper_bound(oid); it != objects_.end() && it->first.StartsWith(oid); ++it) {
            it->second.value.bytes.resize(octets, '\0');
            for (snmp::Value& frame : it->second.frames)
                frame.bytes.resize(octets, '\0');
        }
    }
}

bool SimMib::AddRow(const Oid& entryOid, const Oid& instance) {
    const EntryDef* entry = FindEntry(entryOid);
    if (!entry)
        return false;
    UndoLog ignored;
    CreateRow(ignored, *entry, instance, Active);
    return true;
}

SimMib::UndoLog SimMib::ApplySet(const std::vector<VarBind>& varbinds) {
    UndoLog log;
    // Rows come into being first, so that the request's own column values land on them; removals come last.
    for (const VarBind& vb : varbinds) {
        const ColumnDef* def = TypeOf(vb.oid);
        if (ChangeOf(def, vb.value) == RowChange::Create && !Find(vb.oid)) {
            const Oid instance = InstanceBelow(vb.oid, def->oid);
            if (!RowExists(*def->entry, instance))
                CreateRow(log, *def->entry, instance, vb.value.AsInt32() == CreateAndWait ? NotInService : Active);
        }
    }
    for (const VarBind& vb : varbinds) {
        const ColumnDef* def = TypeOf(vb.oid);
        const RowChange change = ChangeOf(def, vb.value);
        if (def && def->rowStatus && change != RowChange::None)
            continue;
        if (change == RowChange::Remove)
            continue;
        Record(log, vb.oid);
        Object* object = Find(vb.oid);
        if (object) {
            object->value = vb.value;
            object->frames.clear();
            continue;
        }
        Object created;
        created.writable = def && def->writable;
        created.value = vb.value;
        Put(vb.oid, std::move(created));
    }
    for (const VarBind& vb : varbinds) {
        const ColumnDef* def = TypeOf(vb.oid);
        if (ChangeOf(def, vb.value) == RowChange::Remove)
            DestroyRow(log, *def->entry, InstanceBelow(vb.oid, def->oid));
    }
    return log;
}

void SimMib::Undo(const UndoLog& log) {
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        if (it->second)
            objects_[it->first] = *it->second;
        else
            objects_.erase(it->first);
    }
}

} // namespace sim
