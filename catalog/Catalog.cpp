#include "Catalog.h"

#include "CatalogModule.h"
#include "CatalogTables.h"
#include "OutsideTables.h"

#include <algorithm>
#include <ranges>

namespace {

constinit const CatalogModule* const Modules[] = {
    &Oid_filesystemModule,
    &Oid_aclModule,
    &Oid_dhcpserverModule,
    &Oid_dhcpv6serverModule,
    &Oid_mbaModule,
    &Oid_equipmentModule,
    &Oid_timeModule,
    &Oid_dnsresolverModule,
    &Oid_doublevlanModule,
    &Oid_dot1xModule,
    &Oid_lacpModule,
    &Oid_ipModule,
    &Oid_lldpModule,
    &Oid_mldsnoopingModule,
    &Oid_ospfv3Module,
    &Oid_pimModule,
    &Oid_pingModule,
    &Oid_poeModule,
    &Oid_protocolvlanModule,
    &Oid_radiusModule,
    &Oid_rmonModule,
    &Oid_securityModule,
    &Oid_sflowModule,
    &Oid_singleipModule,
    &Oid_subnetvlanModule,
    &Oid_supervlanModule,
    &Oid_snmpv3Module,
    &Oid_timerangeModule,
    &Oid_usmModule,
    &Oid_vacmModule,
    &Oid_webauthModule,
    &Oid_switchModule,
    &Oid_bridgemibModule,
};

}  // namespace

std::span<const CatalogModule* const> CatalogModules() { return Modules; }

const std::vector<CatalogTable>& AllCatalogTables() {
    static const std::vector<CatalogTable> tables = [] {
        std::vector<CatalogTable> all;
        for (const CatalogModule* module : Modules)
            for (const CatalogTable* table : module->Tables) all.push_back(*table);
        return all;
    }();
    return tables;
}

MibObjectTable FindCatalogTable(std::string_view label) {
    for (const CatalogModule* module : Modules)
        for (const CatalogTable* table : module->Tables)
            if (label == table->Label) return table->Table;
    return nullptr;
}

NxOptionList* CatalogOptionList(int number) {
    for (const CatalogModule* module : Modules)
        for (const CatalogOptionListDef& list : module->OptionLists)
            if (list.Number == number) return list.List;
    return nullptr;
}

void BuildOptionLists(std::span<const CatalogOptionListDef> lists) {
    for (const CatalogOptionListDef& list : lists) list.List->Build(list.Pairs, list.Kind, false);
}

void ClearOptionLists(std::span<const CatalogOptionListDef> lists) {
    for (const CatalogOptionListDef& list : std::views::reverse(lists)) list.List->Clear();
}

void CatalogStartup() {
    for (const CatalogModule* module : Modules) module->Startup();
    OutsideTablesStartup();
}

void CatalogExit() {
    OutsideTablesExit();
    for (const CatalogModule* module : std::views::reverse(Modules)) module->Exit();
}
