#pragma once
// TSnoopingRouterPortsForm: the router ports of IGMP or MLD snooping per VLAN, the one implementation of both
// twins (TIGMPRouterPortsForm, TMLD_SnoopingRouterPortsForm), which differ only in their Layout.
//
// A row table without creation: the user selects a VLAN, ticks its static and forbidden router ports and sets
// them; the dynamic router ports the switch learned are only shown. Every walk ends with all port boxes enabled
// and unchecked until a row is selected. Set sends the static and forbidden lists of the selected VLAN, whole
// (every unit, ticked or not), and never the dynamic list.
#include "DedicatedForm.h"

#include <string>

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TSnoopingRouterPortsForm : public TDedicatedForm {
public:
    struct Layout {
        const char* FormName;
        const CatalogTable* Table;
        int DesignWidth;
        int DesignHeight;
        bool GuardsClose;  // the close query refuses while a walk is incomplete
    };

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* stVlanID = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnStop = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* StaticPorts = nullptr;
    TStackingPortUitForm* ForbiddenPorts = nullptr;
    TStackingPortUitForm* DynamicPorts = nullptr;

    DialogTable& RouterPortsTable;

    void FormCreate(ui::Component* sender) override;
    void btnSetClick();

protected:
    TSnoopingRouterPortsForm(ui::Component* owner, const Layout& layout);

private:
    const Layout& layout_;
};
