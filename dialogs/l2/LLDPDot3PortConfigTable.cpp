#include "LLDPDot3PortConfigTable.h"

#include "CatalogTables.h"
#include "lldpDot3portconfigedit.h"

TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm = nullptr;

namespace {

constexpr int TlvsTxEnable = 1;

}  // namespace

LLDPDot3PortConfigNewRequest2Edits::LLDPDot3PortConfigNewRequest2Edits(ui::Form* owner)
    : LldpTlvRequest(owner, TlvsTxEnable, LldpDot3TlvNames) {}

TLLDPDot3PortConfigForm::TLLDPDot3PortConfigForm(ui::Component* owner)
    : TLldpPortConfigBase(owner, {.Name = "LLDPDot3PortConfigForm",
                                  .Width = 495,
                                  .Height = 497,
                                  .Table = &Oid_lldp::Ieee8802_1_1_2_1_5_4623_1_1_1_1,
                                  .MakeRequest = RequestOf<LLDPDot3PortConfigNewRequest2Edits>(),
                                  .MakePicker = [](ui::Component* dialog, ui::Edit* tlvEdit) -> TLldpTlvPicker* {
                                      return new TLLDPDot3PortConfigurationForm(dialog, tlvEdit);
                                  }}) {
    AddTlvEditor();
}
