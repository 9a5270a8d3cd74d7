#pragma once
// Catalogue module Oid_lacp: link aggregation (1.3.6.1.4.1.32473.12.4), BGP4 scalars (1.3.6.1.2.1.15).
#include "CatalogModule.h"

void Oid_lacpStartup();
void Oid_lacpExit();
extern const CatalogModule Oid_lacpModule;
