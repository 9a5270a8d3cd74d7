#pragma once
// What the three LLDP dot1 TX-enable dialogs share (protocols, protocol VLANs, VLAN names): per port and entry
// whether it is sent in LLDPDUs, rows without creation on one asynchronous request with a get-complete flag.
//
// Rules a caller must know:
// - Refresh while a walk runs says "Get data not complete!", Set "Get data not complete"; Stop sets the flag at once.
// - Set writes the TX value of the selected row and waits for its answer before the table is read again; a refused
//   or unanswered SET is reported (the table is read all the same), a Stop during the wait ends it without a read.
// - After each Refresh or Set the port and entry show a single blank and the TX box is empty.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class ListView;
class StaticText;
}  // namespace ui

class TLldpDot1ConfigBase : public TDedicatedForm {
public:
    ui::ListView* ListView1 = nullptr;
    ui::StaticText* PortNumberText = nullptr;
    ui::StaticText* IndexText = nullptr;
    ui::ComboBox* TXComboBox = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* RefreshButton = nullptr;
    ui::Button* SetButton = nullptr;
    ui::Button* StopButton = nullptr;
    ui::Button* CloseButton = nullptr;

    DialogTable& ConfigTable;

protected:
    struct Layout {
        const char* Name;
        int Width;
        int Height;
        const CatalogTable* Table;
        const char* IndexLabel;  // Label2
        const char* TxLabel;     // Label3
    };

    TLldpDot1ConfigBase(ui::Component* owner, const Layout& layout);
    void FormCreate(ui::Component* sender) override;

private:
    void RefreshButtonClick();
    void SetButtonClick();
    void ClearTxEditors();

    Layout layout_;
};
