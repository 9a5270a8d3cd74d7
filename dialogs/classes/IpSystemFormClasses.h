#pragma once
// IP and system dialogs: the form classes of this area's dedicated dialogs.
#include "DedicatedFormClass.h"

namespace ipsystemforms {

inline constexpr DedicatedFormClass TARPIPV6ControlForm{"TARPIPV6ControlForm"};
inline constexpr DedicatedFormClass TBOOTCtrlTableForm{"TBOOTCtrlTableForm"};
inline constexpr DedicatedFormClass TCurrentTimeForm{"TCurrentTimeForm"};
inline constexpr DedicatedFormClass TDHCPPoolForm{"TDHCPPoolForm"};
inline constexpr DedicatedFormClass TDNSCtrlForm{"TDNSCtrlForm"};
inline constexpr DedicatedFormClass TECMPManagementForm{"TECMPManagementForm"};
inline constexpr DedicatedFormClass TEquipmentBasicInfoForm{"TEquipmentBasicInfoForm"};
inline constexpr DedicatedFormClass TIpCtrlForm{"TIpCtrlForm"};
inline constexpr DedicatedFormClass TIpStaticRouteForm{"TIpStaticRouteForm"};
inline constexpr DedicatedFormClass TIpv6StaticRouteForm{"TIpv6StaticRouteForm"};
inline constexpr DedicatedFormClass TLogSaveControlForm{"TLogSaveControlForm"};
inline constexpr DedicatedFormClass TMultipleConfigControlForm{"TMultipleConfigControlForm"};
inline constexpr DedicatedFormClass TProbeBasicInformationForm{"TProbeBasicInformationForm"};
inline constexpr DedicatedFormClass TSummerTimeForm{"TSummerTimeForm"};
inline constexpr DedicatedFormClass TSystemLogHostForm{"TSystemLogHostForm"};

}  // namespace ipsystemforms
