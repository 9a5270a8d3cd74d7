#pragma once
// TIGMPRouterPortsForm: the IGMP snooping router ports per VLAN (TSnoopingRouterPortsForm with the IGMP table).
// Closing is allowed while a walk runs.
#include "SnoopingRouterPorts.h"

class TIGMPRouterPortsForm : public TSnoopingRouterPortsForm {
public:
    explicit TIGMPRouterPortsForm(ui::Component* owner);
};

extern TIGMPRouterPortsForm* IGMPRouterPortsForm;  // the open dialog, else null
