#pragma once
// TMSTPPortStateForm: the spanning-tree settings and state of every port (the MSTP port table, one row per port,
// rows only from the walk). A row is edited on the modal edit form TMSTPPortStateEditForm, whose controls are
// bound to this dialog's table request; the dialog keeps a get-complete flag and refuses Edit and closing while
// a walk runs.
//
// Rules a caller must know:
// - The switch's version, read into lblSTPVersion on opening, on Refresh and after every use of Edit, decides what
//   the edit form writes: under "stp" or "rstp" the port's Admin HelloTime is left out of the SET.
//   Under any other version the SET carries it and the binding reads the table again once the SET has answered
//   without error (a refused SET leaves the list as it was).
// - Edit needs a selected row; afterwards Edit stays disabled until a row is selected again.
// - The version request has no status target; closing frees it before the table request.
#include "DedicatedForm.h"

namespace ui {
class Button;
class Label;
class ListView;
class StaticText;
}  // namespace ui

class TMSTPPortStateEditForm;

class TMSTPPortStateForm : public TDedicatedForm {
public:
    explicit TMSTPPortStateForm(ui::Component* owner);

    ui::ListView* lvMSTPPortState = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnRefresh = nullptr;
    ui::Button* btnEdit = nullptr;
    ui::Button* btnStop = nullptr;
    ui::Button* btnClose = nullptr;
    ui::Label* lblSTPVersion = nullptr;  // not visible: "stp", "rstp" or "mstp" once read

    DialogTable& VersionRequest;  // added first: closed first
    DialogTable& PortStateRequest;
    TMSTPPortStateEditForm* EditForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void btnRefreshClick();
    void btnEditClick();

    // Whether the version read leaves Admin HelloTime out of a port's SET.
    bool LeavesOutAdminHelloTime() const;
};

extern TMSTPPortStateForm* MSTPPortStateForm;  // the open dialog, else null
