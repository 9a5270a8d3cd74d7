#include "lldpDot3portconfigedit.h"

TLLDPDot3PortConfigurationForm* LLDPDot3PortConfigurationForm = nullptr;

TLLDPDot3PortConfigurationForm::TLLDPDot3PortConfigurationForm(ui::Component* owner, ui::Edit* tlvEdit)
    : TLldpTlvPicker(owner, tlvEdit,
                     {.Width = 295,
                      .Height = 191,
                      .CaptionPrefix = "LLDP Dot3 Port Configuration Table Setting: ",
                      .Names = &LldpDot3TlvNames,
                      .BoxNames = {"macPhyConfigStatuscbx", "powerViaMDIcbx", "linkAggregationcbx", "maxFrameSizecbx"},
                      .Visible = {true, false, true, true}}) {
    SetName("LLDPDot3PortConfigurationForm");
    LLDPDot3PortConfigurationForm = this;
}

TLLDPDot3PortConfigurationForm::~TLLDPDot3PortConfigurationForm() {
    if (LLDPDot3PortConfigurationForm == this) LLDPDot3PortConfigurationForm = nullptr;
}
