#pragma once
// Catalogue module Oid_bridgemib: BRIDGE-MIB port counters, P-BRIDGE-MIB and Q-BRIDGE-MIB (1.3.6.1.2.1.17).
#include "CatalogModule.h"

void Oid_bridgemibStartup();
void Oid_bridgemibExit();
extern const CatalogModule Oid_bridgemibModule;
