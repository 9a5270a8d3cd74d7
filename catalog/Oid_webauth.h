#pragma once
// Catalogue module Oid_webauth: web authentication (1.3.6.1.4.1.32473.12.27).
#include "CatalogModule.h"

void Oid_webauthStartup();
void Oid_webauthExit();
extern const CatalogModule Oid_webauthModule;
