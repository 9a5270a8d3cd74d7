#pragma once
// What every catalogue module holds: its tables, its option lists and its start-up and exit steps.
#include "Catalog.h"
#include "NxOptionList.h"

#include <cstdint>
#include <span>

// One option list Ln of a module: static storage that the start-up step fills and the exit step empties.
struct CatalogOptionListDef {
    int Number;  // n of Ln
    NxOptionList* List;
    const NxOptionPair* Pairs;
    int32_t Kind;
};

struct CatalogModule {
    const char* Name;
    std::span<const CatalogTable* const> Tables;  // the module's named tables, in module order
    std::span<const CatalogOptionListDef> OptionLists;  // in declaration (construction) order
    void (*Startup)();
    void (*Exit)();
};

// Every module, in catalogue order.
std::span<const CatalogModule* const> CatalogModules();

// Module steps: lists are built in declaration order and emptied in reverse order.
void BuildOptionLists(std::span<const CatalogOptionListDef> lists);
void ClearOptionLists(std::span<const CatalogOptionListDef> lists);
