#pragma once
// TEquipmentBasicInfoForm: the switch's stacking settings: the stack mode and the force-master role, which Set
// writes (with a 5-second time-out from then on), and the stack topology, shown read-only. Read and written
// synchronously; a Set is followed by a read.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

class TEquipmentBasicInfoForm : public TDedicatedForm {
public:
    explicit TEquipmentBasicInfoForm(ui::Component* owner);

    ui::Edit* Edit1 = nullptr;  // the fixed equipment capacity text
    ui::ComboBox* StackModeComboBox = nullptr;
    ui::ComboBox* cbxTopology = nullptr;
    ui::ComboBox* ForceMasterRoleComboBox = nullptr;
    ui::Button* BitBtn1 = nullptr;  // "Refresh"
    ui::Button* bbtnSet = nullptr;
    ui::Button* CloseButton = nullptr;

    DialogTable& EquipmentScalars;

    void FormCreate(ui::Component* sender) override;
    void bbtnSetClick();
};

extern TEquipmentBasicInfoForm* EquipmentBasicInfoForm;  // the open dialog, else null
