#include "LLDPPortConfigTable.h"

#include "CatalogTables.h"
#include "StdCtrls.h"
#include "lldpportconfigedit.h"

TLLDPPortConfigForm* LLDPPortConfigForm = nullptr;

namespace {

enum Column { PortNumber, AdminStatus, NotificationEnable, TlvsTxEnable };

}  // namespace

NewRequest2Edits::NewRequest2Edits(ui::Form* owner) : LldpTlvRequest(owner, TlvsTxEnable, LldpTlvNames) {}

TLLDPPortConfigForm::TLLDPPortConfigForm(ui::Component* owner)
    : TLldpPortConfigBase(owner, {.Name = "LLDPPortConfigForm",
                                  .Width = 699,
                                  .Height = 533,
                                  .Table = &Oid_lldp::Ieee8802_1_1_2_1_1_6_1,
                                  .MakeRequest = RequestOf<NewRequest2Edits>(),
                                  .MakePicker = [](ui::Component* dialog, ui::Edit* tlvEdit) -> TLldpTlvPicker* {
                                      return new TLLDPPortConfigurationForm(dialog, tlvEdit);
                                  }}) {
    AdminStateComboBox = NewEditorCombo("AdminStateComboBox", "Admin State", 90);
    NotificationComboBox = NewEditorCombo("NotificationComboBox", "Notification Enable", 70);
    AddTlvEditor();
}

void TLLDPPortConfigForm::BindOwnColumns(DialogRequest& request) {
    request.BindComboBox(AdminStatus, AdminStateComboBox);
    request.BindComboBox(NotificationEnable, NotificationComboBox);
}
