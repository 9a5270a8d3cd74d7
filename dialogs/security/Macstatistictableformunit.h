#pragma once
// TMacStatisticTableForm: the EAPOL frame counters per supplicant (TSupplicantCountersForm).
#include "SupplicantCountersForm.h"

class TMacStatisticTableForm : public TSupplicantCountersForm {
public:
    explicit TMacStatisticTableForm(ui::Component* owner);
};

extern TMacStatisticTableForm* MacStatisticTableForm;  // the open dialog, else null
