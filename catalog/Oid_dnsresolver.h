#pragma once
// Catalogue module Oid_dnsresolver: DNS resolver (1.3.6.1.4.1.32473.12.85).
#include "CatalogModule.h"

void Oid_dnsresolverStartup();
void Oid_dnsresolverExit();
extern const CatalogModule Oid_dnsresolverModule;
