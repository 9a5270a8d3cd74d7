#include "SpanningTreeAlgorithmUnit.h"

#include "CatalogTables.h"
#include "Dialogs.h"
#include "DialogProgress.h"
#include "EditorGrid.h"
#include "Exception.h"
#include "StdCtrls.h"

TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm = nullptr;

namespace {

const CatalogTable& StaStateTable = Oid_switch::E_11_70_7_2_1_2_B;

constexpr const char* EnableQuestion = "To enable STP may take a long time. Do you want to go on?";

}  // namespace

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(ui::Component* owner)
    : TDedicatedForm(owner, 400, 155), StaRequest(AddTable()) {
    SetName("SpanningTreeAlgorithmForm");
    SetCaption("Spanning Tree Algorithm");
    BuildButtonPanel("");
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { ReadState(); });
    SetButton = NewRoleButton(ButtonRole::Set, "SetButton", [this] { SetButtonClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    ComboBox1 = EditorGrid(this, this, 230, 150).Combo(0, 0, "ComboBox1", "Spanning Tree Algorithm", 100);
}

void TSpanningTreeAlgorithmForm::FormCreate(ui::Component*) {
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    StaRequest.Open(StaStateTable, SVT_SV, 0, [this](DialogRequest& request) {
        request.BindComboBox(0, ComboBox1);
        // The binding's own report, and the end of the progress wait when the switch refused the SET.
        request.OnSetResult = ReportSetEndingProgress;
    }, options);
}

// Sent at once; after a SET the request holds it back until the SET has answered.
void TSpanningTreeAlgorithmForm::ReadState() { StaRequest.ReadAgain(); }

void TSpanningTreeAlgorithmForm::SetButtonClick() {
    if (!StaRequest.HasRequest()) return;
    const int index = ComboBox1->ItemIndex();
    const std::string chosen = index >= 0 ? ComboBox1->Items()[index] : std::string();
    if (chosen == "disabled") {
        StaRequest.WriteOnly([this] { StaRequest.SendRefreshing(); });
    } else if (chosen == "enabled") {
        if (ui::MessageBox(this, EnableQuestion, "Confirm", ui::mbOKCancel, ui::mtConfirmation) == ui::mrOk) Enable();
    } else {
        return;
    }
    ReadState();
}

void TSpanningTreeAlgorithmForm::Enable() {
    NxSNMPRequest2Edits& request = *StaRequest.Request();
    try {
        bool sent = false;
        {
            // The SET keeps the time-out it was sent with, its resends included; later exchanges get the usual one.
            struct TimeoutScope {
                NxSNMPRequest& request;
                int32_t saved;
                ~TimeoutScope() { request.Timeout = saved; }
            } timeout{request.Request, request.Request.Timeout};
            request.Request.Timeout = EnableTimeout;
            request.Request.Active = 1;
            sent = request.Set(false, true);
        }
        if (sent) RunProgressForm(*this, "Enable STP Progress", "Enable STP is doing...", 1000);
    } catch (const Exception& error) {
        StaRequest.ShowError(error.Message);
    }
}
