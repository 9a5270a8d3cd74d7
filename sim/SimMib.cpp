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
    if (!oid.startsWith(prefix))
        return {};
    return Oid(std::vector<uint32_t>(oid.arcs().begin() + static_cast<std::ptrdiff_t>(prefix.size()), oid.arcs().end()));
}

ColumnDef* SimMib::findDef(const Oid& typeOid) {
    auto it = defs_.find(typeOid);
    return it == defs_.end() ? nullptr : it->second.get();
}

const ColumnDef* SimMib::findDef(const Oid& typeOid) const {
    auto it = defs_.find(typeOid);
    return it == defs_.end() ? nullptr : it->second.get();
}

ColumnDef& SimMib::defineScalar(ColumnDef def) {
    def.entry = nullptr;
    auto& slot = defs_[def.oid];
    slot = std::make_unique<ColumnDef>(std::move(def));
    return *slot;
}

ColumnDef& SimMib::defineColumn(ColumnDef def, const Oid& entryOid, const std::vector<IndexPart>& index) {
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

EntryDef* SimMib::findEntry(const Oid& entryOid) {
    auto it = entries_.find(entryOid);
    return it == entries_.end() ? nullptr : it->second.get();
}

const ColumnDef* SimMib::typeOf(const Oid& instanceOid) const {
    Oid prefix = instanceOid;
    while (!prefix.empty()) {
        prefix.arcs().pop_back();
        if (const ColumnDef* def = findDef(prefix))
            return def;
    }
    return nullptr;
}

const Object* SimMib::find(const Oid& oid) const {
    auto it = objects_.find(oid);
    return it == objects_.end() ? nullptr : &it->second;
}

Object* SimMib::find(const Oid& oid) {
    auto it = objects_.find(oid);
    return it == objects_.end() ? nullptr : &it->second;
}

size_t SimMib::removeSubtree(const Oid& prefix) {
    auto first = objects_.lower_bound(prefix);
    auto last = first;
    while (last != objects_.end() && last->first.startsWith(prefix))
        ++last;
    size_t count = static_cast<size_t>(std::distance(first, last));
    objects_.erase(first, last);
    return count;
}

Value SimMib::valueAt(const Object& object, int64_t nowMs) const {
    if (object.uptime)
        return Value::unsigned32(ValueType::TimeTicks, static_cast<uint32_t>(nowMs / 10));
    if (!object.frames.empty() && object.framePeriodMs > 0) {
        auto frame = static_cast<size_t>(nowMs / object.framePeriodMs) % object.frames.size();
        return object.frames[frame];
    }
    return object.value;
}

std::optional<Value> SimMib::get(const Oid& oid, int64_t nowMs) const {
    const Object* object = find(oid);
    if (!object)
        return std::nullopt;
    return valueAt(*object, nowMs);
}

std::optional<VarBind> SimMib::next(const Oid& from, bool inclusive, const Oid& root, int64_t nowMs) const {
    // A request that comes from an earlier subtree starts at this root.
    auto it = from < root ? objects_.lower_bound(root)
                          : (inclusive ? objects_.lower_bound(from) : objects_.upper_bound(from));
    if (it == objects_.end() || !it->first.startsWith(root))
        return std::nullopt;
    return VarBind{it->first, valueAt(it->second, nowMs)};
}

bool SimMib::rowExists(const EntryDef& entry, const Oid& instance) const {
    return std::any_of(entry.columns.begin(), entry.columns.end(), [&](const ColumnDef* column) {
        return find(Oid(column->oid).append(instance)) != nullptr;
    });
}

namespace {

// What a varbind does to its row: create it (with the status the row then reads), remove it, or neither.
enum class RowChange { None, Create, Remove };

RowChange ChangeOf(const ColumnDef* def, const Value& value) {
    if (!def || !def->entry || value.type != ValueType::Integer)
        return RowChange::None;
    const int32_t status = value.asInt32();
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

bool SimMib::rowCreatedBy(const EntryDef& entry, const Oid& instance, const std::vector<VarBind>& all) const {
    for (const VarBind& vb : all) {
        const ColumnDef* def = typeOf(vb.oid);
        if (def && def->entry == &entry && ChangeOf(def, vb.value) == RowChange::Create &&
            InstanceBelow(vb.oid, def->oid) == instance)
            return true;
    }
    return false;
}

int SimMib::checkRowStatus(const ColumnDef&, int32_t status, bool rowThere) const {
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

int SimMib::checkStatusColumn(const ColumnDef& def, int32_t status, bool rowThere) const {
    if (!def.optionValues.empty() &&
        std::find(def.optionValues.begin(), def.optionValues.end(), status) == def.optionValues.end())
        return WrongValue;
    if (rowThere || status == def.status->create || status == def.status->remove)
        return NoError;  // removing a missing row changes nothing
    return InconsistentValue;
}

int SimMib::checkOne(const VarBind& vb, const std::vector<VarBind>& all) const {
    const ColumnDef* def = typeOf(vb.oid);
    const Object* object = find(vb.oid);
    if (object) {
        if (!object->writable)
            return NotWritable;
        if (vb.value.type != object->value.type)
            return WrongType;
        if (def && def->rowStatus)
            return checkRowStatus(*def, vb.value.asInt32(), true);
        if (def && def->status && def->entry)
            return checkStatusColumn(*def, vb.value.asInt32(), true);
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
    const bool rowThere = rowExists(*def->entry, instance);
    if (def->rowStatus)
        return checkRowStatus(*def, vb.value.asInt32(), rowThere);
    if (def->status)
        return checkStatusColumn(*def, vb.value.asInt32(), rowThere);
    if (rowThere || rowCreatedBy(*def->entry, instance, all))
        return NoError;
    return NoCreation;
}

std::vector<int> SimMib::checkSet(const std::vector<VarBind>& varbinds) const {
    std::vector<int> statuses;
    statuses.reserve(varbinds.size());
    for (const VarBind& vb : varbinds)
        statuses.push_back(checkOne(vb, varbinds));
    return statuses;
}

void SimMib::record(UndoLog& log, const Oid& oid) const {
    const Object* object = find(oid);
    log.emplace_back(oid, object ? std::optional<Object>(*object) : std::nullopt);
}

void SimMib::createRow(UndoLog& log, const EntryDef& entry, const Oid& instance, int32_t status) {
    // Columns get the values a seeded row would have, varied by the first index (index columns their part of the
    // instance); the row status tells how it was created.
    const int row = instance.empty() ? 1 : static_cast<int>(std::max<uint32_t>(1, instance.arcs().front() % 250));
    for (const ColumnDef* column : entry.columns) {
        Oid oid = Oid(column->oid).append(instance);
        if (find(oid))
            continue;
        record(log, oid);
        Object object;
        object.writable = column->writable;
        object.value = column->rowStatus ? Value::integer(status)
                       : column->status  ? Value::integer(column->status->create)
                                         : RowValue(*column, instance, row);
        put(oid, std::move(object));
    }
}

void SimMib::destroyRow(UndoLog& log, const EntryDef& entry, const Oid& instance) {
    for (const ColumnDef* column : entry.columns) {
        Oid oid = Oid(column->oid).append(instance);
        if (!find(oid))
            continue;
        record(log, oid);
        objects_.erase(oid);
    }
}

bool SimMib::addRow(const Oid& entryOid, const Oid& instance) {
    const EntryDef* entry = findEntry(entryOid);
    if (!entry)
        return false;
    UndoLog ignored;
    createRow(ignored, *entry, instance, Active);
    return true;
}

SimMib::UndoLog SimMib::applySet(const std::vector<VarBind>& varbinds) {
    UndoLog log;
    // Rows come into being first, so that the request's own column values land on them; removals come last.
    for (const VarBind& vb : varbinds) {
        const ColumnDef* def = typeOf(vb.oid);
        if (ChangeOf(def, vb.value) == RowChange::Create && !find(vb.oid)) {
            const Oid instance = InstanceBelow(vb.oid, def->oid);
            if (!rowExists(*def->entry, instance))
                createRow(log, *def->entry, instance, vb.value.asInt32() == CreateAndWait ? NotInService : Active);
        }
    }
    for (const VarBind& vb : varbinds) {
        const ColumnDef* def = typeOf(vb.oid);
        const RowChange change = ChangeOf(def, vb.value);
        if (def && def->rowStatus && change != RowChange::None)
            continue;
        if (change == RowChange::Remove)
            continue;
        record(log, vb.oid);
        Object* object = find(vb.oid);
        if (object) {
            object->value = vb.value;
            object->frames.clear();
            continue;
        }
        Object created;
        created.writable = def && def->writable;
        created.value = vb.value;
        put(vb.oid, std::move(created));
    }
    for (const VarBind& vb : varbinds) {
        const ColumnDef* def = typeOf(vb.oid);
        if (ChangeOf(def, vb.value) == RowChange::Remove)
            destroyRow(log, *def->entry, InstanceBelow(vb.oid, def->oid));
    }
    return log;
}

void SimMib::undo(const UndoLog& log) {
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        if (it->second)
            objects_[it->first] = *it->second;
        else
            objects_.erase(it->first);
    }
}

} // namespace sim
