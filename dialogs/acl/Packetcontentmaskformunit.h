#pragma once
// TPktContentMaskForm: the packet content access profiles, each switching on up to four chunks (a value of 0 to 31
// and four octets of offset), listed, added and deleted. A row table on the dialog frame with one synchronous
// request and no get-complete flag; no row count is shown; caught exceptions show their message in panel 0.
//
// Add checks the profile ID and each enabled chunk's value and offset (at most 8 hex digits), needs one chunk that
// is not disabled, and sends one SET with every chunk's state, the value and offset of the chunks not disabled, and
// RowStatus createAndGo. A listed profile ID goes to the switch like a new one. Delete sends RowStatus destroy
// alone. Both read the table again.
#include "DedicatedForm.h"

#include <array>
#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
}  // namespace ui

class TPktContentMaskForm : public TDedicatedForm {
public:
    explicit TPktContentMaskForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* btnClose = nullptr;

    ui::Edit* edtProfileID = nullptr;
    ui::ComboBox* cbxChunk1State = nullptr;
    ui::ComboBox* cbxChunk2State = nullptr;
    ui::ComboBox* cbxChunk3State = nullptr;
    ui::ComboBox* cbxChunk4State = nullptr;
    ui::Edit* edtChunk1Value = nullptr;
    ui::Edit* edtChunk2Value = nullptr;
    ui::Edit* edtChunk3Value = nullptr;
    ui::Edit* edtChunk4Value = nullptr;
    ui::Edit* edtChunk1Offset = nullptr;
    ui::Edit* edtChunk2Offset = nullptr;
    ui::Edit* edtChunk3Offset = nullptr;
    ui::Edit* edtChunk4Offset = nullptr;
    ui::ComboBox* cbxStatus = nullptr;  // hidden
    ui::ComboBox* cbxOwner = nullptr;
    ui::Edit* EntiesEdit = nullptr;

    DialogTable& Profiles;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    // One chunk's editors.
    struct Chunk {
        ui::ComboBox* State;
        ui::Edit* Value;
        ui::Edit* Offset;
    };

    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    bool CheckMaskInput();
    std::vector<int> LeaveOutDisabledChunks() const;
    void AfterWrite();

    std::array<Chunk, 4> chunks_{};
};

extern TPktContentMaskForm* PktContentMaskForm;  // the open dialog, else null
