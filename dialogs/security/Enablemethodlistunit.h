#pragma once
// TEnableMethodForm: the enable method lists (TMethodListForm), under their own control names.
#include "MethodListForm.h"

class TEnableMethodForm : public TMethodListForm {
public:
    explicit TEnableMethodForm(ui::Component* owner);

    ui::Edit* NameEdit = nullptr;
    ui::ComboBox* Type1ComboBox = nullptr;
    ui::ComboBox* Type2ComboBox = nullptr;
    ui::ComboBox* Type3ComboBox = nullptr;
    ui::ComboBox* Type4ComboBox = nullptr;
    ui::Edit* ServerGroupEdit1 = nullptr;
    ui::Edit* ServerGroupEdit2 = nullptr;
    ui::Edit* ServerGroupEdit3 = nullptr;
    ui::Edit* ServerGroupEdit4 = nullptr;
};

extern TEnableMethodForm* EnableMethodForm;  // the open dialog, else null
