#include "LLDPdot1ConfigVLANNameUnit.h"

#include "CatalogTables.h"

TLLDPConfigVLANNameForm* LLDPConfigVLANNameForm = nullptr;

TLLDPConfigVLANNameForm::TLLDPConfigVLANNameForm(ui::Component* owner)
    : TLldpDot1ConfigBase(owner, {.Name = "LLDPConfigVLANNameForm",
                                  .Width = 449,
                                  .Height = 470,
                                  .Table = &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_1_2_1,
                                  .IndexLabel = "VLAN ID",
                                  .TxLabel = "VLAN Name TX"}) {}
