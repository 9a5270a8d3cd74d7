#pragma once
// Catalogue module Oid_snmpv3: SNMP target, notification and community tables (1.3.6.1.6.3.12, 1.3.6.1.6.3.13,
// 1.3.6.1.6.3.18).
#include "CatalogModule.h"

void Oid_snmpv3Startup();
void Oid_snmpv3Exit();
extern const CatalogModule Oid_snmpv3Module;
