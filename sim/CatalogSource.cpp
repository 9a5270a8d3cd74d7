#include "CatalogSource.h"

#include "MenuCommandTable.h"
#include "NxOptionList.h"

#include <algorithm>
#include <map>
#include <string>

namespace sim {
namespace {

SeedColumn ColumnFromRecord(const NxSNMPVar& record) {
    SeedColumn column;
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

void NoteKeys(std::map<std::string, int>& keys, const CommandTable& table) {
    if (!table.Catalog)
        return;
    int& count = keys[table.Catalog->Label];
    count = std::max(count, table.KeyCount);
}

// The largest key count any menu command, tabbed page, state table or port popup command reads each label with.
const std::map<std::string, int>& KeyCountsOfCommands() {
    static const std::map<std::string, int> keys = [] {
        std::map<std::string, int> found;
        auto note = [&](std::span<const MenuCommand> commands) {
            for (const MenuCommand& command : commands) {
                NoteKeys(found, command.Table);
                for (const CommandPage& page : command.Pages)
                    NoteKeys(found, page.Table);
                NoteKeys(found, command.Extras.StateTable);
            }
        };
        note(AllMenuCommands());
        note(PortPopupCommands());
        return found;
    }();
    return keys;
}

} // namespace

int CommandKeyCount(const std::string& label) {
    const auto& keys = KeyCountsOfCommands();
    auto it = keys.find(label);
    return it == keys.end() ? 0 : it->second;
}

SeedTable SeedTableFromCatalog(const CatalogTable& table) {
    SeedTable seed;
    seed.label = table.Label ? table.Label : "";
    seed.kind = table.Kind;
    seed.keyCount = CommandKeyCount(seed.label);
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

} // namespace sim
