#pragma once
// TSystemLogHostForm: the up to four servers the switch sends its system log to (keyed by index 1 to 4), with the
// add/edit form TLogHostEditForm. Reads asynchronously without a get-complete flag: Edit's form and Delete refuse
// with "Get data not complete" while a read runs. Delete sends Row Status destroy alone.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TLogHostEditForm;

class TSystemLogHostForm : public TDedicatedForm {
public:
    explicit TSystemLogHostForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& ServerTable;
    TLogHostEditForm* EditForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
};

extern TSystemLogHostForm* SystemLogHostForm;  // the open dialog, else null
