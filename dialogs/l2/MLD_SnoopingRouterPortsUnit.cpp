#include "MLD_SnoopingRouterPortsUnit.h"

#include "CatalogTables.h"

TMLD_SnoopingRouterPortsForm* MLD_SnoopingRouterPortsForm = nullptr;

namespace {

const TSnoopingRouterPortsForm::Layout MldRouterPorts{.FormName = "MLD_SnoopingRouterPortsForm",
                                                      .Table = &Oid_mldsnooping::E_12_34_3_4_1,
                                                      .DesignWidth = 671,
                                                      .DesignHeight = 472,
                                                      .GuardsClose = true};

}  // namespace

TMLD_SnoopingRouterPortsForm::TMLD_SnoopingRouterPortsForm(ui::Component* owner)
    : TSnoopingRouterPortsForm(owner, MldRouterPorts) {}
