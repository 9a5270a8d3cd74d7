#include "lldpportconfigedit.h"

TLLDPPortConfigurationForm* LLDPPortConfigurationForm = nullptr;

TLLDPPortConfigurationForm::TLLDPPortConfigurationForm(ui::Component* owner, ui::Edit* tlvEdit)
    : TLldpTlvPicker(owner, tlvEdit,
                     {.Width = 286,
                      .Height = 180,
                      .CaptionPrefix = "Port Configuration Table Setting: ",
                      .Names = &LldpTlvNames,
                      .BoxNames = {"portDescCBX", "sysNameCBX", "sysDescCBX", "sysCapCBX"},
                      .Visible = {true, true, true, true}}) {
    SetName("LLDPPortConfigurationForm");
    LLDPPortConfigurationForm = this;
}

TLLDPPortConfigurationForm::~TLLDPPortConfigurationForm() {
    if (LLDPPortConfigurationForm == this) LLDPPortConfigurationForm = nullptr;
}
