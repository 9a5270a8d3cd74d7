#pragma once
// TLLDPConfigVLANNameForm: whether each port advertises its VLAN names in LLDPDUs (the LLDP dot1 TX-enable table;
// TLldpDot1ConfigBase).
#include "LldpDot1ConfigBase.h"

class TLLDPConfigVLANNameForm : public TLldpDot1ConfigBase {
public:
    explicit TLLDPConfigVLANNameForm(ui::Component* owner);
};

extern TLLDPConfigVLANNameForm* LLDPConfigVLANNameForm;  // the open dialog, else null
