#include "L2Dialogs.h"

#include "DDMDialogs.h"
#include "DialogRegistry.h"
#include "L2FormClasses.h"
#include "Layer2ControlUnit.h"
#include "MSTPPortStateFormUnit.h"
#include "MulticastFilterInformationFormUnit.h"
#include "NLBUnicastFDBFormUnit.h"
#include "PBridgeConfigFormUnit.h"
#include "STPInfo.h"
#include "SpanningTreeAlgorithmUnit.h"
#include "TrafficSegmentationUnit.h"
#include "UnicastFilterInformationFormUnit.h"
#include "UserPrioritiesFormUnit.h"
#include "VLanCurrentTableFormUnit.h"
#include "VLanGeneralInfoFormUnit.h"
#include "VLanPortInfomationFormUnit.h"
#include "VlanFormUnit.h"
#include "VlanStaticFormUnit.h"
#include "dot3ControlFormUnit.h"
#include "dot3PauseFormUnit.h"

void RegisterL2Dialogs() {
    RegisterDedicatedForm(l2forms::TVlanStaticForm, &VlanStaticForm);
    RegisterDedicatedForm(l2forms::TSTP_Info, &STP_Info);
    RegisterDedicatedForm(l2forms::TSpanningTreeAlgorithmForm, &SpanningTreeAlgorithmForm);
    RegisterDedicatedForm(l2forms::TMSTPPortStateForm, &MSTPPortStateForm);
    RegisterDedicatedForm(l2forms::TVLanCurrentTableForm, &VLanCurrentTableForm);
    RegisterDedicatedForm(l2forms::TVLanGeneralInfoForm, &VLanGeneralInfoForm);
    RegisterDedicatedForm(l2forms::TVLanPortInfomationForm, &VLanPortInfomationForm);
    RegisterDedicatedForm(l2forms::TVlanForm, &VlanForm);
    RegisterDedicatedForm(l2forms::TUnicastFilterInformationForm, &UnicastFilterInformationForm);
    RegisterDedicatedForm(l2forms::TMulticastFilterInformationForm, &MulticastFilterInformationForm);
    RegisterDedicatedForm(l2forms::TNLBUnicastFDBForm, &NLBUnicastFDBForm);
    RegisterDedicatedForm(l2forms::TLayer2ControlForm, &Layer2ControlForm);
    RegisterDedicatedForm(l2forms::TPBridgeConfigForm, &PBridgeConfigForm);
    RegisterDedicatedForm(l2forms::TUserPrioritiesForm, &UserPrioritiesForm);
    RegisterDedicatedForm<TTrafficSegmentationForm>(l2forms::TTrafficSegmentationForm, nullptr);
    RegisterDedicatedForm(l2forms::Tdot3PauseForm, &dot3PauseForm);
    RegisterDedicatedForm(l2forms::Tdot3ControlForm, &dot3ControlForm);
    RegisterDialogFunction("ShowDDMSettingsDialog", ShowDDMSettingsDialog);
    RegisterDialogFunction("ShowDDMStatusTableDialog", ShowDDMStatusTableDialog);
    RegisterDialogFunction("ShowDDMThresholdManagementTableDialog", ShowDDMThresholdManagementTableDialog);
    RegisterDialogFunction("ShowDDMPortManagementTableDialog", ShowDDMPortManagementTableDialog);
}
