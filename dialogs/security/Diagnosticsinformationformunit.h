#pragma once
// TDiagnosticsInformationForm: the authenticator state machine's diagnostics counters per supplicant
// (TSupplicantCountersForm).
#include "SupplicantCountersForm.h"

class TDiagnosticsInformationForm : public TSupplicantCountersForm {
public:
    explicit TDiagnosticsInformationForm(ui::Component* owner);
};

extern TDiagnosticsInformationForm* DiagnosticsInformationForm;  // the open dialog, else null
