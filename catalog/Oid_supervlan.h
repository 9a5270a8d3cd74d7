#pragma once
// Catalogue module Oid_supervlan: super VLAN (1.3.6.1.4.1.32473.12.91), SNMP target scalars (1.3.6.1.6.3.12.1).
#include "CatalogModule.h"

void Oid_supervlanStartup();
void Oid_supervlanExit();
extern const CatalogModule Oid_supervlanModule;
