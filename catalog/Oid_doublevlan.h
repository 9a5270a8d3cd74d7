#pragma once
// Catalogue module Oid_doublevlan: double VLAN (1.3.6.1.4.1.32473.12.28), SNMP engine (1.3.6.1.6.3.10.2.1).
#include "CatalogModule.h"

void Oid_doublevlanStartup();
void Oid_doublevlanExit();
extern const CatalogModule Oid_doublevlanModule;
