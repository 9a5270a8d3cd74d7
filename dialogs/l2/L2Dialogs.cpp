#include "L2Dialogs.h"

#include "DDMDialogs.h"
#include "DialogRegistry.h"
#include "L2FormClasses.h"
#include "MSTPPortStateFormUnit.h"
#include "STPInfo.h"
#include "SpanningTreeAlgorithmUnit.h"
#include "VlanStaticFormUnit.h"

void RegisterL2Dialogs() {
    RegisterDedicatedForm(l2forms::TVlanStaticForm, &VlanStaticForm);
    RegisterDedicatedForm(l2forms::TSTP_Info, &STP_Info);
    RegisterDedicatedForm(l2forms::TSpanningTreeAlgorithmForm, &SpanningTreeAlgorithmForm);
    RegisterDedicatedForm(l2forms::TMSTPPortStateForm, &MSTPPortStateForm);
    RegisterDialogFunction("ShowDDMSettingsDialog", ShowDDMSettingsDialog);
    RegisterDialogFunction("ShowDDMStatusTableDialog", ShowDDMStatusTableDialog);
    RegisterDialogFunction("ShowDDMThresholdManagementTableDialog", ShowDDMThresholdManagementTableDialog);
    RegisterDialogFunction("ShowDDMPortManagementTableDialog", ShowDDMPortManagementTableDialog);
}
