#include "AclDialogs.h"

#include "AclFormClasses.h"
#include "Cosbrandctrltable.h"
#include "DialogRegistry.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Ibpetherruleformunit.h"
#include "Ibpethermaskformunit.h"
#include "Ibpipmaskformunit.h"
#include "Ibpipruleformunit.h"
#include "Ipmaskinformationformunit.h"
#include "Ipruleunit.h"
#include "Ipv6maskinfoformunit.h"
#include "Ipv6ruleinfoformunit.h"
#include "Packetcontentmaskformunit.h"
#include "Packetcontentruleformunit.h"
#include "Packetstormcontrolformunit.h"
#include "Timerangeformunit.h"
#include "Userdefinedruleunit.h"
#include "Usermaskinforunit.h"

void RegisterAclDialogs() {
    RegisterDedicatedForm<TIPMaskInformationForm>(aclforms::TIPMaskInformationForm, nullptr);
    RegisterDedicatedForm(aclforms::TTimeRangeForm, &TimeRangeForm);
    RegisterDedicatedForm(aclforms::TIPRuleForm, &IPRuleForm);
    RegisterDedicatedForm<TEthernetMaskInformationForm>(aclforms::TEthernetMaskInformationForm, nullptr);
    RegisterDedicatedForm(aclforms::TEthernetInformationRuleForm, &EthernetInformationRuleForm);
    RegisterDedicatedForm(aclforms::TIPv6ProfileForm, &IPv6ProfileForm);
    RegisterDedicatedForm(aclforms::TIpv6RuleForm, &Ipv6RuleForm);
    RegisterDedicatedForm(aclforms::TPktContentMaskForm, &PktContentMaskForm);
    RegisterDedicatedForm(aclforms::TPktContentRuleForm, &PktContentRuleForm);
    RegisterDedicatedForm(aclforms::TIBPACLEtherMaskForm, &IBPACLEtherMaskForm);
    RegisterDedicatedForm(aclforms::TIBPIPMaskForm, &IBPIPMaskForm);
    RegisterDedicatedForm(aclforms::TIBPEtherRuleForm, &IBPEtherRuleForm);
    RegisterDedicatedForm(aclforms::TIBPIPRuleForm, &IBPIPRuleForm);
    RegisterDedicatedForm(aclforms::TPacketStormControlForm, &PacketStormControlForm);
    RegisterDedicatedForm(aclforms::TCoSBrandwidthctrlForm, &CoSBrandwidthctrlForm);
    RegisterDedicatedForm<TUserDefinedInformationRuleForm>(aclforms::TUserDefinedInformationRuleForm, nullptr);
    RegisterDedicatedForm(aclforms::TUserMaskInfoForm, &UserMaskInfoForm);
}
