#pragma once
// TSnoopingGroupTableForm: a read-only view of the groups IGMP or MLD snooping holds, one row per VLAN, group and
// source address with the ports that include and exclude that source; the one implementation of both twins
// (TIGMPSnoopingGroupForm, TMLD_SnoopingGroupForm). Each twin builds its own key fields and gives its Layout.
//
// Nothing is written. A Refresh while a walk runs reads nothing and leaves the fields as they are.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TSnoopingGroupTableForm : public TDedicatedForm {
public:
    struct Layout {
        const char* FormName;
        const CatalogTable* Table;
        int DesignWidth;
        int DesignHeight;
        bool KeepsFlag;         // the get-complete flag (a Refresh while it is false reads nothing)
        bool StatusOnBar;       // the status bar's one text, not its first panel, shows the status lines
        bool PortsLockedOnRow;  // the port boxes are disabled on a selected row
        int KeyRows;            // lines of key fields above the port pages
    };

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* IncludePorts = nullptr;
    TStackingPortUitForm* ExcludePorts = nullptr;

    DialogTable& GroupTable;

    void FormCreate(ui::Component* sender) override;

protected:
    TSnoopingGroupTableForm(ui::Component* owner, const Layout& layout);
    // The twin's key fields: bound to the key columns, emptied when the editors are cleared.
    virtual void BindKeys(DialogRequest& request) = 0;
    std::vector<ui::Edit*> keyEdits_;
    std::vector<ui::StaticText*> keyTexts_;
    void RowSelectionChanged(bool selected) override;

    enum Column { VlanId, GroupAddress, SourceAddress, IncludePortMap, ExcludePortMap };

private:
    const Layout& layout_;
};
