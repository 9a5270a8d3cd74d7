#pragma once
// Tdot3PauseForm: the EtherLike pause table (dot3PauseTable) with the pause frame counters of the port clicked (the
// counter view of TDot3CounterForm). Set writes the pause admin mode of the selected port, which offers
// "disabled" and "enabledXmitAndRcv" only; Stop ends the walk at its next answer.
#include "Dot3CounterForm.h"

namespace ui {
class Edit;
}  // namespace ui

class Tdot3PauseForm : public TDot3CounterForm {
public:
    explicit Tdot3PauseForm(ui::Component* owner);

    ui::Button* btnSet = nullptr;
    ui::Button* btnStop = nullptr;
    ui::ComboBox* cbxAdminMode = nullptr;
    ui::Edit* edtIndex = nullptr;  // hidden

protected:
    void BindEditors(DialogRequest& request) override;
    void ResetEditors() override;
    void EnableEditors() override;
    void RowSelectionChanged(bool selected) override;

private:
    void btnSetClick();
};

extern Tdot3PauseForm* dot3PauseForm;  // the open dialog, else null
