#include "Diagnosticsinformationformunit.h"

#include "CatalogTables.h"

TDiagnosticsInformationForm* DiagnosticsInformationForm = nullptr;

TDiagnosticsInformationForm::TDiagnosticsInformationForm(ui::Component* owner)
    : TSupplicantCountersForm(owner, {.Table = &Oid_mba::E_12_3_6_3_1,
                                      .FormName = "DiagnosticsInformationForm",
                                      .Caption = "DiagnosticsInformation  Form"}) {}
