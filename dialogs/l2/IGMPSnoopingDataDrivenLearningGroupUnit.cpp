#include "IGMPSnoopingDataDrivenLearningGroupUnit.h"

#include "CatalogTables.h"

TIGMPSnoopingDataDrivenLearingGroupForm* IGMPSnoopingDataDrivenLearingGroupForm = nullptr;

namespace {

const TSnoopingDataDrivenGroupForm::Layout IgmpDataDriven{.FormName = "IGMPSnoopingDataDrivenLearingGroupForm",
                                                          .Table = &Oid_switch::E_11_70_7_2_11_20_1,
                                                          .DesignWidth = 647,
                                                          .DesignHeight = 406,
                                                          .AddressFormat = "%s{l16}",
                                                          .AddressDisabledAtStart = false};

}  // namespace

TIGMPSnoopingDataDrivenLearingGroupForm::TIGMPSnoopingDataDrivenLearingGroupForm(ui::Component* owner)
    : TSnoopingDataDrivenGroupForm(owner, IgmpDataDriven) {}
