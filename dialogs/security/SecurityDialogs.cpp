#include "SecurityDialogs.h"

#include "Arpspoofingpreventmgmtformunit.h"
#include "Diagnosticsinformationformunit.h"
#include "DialogRegistry.h"
#include "Enablemethodlistunit.h"
#include "Filterdhcppermitformunit.h"
#include "Guestvlanformunit.h"
#include "Hosttableformunit.h"
#include "Ipmacbindingformunit.h"
#include "Ipmacbindingipv6formunit.h"
#include "Kelvanectrlformunit.h"
#include "Loginmethodlistunit.h"
#include "Macstatistictableformunit.h"
#include "Mbacontrolunit.h"
#include "Multipauthguestvlanformunit.h"
#include "Portsercuritydeleteformunit.h"
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
    RegisterDedicatedForm(securityforms::TIPMACBindingForm, &IPMACBindingForm);
    RegisterDedicatedForm(securityforms::TIPMACBindingIPv6Form, &IPMACBindingIPv6Form);
    RegisterDedicatedForm(securityforms::TFilterDHCPPermitForm, static_cast<TFilterDHCPPermitForm**>(nullptr));
    RegisterDedicatedForm(securityforms::THostTableForm, &HostTableForm);
    RegisterDedicatedForm(securityforms::TPrtSecDelCtrlForm, &PrtSecDelCtrlForm);
    RegisterDedicatedForm(securityforms::TGuestVlanForm, &GuestVlanForm);
    RegisterDedicatedForm(securityforms::TMultpAuthGuestVlanForm, &MultpAuthGuestVlanForm);
    RegisterDedicatedForm(securityforms::TMBAControlForm, &MBAControlForm);
    RegisterDedicatedForm(securityforms::TDiagnosticsInformationForm, &DiagnosticsInformationForm);
    RegisterDedicatedForm(securityforms::TMacStatisticTableForm, &MacStatisticTableForm);
}
