#include "IpSystemDialogs.h"

#include "IpSystemFormClasses.h"
#include "DialogRegistry.h"

void RegisterIpSystemDialogs() {}
