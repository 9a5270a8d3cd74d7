#include "L2Dialogs.h"

#include "DDMDialogs.h"
#include "DialogRegistry.h"
#include "L2FormClasses.h"
#include "VlanStaticFormUnit.h"

void RegisterL2Dialogs() {
    RegisterDedicatedForm(l2forms::TVlanStaticForm, &VlanStaticForm);
    RegisterDialogFunction("ShowDDMSettingsDialog", ShowDDMSettingsDialog);
    RegisterDialogFunction("ShowDDMStatusTableDialog", ShowDDMStatusTableDialog);
    RegisterDialogFunction("ShowDDMThresholdManagementTableDialog", ShowDDMThresholdManagementTableDialog);
    RegisterDialogFunction("ShowDDMPortManagementTableDialog", ShowDDMPortManagementTableDialog);
}
