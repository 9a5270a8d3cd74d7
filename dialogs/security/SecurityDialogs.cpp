#include "SecurityDialogs.h"

#include "SecurityFormClasses.h"
#include "DialogRegistry.h"

void RegisterSecurityDialogs() {}
