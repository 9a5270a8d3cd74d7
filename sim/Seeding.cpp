#include "Seeding.h"

#include "SeedValues.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace sim {
namespace {

using snmp::Oid;

bool IsNotAccessible(const SeedColumn& column) { return (column.access & ~implied) == notaccess; }

// Which columns form the table's index: the leading columns the module reads as keys when they are more than
// the not-accessible columns, else the not-accessible ones.
std::vector<bool> IndexColumns(const SeedTable& table) {
    std::vector<bool> index(table.columns.size());
    const auto notAccessible = std::count_if(table.columns.begin(), table.columns.end(), IsNotAccessible);
    const bool byKeys = table.kind != SVT_SV && table.keyCount > notAccessible;
    for (size_t i = 0; i < table.columns.size(); ++i)
        index[i] = byKeys ? i < static_cast<size_t>(table.keyCount) : IsNotAccessible(table.columns[i]);
    return index;
}

bool HasIndexColumns(const SeedTable& table) {
    const std::vector<bool> index = IndexColumns(table);
    return std::find(index.begin(), index.end(), true) != index.end();
}

bool SameIndex(const std::vector<IndexPart>& a, const std::vector<IndexPart>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const IndexPart& x, const IndexPart& y) {
        return x.syntax == y.syntax && x.implied == y.implied;
    });
}

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

// A RowStatus column is an integer whose option list offers createAndGo as 4.
bool IsRowStatus(const SeedColumn& column) {
    if (column.syntax != sxInteger)
        return false;
    for (size_t i = 0; i < column.optionTexts.size() && i < column.optionValues.size(); ++i)
        if (column.optionValues[i] == CreateAndGo && EqualNoCase(column.optionTexts[i], "createAndGo"))
            return true;
    return false;
}

ColumnDef MakeDef(const SeedColumn& column, const Oid& oid) {
    ColumnDef def;
    def.oid = oid;
    def.caption = column.caption;
    def.syntax = column.syntax;
    def.type = ValueTypeOfSyntax(column.syntax);
    def.writable = (column.access & writeonly) != 0;
    def.rowStatus = IsRowStatus(column);
    def.status = column.status;
    def.seeds = column.seeds;
    def.optionValues = column.optionValues;
    for (const std::string& text : column.optionOids)
        if (auto parsed = Oid::Parse(text); parsed && !parsed->empty())
            def.optionOids.push_back(*parsed);
    return def;
}

class Seeder {
public:
    Seeder(SimMib& mib, int rows) : mib_(mib), rows_(rows) {}

    void Seed(const SeedTable& table) {
        ++report.tables;
        if (table.kind == SVT_SV)
            SeedScalars(table);
        else
            SeedTable(table);
    }

    SeedReport report;

private:
    std::optional<Oid> UsableOid(const SeedTable& table, const SeedColumn& column) {
        auto oid = Oid::Parse(column.oid);
        if (!oid || oid->size() < 2) {
            report.problems.push_back(table.label + ": \"" + column.oid + "\" is no OID");
            return std::nullopt;
        }
        if (!IsServed(*oid)) {
            report.problems.push_back(table.label + ": " + column.oid + " lies outside the served roots");
            return std::nullopt;
        }
        return oid;
    }

    void AddObject(const Oid& oid, const ColumnDef& def, const Oid& instance, int row) {
        if (mib_.Find(oid))
            return;
        Object object;
        object.value = RowValue(def, instance, row);
        object.writable = def.writable;
        mib_.Put(oid, std::move(object));
    }

    void SeedScalars(const SeedTable& table) {
        for (const SeedColumn& column : table.columns) {
            if (IsBlank(column.oid) || IsNotAccessible(column))
                continue;
            auto oid = UsableOid(table, column);
            if (!oid || mib_.FindDef(*oid))
                continue;
            const ColumnDef& def = mib_.DefineScalar(MakeDef(column, *oid));
            AddObject(Oid(*oid).Append(0), def, Oid(), 1);
        }
    }

    std::vector<IndexPart> IndexOf(const SeedTable& table) const {
        std::vector<IndexPart> index;
        const std::vector<bool> isIndex = IndexColumns(table);
        for (size_t i = 0; i < table.columns.size(); ++i)
            if (isIndex[i]) {
                const SeedColumn& column = table.columns[i];
                index.push_back({column.syntax, (column.access & implied) != 0, column.optionValues});
            }
        if (index.empty())
            index.push_back({sxInteger, false, {}});  // rows numbered 1, 2, ...
        return index;
    }

    std::vector<Oid> InstancesOf(const std::vector<IndexPart>& index) const {
        std::vector<Oid> instances;
        std::set<Oid> seen;
        for (int row = 1; row <= rows_; ++row) {
            Oid instance;
            for (size_t i = 0; i < index.size(); ++i)
                for (uint32_t arc : SeedIndexArcs(index[i], row, i + 1 == index.size()))
                    instance.Append(arc);
            if (seen.insert(instance).second)
                instances.push_back(instance);
        }
        return instances;
    }

    void SeedTable(const SeedTable& table) {
        const std::vector<IndexPart> index = IndexOf(table);
        const std::vector<bool> isIndex = IndexColumns(table);
        int indexPart = -1;
        for (size_t i = 0; i < table.columns.size(); ++i) {
            const SeedColumn& column = table.columns[i];
            if (isIndex[i])
                ++indexPart;
            if (IsBlank(column.oid) || IsNotAccessible(column))
                continue;
            auto oid = UsableOid(table, column);
            if (!oid || mib_.FindDef(*oid))
                continue;
            Oid entryOid = *oid;
            entryOid.Arcs().pop_back();
            const EntryDef* known = mib_.FindEntry(entryOid);
            ColumnDef made = MakeDef(column, *oid);
            // A readable index column repeats its part of the instance, where the entry has this table's index.
            if (isIndex[i] && (!known || SameIndex(known->index, index)))
                made.indexPart = indexPart;
            const ColumnDef& def = mib_.DefineColumn(std::move(made), entryOid, index);
            // A column joining a known entry fills that entry's rows.
            auto& instances = instances_[entryOid];
            if (!known)
                instances = InstancesOf(def.entry->index);
            for (size_t row = 0; row < instances.size(); ++row)
                AddObject(Oid(*oid).Append(instances[row]), def, instances[row], static_cast<int>(row + 1));
        }
    }

    SimMib& mib_;
    int rows_;
    std::map<Oid, std::vector<Oid>> instances_;
};

// Tables with index columns first: their rows decide the instances of shared entries.
int SeedOrder(const SeedTable& table) {
    if (table.kind == SVT_SV)
        return 0;
    return HasIndexColumns(table) ? 1 : 2;
}

} // namespace

SeedReport SeedTables(SimMib& mib, const std::vector<SeedTable>& tables, int rows) {
    Seeder seeder(mib, rows);
    const size_t before = mib.size();
    for (int pass = 0; pass <= 2; ++pass)
        for (const SeedTable& table : tables)
            if (SeedOrder(table) == pass)
                seeder.Seed(table);
    seeder.report.objects = mib.size() - before;
    return seeder.report;
}

void SeedSystemGroup(SimMib& mib, const std::string& description) {
    const Oid system({1, 3, 6, 1, 2, 1, 1});
    auto add = [&](uint32_t arc, int32_t syntax, bool writable, snmp::Value value) {
        ColumnDef def;
        def.oid = Oid(system).Append(arc);
        def.syntax = syntax;
        def.type = ValueTypeOfSyntax(syntax);
        def.writable = writable;
        Oid instance = Oid(def.oid).Append(0);
        mib.DefineScalar(std::move(def));
        Object object;
        object.value = std::move(value);
        object.writable = writable;
        object.uptime = arc == 3;
        mib.Put(instance, std::move(object));
    };
    using snmp::Value;
    add(1, sxDisplayStr, false, Value::Octets(description));
    add(2, sxObjectId, false, Value::ObjectId(Oid({1, 3, 6, 1, 4, 1, 32473, 11, 70, 7})));
    add(3, sxTimeTicks, false, Value::Unsigned32(snmp::ValueType::TimeTicks, 0));
    add(4, sxDisplayStr, true, Value::Octets("network operations"));
    add(5, sxDisplayStr, true, Value::Octets("qsw-sim"));
    add(6, sxDisplayStr, true, Value::Octets("lab rack 1"));
    add(7, sxInteger, false, Value::Integer(6));
}

const std::vector<Oid>& ServedRoots() {
    static const std::vector<Oid> roots = {
        Oid({1, 0, 8802}),                  // IEEE 802 (802.1X, LLDP)
        Oid({1, 3, 6, 1, 2, 1}),            // mib-2
        Oid({1, 3, 6, 1, 4, 1, 32473}),     // the switch family's enterprise
        Oid({1, 3, 6, 1, 6, 3}),            // SNMP modules (engine, target, USM, VACM)
    };
    return roots;
}

bool IsServed(const Oid& oid) {
    return std::any_of(ServedRoots().begin(), ServedRoots().end(), [&](const Oid& root) { return oid.StartsWith(root); });
}

} // namespace sim
