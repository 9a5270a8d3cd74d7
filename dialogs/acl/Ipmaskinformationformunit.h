#pragma once
// TIPMaskInformationForm: the IPv4 access profiles (the IP masks that IPv4 rules live in), listed, added and
// deleted; a profile is never changed in place. A row table on the dialog frame with one synchronous request and
// no get-complete flag; caught exceptions show their message in panel 0.
//
// Add checks the masks that the chosen address mask state and protocol type use, refuses a profile ID the list
// already shows, and sends one SET with RowStatus createAndGo and only the columns those choices give; empty
// mask and number edits stay out. Delete sends RowStatus destroy alone. Both read the table again.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TIPMaskInformationForm : public TDedicatedForm {
public:
    explicit TIPMaskInformationForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* BT_Get = nullptr;
    ui::Button* BT_Add = nullptr;
    ui::Button* BT_Delete = nullptr;
    ui::Button* btnClose = nullptr;

    ui::Edit* IPIDEdit = nullptr;
    ui::ComboBox* VlanComboBox = nullptr;
    ui::ComboBox* IpAddMaskStateComboBox = nullptr;
    ui::Edit* IpAddMaskSrcEdit = nullptr;
    ui::Edit* IpAddMaskDstEdit = nullptr;
    ui::ComboBox* UseDSCPComBo = nullptr;
    ui::ComboBox* UseProTypeComBo = nullptr;
    ui::ComboBox* IcmpComboBox = nullptr;
    ui::ComboBox* IgmpComboBox = nullptr;
    ui::ComboBox* TCPOptionComBo = nullptr;
    ui::ComboBox* UDPOptionComBo = nullptr;
    ui::Edit* TCPUDPSrcMaskEdit = nullptr;
    ui::Edit* TCPUDPDstPortMaskEdit = nullptr;
    ui::ComboBox* TCPFlagBitOptionComBo = nullptr;
    ui::Edit* TCPFlagBitMaskEdit = nullptr;
    ui::ComboBox* ProOptionComBo = nullptr;
    ui::Edit* ProtoIDEdit = nullptr;
    ui::Edit* ProIDMaskEdit = nullptr;
    ui::ComboBox* RowStatusComBo = nullptr;  // hidden
    ui::ComboBox* OwnerComboBox = nullptr;
    ui::Edit* SrcMacAddrMaskEdit = nullptr;
    ui::Edit* EntriesEdit = nullptr;

    DialogTable& Profiles;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void BT_GetClick();
    void BT_AddClick();
    void BT_DeleteClick();
    bool CheckProfile();
    void WriteProfile();
    void ResetEditors();
    void AfterWrite();
};

extern TIPMaskInformationForm* IPMaskInformationForm;  // exported; the menu command leaves it unset
