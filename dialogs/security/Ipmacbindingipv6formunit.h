#pragma once
// TIPMACBindingIPv6Form: the IPv6 IP-MAC-port binding entries (TIpMacBindingTableForm); the address is typed as
// 32 hex digits and converted by the request library.
#include "IpMacBindingTableForm.h"

class TIPMACBindingIPv6Form : public TIpMacBindingTableForm {
public:
    explicit TIPMACBindingIPv6Form(ui::Component* owner);
};

extern TIPMACBindingIPv6Form* IPMACBindingIPv6Form;  // the open dialog, else null
