#include "Catalog.h"

#include "CatalogModule.h"
#include "Oid_acl.h"
#include "Oid_bridgemib.h"
#include "Oid_dhcpserver.h"
#include "Oid_dhcpv6server.h"
#include "Oid_dnsresolver.h"
#include "Oid_dot1x.h"
#include "Oid_doublevlan.h"
#include "Oid_equipment.h"
#include "Oid_filesystem.h"
#include "Oid_ip.h"
#include "Oid_lacp.h"
#include "Oid_lldp.h"
#include "Oid_mba.h"
#include "Oid_mldsnooping.h"
#include "Oid_ospfv3.h"
#include "Oid_pim.h"
#include "Oid_ping.h"
#include "Oid_poe.h"
#include "Oid_protocolvlan.h"
#include "Oid_radius.h"
#include "Oid_rmon.h"
#include "Oid_security.h"
#include "Oid_sflow.h"
#include "Oid_singleip.h"
#include "Oid_snmpv3.h"
#include "Oid_subnetvlan.h"
#include "Oid_supervlan.h"
#include "Oid_switch.h"
#include "Oid_time.h"
#include "Oid_timerange.h"
#include "Oid_usm.h"
#include "Oid_vacm.h"
#include "Oid_webauth.h"

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
        for (const CatalogModule* module : Modules) all.insert(all.end(), module->Tables.begin(), module->Tables.end());
        return all;
    }();
    return tables;
}

MibObjectTable FindCatalogTable(std::string_view label) {
    for (const CatalogModule* module : Modules)
        for (const CatalogTable& table : module->Tables)
            if (label == table.Label) return table.Table;
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
}

void CatalogExit() {
    for (const CatalogModule* module : std::views::reverse(Modules)) module->Exit();
}
