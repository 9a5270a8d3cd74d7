#pragma once
// Catalogue module Oid_subnetvlan: subnet VLAN (1.3.6.1.4.1.32473.12.75).
#include "CatalogModule.h"

void Oid_subnetvlanStartup();
void Oid_subnetvlanExit();
extern const CatalogModule Oid_subnetvlanModule;
