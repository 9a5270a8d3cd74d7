#pragma once
// TLLDPDot3PortConfigForm: the 802.3 extension's port configuration table (lldpXdot3PortConfigTable): per port the
// 802.3 TLVs it sends, shown as names (TLldpPortConfigBase).
#include "LldpPortConfigBase.h"

// The request of the dialog: "TLVs TX Enable" (column 1) as names of LldpDot3TlvNames.
class LLDPDot3PortConfigNewRequest2Edits : public LldpTlvRequest {
public:
    explicit LLDPDot3PortConfigNewRequest2Edits(ui::Form* owner);
};

class TLLDPDot3PortConfigForm : public TLldpPortConfigBase {
public:
    explicit TLLDPDot3PortConfigForm(ui::Component* owner);
};

extern TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm;  // the open dialog, else null
