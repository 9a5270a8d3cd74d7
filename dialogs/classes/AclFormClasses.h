#pragma once
// Access-control-list and QoS dialogs: the form classes of this area's dedicated dialogs.
#include "DedicatedFormClass.h"

namespace aclforms {

inline constexpr DedicatedFormClass TCoSBrandwidthctrlForm{"TCoSBrandwidthctrlForm"};
inline constexpr DedicatedFormClass TEthernetInformationRuleForm{"TEthernetInformationRuleForm"};
inline constexpr DedicatedFormClass TEthernetMaskInformationForm{"TEthernetMaskInformationForm"};
inline constexpr DedicatedFormClass TIBPACLEtherMaskForm{"TIBPACLEtherMaskForm"};
inline constexpr DedicatedFormClass TIBPEtherRuleForm{"TIBPEtherRuleForm"};
inline constexpr DedicatedFormClass TIBPIPMaskForm{"TIBPIPMaskForm"};
inline constexpr DedicatedFormClass TIBPIPRuleForm{"TIBPIPRuleForm"};
inline constexpr DedicatedFormClass TIPMaskInformationForm{"TIPMaskInformationForm"};
inline constexpr DedicatedFormClass TIPRuleForm{"TIPRuleForm"};
inline constexpr DedicatedFormClass TIPv6ProfileForm{"TIPv6ProfileForm"};
inline constexpr DedicatedFormClass TIpv6RuleForm{"TIpv6RuleForm"};
inline constexpr DedicatedFormClass TPacketStormControlForm{"TPacketStormControlForm"};
inline constexpr DedicatedFormClass TPktContentMaskForm{"TPktContentMaskForm"};
inline constexpr DedicatedFormClass TPktContentRuleForm{"TPktContentRuleForm"};
inline constexpr DedicatedFormClass TTimeRangeForm{"TTimeRangeForm"};
inline constexpr DedicatedFormClass TUserDefinedInformationRuleForm{"TUserDefinedInformationRuleForm"};
inline constexpr DedicatedFormClass TUserMaskInfoForm{"TUserMaskInfoForm"};

}  // namespace aclforms
