#pragma once
// TIGMPSnoopingDataDrivenLearingGroupForm: the IGMP snooping data-driven learning groups
// (TSnoopingDataDrivenGroupForm with the IGMP table and IPv4 group addresses).
#include "SnoopingDataDrivenGroup.h"

class TIGMPSnoopingDataDrivenLearingGroupForm : public TSnoopingDataDrivenGroupForm {
public:
    explicit TIGMPSnoopingDataDrivenLearingGroupForm(ui::Component* owner);
};

extern TIGMPSnoopingDataDrivenLearingGroupForm* IGMPSnoopingDataDrivenLearingGroupForm;  // the open dialog, else null
