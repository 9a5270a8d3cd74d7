#pragma once
// TLLDPRemoteForm: the neighbours the switch has learnt through LLDP (lldpRemTable), a read-only table view with
// Refresh and Close; the neighbours' system capabilities are shown as name texts.
//
// Rules a caller must know:
// - Chassis and port IDs are read as octets and shown as text when every octet is printable, else as hex (a MAC
//   address, say), never cut at a zero octet.
// - Refresh during a walk starts no second walk. A failed walk shows its error text; the rows received stay.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

// The request of the dialog: the capabilities as names, the IDs as text or hex, before each row is listed.
class NewRequest2Edits3 : public DialogRequest {
public:
    using DialogRequest::DialogRequest;

protected:
    void BeforeGet() override;
    void RowReceived() override;
};

class TLLDPRemoteForm : public TDedicatedForm {
public:
    explicit TLLDPRemoteForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* CloseButton = nullptr;

    DialogTable& RemoteTable;

protected:
    void FormCreate(ui::Component* sender) override;

private:
    void GetButtonClick();
};

extern TLLDPRemoteForm* LLDPRemoteForm;  // the open dialog, else null
