#pragma once
// TIPv6ProfileForm: the IPv6 access profiles (the masks that IPv6 rules live in), listed, added and deleted; a
// profile is never changed in place. A row table on the dialog frame with one synchronous request and no
// get-complete flag; profile IDs 1 to 6.
//
// Rules a caller must know:
// - The protocol type and its TCP or UDP option open the option and port mask editors they use; the address mask
//   state opens the IPv6 masks it uses. A row selection (which enables every bound editor) and the reset after a
//   click beside the rows apply both again.
// - Add sends one SET with RowStatus createAndGo and the columns whose editors are enabled, less the combo boxes
//   showing "none" or "other"; the class and flow label always go. Delete sends RowStatus destroy alone. Both read
//   the table again; a failed Delete shows the SET status line with the error in panel 0, other exceptions their
//   bare message.
#include "DedicatedForm.h"

#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TIPv6ProfileForm : public TDedicatedForm {
public:
    explicit TIPv6ProfileForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* Static = nullptr;  // the row count
    ui::Button* GetButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* CloseButton = nullptr;

    ui::Edit* edtMaskID = nullptr;
    ui::ComboBox* cbxMaskClass = nullptr;
    ui::ComboBox* cbxMaskFlowlabel = nullptr;
    ui::ComboBox* cbxMaskState = nullptr;
    ui::Edit* edtSrcMask = nullptr;
    ui::Edit* edtDstMask = nullptr;
    ui::ComboBox* cbbRowStatus = nullptr;  // hidden
    ui::ComboBox* cbbOwner = nullptr;
    ui::Edit* edtEntries = nullptr;
    ui::ComboBox* ProtoTypeCombo = nullptr;
    ui::ComboBox* TCPOptionCombo = nullptr;
    ui::ComboBox* UDPOptionCombo = nullptr;
    ui::Edit* SourcePortEdit = nullptr;
    ui::Edit* DstPortEdit = nullptr;

    DialogTable& Profiles;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ProtocolChanged();
    void MaskStateChanged();
    std::vector<ui::Control*> Editors() const;
    std::vector<int> ColumnsLeftOut() const;
    void SetInitialEntries();
    void ResetEditors();
    void AfterWrite();
};

extern TIPv6ProfileForm* IPv6ProfileForm;  // the open dialog, else null
