#pragma once
// TEthernetMaskInformationForm: the Ethernet access profiles (the masks that Ethernet rules live in), listed, added
// and deleted; a profile is never changed in place. A row table on the dialog frame with one synchronous request and
// no get-complete flag; caught exceptions show their message in panel 0.
//
// Add refuses a mask ID the list already shows, an empty mask ID, a busy request and a MAC mask of other than 12 hex
// digits where the mask state uses it, then sends one SET with RowStatus createAndGo and only the columns the mask
// state gives; empty MAC masks and "Use" boxes without an entry stay out. Delete sends RowStatus destroy alone. Both
// read the table again.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TEthernetMaskInformationForm : public TDedicatedForm {
public:
    explicit TEthernetMaskInformationForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* BT_Get = nullptr;
    ui::Button* AddBtn = nullptr;
    ui::Button* BT_Delete = nullptr;
    ui::Button* btnClose = nullptr;

    ui::Edit* IDEdit = nullptr;
    ui::ComboBox* UseVLanComBo = nullptr;
    ui::ComboBox* MacMaskStateComBo = nullptr;
    ui::Edit* MacAddMaskSourceEdit = nullptr;
    ui::Edit* MacMaskDstEdit = nullptr;
    ui::ComboBox* Use8021pComBo = nullptr;
    ui::ComboBox* UseEthTypeCombo = nullptr;
    ui::ComboBox* RowStatusComBo = nullptr;  // hidden
    ui::ComboBox* OwnerCombo = nullptr;
    ui::Edit* EntryEdit = nullptr;

    DialogTable& Profiles;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void BT_GetClick();
    void AddBtnClick();
    void BT_DeleteClick();
    bool CheckProfile();
    std::vector<int> ColumnsLeftOut() const;
    void WriteProfile();
    void ResetEditors();
    void AfterWrite();
};

extern TEthernetMaskInformationForm* EthernetMaskInformationForm;  // exported; the menu command leaves it unset
