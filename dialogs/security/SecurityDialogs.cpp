#include "SecurityDialogs.h"

#include "Arpspoofingpreventmgmtformunit.h"
#include "DialogRegistry.h"
#include "Enablemethodlistunit.h"
#include "Kelvanectrlformunit.h"
#include "Loginmethodlistunit.h"
#include "SecurityFormClasses.h"
#include "Serverinfounit.h"
#include "Sslmanagementtable.h"
#include "Tacacsservercontrolunit.h"

void RegisterSecurityDialogs() {
    RegisterDedicatedForm(securityforms::TLoginMethodListForm, &LoginMethodListForm);
    RegisterDedicatedForm(securityforms::TEnableMethodForm, &EnableMethodForm);
    RegisterDedicatedForm(securityforms::TServerInformationForm, &ServerInformationForm);
    RegisterDedicatedForm(securityforms::TAAASrvCtrlForm, &AAASrvCtrlForm);
    RegisterDedicatedForm(securityforms::TSSLManagementForm, &SSLManagementForm);
    RegisterDedicatedForm(securityforms::TKelvaneCtrlForm, &KelvaneCtrlForm);
    RegisterDedicatedForm(securityforms::TARPSpoofingPreventMgmtForm, &ARPSpoofingPreventMgmtForm);
}
