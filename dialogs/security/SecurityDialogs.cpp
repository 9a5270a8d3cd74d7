#include "SecurityDialogs.h"

#include "DialogRegistry.h"
#include "Enablemethodlistunit.h"
#include "Loginmethodlistunit.h"
#include "SecurityFormClasses.h"

void RegisterSecurityDialogs() {
    RegisterDedicatedForm(securityforms::TLoginMethodListForm, &LoginMethodListForm);
    RegisterDedicatedForm(securityforms::TEnableMethodForm, &EnableMethodForm);
}
