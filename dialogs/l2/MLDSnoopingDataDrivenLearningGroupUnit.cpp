#include "MLDSnoopingDataDrivenLearningGroupUnit.h"

#include "CatalogTables.h"

TMLDSnoopingDataDrivenLearingGroupForm* MLDSnoopingDataDrivenLearingGroupForm = nullptr;

namespace {

const TSnoopingDataDrivenGroupForm::Layout MldDataDriven{.FormName = "MLDSnoopingDataDrivenLearingGroupForm",
                                                         .Table = &Oid_mldsnooping::E_12_34_3_8_1,
                                                         .DesignWidth = 668,
                                                         .DesignHeight = 407,
                                                         .AddressFormat = "%s{l32}",
                                                         .AddressDisabledAtStart = true};

}  // namespace

TMLDSnoopingDataDrivenLearingGroupForm::TMLDSnoopingDataDrivenLearingGroupForm(ui::Component* owner)
    : TSnoopingDataDrivenGroupForm(owner, MldDataDriven) {}
