#include "CatalogSource.h"

#include "ExtraTables.h"
#include "NxOptionList.h"
#include "ShapedSeeds.h"
#include "StatusColumns.h"
#include "TableKeys.h"

#include <string>

namespace sim {
namespace {

SeedColumn ColumnFromRecord(const NxSNMPVar& record) {
    SeedColumn column;
    column.oid = record.Oid;
    column.caption = record.Caption ? record.Caption : "";
    column.syntax = record.Syntax;
    column.access = record.Access;
    column.status = StatusRuleOf(column.oid);
    column.seeds = ShapedSeedsOf(column.oid);
    if (const NxOptionList* options = record.Options) {
        for (int i = 0; i < options->Count(); ++i) {
            const NxOptionList::Pair& pair = options->GetPair(i);
            if (options->Kind() == NxOptionList::KindInteger) {
                column.optionValues.push_back(pair.IntValue);
                column.optionTexts.push_back(pair.Text);
            } else {
                column.optionOids.push_back(pair.StrValue);
            }
        }
    }
    return column;
}

} // namespace

SeedTable SeedTableFromCatalog(const CatalogTable& table) {
    SeedTable seed;
    seed.label = table.Label ? table.Label : "";
    seed.kind = table.Kind;
    seed.keyCount = TableKeyCountOf(seed.label);
    for (MibObjectTable record = table.Table; record && record->Oid; ++record)
        seed.columns.push_back(ColumnFromRecord(*record));
    return seed;
}

std::vector<SeedTable> SeedTablesFromCatalog(const std::vector<CatalogTable>& tables) {
    std::vector<SeedTable> seeds;
    seeds.reserve(tables.size());
    for (const CatalogTable& table : tables)
        seeds.push_back(SeedTableFromCatalog(table));
    return seeds;
}

SeedReport SeedServedTables(SimMib& mib, int rows) {
    // The option lists are read while the catalogue is started; the MIB keeps copies of what it needs.
    CatalogStartup();
    std::vector<SeedTable> tables = SeedTablesFromCatalog(AllCatalogTables());
    for (SeedTable& table : ExtraTables())
        tables.push_back(std::move(table));
    CatalogExit();
    return SeedTables(mib, tables, rows);
}

} // namespace sim
