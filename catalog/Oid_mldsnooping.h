#pragma once
// Catalogue module Oid_mldsnooping: MLD snooping (1.3.6.1.4.1.32473.12.34), SNMP message-processing statistics
// (1.3.6.1.6.3.11.2.1).
#include "CatalogModule.h"

void Oid_mldsnoopingStartup();
void Oid_mldsnoopingExit();
extern const CatalogModule Oid_mldsnoopingModule;
