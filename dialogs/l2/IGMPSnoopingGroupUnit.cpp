#include "IGMPSnoopingGroupUnit.h"

#include "CatalogTables.h"
#include "StdCtrls.h"

#include <algorithm>

TIGMPSnoopingGroupForm* IGMPSnoopingGroupForm = nullptr;

namespace {

const TSnoopingGroupTableForm::Layout IgmpGroups{.FormName = "IGMPSnoopingGroupForm",
                                                 .Table = &Oid_switch::E_11_70_7_2_11_11_1,
                                                 .DesignWidth = 644,
                                                 .DesignHeight = 373,
                                                 .KeepsFlag = true,
                                                 .StatusOnBar = false,
                                                 .PortsLockedOnRow = true,
                                                 .KeyRows = 1};

}  // namespace

TIGMPSnoopingGroupForm::TIGMPSnoopingGroupForm(ui::Component* owner) : TSnoopingGroupTableForm(owner, IgmpGroups) {
    const int addressWidth = std::max(110, ui::StaticText::WidthFor("255.255.255.255", ui::sbsSunken));
    stSourceIP = NewEditorText("stSourceIP", "Source IP Address", addressWidth);
    stGroupIP = NewEditorText("stGroupIP", "Group IP Address", addressWidth);
    keyTexts_ = {stSourceIP, stGroupIP};
}

void TIGMPSnoopingGroupForm::BindKeys(DialogRequest& request) {
    request.BindStaticText(GroupAddress, stGroupIP);
    request.BindStaticText(SourceAddress, stSourceIP);
}
