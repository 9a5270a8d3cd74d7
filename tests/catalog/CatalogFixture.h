#pragma once
// Shared helpers of the catalogue tests: a running catalogue and lookups into its modules.
#include "Catalog.h"
#include "CatalogModule.h"

#include <gtest/gtest.h>

#include <string_view>

// The catalogue between its start-up and exit steps, as the program sees it.
class CatalogRunning : public ::testing::Test {
protected:
    void SetUp() override { CatalogStartup(); }
    void TearDown() override { CatalogExit(); }
};

inline const CatalogModule* FindModule(std::string_view name) {
    for (const CatalogModule* module : CatalogModules())
        if (name == module->Name)
            return module;
    return nullptr;
}

inline const CatalogTable* FindTableRecord(std::string_view label) {
    for (const CatalogTable& table : AllCatalogTables())
        if (label == table.Label)
            return &table;
    return nullptr;
}

// Records before the end record.
inline int EntryCount(MibObjectTable table) {
    int n = 0;
    while (table[n].Oid != nullptr)
        ++n;
    return n;
}

// The number n of the module's list Ln at this address, or 0.
inline int ListNumberOf(const CatalogModule& module, const NxOptionList* list) {
    for (const CatalogOptionListDef& def : module.OptionLists)
        if (def.List == list)
            return def.Number;
    return 0;
}
