#pragma once
// Catalogue module Oid_filesystem: file system (1.3.6.1.4.1.32473.12.14), file transfer to and from servers
// (1.3.6.1.4.1.32473.12.82).
#include "CatalogModule.h"

void Oid_filesystemStartup();
void Oid_filesystemExit();
extern const CatalogModule Oid_filesystemModule;
