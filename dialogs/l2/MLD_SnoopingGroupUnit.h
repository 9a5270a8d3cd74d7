#pragma once
// TMLD_SnoopingGroupForm: the MLD snooping group table (TSnoopingGroupTableForm): the keys of the selected row in
// edits that nothing reads back, status lines in the status bar's one text, no get-complete flag; the port boxes
// of a selected row can be ticked and nothing is sent.
#include "SnoopingGroupTable.h"

namespace ui {
class Edit;
}

class TMLD_SnoopingGroupForm : public TSnoopingGroupTableForm {
public:
    explicit TMLD_SnoopingGroupForm(ui::Component* owner);

    ui::Edit* VIDEdit = nullptr;
    ui::Edit* edtIPAddress = nullptr;  // the group address
    ui::Edit* edtMAC = nullptr;        // the source address

protected:
    void BindKeys(DialogRequest& request) override;
};

extern TMLD_SnoopingGroupForm* MLD_SnoopingGroupForm;  // the open dialog, else null
