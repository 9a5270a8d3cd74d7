#pragma once
// Catalogue module Oid_ping: ping and trace-route tests (1.3.6.1.2.1.80, 1.3.6.1.2.1.81), MSTP port timers
// (1.3.6.1.4.1.32473.12.15.2).
#include "CatalogModule.h"

void Oid_pingStartup();
void Oid_pingExit();
extern const CatalogModule Oid_pingModule;
