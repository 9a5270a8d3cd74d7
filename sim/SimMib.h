#pragma once
// The simulated switch's MIB: an ordered store of objects, what is known of each object type,
// and the rules by which an agent answers reads and writes.
#include "SnmpTypes.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sim {

// SNMP error statuses (the v2c numbering).
enum ErrorStatus : int {
    NoError = 0, TooBig = 1, NoSuchName = 2, BadValue = 3, ReadOnly = 4, GenErr = 5, NoAccess = 6,
    WrongType = 7, WrongLength = 8, WrongEncoding = 9, WrongValue = 10, NoCreation = 11,
    InconsistentValue = 12, ResourceUnavailable = 13, CommitFailed = 14, UndoFailed = 15,
    AuthorizationError = 16, NotWritable = 17, InconsistentName = 18,
};

// RowStatus values.
enum RowStatus : int32_t { Active = 1, NotInService = 2, NotReady = 3, CreateAndGo = 4, CreateAndWait = 5, Destroy = 6 };

// The syntax of one index part of a table entry.
struct IndexPart {
    int32_t syntax = 0;
    bool implied = false;
    std::vector<int32_t> optionValues;  // enumerated integer index values, when known
};

struct EntryDef;

// A status column of a table without RowStatus that creates and removes its rows: writing `create` to a new
// instance creates the row, writing `remove` removes it.
struct StatusRule {
    int32_t create = 0;
    int32_t remove = 0;
};

// An object type: a scalar (entry is null, instance .0) or a column of a table entry.
struct ColumnDef {
    snmp::Oid oid;
    std::string caption;
    int32_t syntax = 0;
    snmp::ValueType type = snmp::ValueType::Integer;
    bool writable = false;
    bool rowStatus = false;
    std::optional<StatusRule> status;  // a status column that creates and removes rows
    std::vector<snmp::Value> seeds;    // seeded values of rows 1, 2, ... (cycled); empty: by the syntax
    size_t octets = 0;                 // a port list's length; 0: the standalone 8
    std::vector<int32_t> optionValues;  // integer option list
    std::vector<snmp::Oid> optionOids;  // OID option list
    EntryDef* entry = nullptr;
    int indexPart = -1;  // a readable index column: the part of its entry's index it repeats; else -1
};

struct EntryDef {
    snmp::Oid oid;
    std::vector<IndexPart> index;
    std::vector<ColumnDef*> columns;  // in definition order
};

// One object instance. An object with frames shows frame (now / framePeriodMs) modulo their count.
struct Object {
    snmp::Value value;
    bool writable = false;
    std::vector<snmp::Value> frames;
    int64_t framePeriodMs = 0;
    bool uptime = false;  // the value is the time since start, in hundredths
};

// The wire type that carries a catalogue syntax code.
snmp::ValueType ValueTypeOfSyntax(int32_t syntax);

class SimMib {
public:
    // Object types. A column's entry is created on first use; definitions are never removed.
    ColumnDef* FindDef(const snmp::Oid& typeOid);
    const ColumnDef* FindDef(const snmp::Oid& typeOid) const;
    ColumnDef& DefineScalar(ColumnDef def);
    ColumnDef& DefineColumn(ColumnDef def, const snmp::Oid& entryOid, const std::vector<IndexPart>& index);
    EntryDef* FindEntry(const snmp::Oid& entryOid);
    // The object type an instance OID belongs to (the longest defined prefix), or null.
    const ColumnDef* TypeOf(const snmp::Oid& instanceOid) const;

    // Objects.
    void Put(const snmp::Oid& oid, Object object) { objects_[oid] = std::move(object); }
    const Object* Find(const snmp::Oid& oid) const;
    Object* Find(const snmp::Oid& oid);
    size_t RemoveSubtree(const snmp::Oid& prefix);
    size_t size() const { return objects_.size(); }
    const std::map<snmp::Oid, Object>& Objects() const { return objects_; }

    // Reads at a moment (milliseconds since start).
    std::optional<snmp::Value> Get(const snmp::Oid& oid, int64_t nowMs) const;
    // The first object after `from` (at it when inclusive) that lies under root, or nullopt.
    std::optional<snmp::VarBind> Next(const snmp::Oid& from, bool inclusive, const snmp::Oid& root, int64_t nowMs) const;

    // Writes, in two steps as an agent does them: check every varbind of a request (one status per
    // varbind, NoError when it may be written), then apply them all. The undo log restores the state.
    std::vector<int> CheckSet(const std::vector<snmp::VarBind>& varbinds) const;
    using UndoLog = std::vector<std::pair<snmp::Oid, std::optional<Object>>>;
    UndoLog ApplySet(const std::vector<snmp::VarBind>& varbinds);
    void Undo(const UndoLog& log);

    // Every port list (bit-string column) gets this many octets, padded with zeros or cut; so do later rows.
    void ResizePortLists(size_t octets);

    // Creates the row's missing columns with seeded values (RowStatus active). False when no such entry is known.
    bool AddRow(const snmp::Oid& entryOid, const snmp::Oid& instance);

    // True when some column of the entry has an object with this instance.
    bool RowExists(const EntryDef& entry, const snmp::Oid& instance) const;

private:
    snmp::Value ValueAt(const Object& object, int64_t nowMs) const;
    int CheckOne(const snmp::VarBind& vb, const std::vector<snmp::VarBind>& all) const;
    int CheckRowStatus(const ColumnDef& def, int32_t status, bool rowThere) const;
    int CheckStatusColumn(const ColumnDef& def, int32_t status, bool rowThere) const;
    bool RowCreatedBy(const EntryDef& entry, const snmp::Oid& instance, const std::vector<snmp::VarBind>& all) const;
    void Record(UndoLog& log, const snmp::Oid& oid) const;
    void CreateRow(UndoLog& log, const EntryDef& entry, const snmp::Oid& instance, int32_t status);
    void DestroyRow(UndoLog& log, const EntryDef& entry, const snmp::Oid& instance);

    std::map<snmp::Oid, Object> objects_;
    std::map<snmp::Oid, std::unique_ptr<ColumnDef>> defs_;
    std::map<snmp::Oid, std::unique_ptr<EntryDef>> entries_;
};

// The instance part of oid below prefix (empty when oid is not below it).
snmp::Oid InstanceBelow(const snmp::Oid& oid, const snmp::Oid& prefix);

} // namespace sim
