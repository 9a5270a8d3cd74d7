#pragma once
// TSnoopingDataDrivenGroupForm: the groups IGMP or MLD snooping learned from multicast data, with their router
// ports, and the clear action; the one implementation of both twins (TIGMPSnoopingDataDrivenLearingGroupForm,
// TMLDSnoopingDataDrivenLearingGroupForm), which differ only in their Layout.
//
// Rows are neither created nor deleted. Set sends the selected row's "Clear Group" alone (2 "clear", or 1
// "other"), waits for the answer (a refusal is reported, Stop or closing ends the wait) and then reads the table
// again. The router-port boxes only ever show the selected group's ports.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TSnoopingDataDrivenGroupForm : public TDedicatedForm {
public:
    struct Layout {
        const char* FormName;
        const CatalogTable* Table;
        int DesignWidth;
        int DesignHeight;
        const char* AddressFormat;    // of the group address edit
        bool AddressDisabledAtStart;  // until the first selection enables it
    };

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* stVID = nullptr;
    ui::Edit* edtIPAddress = nullptr;  // read-only
    ui::ComboBox* CBoxClear = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* StopButton = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* RouterPorts = nullptr;

    DialogTable& DataDrivenTable;

    void FormCreate(ui::Component* sender) override;
    void btnSetClick();

protected:
    TSnoopingDataDrivenGroupForm(ui::Component* owner, const Layout& layout);
    void RowSelectionChanged(bool selected) override;

private:
    const Layout& layout_;
};
