#pragma once
// TMLDSnoopingDataDrivenLearingGroupForm: the MLD snooping data-driven learning groups
// (TSnoopingDataDrivenGroupForm with the MLD table and IPv6 group addresses).
#include "SnoopingDataDrivenGroup.h"

class TMLDSnoopingDataDrivenLearingGroupForm : public TSnoopingDataDrivenGroupForm {
public:
    explicit TMLDSnoopingDataDrivenLearingGroupForm(ui::Component* owner);
};

extern TMLDSnoopingDataDrivenLearingGroupForm* MLDSnoopingDataDrivenLearingGroupForm;  // the open dialog, else null
