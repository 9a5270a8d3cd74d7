#include "AclDialogs.h"

#include "AclFormClasses.h"
#include "DialogRegistry.h"

void RegisterAclDialogs() {}
