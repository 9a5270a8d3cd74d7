#pragma once
// TProtocolVLANGroupForm: the IEEE 802.1v protocol group database (dot1vProtocolGroupTable): each row maps a
// protocol template (frame type and protocol value, the two keys) to a protocol group ID. Rows are created and
// destroyed, never changed. A synchronous table without a get-complete flag.
//
// Add checks its four editors in order, accepts hex digits only as the protocol value (at most four: two octets)
// and needs "createAndGo"; it sends Group ID and RowStatus for the instance of the two keys, then reads the table
// again whatever the answer. Delete sends RowStatus destroy alone. A selected row locks the keys and the group ID.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TProtocolVLANGroupForm : public TDedicatedForm {
public:
    explicit TProtocolVLANGroupForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::ComboBox* TypeComboBox = nullptr;
    ui::Edit* ValueEdit = nullptr;
    ui::Edit* IDEdit = nullptr;
    ui::ComboBox* RowComboBox = nullptr;
    ui::StaticText* Static = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& ProtocolGroupTable;

    void FormCreate(ui::Component* sender) override;
    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

protected:
    void RowSelectionChanged(bool selected) override;

private:
    void ClearGroupEditors();
};

extern TProtocolVLANGroupForm* ProtocolVLANGroupForm;  // the open dialog, else null
