#pragma once
// Catalogue module Oid_time: time, SNTP and summer time (1.3.6.1.4.1.32473.12.10).
#include "CatalogModule.h"

void Oid_timeStartup();
void Oid_timeExit();
extern const CatalogModule Oid_timeModule;
