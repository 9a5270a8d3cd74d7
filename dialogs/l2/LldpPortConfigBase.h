#pragma once
// What the two LLDP port configuration dialogs share (the basic TLVs, and the 802.3 TLVs): rows without creation on
// one asynchronous request without a get-complete flag, the TLV column shown and typed as a name text, a picker
// opened by a click on the TLV edit, and Edit, which writes the selected row and reads the table again at once.
//
// Rules a caller must know:
// - The request (LldpTlvRequest) turns the TLV octet of each row into names before the row is listed, and the names
//   of the TLV edit back into the octet for the SET; a name in another case is ignored.
// - Refresh during a walk does nothing (the running walk goes on; the editors are left alone).
// - A click on the TLV edit enables Edit and shows the picker; Edit does nothing without a selected row.
#include "DedicatedForm.h"
#include "LldpNameTexts.h"
#include "LldpTlvPicker.h"

#include <functional>

namespace ui {
class Button;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

// The TLV column is held as text (its one octet as received, then its name text), so the list, the edit and the
// selection carry names; the octet is made from the names again for the SET.
class LldpTlvRequest : public DialogRequest {
public:
    LldpTlvRequest(ui::Form* owner, int tlvColumn, const LldpNameSet& names);
    // Binds the TLV column, as text, to edit.
    void BindTlvEdit(ui::Edit* edit);

protected:
    void RowReceived() override;
    void ControlsToRequest() override;

private:
    int tlvColumn_;
    const LldpNameSet& names_;
};

class TLldpPortConfigBase : public TDedicatedForm {
public:
    ui::ListView* ListView1 = nullptr;
    ui::StaticText* PortText = nullptr;
    ui::Edit* TLVsEdit = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* CloseButton = nullptr;
    TLldpTlvPicker* Picker = nullptr;

    DialogTable& PortConfigTable;

    void TLVsEditClick();

protected:
    struct Layout {
        const char* Name;
        int Width;
        int Height;
        const CatalogTable* Table;
        RequestFactory MakeRequest;
        std::function<TLldpTlvPicker*(ui::Component* owner, ui::Edit* tlvEdit)> MakePicker;
    };

    TLldpPortConfigBase(ui::Component* owner, const Layout& layout);
    // The TLV edit after the dialog's own editors, and the picker over it.
    void AddTlvEditor();
    void FormCreate(ui::Component* sender) override;
    // The dialog's bindings besides the port and the TLV edit.
    virtual void BindOwnColumns(DialogRequest&) {}

private:
    void GetButtonClick();
    void EditButtonClick();

    Layout layout_;
};
