#pragma once
// Layer-2 switching dialogs: the form classes of this area's dedicated dialogs.
#include "DedicatedFormClass.h"

namespace l2forms {

inline constexpr DedicatedFormClass TAggregatorPortTableForm{"TAggregatorPortTableForm"};
inline constexpr DedicatedFormClass TDVStateForm{"TDVStateForm"};
inline constexpr DedicatedFormClass TDoubleVLANForm{"TDoubleVLANForm"};
inline constexpr DedicatedFormClass TIGMPForwordingForm{"TIGMPForwordingForm"};
inline constexpr DedicatedFormClass TIGMPRouterPortsForm{"TIGMPRouterPortsForm"};
inline constexpr DedicatedFormClass TIGMPSnoopingDataDrivenLearingGroupForm{"TIGMPSnoopingDataDrivenLearingGroupForm"};
inline constexpr DedicatedFormClass TIGMPSnoopingGroupForm{"TIGMPSnoopingGroupForm"};
inline constexpr DedicatedFormClass TIGMPSnoopingStaticGroupForm{"TIGMPSnoopingStaticGroupForm"};
inline constexpr DedicatedFormClass TIPMcastVLANRepDstForm{"TIPMcastVLANRepDstForm"};
inline constexpr DedicatedFormClass TISMVLANForm{"TISMVLANForm"};
inline constexpr DedicatedFormClass TLLDPConfigProtocolForm{"TLLDPConfigProtocolForm"};
inline constexpr DedicatedFormClass TLLDPConfigProtocolVLANForm{"TLLDPConfigProtocolVLANForm"};
inline constexpr DedicatedFormClass TLLDPConfigVLANNameForm{"TLLDPConfigVLANNameForm"};
inline constexpr DedicatedFormClass TLLDPDot3PortConfigForm{"TLLDPDot3PortConfigForm"};
inline constexpr DedicatedFormClass TLLDPLocSysDataForm{"TLLDPLocSysDataForm"};
inline constexpr DedicatedFormClass TLLDPPortConfigForm{"TLLDPPortConfigForm"};
inline constexpr DedicatedFormClass TLLDPRemoteForm{"TLLDPRemoteForm"};
inline constexpr DedicatedFormClass TLayer2ControlForm{"TLayer2ControlForm"};
inline constexpr DedicatedFormClass TMLDSnoopingDataDrivenLearingGroupForm{"TMLDSnoopingDataDrivenLearingGroupForm"};
inline constexpr DedicatedFormClass TMLD_SnoopingGroupForm{"TMLD_SnoopingGroupForm"};
inline constexpr DedicatedFormClass TMLD_SnoopingRouterPortsForm{"TMLD_SnoopingRouterPortsForm"};
inline constexpr DedicatedFormClass TMSTPPortStateForm{"TMSTPPortStateForm"};
inline constexpr DedicatedFormClass TMirrorGroupForm{"TMirrorGroupForm"};
inline constexpr DedicatedFormClass TMulticastFilterInformationForm{"TMulticastFilterInformationForm"};
inline constexpr DedicatedFormClass TMulticastForwardingInformationForm{"TMulticastForwardingInformationForm"};
inline constexpr DedicatedFormClass TNLBUnicastFDBForm{"TNLBUnicastFDBForm"};
inline constexpr DedicatedFormClass TPBridgeConfigForm{"TPBridgeConfigForm"};
inline constexpr DedicatedFormClass TPortTrunkForm{"TPortTrunkForm"};
inline constexpr DedicatedFormClass TProtocolVLANGroupForm{"TProtocolVLANGroupForm"};
inline constexpr DedicatedFormClass TProtocolVlanForm{"TProtocolVlanForm"};
inline constexpr DedicatedFormClass TRSPANForm{"TRSPANForm"};
inline constexpr DedicatedFormClass TSTP_Info{"TSTP_Info"};
inline constexpr DedicatedFormClass TSpanningTreeAlgorithmForm{"TSpanningTreeAlgorithmForm"};
inline constexpr DedicatedFormClass TTpGroupDestinationForwardedForm{"TTpGroupDestinationForwardedForm"};
inline constexpr DedicatedFormClass TTrafficSegmentationForm{"TTrafficSegmentationForm"};
inline constexpr DedicatedFormClass TUnicastFilterInformationForm{"TUnicastFilterInformationForm"};
inline constexpr DedicatedFormClass TUserPrioritiesForm{"TUserPrioritiesForm"};
inline constexpr DedicatedFormClass TVLanCurrentTableForm{"TVLanCurrentTableForm"};
inline constexpr DedicatedFormClass TVLanGeneralInfoForm{"TVLanGeneralInfoForm"};
inline constexpr DedicatedFormClass TVLanPortInfomationForm{"TVLanPortInfomationForm"};
inline constexpr DedicatedFormClass TVlanForm{"TVlanForm"};
inline constexpr DedicatedFormClass TVlanStaticForm{"TVlanStaticForm"};
inline constexpr DedicatedFormClass Tdot3ControlForm{"Tdot3ControlForm"};
inline constexpr DedicatedFormClass Tdot3PauseForm{"Tdot3PauseForm"};

}  // namespace l2forms
