#pragma once
// TPBridgeConfigForm: the bridge's 802.1p capabilities (dot1dDeviceCapabilities, dot1dTrafficClassesEnabled), a
// read-only view over two asynchronous scalar requests: Refresh and Close only. Caught exceptions go to panel 0
// through the request's status template.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class StaticText;
}  // namespace ui

class TPBridgeConfigForm : public TDedicatedForm {
public:
    explicit TPBridgeConfigForm(ui::Component* owner);

    ui::StaticText* Edit_DeviceCapabilities = nullptr;
    ui::ComboBox* TrafficClassesState = nullptr;  // shown, never chosen
    ui::Button* BT_Get = nullptr;
    ui::Button* BT_Close = nullptr;

    DialogTable& CapabilitiesRequest;
    DialogTable& TrafficClassesRequest;

protected:
    void FormCreate(ui::Component* sender) override;

private:
    void BT_GetClick();
};

extern TPBridgeConfigForm* PBridgeConfigForm;  // the open dialog, else null
