#pragma once
// TIPMACBindingForm: the IPv4 IP-MAC-port binding entries (TIpMacBindingTableForm).
#include "IpMacBindingTableForm.h"

class TIPMACBindingForm : public TIpMacBindingTableForm {
public:
    explicit TIPMACBindingForm(ui::Component* owner);
};

extern TIPMACBindingForm* IPMACBindingForm;  // the open dialog, else null
