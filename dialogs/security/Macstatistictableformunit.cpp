#include "Macstatistictableformunit.h"

#include "CatalogTables.h"

TMacStatisticTableForm* MacStatisticTableForm = nullptr;

TMacStatisticTableForm::TMacStatisticTableForm(ui::Component* owner)
    : TSupplicantCountersForm(
          owner,
          {.Table = &Oid_mba::E_12_3_6_2_1, .FormName = "MacStatisticTableForm", .Caption = "MacStatisticTableForm"}) {}
