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
    : TDedicatedForm(owner, 400, 120), StaRequest(AddTable()) {
    SetName("SpanningTreeAlgorithmForm");
    SetCaption("Spanning Tree Algorithm");
    BuildButtonPanel("");
    GetButton = NewPanelButton("GetButton", "Refresh", [this] { GetButtonClick(GetButton); });
    SetButton = NewPanelButton("SetButton", "Set", [this] { SetButtonClick(SetButton); });
    btnClose = NewPanelButton("btnClose", "Close", [this] { btnCloseClick(btnClose); });
    ComboBox1 = EditorGrid(this, this, 230, 150).Combo(0, 0, "ComboBox1", "Spanning Tree Algorithm", 100);
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

void TSpanningTreeAlgorithmForm::FormCreate(ui::Component*) {
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    StaRequest.Open(StaStateTable, SVT_SV, 0, [this](DialogRequest& request) {
        request.BindComboBox(0, ComboBox1);
        // The binding's own report, and the end of the progress wait when the switch refused the SET.
        request.OnSetResult = [this](NxSNMPRequest2Controls* sender, const NxSNMPError& result) {
            SetResult(sender, result);
        };
    }, options);
}

void TSpanningTreeAlgorithmForm::SetResult(NxSNMPRequest2Controls* sender, const NxSNMPError& result) {
    if (result.Code != 0) CloseRunningProgress();
    sender->ReportSetError(result);
}

void TSpanningTreeAlgorithmForm::ReadState() {
    if (!StaRequest.HasRequest()) return;
    try {
        // Sent at once; after a SET the request holds it back until the SET has answered.
        StaRequest.Request()->Request.Active = 1;
        StaRequest.Request()->Get();
    } catch (const Exception& error) {
        StaRequest.ShowError(error.Message);
    }
}

void TSpanningTreeAlgorithmForm::GetButtonClick(ui::Component*) { ReadState(); }

void TSpanningTreeAlgorithmForm::SetButtonClick(ui::Component*) {
    if (!StaRequest.HasRequest()) return;
    const int index = ComboBox1->ItemIndex();
    const std::string chosen = index >= 0 ? ComboBox1->Items()[index] : std::string();
    if (chosen == "disabled") {
        try {
            StaRequest.Request()->Request.Active = 1;
            StaRequest.Request()->Set(true, true);
        } catch (const Exception& error) {
            StaRequest.ShowError(error.Message);
        }
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

void TSpanningTreeAlgorithmForm::btnCloseClick(ui::Component*) { Close(); }
