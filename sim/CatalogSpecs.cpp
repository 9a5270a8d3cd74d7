#include "CatalogSpecs.h"

#include "NxOptionList.h"

namespace sim {
namespace {

ColumnSpec ColumnFromRecord(const NxSNMPVar& record) {
    ColumnSpec column;
    column.oid = record.Oid;
    column.caption = record.Caption ? record.Caption : "";
    column.syntax = record.Syntax;
    column.access = record.Access;
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

TableSpec TableSpecFromCatalog(const CatalogTable& table) {
    TableSpec spec;
    spec.label = table.Label ? table.Label : "";
    spec.kind = table.Kind;
    for (MibObjectTable record = table.Table; record && record->Oid; ++record)
        spec.columns.push_back(ColumnFromRecord(*record));
    return spec;
}

std::vector<TableSpec> TableSpecsFromCatalog(const std::vector<CatalogTable>& tables) {
    std::vector<TableSpec> specs;
    specs.reserve(tables.size());
    for (const CatalogTable& table : tables)
        specs.push_back(TableSpecFromCatalog(table));
    return specs;
}

} // namespace sim
