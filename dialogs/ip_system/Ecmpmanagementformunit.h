#pragma once
// TECMPManagementForm: how the switch spreads traffic over equal-cost routes: six scalars (the hash fields and the
// ECMP state), each "enabled" or "disabled", read and written synchronously. "Set Checked" writes the ticked
// scalars in one SET and reads all six again; the apply boxes keep their state after it.
//
// Rules a caller must know:
// - IP Source, CRC Low and CRC High exclude one another in one SET: ticking one clears the other two.
#include "ApplyBoxes.h"
#include "DedicatedForm.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
}  // namespace ui

class TECMPManagementForm : public TDedicatedForm {
public:
    explicit TECMPManagementForm(ui::Component* owner);

    ui::ComboBox* DestIPcbx = nullptr;
    ui::ComboBox* IPSourcecbx = nullptr;
    ui::ComboBox* CRCLowcbx = nullptr;
    ui::ComboBox* CRCHighcbx = nullptr;
    ui::ComboBox* TCP_UDPPortcbx = nullptr;
    ui::ComboBox* Statecbx = nullptr;
    ui::CheckBox* CheckBox1 = nullptr;
    ui::CheckBox* CheckBox2 = nullptr;
    ui::CheckBox* CheckBox3 = nullptr;
    ui::CheckBox* CheckBox4 = nullptr;
    ui::CheckBox* CheckBox5 = nullptr;
    ui::CheckBox* CheckBox6 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* SetButton = nullptr;
    ui::Button* ClearButton = nullptr;
    ui::Button* CloseButton = nullptr;

    DialogTable& EcmpScalars;

    void FormCreate(ui::Component* sender) override;
    void SetButtonClick();

private:
    // Ticking box clears the other hash fields that exclude it.
    void ExcludeOthers(ui::CheckBox* box);

    ApplyBoxes boxes_;
};

extern TECMPManagementForm* ECMPManagementForm;  // the open dialog, else null
