#include "AclDialogs.h"

#include "AclFormClasses.h"
#include "DialogRegistry.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Ipmaskinformationformunit.h"
#include "Ipruleunit.h"
#include "Timerangeformunit.h"

void RegisterAclDialogs() {
    RegisterDedicatedForm<TIPMaskInformationForm>(aclforms::TIPMaskInformationForm, nullptr);
    RegisterDedicatedForm(aclforms::TTimeRangeForm, &TimeRangeForm);
    RegisterDedicatedForm(aclforms::TIPRuleForm, &IPRuleForm);
    RegisterDedicatedForm<TEthernetMaskInformationForm>(aclforms::TEthernetMaskInformationForm, nullptr);
    RegisterDedicatedForm(aclforms::TEthernetInformationRuleForm, &EthernetInformationRuleForm);
}
