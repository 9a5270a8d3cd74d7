#pragma once
// TServerInformationForm: the authentication servers, one row per server address and protocol (the two keys) with
// the server's port, key, time-out and retry count. A row table on the dialog frame with one synchronous request
// and a visible Row Status.
//
// Rules a caller must know:
// - Add and Edit leave out each of port, key, time-out and retry count whose edit is empty; Add refuses an
//   address and protocol the list already holds and a Row Status other than createAndGo.
// - Edit with Row Status "destroy" and Delete send the destroy alone.
// - The address and the protocol of a selected row cannot be changed.
#include "DedicatedForm.h"

#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TServerInformationForm : public TDedicatedForm {
public:
    explicit TServerInformationForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* Static = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* btnClose = nullptr;
    ui::Edit* IPEdit = nullptr;
    ui::ComboBox* ProtocolComboBox = nullptr;
    ui::Edit* PortEdit = nullptr;
    ui::Edit* KeyEdit = nullptr;
    ui::Edit* TimeoutEdit = nullptr;
    ui::Edit* RetryCEdit = nullptr;
    ui::ComboBox* RowComboBox = nullptr;

    DialogTable& Servers;

    void FormCreate(ui::Component* sender) override;
    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

protected:
    void RowSelectionChanged(bool selected) override;

private:
    std::vector<int> EmptyOptionalColumns() const;
    void WriteServer(const std::vector<int>& leftOut);
    void AfterWrite();
};

extern TServerInformationForm* ServerInformationForm;  // the open dialog, else null
