#pragma once
// TMLD_SnoopingRouterPortsForm: the MLD snooping router ports per VLAN (TSnoopingRouterPortsForm with the MLD
// table). Its close query refuses while a walk is incomplete.
#include "SnoopingRouterPorts.h"

class TMLD_SnoopingRouterPortsForm : public TSnoopingRouterPortsForm {
public:
    explicit TMLD_SnoopingRouterPortsForm(ui::Component* owner);
};

extern TMLD_SnoopingRouterPortsForm* MLD_SnoopingRouterPortsForm;  // the open dialog, else null
