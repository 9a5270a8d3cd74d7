#include "LLDPdot1ConfigProtocolUnit.h"

#include "CatalogTables.h"

TLLDPConfigProtocolForm* LLDPConfigProtocolForm = nullptr;

TLLDPConfigProtocolForm::TLLDPConfigProtocolForm(ui::Component* owner)
    : TLldpDot1ConfigBase(owner, {.Name = "LLDPConfigProtocolForm",
                                  .Width = 462,
                                  .Height = 467,
                                  .Table = &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_1_4_1,
                                  .IndexLabel = "Index",
                                  .TxLabel = "Protocol TX"}) {}
