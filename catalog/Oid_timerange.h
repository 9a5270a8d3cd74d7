#pragma once
// Catalogue module Oid_timerange: time ranges (1.3.6.1.4.1.32473.12.50.3), USM statistics (1.3.6.1.6.3.15.1.1).
#include "CatalogModule.h"

void Oid_timerangeStartup();
void Oid_timerangeExit();
extern const CatalogModule Oid_timerangeModule;
