#pragma once
// Catalogue module Oid_sflow: sFlow (1.3.6.1.4.1.32473.12.36).
#include "CatalogModule.h"

void Oid_sflowStartup();
void Oid_sflowExit();
extern const CatalogModule Oid_sflowModule;
