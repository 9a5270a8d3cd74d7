#include "LLDPdot1ConfigProtocolVLANUnit.h"

#include "CatalogTables.h"

TLLDPConfigProtocolVLANForm* LLDPConfigProtocolVLANForm = nullptr;

TLLDPConfigProtocolVLANForm::TLLDPConfigProtocolVLANForm(ui::Component* owner)
    : TLldpDot1ConfigBase(owner, {.Name = "LLDPConfigProtocolVLANForm",
                                  .Width = 460,
                                  .Height = 471,
                                  .Table = &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_1_3_1,
                                  .IndexLabel = "VLAN ID",
                                  .TxLabel = "Protocol VLAN TX"}) {}
