#pragma once
// TLLDPPortConfigForm: the LLDP port configuration table (lldpPortConfigTable): per port its administration status,
// notification enable and the basic TLVs it sends, shown as names (TLldpPortConfigBase).
#include "LldpPortConfigBase.h"

namespace ui {
class ComboBox;
}  // namespace ui

// The request of the dialog: "TLVs TX Enable" (column 3) as names of LldpTlvNames.
class NewRequest2Edits : public LldpTlvRequest {
public:
    explicit NewRequest2Edits(ui::Form* owner);
};

class TLLDPPortConfigForm : public TLldpPortConfigBase {
public:
    explicit TLLDPPortConfigForm(ui::Component* owner);

    ui::ComboBox* AdminStateComboBox = nullptr;
    ui::ComboBox* NotificationComboBox = nullptr;

protected:
    void BindOwnColumns(DialogRequest& request) override;
};

extern TLLDPPortConfigForm* LLDPPortConfigForm;  // the open dialog, else null
