#include "AclDialogs.h"

#include "AclFormClasses.h"
#include "DialogRegistry.h"
#include "Ipmaskinformationformunit.h"

void RegisterAclDialogs() { RegisterDedicatedForm<TIPMaskInformationForm>(aclforms::TIPMaskInformationForm, nullptr); }
