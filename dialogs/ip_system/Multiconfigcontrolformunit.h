#pragma once
// TMultipleConfigControlForm: the switch's two configuration control entries (keyed by control ID) and their
// actions, with the edit form TMultiConfigControlEditForm that writes one entry's action. Reads asynchronously
// without a get-complete flag; every read and write of the dialog waits 3 seconds per attempt.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TMultiConfigControlEditForm;

class TMultipleConfigControlForm : public TDedicatedForm {
public:
    explicit TMultipleConfigControlForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnEdit = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& ControlTable;
    TMultiConfigControlEditForm* EditForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void btnGetClick();
    void btnEditClick();
};

extern TMultipleConfigControlForm* MultipleConfigControlForm;  // the open dialog, else null
