#pragma once
// TLoginMethodListForm: the login method lists (TMethodListForm), under their own control names.
#include "MethodListForm.h"

class TLoginMethodListForm : public TMethodListForm {
public:
    explicit TLoginMethodListForm(ui::Component* owner);

    ui::Edit* ListnameEdit = nullptr;
    ui::ComboBox* ComboBoxType1 = nullptr;
    ui::ComboBox* ComboBoxType2 = nullptr;
    ui::ComboBox* ComboBoxType3 = nullptr;
    ui::ComboBox* ComboBoxType4 = nullptr;
    ui::Edit* Server1Edit = nullptr;
    ui::Edit* Server2Edit = nullptr;
    ui::Edit* Server3Edit = nullptr;
    ui::Edit* Server4Edit = nullptr;
    ui::Button* btnClose = nullptr;
};

extern TLoginMethodListForm* LoginMethodListForm;  // the open dialog, else null
