#pragma once
// TUserMaskInfoForm: the payload mask entries (an ID of 1 to 255, a port list, five windows of up to 16 octets of
// which at most two other than zero, a row status), over the payload mask table outside the catalogue
// (OutsideTables.h). A row table on the dialog frame with one synchronous request, no get-complete flag, a port page
// and no row count; caught exceptions show their message in panel 0.
//
// Rules a caller must know:
// - Add refuses an empty or listed entry ID and a row status other than createAndGo; Add and Edit refuse a third
//   window in use (Edit not when destroying) and a window that is not hex. Nothing is sent after a refusal.
// - Empty windows stay out of a write; Add leaves the ports out when none is ticked, Edit always sends them.
// - Delete sends the row status destroy alone. Every write reads the table again.
#include "DedicatedForm.h"

#include <array>
#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
}  // namespace ui

class TUserMaskInfoForm : public TDedicatedForm {
public:
    explicit TUserMaskInfoForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* OperButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* btnClose = nullptr;

    ui::Edit* Edit1 = nullptr;  // the entry ID
    ui::Edit* Edit5 = nullptr;  // windows 0-15, 16-31, 32-47, 48-63, 64-79
    ui::Edit* Edit3 = nullptr;
    ui::Edit* Edit4 = nullptr;
    ui::Edit* Edit6 = nullptr;
    ui::Edit* Edit7 = nullptr;
    ui::ComboBox* ComboBox1 = nullptr;  // the row status
    TStackingPortUitForm* Ports = nullptr;

    DialogTable& Masks;

    void FormCreate(ui::Component* sender) override;

private:
    void GetButtonClick();
    void OperButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    bool TwoWindowsAtMost();
    bool WindowsValid();
    std::vector<int> EmptyWindows() const;
    void Write(const std::vector<int>& leftOut);
    void AfterWrite();

    std::array<ui::Edit*, 5> windows_{};
};

extern TUserMaskInfoForm* UserMaskInfoForm;  // the open dialog, else null
