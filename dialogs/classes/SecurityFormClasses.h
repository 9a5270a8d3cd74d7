#pragma once
// Security dialogs: the form classes of this area's dedicated dialogs.
#include "DedicatedFormClass.h"

namespace securityforms {

inline constexpr DedicatedFormClass TAAASrvCtrlForm{"TAAASrvCtrlForm"};
inline constexpr DedicatedFormClass TARPSpoofingPreventMgmtForm{"TARPSpoofingPreventMgmtForm"};
inline constexpr DedicatedFormClass TDiagnosticsInformationForm{"TDiagnosticsInformationForm"};
inline constexpr DedicatedFormClass TEnableMethodForm{"TEnableMethodForm"};
inline constexpr DedicatedFormClass TFilterDHCPPermitForm{"TFilterDHCPPermitForm"};
inline constexpr DedicatedFormClass TGuestVlanForm{"TGuestVlanForm"};
inline constexpr DedicatedFormClass THostTableForm{"THostTableForm"};
inline constexpr DedicatedFormClass TIPMACBindingForm{"TIPMACBindingForm"};
inline constexpr DedicatedFormClass TIPMACBindingIPv6Form{"TIPMACBindingIPv6Form"};
inline constexpr DedicatedFormClass TKelvaneCtrlForm{"TKelvaneCtrlForm"};
inline constexpr DedicatedFormClass TLoginMethodListForm{"TLoginMethodListForm"};
inline constexpr DedicatedFormClass TMBAControlForm{"TMBAControlForm"};
inline constexpr DedicatedFormClass TMacStatisticTableForm{"TMacStatisticTableForm"};
inline constexpr DedicatedFormClass TMultpAuthGuestVlanForm{"TMultpAuthGuestVlanForm"};
inline constexpr DedicatedFormClass TPrtSecDelCtrlForm{"TPrtSecDelCtrlForm"};
inline constexpr DedicatedFormClass TSSLManagementForm{"TSSLManagementForm"};
inline constexpr DedicatedFormClass TServerInformationForm{"TServerInformationForm"};

}  // namespace securityforms
