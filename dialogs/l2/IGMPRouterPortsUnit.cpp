#include "IGMPRouterPortsUnit.h"

#include "CatalogTables.h"

TIGMPRouterPortsForm* IGMPRouterPortsForm = nullptr;

namespace {

const TSnoopingRouterPortsForm::Layout IgmpRouterPorts{.FormName = "IGMPRouterPortsForm",
                                                       .Table = &Oid_switch::E_11_70_7_2_11_6_1,
                                                       .DesignWidth = 659,
                                                       .DesignHeight = 496,
                                                       .GuardsClose = false};

}  // namespace

TIGMPRouterPortsForm::TIGMPRouterPortsForm(ui::Component* owner) : TSnoopingRouterPortsForm(owner, IgmpRouterPorts) {}
